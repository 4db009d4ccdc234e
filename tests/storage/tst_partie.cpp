// The saved game: record layout, the restore and store commands with their
// questions, and the damaged or unreachable file.
#include "faux_jeu.h"
#include "fichiers_essai.h"

#include "game/erreur.h"
#include "storage/config.h"
#include "storage/partie.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace trelmo;
using namespace trelmo::essai;

namespace {

// Starts a game on variant `niveau` and plays (5,3) over (5,4) into the centre.
void joue_un_coup(BancDeJeu& b, int32_t niveau = 1)
{
    b.partenaires.niveau_ = niveau;
    b.jeu.demarrage();
    b.jeu.etat_jeuxClick();
    b.jeu.pmove(9);
    b.jeu.deplacement();
    b.jeu.pmove(25);
    b.jeu.deplacement();
}

// A record holding a valid English starting position after one jump.
Partie record_valide(const std::string& temps)
{
    BancDeJeu b;
    joue_un_coup(b);
    Partie p;
    p.set_nom("Zoé");
    p.set_temps(temps);
    p.set_repos(static_cast<int16_t>(b.jeu.nb_repos));
    p.ecrire_grille(b.jeu.grille);
    return p;
}

struct Etat {
    Grille grille;
    int32_t nb_repos, heures, minutes, secondes;
    bool pas_de_partie;
    bool operator==(const Etat&) const = default;
};

Etat etat(const Jeu& j)
{
    return {j.grille, j.nb_repos, j.heures, j.minutes, j.secondes, j.pas_de_partie};
}

} // namespace

class TestPartie : public QObject {
    Q_OBJECT

private slots:
    void disposition();
    void restaurerSansFichier();
    void sauverSansPartieOuAnnule();
    void sauverPuisRestaurer();
    void restaurerAvecOuSansQuestion();
    void repereMoinsUn();
    void tempsIllisibles();
    void fichierCourtOuLong();
    void partieFrancaiseSurPlateauAnglais();
    void partieEndommagee();
    void fichierInaccessible();
    void fichierEnLectureSeule();
    void creationInterrompue();
    void lienPlanteNonSuivi();
    void problemeDeLaPartie();
    void tubesEtPeripheriques();
};

void TestPartie::disposition()
{
    Partie p;
    Grille g;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            for (int d = 1; d <= 4; ++d)
                g.at(c, r, d) = (c % 2 ? -1 : 1) * (c * 1000000 + r * 1000 + d);
    p.ecrire_grille(g);
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            for (int d = 1; d <= 4; ++d) {
                const size_t off = 29 + 144 * (c - 1) + 16 * (r - 1) + 4 * (d - 1);
                const auto v = static_cast<uint32_t>(g.at(c, r, d));
                QCOMPARE(p.octets[off], uint8_t(v));
                QCOMPARE(p.octets[off + 1], uint8_t(v >> 8));
                QCOMPARE(p.octets[off + 2], uint8_t(v >> 16));
                QCOMPARE(p.octets[off + 3], uint8_t(v >> 24));
            }
    Grille relue;
    p.lire_grille(relue);
    QCOMPARE(relue, g);

    p.set_repos(-1);
    QCOMPARE(p.octets[27], uint8_t{0xFF});
    QCOMPARE(p.octets[28], uint8_t{0xFF});
    p.set_repos(300);
    QCOMPARE(p.octets[27], uint8_t{44});
    QCOMPARE(p.octets[28], uint8_t{1});
    QCOMPARE(p.repos(), int16_t{300});

    p.set_nom("Ève-Marie de la Tour");   // cut to 15
    QCOMPARE(p.octets[0], uint8_t{15});
    QCOMPARE(p.octets[1], uint8_t{0xC8});
    QCOMPARE(p.nom(), std::string("Ève-Marie de la"));
    p.set_temps("100:00:00");
    QCOMPARE(p.octets[16], uint8_t{9});
    QCOMPARE(p.temps(), std::string("100:00:00"));
    QCOMPARE(p.octets[26], uint8_t{0});   // capacity 10: the 10th character slot is left alone
}

void TestPartie::restaurerSansFichier()
{
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    BancDeJeu b;
    b.jeu.demarrage();
    const Etat avant = etat(b.jeu);
    b.oublie();
    FauxMessages m;

    charger_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(m.informations, std::vector<std::string>{"Aucune partie n'a été sauvegardé"});
    QVERIFY(m.confirmations.empty());
    QVERIFY(etat(b.jeu) == avant);
    QVERIFY(b.affichage.appels.empty());
    QVERIFY(b.minuterie.appels.empty());

    const QByteArray f = contenu(s.chemin());
    QCOMPARE(f.size(), 1325);
    QCOMPARE(f.mid(27, 2), QByteArray("\xff\xff"));
    QCOMPARE(f.count('\0'), 1323);

    // Texts come from the caller, in its language.
    TextesPartie anglais;
    anglais.aucune_partie = "No game has been saved";
    charger_partie(s, b.jeu, reglages, m, anglais);
    QCOMPARE(m.informations.back(), std::string("No game has been saved"));
}

void TestPartie::sauverSansPartieOuAnnule()
{
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    BancDeJeu b;
    b.jeu.demarrage();
    FauxMessages m;

    sauver_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(m.informations, std::vector<std::string>{"Les billes sont reposées"});
    QVERIFY(m.confirmations.empty());
    QVERIFY(!QFile::exists(QString::fromStdString(s.chemin())));

    // In a game, the question is asked even without a saved game; "Annuler" stops.
    joue_un_coup(b);
    m = {};
    m.reponse = false;
    sauver_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(m.confirmations, std::vector<std::string>{"Vous allez écraser la dernière partie sauvegardé"});
    QVERIFY(!QFile::exists(QString::fromStdString(s.chemin())));

    // An existing file is untouched when no game is in progress.
    const Partie p = record_valide("00:00:05");
    QVERIFY(ecrit(s.chemin(), en_octets(p.octets)));
    b.jeu.etat_jeuxClick();   // stop
    sauver_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(contenu(s.chemin()), en_octets(p.octets));
}

void TestPartie::sauverPuisRestaurer()
{
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    BancDeJeu b;
    joue_un_coup(b);
    b.jeu.texte_chrono = "01:02:03";
    reglages.nom_joueur = "Zoé";
    FauxMessages m;
    sauver_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(m.confirmations.size(), size_t{1});

    const QByteArray f = contenu(s.chemin());
    QCOMPARE(f.size(), 1325);
    QCOMPARE(f.left(4), QByteArray("\x03Zo\xe9"));
    QCOMPARE(f.mid(16, 9), QByteArray("\x08" "01:02:03"));
    QCOMPARE(f.mid(27, 2), QByteArray("\x0d\x00", 2));   // 13 marbles in the tray
    Partie relu;
    std::copy(f.begin(), f.end(), relu.octets.begin());
    Grille g;
    relu.lire_grille(g);
    QCOMPARE(g, b.jeu.grille);
    const Etat sauve = etat(b.jeu);

    // Play on: (5,6) over (5,5) into (5,4), then hold (3,5).
    b.jeu.pmove(34);
    b.jeu.deplacement();
    b.jeu.pmove(16);
    b.jeu.deplacement();
    QCOMPARE(b.jeu.nb_repos, 14);
    b.jeu.pmove(23);
    b.jeu.deplacement();
    QVERIFY(b.jeu.bille_prise());
    b.jeu.heures = 9;
    reglages.nom_joueur = "Autre";
    b.oublie();
    m = {};
    charger_partie(s, b.jeu, reglages, m, TextesPartie{});

    QCOMPARE(m.confirmations, std::vector<std::string>{"Voulez-vous annuler la partie en cour"});
    QVERIFY(etat(b.jeu).grille == sauve.grille);
    QCOMPARE(b.jeu.nb_repos, 13);
    QCOMPARE(reglages.nom_joueur, std::string("Zoé"));
    QCOMPARE(b.jeu.heures, 1);
    QCOMPARE(b.jeu.minutes, 2);
    QCOMPARE(b.jeu.secondes, 3);
    QVERIFY(!b.jeu.pas_de_partie);
    QVERIFY(!b.jeu.bille_prise());
    QVERIFY(!b.jeu.fin_traitee);
    QCOMPARE(b.minuterie.appels, std::vector<bool>{true});
    QCOMPARE(b.affichage.appels.front(), std::string("resultat 0 "));
    QVERIFY(std::find(b.affichage.appels.begin(), b.affichage.appels.end(),
                      "etat_jeux Reposer\rles billes|Arrêter la partie en cours") != b.affichage.appels.end());
    QCOMPARE(b.affichage.appels.back(), std::string("billes_repos 31"));
    QCOMPARE(b.jeu.texte_chrono, std::string("01:02:03"));   // the next tick rewrites it

    // The same game can be restored again; the file is never marked empty.
    charger_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(b.jeu.nb_repos, 13);
    QCOMPARE(contenu(s.chemin()), f);
}

void TestPartie::restaurerAvecOuSansQuestion()
{
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    QVERIFY(ecrit(s.chemin(), en_octets(record_valide("00:10:20").octets)));

    // In a game, answered "Annuler": nothing changes.
    BancDeJeu b;
    b.partenaires.niveau_ = 3;
    b.jeu.demarrage();
    b.jeu.etat_jeuxClick();
    reglages.nom_joueur = "Moi";
    const Etat avant = etat(b.jeu);
    b.oublie();
    FauxMessages m;
    m.reponse = false;
    charger_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(m.confirmations.size(), size_t{1});
    QVERIFY(etat(b.jeu) == avant);
    QCOMPARE(reglages.nom_joueur, std::string("Moi"));
    QVERIFY(b.affichage.appels.empty() && b.minuterie.appels.empty() && b.sprites.images_trou.empty());

    // No game in progress: no question.
    BancDeJeu libre;
    libre.jeu.demarrage();
    m = {};
    charger_partie(s, libre.jeu, reglages, m, TextesPartie{});
    QVERIFY(m.confirmations.empty() && m.informations.empty());
    QCOMPARE(libre.jeu.nb_repos, 13);
    QCOMPARE(libre.jeu.minutes, 10);
    QCOMPARE(libre.jeu.secondes, 20);
    QVERIFY(libre.jeu.nb_mobiles > 0);
    QCOMPARE(libre.minuterie.appels.back(), true);
}

void TestPartie::repereMoinsUn()
{
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    Partie p = record_valide("00:00:01");
    p.set_repos(-1);
    QVERIFY(ecrit(s.chemin(), en_octets(p.octets)));
    BancDeJeu b;
    b.jeu.demarrage();
    FauxMessages m;
    charger_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(m.informations.size(), size_t{1});
    QCOMPARE(b.jeu.nb_repos, 44);

    // Any other value is a saved game: one that fits its grid is restored.
    p.set_repos(13);
    QVERIFY(ecrit(s.chemin(), en_octets(p.octets)));
    charger_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(m.informations.size(), size_t{1});
    QCOMPARE(b.jeu.nb_repos, 13);
}

void TestPartie::partieEndommagee()
{
    // A tray count that does not fit the grid: refused before the question
    // and before anything on the board changes.
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    TextesPartie textes;
    textes.partie_endommagee = "damaged";
    Partie p = record_valide("00:00:01");   // 31 marbles, 13 in the tray
    for (const int16_t repos : {int16_t{-2}, int16_t{12}, int16_t{14}, int16_t{44}, int16_t{45}, int16_t{300}}) {
        p.set_repos(repos);
        QVERIFY(ecrit(s.chemin(), en_octets(p.octets)));
        BancDeJeu b;
        joue_un_coup(b, 2);
        const Etat avant = etat(b.jeu);
        b.oublie();
        FauxMessages m;
        charger_partie(s, b.jeu, reglages, m, textes);
        QCOMPARE(m.informations, std::vector<std::string>{"damaged"});
        QVERIFY(m.confirmations.empty());
        QVERIFY(etat(b.jeu) == avant);
        QVERIFY(b.affichage.appels.empty() && b.sprites.images_trou.empty() && b.minuterie.appels.empty());
    }
    QCOMPARE(TextesPartie{}.partie_endommagee, std::string("La partie sauvegardée est endommagée."));

    // A board without a marble, whatever the tray says, is no game.
    {
        Partie vide = p;
        Grille g;
        vide.lire_grille(g);
        for (int c = 1; c <= kColonnes; ++c)
            for (int r = 1; r <= kLignes; ++r)
                if (g.bille(c, r))
                    g.at(c, r, 1) = 2;
        vide.ecrire_grille(g);
        for (const int16_t repos : {int16_t{43}, int16_t{44}}) {
            vide.set_repos(repos);
            QVERIFY(ecrit(s.chemin(), en_octets(vide.octets)));
            BancDeJeu b;
            FauxMessages m;
            charger_partie(s, b.jeu, reglages, m, textes);
            QCOMPARE(m.informations, std::vector<std::string>{"damaged"});
            QVERIFY(b.jeu.pas_de_partie);
        }
    }

    // The marbles are counted by the grid's rules: a hole with any value 2
    // is empty, a cell barred all round is off the board.
    Grille g;
    p.lire_grille(g);
    g.at(5, 2, 1) = 2;               // (5,2) now counts as empty: 30 marbles
    for (int d = 1; d <= 4; ++d)
        g.at(4, 4, d) = -1;          // (4,4) off the board: 29
    p.ecrire_grille(g);
    p.set_repos(15);
    QVERIFY(ecrit(s.chemin(), en_octets(p.octets)));
    BancDeJeu b;
    FauxMessages m;
    charger_partie(s, b.jeu, reglages, m, textes);
    QVERIFY(m.informations.empty());
    QCOMPARE(b.jeu.nb_repos, 15);
}

void TestPartie::tempsIllisibles()
{
    // A stored time the chronometer cannot take up is a damaged record:
    // refused before the question, nothing on the board changed.
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    TextesPartie textes;
    textes.partie_endommagee = "damaged";
    for (const std::string temps : {"100:00:00", "", "12:3", "ab:cd:ef", "01:02: 3", "é1:00:00", "0x:00:00"}) {
        QVERIFY(ecrit(s.chemin(), en_octets(record_valide(temps).octets)));
        BancDeJeu b;
        joue_un_coup(b, 2);
        b.jeu.heures = b.jeu.minutes = b.jeu.secondes = 7;
        const Etat avant = etat(b.jeu);
        b.oublie();
        FauxMessages m;
        m.reponse = true;
        QCOMPARE(message_de([&] { charger_partie(s, b.jeu, reglages, m, textes); }), std::string("(pas d'erreur)"));
        QVERIFY2(m.informations == std::vector<std::string>{"damaged"}, temps.c_str());
        QVERIFY(m.confirmations.empty());
        QVERIFY(etat(b.jeu) == avant);
        QVERIFY(b.affichage.appels.empty() && b.sprites.images_trou.empty() && b.minuterie.appels.empty());
    }
    // The counts are read as integers, whatever they hold.
    struct Cas { std::string temps; int32_t h, m, sec; };
    for (const Cas& c : {Cas{"12:34:5", 12, 34, 5}, Cas{"$A:-1:+2", 10, -1, 2}, Cas{"01:02:03", 1, 2, 3}}) {
        QVERIFY(ecrit(s.chemin(), en_octets(record_valide(c.temps).octets)));
        BancDeJeu b;
        b.jeu.demarrage();
        b.oublie();
        FauxMessages m;
        charger_partie(s, b.jeu, reglages, m, textes);
        QVERIFY(m.informations.empty());
        QCOMPARE(b.jeu.heures, c.h);
        QCOMPARE(b.jeu.minutes, c.m);
        QCOMPARE(b.jeu.secondes, c.sec);
        QCOMPARE(b.jeu.nb_repos, 13);
        QCOMPARE(b.minuterie.appels, std::vector<bool>{true});
    }
}

void TestPartie::fichierCourtOuLong()
{
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    const QByteArray complet = en_octets(record_valide("00:00:09").octets);

    // Short (an older version cut short by a full disk): no game saved, and
    // a save replaces it whole.
    for (const int taille : {0, 28, 1324}) {
        QVERIFY(ecrit(s.chemin(), complet.left(taille)));
        BancDeJeu b;
        joue_un_coup(b, 2);
        const Etat avant = etat(b.jeu);
        b.oublie();
        FauxMessages m;
        charger_partie(s, b.jeu, reglages, m, TextesPartie{});
        QCOMPARE(m.informations, std::vector<std::string>{"Aucune partie n'a été sauvegardé"});
        QVERIFY(etat(b.jeu) == avant);
        QVERIFY(b.affichage.appels.empty() && b.sprites.images_trou.empty() && m.confirmations.empty());
        QCOMPARE(contenu(s.chemin()), complet.left(taille));
        sauver_partie(s, b.jeu, reglages, m, TextesPartie{});
        QCOMPARE(contenu(s.chemin()).size(), 1325);
        QCOMPARE(contenu(s.chemin()).mid(27, 2), QByteArray("\x09\x00", 2));
    }

    // Long: the first 1325 bytes are the record, the rest stays as it was.
    const QByteArray queue(75, 'Q');
    QVERIFY(ecrit(s.chemin(), complet + queue));
    BancDeJeu b;
    FauxMessages m;
    charger_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(b.jeu.nb_repos, 13);
    b.jeu.texte_chrono = "00:00:42";
    sauver_partie(s, b.jeu, reglages, m, TextesPartie{});
    const QByteArray apres = contenu(s.chemin());
    QCOMPARE(apres.size(), 1400);
    QCOMPARE(apres.mid(1325), queue);
    QCOMPARE(apres.mid(16, 9), QByteArray("\x08" "00:00:42"));
}

void TestPartie::partieFrancaiseSurPlateauAnglais()
{
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    FauxMessages m;
    {
        BancDeJeu francais;
        joue_un_coup(francais, 2);
        sauver_partie(s, francais.jeu, reglages, m, TextesPartie{});
    }
    BancDeJeu b;
    b.partenaires.niveau_ = 1;
    b.jeu.demarrage();
    b.oublie();
    reglages.config.set_niveau(1);
    charger_partie(s, b.jeu, reglages, m, TextesPartie{});
    // The holes of the board the grid describes take the mouse; the settings keep their variant.
    std::sort(b.sprites.actifs.begin(), b.sprites.actifs.end());
    QCOMPARE(b.sprites.actifs, (std::vector<int>{7, 11, 39, 43}));
    QCOMPARE(b.sprites.inactifs.size(), size_t{12});   // the ends of the 45-hole board
    QCOMPARE(reglages.config.niveau(), 1);
    for (const int coin : {7, 11, 39, 43})
        QVERIFY(std::count(b.sprites.images_trou.begin(), b.sprites.images_trou.end(), coin) == 1);
    QCOMPARE(b.jeu.nb_repos, 9);
}

void TestPartie::fichierInaccessible()
{
    BancDeJeu b;
    joue_un_coup(b);
    const Etat avant = etat(b.jeu);
    FauxMessages m;
    const int ouverts = descripteurs_ouverts();
    {
        SauvegardePartie s("/chemin/qui/n/existe/pas/");
        Reglages reglages("/chemin/qui/n/existe/pas/");
        QCOMPARE(message_de([&] { charger_partie(s, b.jeu, reglages, m, TextesPartie{}); }), std::string("Fichier introuvable"));
        QCOMPARE(message_de([&] { sauver_partie(s, b.jeu, reglages, m, TextesPartie{}); }), std::string("Fichier introuvable"));
    }
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("GAME")));
        SauvegardePartie s(repertoire(dir.path()));
        Reglages reglages(repertoire(dir.path()));
        QCOMPARE(message_de([&] { charger_partie(s, b.jeu, reglages, m, TextesPartie{}); }), std::string("Accès au fichier refusé"));
        QCOMPARE(message_de([&] { sauver_partie(s, b.jeu, reglages, m, TextesPartie{}); }), std::string("Accès au fichier refusé"));
        QCOMPARE(noms(dir.path()), QStringList{QStringLiteral("GAME")});
    }
    QVERIFY(etat(b.jeu) == avant);
    QCOMPARE(descripteurs_ouverts(), ouverts);
}

void TestPartie::fichierEnLectureSeule()
{
    if (root())
        QSKIP("file permissions do not bind root");
    // A read-only saved game can be restored, but not replaced.
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    const QByteArray record = en_octets(record_valide("00:00:01").octets);
    QVERIFY(ecrit(s.chemin(), record));
    QVERIFY(::chmod(s.chemin().c_str(), 0444) == 0);
    BancDeJeu b;
    FauxMessages m;
    charger_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(b.jeu.nb_repos, 13);
    QCOMPARE(message_de([&] { sauver_partie(s, b.jeu, reglages, m, TextesPartie{}); }), std::string("Accès au fichier refusé"));
    QCOMPARE(contenu(s.chemin()), record);
}

void TestPartie::creationInterrompue()
{
    // Writes that stop half-way (file size limit): no file is created empty
    // or cut, an old file survives whole (its tail too), no temporary file stays.
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    auto stocke = [&] {
        BancDeJeu b;
        joue_un_coup(b, 3);
        FauxMessages m;
        Reglages r(repertoire(dir.path()));
        std::string avis;
        r.avertir = [&](const std::string& t) { avis = t.substr(t.find('(')); };
        r.recharger();
        r.config.set_niveau(2);
        r.enregistrer();
        return message_de([&] { sauver_partie(s, b.jeu, r, m, TextesPartie{}); }) + " " + avis;
    };
    const std::string attendu = "Disque plein (Disque plein) : les scores et vos choix ne seront pas gardés.";
    QCOMPARE(dans_un_enfant({.taille_max = 300}, stocke), std::optional<std::string>(attendu));
    QVERIFY(noms(dir.path()).isEmpty());

    reglages.recharger();
    const QByteArray config = contenu(reglages.chemin()) + QByteArray(300, 'Q');
    const QByteArray ancien = en_octets(record_valide("00:00:07").octets);
    QVERIFY(ecrit(reglages.chemin(), config) && ecrit(s.chemin(), ancien));
    QCOMPARE(dans_un_enfant({.taille_max = 600}, stocke), std::optional<std::string>(attendu));
    QCOMPARE(contenu(reglages.chemin()), config);
    QCOMPARE(contenu(s.chemin()), ancien);
    QCOMPARE(noms(dir.path()), (QStringList{QStringLiteral("GAME"), QStringLiteral("TRL.CFG")}));
}

void TestPartie::lienPlanteNonSuivi()
{
    // A link planted in place of GAME or TRL.CFG is replaced, its target left alone.
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    const QString cible = dir.filePath(QStringLiteral("cible"));
    const QByteArray octets(2000, 'Z');
    QVERIFY(ecrit(cible.toStdString(), octets));
    QVERIFY(QFile::link(cible, QString::fromStdString(s.chemin())) && QFile::link(cible, QString::fromStdString(reglages.chemin())));
    reglages.recharger();   // read through the link
    QCOMPARE(reglages.config.billes(1), 0x5A5A5A5A);
    reglages.enregistrer();
    BancDeJeu b;
    joue_un_coup(b);
    FauxMessages m;
    sauver_partie(s, b.jeu, reglages, m, TextesPartie{});
    QCOMPARE(contenu(cible.toStdString()), octets);
    for (const std::string& chemin : {s.chemin(), reglages.chemin()})
        QVERIFY(!QFileInfo(QString::fromStdString(chemin)).isSymLink());
    QCOMPARE(contenu(s.chemin()).size(), 1325);   // the target's tail is not taken either
    QCOMPARE(contenu(reglages.chemin()).size(), 396);
}

void TestPartie::problemeDeLaPartie()
{
    // "GAME.probleme" names the problem of the saved game as it is, and a
    // link planted in its place is replaced, its target left alone.
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    QCOMPARE(s.chemin_probleme(), s.chemin() + ".probleme");
    QCOMPARE(s.empreinte(), uint64_t{0});
    QVERIFY(ecrit(s.chemin(), en_octets(record_valide("00:00:01").octets)));
    const uint64_t empreinte = s.empreinte();
    QVERIFY(empreinte != 0);

    const QString cible = dir.filePath(QStringLiteral("cible"));
    QVERIFY(ecrit(cible.toStdString(), "ailleurs"));
    QVERIFY(QFile::link(cible, QString::fromStdString(s.chemin_probleme())));
    s.noter_probleme("croix", empreinte);
    QCOMPARE(contenu(cible.toStdString()), QByteArray("ailleurs"));
    QVERIFY(!QFileInfo(QString::fromStdString(s.chemin_probleme())).isSymLink());
    QCOMPARE(contenu(s.chemin_probleme()), QByteArray("croix\n") + QByteArray::number(empreinte) + "\n");
    QCOMPARE(s.probleme_note(), std::string("croix"));

    // Another saved game: the note is not its.
    QVERIFY(ecrit(s.chemin(), en_octets(record_valide("00:00:02").octets)));
    QCOMPARE(s.probleme_note(), std::string());
    s.noter_probleme("", s.empreinte());
    QVERIFY(!QFileInfo::exists(QString::fromStdString(s.chemin_probleme())));
    QCOMPARE(noms(dir.path()), (QStringList{QStringLiteral("GAME"), QStringLiteral("cible")}));
}

void TestPartie::tubesEtPeripheriques()
{
    // A pipe or a device in place of GAME or GAME.probleme never makes a
    // command wait, nor reads without end: it is a file that cannot be read.
    QTemporaryDir dir;
    SauvegardePartie s(repertoire(dir.path()));
    Reglages reglages(repertoire(dir.path()));
    BancDeJeu b;
    joue_un_coup(b);
    FauxMessages m;
    m.reponse = true;
    for (const char* quoi : {"tube", "/dev/zero"}) {
        for (const std::string& chemin : {s.chemin(), s.chemin_probleme()}) {
            QFile::remove(QString::fromStdString(chemin));
            if (quoi == std::string("tube"))
                QVERIFY(::mkfifo(chemin.c_str(), 0600) == 0);
            else
                QVERIFY(QFile::link(QString::fromLatin1(quoi), QString::fromStdString(chemin)));
        }
        QCOMPARE(s.empreinte(), uint64_t{0});
        QCOMPARE(s.probleme_note(), std::string());
        QCOMPARE(message_de([&] { charger_partie(s, b.jeu, reglages, m, TextesPartie{}); }), std::string("Nom de fichier incorrect"));
        QCOMPARE(message_de([&] { sauver_partie(s, b.jeu, reglages, m, TextesPartie{}); }),
                 std::string(quoi == std::string("tube") ? "Accès au fichier refusé" : "(pas d'erreur)"));
    }
    // A "GAME" far longer than a record is not read whole for its fingerprint.
    QVERIFY(QFile::remove(QString::fromStdString(s.chemin())));
    QVERIFY(ecrit(s.chemin(), QByteArray(2 * 1024 * 1024, 'x')));
    QCOMPARE(s.empreinte(), uint64_t{0});
}

QTEST_GUILESS_MAIN(TestPartie)
#include "tst_partie.moc"
