#pragma once
// The player's own problems: the list, with Play, Edit, Rename and Delete.
// Each change is written at once; a write that fails is told by `avertir`.
#include "storage/mes_problemes.h"

#include <QDialog>

#include <functional>
#include <string>

class QListWidget;
class QPushButton;

namespace trelmo {

class TMesProblemes : public QDialog {
    Q_OBJECT
public:
    TMesProblemes(int32_t langue, MesProblemes& liste, QWidget* parent = nullptr);

    enum Choix { Aucun, Jouer, Modifier };
    Choix choix() const { return choix_; }
    const std::string& choisi() const { return choisi_; }   // the problem's id

    std::function<void(const QString&)> avertir;
    // Asked before a rename (the new name, "" to give up) and a delete; tests replace them.
    std::function<QString(const QString& ancien)> demander_nom;
    std::function<bool(const QString& question)> confirmer;

    QListWidget* liste() const { return liste_; }
    void renommer();
    void supprimer();

private:
    void remplir(const std::string& garder);
    void ecrit(int err);
    std::string courant() const;
    void finir(Choix c);

    int32_t langue_;
    MesProblemes& mes_;
    QListWidget* liste_ = nullptr;
    QPushButton* jouer_ = nullptr;
    QPushButton* modifier_ = nullptr;
    QPushButton* renommer_ = nullptr;
    QPushButton* supprimer_ = nullptr;
    Choix choix_ = Aucun;
    std::string choisi_;
};

// A problem's line in the list: its name, board and marbles.
QString ligne_mon_probleme(const MonProbleme& p, int32_t langue);

} // namespace trelmo
