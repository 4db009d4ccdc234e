// The two-click move protocol and the life of a game.
#include "banc_jeu.h"

#include <QTest>

using namespace trelmo;
using namespace trelmo::essai;

namespace {

void vider(Grille& g, int c, int r)
{
    for (int d = 1; d <= 4; ++d)
        if (g.at(c, r, d) >= 0) g.at(c, r, d) = 2;
}

// Leaves only the marbles of the listed holes on the board, tray count to match.
void garder_seulement(Jeu& jeu, std::initializer_list<int> trous)
{
    for (int n = 1; n <= 49; ++n)
        if (std::find(trous.begin(), trous.end(), n) == trous.end())
            vider(jeu.grille, case_du_trou(n).col, case_du_trou(n).lig);
    jeu.nb_repos = 44 - int32_t(trous.size());
    jeu.place_bille_plateau();
    jeu.jeux_repos(jeu.nb_repos);
}

int nb_fins(const Journal& j)
{
    return int(std::count(j.begin(), j.end(), std::string("enregistrer_config")));
}

} // namespace

class TestPartie : public QObject {
    Q_OBJECT
private slots:
    void protocole()
    {
        Banc b;
        b.commencer(1);
        // Only the four marbles around the centre offer the hand.
        for (int n = 1; n <= 49; ++n) {
            b.jeu.pmove(n);
            const bool mobile = n == 9 || n == 23 || n == 27 || n == 41;
            QCOMPARE(b.sprites.curseur[size_t(n)], mobile ? int(CUR_MAIN) : int(CUR_DEFAUT));
            QCOMPARE(b.jeu.coup_permis, mobile);
        }

        // A click on a marble that cannot move does nothing.
        b.clic(16);
        QVERIFY(!b.jeu.bille_prise());
        QCOMPARE(b.sprites.curseur[16], int(CUR_DEFAUT));

        // Pick (5,3); it shows the moving hand; other holes say whether they accept it.
        b.clic(9);
        QVERIFY(b.jeu.bille_prise());
        QCOMPARE(b.jeu.trou_pris(), 9);
        QCOMPARE(b.sprites.curseur[9], int(CUR_DEPLACE));
        b.jeu.pmove(9);
        QCOMPARE(b.sprites.curseur[9], int(CUR_IMPOSSIBLE));   // itself
        b.jeu.pmove(23);
        QCOMPARE(b.sprites.curseur[23], int(CUR_IMPOSSIBLE));  // occupied
        b.jeu.pmove(25);
        QCOMPARE(b.sprites.curseur[25], int(CUR_DEPLACE));
        QVERIFY(b.jeu.coup_permis);

        // Put back by clicking the held marble; hovering it again offers the hand.
        b.clic(9);
        QVERIFY(!b.jeu.bille_prise());
        for (int n = 1; n <= 49; ++n) QCOMPARE(b.sprites.curseur[size_t(n)], int(CUR_DEFAUT));
        b.jeu.pmove(9);
        QCOMPARE(b.sprites.curseur[9], int(CUR_MAIN));

        // The jump.
        b.clic(9);
        b.clic(25);
        QVERIFY(b.jeu.grille.vide(5, 3) && b.jeu.grille.vide(5, 4) && b.jeu.grille.bille(5, 5));
        QCOMPARE(b.jeu.nb_repos, 13);
        QCOMPARE(b.affichage.billes, std::string("31"));
        QVERIFY(!b.jeu.bille_prise());
        for (int n = 1; n <= 49; ++n) QCOMPARE(b.sprites.curseur[size_t(n)], int(CUR_DEFAUT));
        QCOMPARE(b.jeu.nb_mobiles, mobiles_brut(b.jeu.grille));
        QVERIFY(b.partenaires.scores.empty());

        // Refused landings: across an empty hole, and diagonally.
        b.commencer(1);
        vider(b.jeu.grille, 4, 5);
        vider(b.jeu.grille, 6, 3);
        b.jeu.place_bille_plateau();
        b.clic(26);                                  // (6,5), can jump up
        QVERIFY(b.jeu.bille_prise());
        b.jeu.pmove(24);                             // (4,5), across the empty centre
        QCOMPARE(b.sprites.curseur[24], int(CUR_IMPOSSIBLE));
        b.jeu.pmove(10);                             // (6,3), over (6,4)
        QCOMPARE(b.sprites.curseur[10], int(CUR_DEPLACE));
        b.jeu.pmove(15);                             // (4,4): occupied
        QCOMPARE(b.sprites.curseur[15], int(CUR_IMPOSSIBLE));
        const Grille avant = b.jeu.grille;
        b.clic(24);
        QVERIFY(b.jeu.grille == avant);
        QCOMPARE(b.jeu.nb_repos, 12);
        QVERIFY(!b.jeu.bille_prise());
        b.jeu.pmove(26);
        QCOMPARE(b.sprites.curseur[26], int(CUR_MAIN));

        // A diagonal empty hole two away, with a marble between: refused.
        b.commencer(3);
        vider(b.jeu.grille, 7, 5);
        b.jeu.place_bille_plateau();
        b.clic(9);                                   // (5,3)
        QVERIFY(b.jeu.bille_prise());
        b.jeu.pmove(27);                             // (7,5)
        QCOMPARE(b.sprites.curseur[27], int(CUR_IMPOSSIBLE));
        QVERIFY(!b.jeu.coup_permis);
        b.jeu.pmove(48);                             // (5,9): its own sprite, 48
        QCOMPARE(b.sprites.curseur[48], int(CUR_IMPOSSIBLE));
    }

    // Picking up and jumping asked directly, as the keyboard, a drag or any
    // other way of playing asks: refused unless legal, whoever asks.
    void operations()
    {
        Banc b;
        b.jeu.demarrage();
        QVERIFY(!b.jeu.prendre(9));                  // no game
        QVERIFY(!b.jeu.sauter(9, 25));
        b.commencer(1);
        const Grille depart = b.jeu.grille;
        QVERIFY(!b.jeu.prendre(16));                 // (5,4) cannot jump
        QVERIFY(!b.jeu.prendre(0) && !b.jeu.prendre(50) && !b.jeu.prendre(-3));
        QVERIFY(!b.jeu.sauter(16, 25));              // not two holes away
        QVERIFY(!b.jeu.sauter(3, 25) && !b.jeu.sauter(0, 25) && !b.jeu.sauter(9, 99));
        QVERIFY(b.jeu.grille == depart);
        QCOMPARE(b.jeu.nb_repos, 12);
        QVERIFY(!b.jeu.bille_prise());

        QVERIFY(b.jeu.prendre(9));
        QCOMPARE(b.jeu.trou_pris(), 9);
        QCOMPARE(b.sprites.curseur[9], int(CUR_DEPLACE));
        QVERIFY(!b.jeu.prendre(23));                 // one marble at a time

        // A jump of another marble than the held one: the held one goes back.
        QVERIFY(b.jeu.sauter(23, 25));
        QVERIFY(!b.jeu.bille_prise());
        QVERIFY(b.jeu.grille.vide(3, 5) && b.jeu.grille.vide(4, 5) && b.jeu.grille.bille(5, 5));
        QCOMPARE(b.jeu.nb_repos, 13);
        QCOMPARE(b.affichage.billes, std::string("31"));
        for (int n = 1; n <= 49; ++n) QCOMPARE(b.sprites.curseur[size_t(n)], int(CUR_DEFAUT));
        QVERIFY(b.jeu.peut_annuler());
        QVERIFY(b.jeu.annuler());
        QVERIFY(b.jeu.grille == depart);

        // choisir(): a key on a hole, as a click is.
        b.jeu.choisir(9);
        QCOMPARE(b.jeu.trou_pris(), 9);
        b.jeu.choisir(16);                           // no landing there: put back
        QVERIFY(!b.jeu.bille_prise());
        QVERIFY(b.jeu.grille == depart);
        b.jeu.choisir(9);
        b.jeu.choisir(25);
        QVERIFY(b.jeu.grille.vide(5, 3) && b.jeu.grille.bille(5, 5));
        QCOMPARE(b.jeu.nb_repos, 13);
    }

    // A stored position put on the board is a game in progress of its own.
    void restaurer()
    {
        Banc francais;
        francais.commencer(2);
        francais.clic(9);
        francais.clic(25);
        Grille g = francais.jeu.grille;
        vider(g, 5, 5);                              // 34 marbles left

        Banc b;
        b.commencer(1);
        QVERIFY(!b.sprites.actif[7]);
        b.clic(9);
        b.jeu.restaurer(g, 10, 1, 2, 3);
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                QVERIFY(b.jeu.grille.vide(c, r) == g.vide(c, r) && b.jeu.grille.hors_plateau(c, r) == g.hors_plateau(c, r));
        QCOMPARE(b.jeu.nb_repos, 10);
        QCOMPARE(b.affichage.billes, std::string("34"));
        QCOMPARE(b.sprites.repos_montres(), 10);
        QCOMPARE(b.sprites.billes_montrees(), 34);
        QVERIFY(b.sprites.actif[7]);                 // the French board's corners
        QVERIFY(!b.jeu.pas_de_partie && !b.jeu.bille_prise() && !b.jeu.peut_annuler());
        QVERIFY(b.minuterie.actif);
        QCOMPARE(b.affichage.etat, std::string("Reposer\rles billes"));
        QVERIFY(!b.affichage.resultat_actif);
        b.jeu.Timer1Timer();
        QCOMPARE(b.affichage.chrono_texte, std::string("01:02:04"));
    }

    void sans_partie()
    {
        Banc b;
        b.jeu.demarrage();
        b.jeu.pmove(9);
        b.jeu.deplacement();
        QVERIFY(!b.jeu.bille_prise());
        for (int n = 1; n <= 49; ++n) QCOMPARE(b.sprites.curseur[size_t(n)], int(CUR_DEFAUT));

        // The last hover of a stopped game found a movable marble: it no
        // longer matters, before or after the next start.
        b.commencer(1);
        b.jeu.pmove(9);
        b.jeu.etat_jeuxClick();                      // stop
        b.journal.clear();
        b.jeu.pmove(41);
        b.jeu.deplacement();
        QVERIFY(!b.jeu.bille_prise());
        QVERIFY(b.journal.empty());
        QCOMPARE(b.sprites.curseur[9], int(CUR_DEFAUT));
        b.partenaires.niveau_choisi = 1;
        b.jeu.etat_jeuxClick();                      // start: a click without hover picks nothing
        b.jeu.deplacement();
        QVERIFY(!b.jeu.bille_prise());
    }

    void fin_de_partie_une_fois()
    {
        Banc b;
        b.commencer(1);
        garder_seulement(b.jeu, {9, 16});            // (5,3) and (5,4): one jump left
        b.jeu.heures = 0; b.jeu.minutes = 12; b.jeu.secondes = 6;
        b.jeu.Timer1Timer();
        b.journal.clear();
        b.jouer(9, 25);
        const Journal attendu = {"resultat(1,VOUS AVEZ GAGNE !!)", "timer1(0)", "recharger_config",
                                 "insere_score(1,00:12:07)", "enregistrer_config"};
        QCOMPARE(b.journal, attendu);
        QVERIFY(!b.jeu.pas_de_partie);
        QVERIFY(b.affichage.resultat_actif);

        // Further clicks do not repeat it; the game stays in progress.
        for (int n : {25, 1, 16, 25}) b.clic(n);
        QCOMPARE(nb_fins(b.journal), 1);
        QCOMPARE(b.partenaires.scores.size(), size_t(1));

        // Stop, start: a new game can end again, here with two marbles left.
        b.jeu.etat_jeuxClick();
        b.commencer(2);
        garder_seulement(b.jeu, {7, 9, 16});         // (3,3), (5,3), (5,4)
        QCOMPARE(b.jeu.nb_mobiles, 2);
        b.jouer(9, 25);
        QCOMPARE(b.jeu.nb_mobiles, 0);
        QCOMPARE(nb_fins(b.journal), 1);
        QCOMPARE(b.affichage.resultat_texte, std::string("PARTIE\rTERMINEE"));
        QCOMPARE(b.partenaires.scores.back().first, 2);
        QVERIFY(!b.minuterie.actif);

        // A restored game that cannot move ends at the next click, even one that does nothing.
        b.commencer(1);
        garder_seulement(b.jeu, {9, 45});            // (5,3) and (5,8): apart
        b.jeu.fin_traitee = false;
        QCOMPARE(b.jeu.nb_mobiles, 0);
        b.clic(9);
        QCOMPARE(nb_fins(b.journal), 1);
        QCOMPARE(b.affichage.resultat_texte, std::string("PARTIE\rTERMINEE"));
        QCOMPARE(b.partenaires.scores.back().first, 2);
        QCOMPARE(b.partenaires.scores.back().second, std::string("00:12:07"));   // the text on show
    }

    void cycle()
    {
        Banc b;
        b.jeu.demarrage();
        QCOMPARE(b.sprites.repos_montres(), 44);
        QCOMPARE(b.sprites.billes_montrees(), 0);
        QCOMPARE(b.affichage.billes, std::string("0"));
        QVERIFY(b.jeu.pas_de_partie);
        QCOMPARE(b.jeu.texte_chrono, std::string("00:00:00"));

        struct Cas { int niveau, repos, plateau; };
        for (Cas k : {Cas{1, 12, 32}, Cas{2, 8, 36}, Cas{3, 0, 44}}) {
            b.partenaires.niveau_choisi = k.niveau;
            b.affichage.chrono_texte = "00:03:09";
            b.journal.clear();
            b.jeu.etat_jeuxClick();
            // The overlay is hidden before the variant dialog shows, and the
            // settings are read once it has stored the choice.
            QCOMPARE(b.journal.front(), std::string("resultat(0,)"));
            QCOMPARE(b.journal[1], std::string("choisir_niveau"));
            QCOMPARE(b.journal[2], std::string("recharger_config"));
            QCOMPARE(b.affichage.etat, std::string("Reposer\rles billes"));
            QCOMPARE(b.affichage.etat_hint, std::string("Arrêter la partie en cours"));
            QVERIFY(!b.jeu.pas_de_partie);
            QCOMPARE(b.jeu.nb_repos, k.repos);
            QCOMPARE(b.sprites.repos_montres(), k.repos);
            QCOMPARE(b.sprites.billes_montrees(), k.plateau);
            QCOMPARE(b.affichage.billes, std::to_string(k.plateau));
            QCOMPARE(b.jeu.nb_mobiles, 4);
            QCOMPARE(b.affichage.chrono_texte, std::string("00:03:09"));   // until the first tick
            QVERIFY(b.minuterie.actif);

            // Stop while holding a marble.
            b.clic(9);
            QVERIFY(b.jeu.bille_prise());
            b.jeu.minutes = 3;
            b.journal.clear();
            b.jeu.etat_jeuxClick();
            QVERIFY(!b.affichage.resultat_actif);
            QCOMPARE(b.affichage.etat, std::string("Nouvelle\rpartie"));
            QVERIFY(!b.minuterie.actif);
            QCOMPARE(b.affichage.etat_hint, std::string("Commencer une nouvelle partie"));
            QVERIFY(!b.jeu.bille_prise());
            for (int n = 1; n <= 49; ++n) QCOMPARE(b.sprites.curseur[size_t(n)], int(CUR_DEFAUT));
            QVERIFY(b.jeu.pas_de_partie);
            QCOMPARE(b.jeu.nb_repos, 44);
            QCOMPARE(b.sprites.repos_montres(), 44);
            QCOMPARE(b.sprites.billes_montrees(), 0);
            QCOMPARE(b.affichage.billes, std::string("0"));
            QCOMPARE(b.jeu.minutes, 3);
            QCOMPARE(b.jeu.grille.at(5, 3, BAS), 0);   // reset, no mobility computed
        }

        // The dialog closed without a choice: the stored variant is played.
        b.partenaires.niveau_choisi = 0;
        b.partenaires.niveau_enregistre = 2;
        b.jeu.etat_jeuxClick();
        QCOMPARE(b.jeu.nb_repos, 8);
    }

    void chronometre()
    {
        Banc b;
        for (int i = 0; i < 59; ++i) b.jeu.Timer1Timer();
        QCOMPARE(b.affichage.chrono_texte, std::string("00:00:59"));
        b.jeu.Timer1Timer();
        QCOMPARE(b.affichage.chrono_texte, std::string("00:01:00"));
        QCOMPARE(b.jeu.texte_chrono, b.affichage.chrono_texte);
        b.jeu.minutes = 59; b.jeu.secondes = 59;
        b.jeu.Timer1Timer();
        QCOMPARE(b.affichage.chrono_texte, std::string("01:00:00"));
        b.jeu.heures = 99; b.jeu.minutes = 59; b.jeu.secondes = 59;
        b.jeu.Timer1Timer();
        QCOMPARE(b.affichage.chrono_texte, std::string("100:00:00"));
        // A restored duration out of range rolls over instead of growing for ever.
        b.jeu.heures = 0; b.jeu.minutes = 75; b.jeu.secondes = 99;
        b.jeu.Timer1Timer();
        QCOMPARE(b.affichage.chrono_texte, std::string("01:00:00"));
    }

    void zeros()
    {
        struct Cas { int32_t valeur, largeur; const char* texte; };
        for (Cas k : {Cas{5, 2, "05"}, Cas{0, 3, "000"}, Cas{1234, 2, "1234"}, Cas{7, 2, "07"},
                      Cas{12, 2, "12"}, Cas{123, 2, "123"}, Cas{0, 2, "00"}, Cas{0, 1, "0"},
                      Cas{3, 0, "3"}, Cas{42, 12, "00000042"}, Cas{1, 9, "00000001"},
                      Cas{99999999, 9, "99999999"}, Cas{100000000, 12, "100000000"}})
            QCOMPARE(Jeu::remplir_zeros(k.valeur, k.largeur), std::string(k.texte));
    }
};

QTEST_APPLESS_MAIN(TestPartie)
#include "test_game_partie.moc"
