#pragma once
// Every text the program shows, in one interface language, as lines
// "<key>\t<text>" with "\r", "\n", "\t" and "\\" written as escapes. Shared by
// the reference test (French, English, German as they have always read) and
// the catalogue tests.
#include "dialogs/langue.h"
#include "dialogs/splash.h"
#include "dialogs/textes_joueur.h"
#include "dialogs/textes_problemes.h"
#include "game/problemes.h"
#include "game/textes.h"
#include "mainwindow/textes_plus.h"
#include "storage/erreur_es.h"

#include <QString>

#include <QStringList>

#include <string>

namespace trelmo::releve {

inline QString echappe(const QString& s)
{
    QString r;
    for (QChar c : s) {
        if (c == QLatin1Char('\\')) r += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\r')) r += QStringLiteral("\\r");
        else if (c == QLatin1Char('\n')) r += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t')) r += QStringLiteral("\\t");
        else r += c;
    }
    return r;
}

class Releve {
public:
    QStringList lignes;
    void operator()(const QString& cle, const QString& texte) { lignes << cle + QLatin1Char('\t') + echappe(texte); }
    void operator()(const QString& cle, const std::string& texte) { (*this)(cle, QString::fromStdString(texte)); }
    void operator()(const QString& cle, const char* texte) { (*this)(cle, QString::fromUtf8(texte)); }
    void operator()(const QString& cle, int nombre) { (*this)(cle, QString::number(nombre)); }
};

// The lines of one language, in a fixed order.
inline QStringList textes_de(int32_t langue)
{
    Releve r;
#define T(champ) r(QStringLiteral("textes." #champ), t.champ)
    {
        const Textes& t = textes(langue);
        T(texture_plateau); T(texture_bille); T(infos); T(aide); T(charger); T(sauver); T(scores); T(quitter);
        T(hint_texture_plateau); T(hint_texture_bille); T(hint_infos); T(hint_aide); T(hint_charger);
        T(hint_sauver); T(hint_scores); T(hint_quitter); T(taille_boutons);
        T(gagne); T(termine); T(reposer); T(reposer_hint); T(nouvelle); T(nouvelle_hint); T(aucune_partie);
        T(annuler_partie); T(pas_de_partie); T(ecraser_partie);
        T(mode_titre); T(mode_m1); T(mode_m2); T(mode_m3);
        T(nom_titre); T(nom_bravo); T(nom_t1); T(nom_t2); T(nom_bravo_points);
        T(score_titre); T(score_joueur); T(score_bille); T(score_duree);
        // What the variant dialog's second button shows.
        r(QStringLiteral("mode.bouton2"), t.mode_m2.empty() ? std::string(kModeM2) : t.mode_m2);
    }
#undef T
    r(QStringLiteral("fixe.produit"), kNomProduit);
    r(QStringLiteral("fixe.titre_scores"), kTitreScores);
    r(QStringLiteral("fixe.aide_introuvable"), kAideIntrouvable);
    r(QStringLiteral("fixe.afficher"), kTexteAfficher);
    r(QStringLiteral("splash.credit"), TSplashForm::texte_credit(langue));
#define T(champ) r(QStringLiteral("plus." #champ), t.champ)
    {
        const TextesPlus& t = textes_plus(langue);
        T(annuler); T(refaire); T(indice); T(reperes); T(taille); T(taille_pourcent); T(taille_ecran); T(plein_ecran); T(problemes); T(statistiques); T(astuce); T(plateau);
        T(trou); T(bille); T(bille_mobile); T(bille_prise); T(vide); T(vide_arrivee); T(billes_restantes);
        T(temps); T(annonce_saut); T(annonce_annule); T(reste_une); T(reste_n); T(annonce_gagne);
        T(annonce_perdu); T(partie_endommagee); T(haut); T(droite); T(bas); T(gauche); T(finir_une);
        T(meilleur_n); T(non_prouve); T(cible_atteignable); T(cible_perdue);
        T(prise_faite); T(prise_reposee); T(pas_de_saut); T(pas_d_arrivee); T(partie_commencee);
        T(partie_chargee); T(partie_arretee); T(saut_conseille); T(cible_trou);
        for (int n : {0, 1, 2, 3, 5, 11, 21, 22, 25, 44})
            r(QStringLiteral("plus.reste(%1)").arg(n), reste(t, n));
    }
#undef T
#define T(champ) r(QStringLiteral("problemes." #champ), t.champ)
    {
        const TextesProblemes& t = textes_problemes(langue);
        T(titre); T(plateaux[0]); T(plateaux[1]); T(plateaux[2]); T(billes); T(finir_en); T(finir_partout);
        T(serie); T(resolu); T(pas_resolu); T(choisir_depart); T(choisir_cible); T(symetriques);
        T(autre_depart); T(trou); T(trou_bille); T(trou_vide); T(trou_depart); T(trou_cible); T(trou_resolu);
        T(nom_liste); T(nom_plateau); T(jouer); T(annuler);
        T(stats_titre); T(onglets[0]); T(onglets[1]); T(onglets[2]); T(onglets[3]); T(commencees);
        T(terminees); T(gagnees); T(moins_de_billes); T(meilleur_temps); T(moyenne); T(serie_en_cours);
        T(meilleure_serie); T(indices); T(resolus); T(sur); T(aucun); T(graphique); T(graphique_vide);
        T(graphique_barre); T(nom_onglets);
        T(par_probleme[0]); T(par_probleme[1]); T(par_probleme[2]); T(par_probleme[3]); T(par_probleme[4]);
        T(ligne_probleme); T(nom_par_probleme); T(nom_scores); T(ligne_score);
        r(QStringLiteral("problemes.decimale"), std::string(1, t.decimale));
    }
#undef T
    for (const char* const* id = ids_fichiers(); *id; ++id)
        r(QString::fromLatin1(*id), texte(langue, *id));
    for (const Probleme& p : catalogue()) {
        r(QStringLiteral("probleme.") + QString::fromStdString(p.id), nom_probleme(p, langue));
        if (!p.groupe.empty())
            r(QStringLiteral("groupe.") + QString::fromStdString(p.groupe), nom_groupe(p, langue));
    }
    for (const char* const* id = ids_joueur(); *id; ++id)
        r(QString::fromLatin1(*id), pluriel_joueur(*id) ? texte_n(langue, *id, 5) : texte(langue, *id));
    r.lignes.removeDuplicates();
    return r.lignes;
}

} // namespace trelmo::releve
