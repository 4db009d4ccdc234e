// The hint: the solver's worker asked for each new position, and its answer
// shown in a balloon over the board and told to the screen reader.
#include "mainwindow/form1.h"
#include "mainwindow/accessibilite.h"
#include "mainwindow/calque.h"
#include "mainwindow/conseil.h"
#include "mainwindow/sprite.h"
#include "mainwindow/textes_plus.h"
#include "dialogs/langue.h"
#include "solver/solveur.h"
#include "widgets/annonce.h"
#include "widgets/bulle.h"
#include "widgets/garde.h"

#include <QLabel>

namespace trelmo {

bool TForm1::indice_possible() const
{
    return !jeu_.pas_de_partie && !jeu_.fin_traitee && jeu_.nb_mobiles > 0;
}

void TForm1::relancer_conseil()
{
    // A hint asked for the position that just changed is not shown.
    indice_.attendu = false;
    if (!indice_possible()) {
        if (indice_.conseil)
            indice_.conseil->oublier();
        return;
    }
    if (!indice_.conseil) {
        indice_.conseil = new TConseil(this);
        connect(indice_.conseil, &TConseil::pret, this, [this] {
            garde([this] {
                if (indice_.attendu) {
                    indice_.attendu = false;
                    montrer_indice();
                }
            });
        });
    }
    solveur::Masque trous = 0;
    for (int n = 1; n <= kNbTrous; ++n)
        if (trou_expose(n))
            trous |= solveur::bit(n);
    solveur::Position p = solveur::depuis_grille(jeu_.grille.v, trous);
    p.cible = jeu_.cible;
    indice_.conseil->demander(p);
}

void TForm1::indiceClick()
{
    if (!indice_possible())
        return;
    if (!indice_.conseil)
        relancer_conseil();
    if (indice_.conseil->reponse())
        montrer_indice();
    else
        indice_.attendu = true;   // shown as soon as the answer comes
}

void TForm1::montrer_indice()
{
    if (!indice_possible() || !indice_.conseil || !indice_.conseil->reponse())
        return;
    const solveur::Reponse& r = *indice_.conseil->reponse();
    if (r.ligne.empty())
        return;
    const solveur::Saut s = r.ligne.front();
    const TextesPlus& t = textes_plus(langue_);
    const Case a = case_du_trou(s.de), b = case_du_trou(s.vers);
    const QString sens = b.lig < a.lig ? t.haut : b.col > a.col ? t.droite : b.lig > a.lig ? t.bas : t.gauche;
    // The balloon names the direction; the spoken hint names both holes,
    // and in a problem the target too.
    auto phrase = [&](const QString& saut) {
        if (r.cible == solveur::Cible::atteignable)
            return t.cible_atteignable.arg(saut);
        if (r.cible == solveur::Cible::impossible)
            return texte_n(langue_, "plus.cible_perdue", r.meilleur).arg(saut).arg(r.meilleur);
        if (!r.prouve)
            return texte_n(langue_, "plus.non_prouve", r.meilleur).arg(saut).arg(r.meilleur);
        if (r.meilleur == 1)
            return t.finir_une.arg(saut);
        return texte_n(langue_, "plus.meilleur_n", r.meilleur).arg(saut).arg(r.meilleur);
    };
    const QString texte = phrase(sens);
    QString dit = phrase(t.saut_conseille.arg(a.col).arg(a.lig).arg(b.col).arg(b.lig));
    if (jeu_.cible != 0) {
        const Case c = case_du_trou(jeu_.cible);
        dit += QLatin1Char(' ') + t.cible_trou.arg(c.col).arg(c.lig);
    }
    calque_->montrerSaut(s.de, s.vers);
    // The keyboard goes on from the hinted marble.
    clavier_.trou = s.de;
    if (clavier_.visible) {
        calque_->setCurseur(s.de);
        signaler_focus_trou(calque_, s.de);
    }
    const QRect marble = sprites_.trous[static_cast<size_t>(s.de)]->geometry();
    if (THintManager* bulles = THintManager::instance())
        bulles->showMessage(this, mapToGlobal(marble.topLeft() + QPoint(10, 4)), texte, 5000,
                            [this](const QRect& r) { return bulle_libre(r); });
    annonce_->annoncer(dit);
    indice_.dernier = texte;
    indice_montre();
}

bool TForm1::bulle_libre(const QRect& global) const
{
    const QRect r(mapFromGlobal(global.topLeft()), global.size());
    for (const QObject* o : children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w && w != calque_ && w != resultat_ && !w->isHidden() && w->property("accessible").toBool()
            && qobject_cast<const QLabel*>(w) && w->geometry().intersects(r))
            return false;
    }
    return true;
}

} // namespace trelmo
