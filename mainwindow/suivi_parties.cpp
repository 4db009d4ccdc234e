// The tracking of games: the statistics of each game and problem, the problem
// on the board (chosen, saved beside the saved game, found again), and what
// the window does when the game reports a start, a stop, a jump or its end.
#include "mainwindow/editeur_fenetre.h"
#include "mainwindow/form1.h"
#include "mainwindow/reprise.h"
#include "mainwindow/textes_plus.h"
#include "dialogs/langue.h"
#include "dialogs/problemes.h"
#include "dialogs/statistiques.h"
#include "game/problemes.h"
#include "storage/statistiques.h"
#include "widgets/annonce.h"

namespace trelmo {

Statistiques& TForm1::statistiques()
{
    if (!suivi_.stats) {
        suivi_.stats = std::make_unique<Statistiques>(repertoire_ + "statistiques.json");
        if (const std::string message = suivi_.stats->charger(langue_); !message.empty())
            avertir(QString::fromStdString(message));
    }
    return *suivi_.stats;
}

void TForm1::enregistrer_statistiques()
{
    // Never read, never written: a run without a game leaves the file alone.
    if (!suivi_.stats)
        return;
    std::string raison;
    if (!suivi_.stats->enregistrer(&raison) && !raison.empty() && !suivi_.ecriture_signalee) {
        suivi_.ecriture_signalee = true;
        avertir(QString::fromStdString(raison));
    }
}

std::string TForm1::cle_partie() const
{
    if (jeu_.probleme && !suivi_.probleme_id.empty())
        return cle_probleme(suivi_.probleme_id);
    const int32_t niveau = Jeu::niveau_de_grille(jeu_.grille);
    return cle_plateau(niveau != 0 ? niveau : reglages_.config.niveau());
}

void TForm1::problemesClick()
{
    TProblemes choix(langue_, statistiques(), this);
    choix.setApparence(Apparence{reglages_.config.no_texture_plateau(), reglages_.config.no_texture_bille()});
    if (choix.exec() != QDialog::Accepted || !choix.choisi())
        return;
    // A game being played is given up only when the player says so.
    if (!jeu_.pas_de_partie && !jeu_.fin_traitee && !messages_.confirmation(textes_partie_.annuler_partie))
        return;
    commencer_probleme(choix.choisi()->id);
}

void TForm1::commencer_probleme(const std::string& id)
{
    const Probleme* p = probleme(id);
    if (!p)
        return;
    reprise().avant_abandon();
    suivi_.probleme_id = p->id;
    jeu_.commencer_probleme(p->niveau, p->billes, p->cible);
}

void TForm1::statistiquesClick()
{
    TStatistiques fenetre(langue_, statistiques(), this);
    fenetre.exec();
}

// The saved game's problem lives beside it, in "GAME.probleme".
void TForm1::noter_probleme_sauve(quint64 avant)
{
    const quint64 apres = sauvegarde_.empreinte();
    if (apres == avant || apres == 0)
        return;   // nothing was saved
    sauvegarde_.noter_probleme(jeu_.probleme ? suivi_.probleme_id : std::string(), apres);
}

void TForm1::retrouver_probleme()
{
    suivi_.probleme_id.clear();
    const Probleme* p = probleme(sauvegarde_.probleme_note());
    if (p && Jeu::niveau_de_grille(jeu_.grille) == p->niveau) {
        suivi_.probleme_id = p->id;
        jeu_.probleme = true;
        jeu_.cible = p->cible;
    }
    statistiques().partie_restauree(cle_partie());
}

void TForm1::indice_montre() { statistiques().indice(); }

void TForm1::partie_commencee()
{
    if (!jeu_.probleme)
        suivi_.probleme_id.clear();
    statistiques().nouvelle_partie(cle_partie());
    const TextesPlus& t = textes_plus(langue_);
    annonce_->annoncer(t.partie_commencee.arg(reste(t, kNbRepos - jeu_.nb_repos)));
    apres_changement();
}

void TForm1::partie_arretee()
{
    suivi_.probleme_id.clear();
    statistiques().arret();
    enregistrer_statistiques();
    annonce_->annoncer(textes_plus(langue_).partie_arretee);
    apres_changement();
}

void TForm1::partie_restauree() { suivi_.restauree = true; }

void TForm1::saut_fait(int de, int, int vers)
{
    reprise().oublier_abandon();
    statistiques().saut();
    const TextesPlus& t = textes_plus(langue_);
    const Case a = case_du_trou(de), b = case_du_trou(vers);
    annonce_->annoncer(t.annonce_saut.arg(a.col).arg(a.lig).arg(b.col).arg(b.lig)
                           .arg(reste(t, kNbRepos - jeu_.nb_repos)));
    apres_changement();
}

void TForm1::saut_annule(int, int, int)
{
    const TextesPlus& t = textes_plus(langue_);
    annonce_->annoncer(t.annonce_annule.arg(reste(t, kNbRepos - jeu_.nb_repos)));
    apres_changement();
}

void TForm1::partie_finie(int32_t billes, bool gagnee)
{
    statistiques().fin(billes, jeu_.heures * 3600 + jeu_.minutes * 60 + jeu_.secondes, gagnee);
    enregistrer_statistiques();
    const TextesPlus& t = textes_plus(langue_);
    annonce_->annoncer(gagnee ? t.annonce_gagne : texte_n(langue_, "plus.annonce_perdu", billes).arg(billes));
    mettre_a_jour_commandes();
}

} // namespace trelmo
