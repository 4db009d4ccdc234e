#pragma once
// What the game and the file commands ask of the window beyond the board:
// the settings record, the variant dialog and the top-ten insertion; the
// one-second chronometer's timer; the information and confirmation boxes.
#include "game/interfaces.h"
#include "mainwindow/commandes_partie.h"

class QTimer;
class QWidget;

namespace trelmo {

class Reglages;
class Tmode;
class Tsaisie_nom;

class PartenairesFenetre : public IPartenaires {
public:
    explicit PartenairesFenetre(Reglages& reglages) : reglages_(reglages) {}
    // The dialogs are created after the main window by the start-up sequence.
    void definir_dialogues(Tmode* mode, Tsaisie_nom* saisie_nom);

    void choisir_niveau() override;
    void recharger_config() override;
    void enregistrer_config() override;
    int32_t niveau() const override;
    void insere_score(int32_t billes, const std::string& duree) override;

private:
    Reglages& reglages_;
    Tmode* mode_ = nullptr;
    Tsaisie_nom* saisie_nom_ = nullptr;
};

class Minuterie : public IMinuterie {
public:
    void definir_timer(QTimer* timer) { timer_ = timer; }
    void timer1(bool actif) override;

private:
    QTimer* timer_ = nullptr;
};

// The boxes, over the window `parent`, with their French captions and
// buttons in every language.
class BoitesMessages : public IMessages {
public:
    explicit BoitesMessages(QWidget* parent) : parent_(parent) {}
    void information(const std::string& texte) override;
    bool confirmation(const std::string& texte) override;

private:
    QWidget* parent_;
};

} // namespace trelmo
