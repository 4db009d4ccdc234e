#include "mainwindow/commandes_partie.h"

#include "game/jeu.h"
#include "storage/config.h"
#include "storage/partie.h"

namespace trelmo {

void charger_partie(SauvegardePartie& sauvegarde, Jeu& jeu, Reglages& reglages, IMessages& messages,
                    const TextesPartie& textes)
{
    if (!sauvegarde.lit_partie()) {
        messages.information(textes.aucune_partie);
        return;
    }
    const Partie& p = sauvegarde.partie;
    // Checked before the question: once the player has agreed to give up
    // the game on the board, a refusal would read as a broken promise.
    const auto duree = SauvegardePartie::duree(p);
    if (!SauvegardePartie::coherente(p) || !duree) {
        messages.information(textes.partie_endommagee);
        return;
    }
    if (!jeu.pas_de_partie && !messages.confirmation(textes.annuler_partie))
        return;
    reglages.nom_joueur = p.nom();
    Grille grille;
    p.lire_grille(grille);
    jeu.restaurer(grille, p.repos(), duree->heures, duree->minutes, duree->secondes);
}

void sauver_partie(SauvegardePartie& sauvegarde, Jeu& jeu, Reglages& reglages, IMessages& messages,
                   const TextesPartie& textes)
{
    if (jeu.pas_de_partie) {
        messages.information(textes.pas_de_partie);
        return;
    }
    if (!messages.confirmation(textes.ecraser_partie))
        return;
    sauvegarde.enregistrer(reglages.nom_joueur, jeu.texte_chrono, jeu.nb_repos, jeu.grille);
}

} // namespace trelmo
