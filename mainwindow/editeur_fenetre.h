#pragma once
// The window's side of the problems the player makes: the editor (E), the
// position copied and pasted as text (Ctrl+C, Ctrl+V), the player's problems
// kept in "mes_problemes.txt" and played like the built-in ones.
#include "game/position_texte.h"
#include "solver/solveur.h"
#include "storage/mes_problemes.h"

#include <QObject>

#include <memory>
#include <optional>

namespace trelmo {

class TConseil;
class TEditeur;
class TForm1;

class TEditeurFenetre : public QObject {
    Q_OBJECT
public:
    explicit TEditeurFenetre(TForm1& fenetre);

    // The editor, modal, on a position (the board's standard start when none).
    void ouvrir(std::optional<PositionTexte> depart = {});
    // The position on the board to the clipboard, as text.
    void copier_plateau();
    // The clipboard's text opened as a problem in the editor; a bad text is
    // told and changes nothing.
    void coller_plateau();
    // Starts a position as a problem; `id` of one of the player's problems, or "".
    void jouer(const PositionTexte& p, const std::string& id);
    // The list of the player's problems, read on first use.
    MesProblemes& mes_problemes();
    // The list (Play, Rename, Delete), modal.
    void liste();

    // The position on the board, as the text form holds it.
    PositionTexte position_du_plateau() const;
    // The solver's position of an edited one (with its board's barred directions).
    static solveur::Position vers_solveur(const PositionTexte& p);

    TEditeur* editeur() const { return editeur_; }   // the open editor, for tests

private:
    void avertir_ecriture(int err);

    TForm1& f_;
    std::unique_ptr<MesProblemes> mes_;
    TEditeur* editeur_ = nullptr;   // while it is open
    TConseil* conseil_ = nullptr;
};

} // namespace trelmo
