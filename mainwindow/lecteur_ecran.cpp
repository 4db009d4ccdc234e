// What the screen reader is told: each hole's name and state, the board's
// name and focus, a hole activated through it, and the held marble's news.
#include "mainwindow/form1.h"
#include "mainwindow/accessibilite.h"
#include "mainwindow/calque.h"
#include "mainwindow/sprite.h"
#include "mainwindow/textes_plus.h"
#include "widgets/annonce.h"
#include "widgets/garde.h"

#include <QScopeGuard>

namespace trelmo {

void TForm1::prise_changee(int trou)
{
    // Escape or a click while dragging: the drag is over.
    abandonner_glisse();
    if (jeu_.bille_prise() && jeu_.trou_pris() != dit_.prise)
        dit_.prise_clavier = dit_.par_clavier;
    calque_->setAtterrissages(atterrissages());
    marquer_prise();
    annoncer_prise(trou);
    if (clavier_.visible)
        signaler_focus_trou(calque_, clavier_.trou);
}

void TForm1::annoncer_prise(int ici)
{
    const TextesPlus& t = textes_plus(langue_);
    const int avant = dit_.prise;
    const int maintenant = jeu_.trou_pris();
    dit_.prise = maintenant;
    auto dire = [&](int n, const QString& etat) {
        const Case k = case_du_trou(n);
        return t.trou.arg(k.col).arg(k.lig).arg(etat);
    };
    if (maintenant != 0 && maintenant != avant) {
        annonce_->annoncer(dire(maintenant, t.prise_faite));
    } else if (maintenant == 0 && avant != 0) {
        // A click on a hole it cannot land on puts the marble back.
        QString texte = dire(avant, t.prise_reposee);
        if (ici >= 1 && ici <= kNbTrous && ici != avant && trou_expose(ici))
            texte = dire(ici, t.pas_d_arrivee) + QLatin1Char(' ') + texte;
        annonce_->annoncer(texte);
    } else if (maintenant == 0 && ici >= 1 && ici <= kNbTrous && trou_expose(ici)) {
        annonce_->annoncer(dire(ici, t.pas_de_saut));
    }
}

bool TForm1::trou_expose(int n) const
{
    return n >= 1 && n <= kNbTrous && sprites_.trous[static_cast<size_t>(n)]->actif();
}

QString TForm1::nom_trou(int n) const
{
    const TextesPlus& t = textes_plus(langue_);
    const Case k = case_du_trou(n);
    QString etat;
    if (jeu_.pas_de_partie) {
        etat = t.vide;
    } else if (jeu_.grille.bille(k.col, k.lig)) {
        if (jeu_.trou_pris() == n)
            etat = t.bille_prise;
        else if (!jeu_.bille_prise() && jeu_.grille.mobile(k.col, k.lig))
            etat = t.bille_mobile;
        else
            etat = t.bille;
    } else if (jeu_.bille_prise() && trou_expose(n) && jeu_.saut_permis(jeu_.trou_pris(), n)) {
        etat = t.vide_arrivee;
    } else {
        etat = t.vide;
    }
    return t.trou.arg(k.col).arg(k.lig).arg(etat);
}

QString TForm1::nom_plateau() const { return textes_plus(langue_).plateau; }

int TForm1::trou_focus() const { return clavier_.visible ? clavier_.trou : 0; }

void TForm1::activer_trou(int n)
{
    garde([&] {
        abandonner_glisse();
        clavier_.trou = n;
        dit_.par_clavier = true;
        const auto fin = qScopeGuard([this] { dit_.par_clavier = false; });
        jeu_.choisir(n);
    });
}

} // namespace trelmo
