#pragma once
// The window's side of a game never lost: the game in progress kept in its
// own file when the program ends, told at the next start and taken up again
// by Ctrl+R; and a stopped or replaced game taken back by Ctrl+Z until the
// next jump.
#include "game/partie_gardee.h"
#include "storage/reprise.h"

#include <QObject>

#include <optional>

namespace trelmo {

class TForm1;

class TReprise : public QObject {
    Q_OBJECT
public:
    explicit TReprise(TForm1& fenetre);

    // The program ends (Exit, the window closed, the session's end, SIGTERM):
    // a game in progress goes into its file. Nothing else is touched.
    void garder_en_partant();
    // At the start: reads the file; a kept game is announced by a balloon.
    void au_demarrage();
    // "Resume last game" (Ctrl+R).
    bool peut_reprendre() const { return gardee_.has_value(); }
    void reprendre_click();

    // The game in progress is about to be stopped or replaced: kept until the
    // next jump, so that Ctrl+Z can bring it back.
    void avant_abandon();
    bool peut_annuler_abandon() const { return abandon_.has_value(); }
    bool annuler_abandon();
    void oublier_abandon() { abandon_.reset(); }

private:
    void poser(const PartieGardee& p);

    TForm1& f_;
    FichierReprise fichier_;
    std::optional<PartieGardee> gardee_;    // read from the file at the start
    std::optional<PartieGardee> abandon_;   // the game a stop or a new game replaced
};

} // namespace trelmo
