// The settings-and-scores record: layout, the file operations and their
// failures, and the top-ten insertion.
#include "fichiers_essai.h"

#include "game/erreur.h"
#include "storage/config.h"
#include "storage/erreur_es.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

using namespace trelmo;
using namespace trelmo::essai;

namespace {

int32_t i32(const QByteArray& b, int offset)
{
    return static_cast<int32_t>(static_cast<uint8_t>(b[offset]) | static_cast<uint8_t>(b[offset + 1]) << 8
                                | static_cast<uint8_t>(b[offset + 2]) << 16
                                | static_cast<uint32_t>(static_cast<uint8_t>(b[offset + 3])) << 24);
}

// Ranks 1-10 hold 2, 4, ..., 20 marbles left, names "J1".."J10", durations "00:00:01".."00:00:10".
void table_connue(Config& c)
{
    for (int r = 1; r <= 10; ++r) {
        c.set_billes(r, 2 * r);
        c.set_nom(r, "J" + std::to_string(r));
        c.set_duree(r, "00:00:" + std::string(r < 10 ? "0" : "") + std::to_string(r));
    }
}


} // namespace

class TestReglages : public QObject {
    Q_OBJECT

private slots:
    void fichierNeufOctetParOctet();
    void allerRetourDuRecord();
    void textesCoupesEtConvertis();
    void slotZeroEtReserveConserves();
    void fichierCourtOuLong();
    void fichierSupprimeEnCoursDeRoute();
    void insertionAuTableau();
    void insertionSansNomOuHorsTableau();
    void textesDesErreurs();
    void fichierImpossibleAOuvrir();
    void fichierOuDossierNonInscriptibles();
    void deuxInstances();
    void texturesHorsLimites();
    void fichierCourtGardeUneFois();
};

void TestReglages::fichierNeufOctetParOctet()
{
    QTemporaryDir dir;
    Reglages r(repertoire(dir.path()));
    QCOMPARE(r.chemin(), repertoire(dir.path()) + "TRL.CFG");
    r.recharger();

    const QByteArray b = contenu(r.chemin());
    QCOMPARE(b.size(), 396);
    QByteArray attendu(396, '\0');
    attendu[0] = 6;
    attendu.replace(1, 6, "Trelmo");
    for (int off : {43, 47, 51})
        attendu[off] = 1;
    for (int rang = 1; rang <= 10; ++rang)
        attendu[352 + 4 * rang] = 44;
    for (int i = 0; i < 396; ++i)
        QVERIFY2(b[i] == attendu[i], qPrintable(QStringLiteral("offset %1").arg(i)));
    QCOMPARE(en_octets(r.config.octets), b);

    QCOMPARE(r.config.nom_logiciel(), std::string("Trelmo"));
    QCOMPARE(r.config.niveau(), 1);
    QCOMPARE(r.config.billes(1), 44);
    QCOMPARE(r.config.billes(10), 44);
    QCOMPARE(r.config.billes(0), 0);
    QCOMPARE(r.config.nom(1), std::string());
}

void TestReglages::allerRetourDuRecord()
{
    QTemporaryDir dir;
    Reglages r(repertoire(dir.path()));
    r.recharger();
    r.config.set_no_texture_bille(7);
    r.config.set_no_texture_plateau(4);
    r.config.set_niveau(3);
    table_connue(r.config);
    r.config.set_nom(1, "Zoé Müller");
    r.config.set_billes(10, -5);
    r.enregistrer();

    const QByteArray b = contenu(r.chemin());
    QCOMPARE(b, en_octets(r.config.octets));
    QCOMPARE(i32(b, 43), 7);
    QCOMPARE(i32(b, 47), 4);
    QCOMPARE(i32(b, 51), 3);
    QCOMPARE(i32(b, 356), 2);
    QCOMPARE(i32(b, 352 + 40), -5);
    QCOMPARE(b.mid(71, 11), QByteArray("\x0aZo\xe9 M\xfcller"));   // rank 1 name, Windows-1252
    QCOMPARE(b.mid(242, 9), QByteArray("\x08" "00:00:01"));        // rank 1 duration
    QCOMPARE(b.mid(55 + 16 * 10, 4), QByteArray("\x03J10"));

    Reglages relu(repertoire(dir.path()));
    relu.recharger();
    QCOMPARE(relu.config, r.config);
    QCOMPARE(relu.config.nom(1), std::string("Zoé Müller"));
    QCOMPARE(relu.config.duree(10), std::string("00:00:10"));
    QCOMPARE(relu.config.billes(10), -5);
}

void TestReglages::textesCoupesEtConvertis()
{
    Config c;
    c.set_nom(2, "ABCDEFGHIJKLMNO");                   // 15: whole
    QCOMPARE(c.nom(2), std::string("ABCDEFGHIJKLMNO"));
    c.set_nom(2, "ÀÉÎÕÜàéîõüÇçßØ€Ÿ");                   // 16 characters: cut to 15
    QCOMPARE(c.nom(2), std::string("ÀÉÎÕÜàéîõüÇçßØ€"));
    QCOMPARE(c.octets[55 + 32], uint8_t{15});
    c.set_duree(3, "123:45:67:89");                    // cut to 10
    QCOMPARE(c.duree(3), std::string("123:45:67:"));
    c.set_nom(4, "李");                                // not in the code page
    QCOMPARE(c.nom(4), std::string("?"));

    // A shorter name leaves the old characters behind its length byte.
    c.set_nom(5, "Maximilien");
    c.set_nom(5, "Max");
    QCOMPARE(c.nom(5), std::string("Max"));
    QCOMPARE(c.octets[55 + 80 + 4], uint8_t{'i'});

    // A damaged length byte never reads past its slot.
    c.octets[55 + 16 * 6] = 255;
    QCOMPARE(c.nom(6).size(), size_t{15});
    c.octets[231 + 11 * 10] = 200;
    QCOMPARE(c.duree(10).size(), size_t{10});

    QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.nom(11));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.set_billes(-1, 0));
}

void TestReglages::slotZeroEtReserveConserves()
{
    QTemporaryDir dir;
    Reglages r(repertoire(dir.path()));
    QByteArray b(396, '\0');
    for (int i = 0; i < 396; ++i)
        b[i] = static_cast<char>(i * 7 + 3);
    b.replace(43, 8, QByteArray("\x03\0\0\0\x02\0\0\0", 8));   // textures the game can show
    QVERIFY(ecrit(r.chemin(), b));

    r.recharger();
    r.config.set_no_texture_bille(2);
    r.enregistrer();
    const QByteArray apres = contenu(r.chemin());
    QCOMPARE(apres.mid(32, 11), b.mid(32, 11));     // reserved
    QCOMPARE(apres.mid(55, 16), b.mid(55, 16));     // name slot 0
    QCOMPARE(apres.mid(231, 11), b.mid(231, 11));   // duration slot 0
    QCOMPARE(apres.mid(352, 4), b.mid(352, 4));     // marbles slot 0
    QCOMPARE(apres.mid(0, 7), QByteArray("\x06Trelmo"));
    QCOMPARE(apres.mid(7, 25), b.mid(7, 25));       // behind the program name
    QCOMPARE(apres.mid(47), b.mid(47));

    // The defaults clear the reserved bytes but leave slot 0 and the program name.
    r.config_defaut();
    for (int i = 32; i < 43; ++i)
        QCOMPARE(r.config.octets[static_cast<size_t>(i)], uint8_t{0});
    QCOMPARE(en_octets(r.config.octets).mid(55, 16), b.mid(55, 16));
    QCOMPARE(en_octets(r.config.octets).mid(231, 11), b.mid(231, 11));
    QCOMPARE(en_octets(r.config.octets).mid(352, 4), b.mid(352, 4));
    QCOMPARE(en_octets(r.config.octets).mid(0, 7), QByteArray("\x06Trelmo"));
    QCOMPARE(r.config.billes(7), 44);
    QCOMPARE(r.config.octets[71 + 16 * 2], uint8_t{0});
}

void TestReglages::fichierCourtOuLong()
{
    QTemporaryDir dir;
    Reglages r(repertoire(dir.path()));

    // 395 bytes: replaced by the defaults, silently.
    QVERIFY(ecrit(r.chemin(), QByteArray(395, '\x09')));
    r.recharger();
    QCOMPARE(r.config.niveau(), 1);
    QCOMPARE(r.config.billes(4), 44);
    QCOMPARE(contenu(r.chemin()).size(), 396);
    QCOMPARE(contenu(r.chemin()), en_octets(r.config.octets));

    // Empty file: the same.
    QVERIFY(ecrit(r.chemin(), QByteArray()));
    r.recharger();
    QCOMPARE(contenu(r.chemin()).size(), 396);

    // 500 bytes: the first 396 are the record, the last 104 stay as they were.
    QByteArray long_(500, '\0');
    for (int i = 0; i < 500; ++i)
        long_[i] = static_cast<char>(255 - i % 251);
    long_.replace(43, 8, QByteArray("\x07\0\0\0\x04\0\0\0", 8));
    QVERIFY(ecrit(r.chemin(), long_));
    r.recharger();
    QCOMPARE(en_octets(r.config.octets).mid(7), long_.mid(7, 396 - 7));
    r.config.set_niveau(2);
    r.enregistrer();
    const QByteArray apres = contenu(r.chemin());
    QCOMPARE(apres.size(), 500);
    QCOMPARE(apres.mid(396), long_.mid(396));
    QCOMPARE(apres.left(396), en_octets(r.config.octets));
}

void TestReglages::fichierSupprimeEnCoursDeRoute()
{
    QTemporaryDir dir;
    Reglages r(repertoire(dir.path()));
    r.recharger();
    r.config.set_no_texture_plateau(3);
    r.enregistrer();
    QCOMPARE(i32(contenu(r.chemin()), 47), 3);

    r.config.set_billes(1, 3);   // a score written earlier...
    r.enregistrer();
    QVERIFY(QFile::remove(QString::fromStdString(r.chemin())));
    r.config.set_no_texture_plateau(4);   // ...then the file goes, then a choice is stored
    r.enregistrer();
    QCOMPARE(r.config.no_texture_plateau(), 4);   // the choice just made is kept
    QCOMPARE(r.config.billes(1), 44);             // what the file held is gone with it
    QCOMPARE(i32(contenu(r.chemin()), 47), 4);
    QCOMPARE(contenu(r.chemin()), en_octets(r.config.octets));
}

void TestReglages::insertionAuTableau()
{
    Reglages r("/nulle/part/");   // insere_score never touches the file
    int dialogues = 0;
    auto dialogue = [&] { ++dialogues; r.nom_joueur = "Nouveau"; };

    // Equal to rank 3, better than rank 2: rank 3, the old rank 3 moves to 4.
    table_connue(r.config);
    r.insere_score(6, "00:12:07", dialogue);
    QCOMPARE(dialogues, 1);
    QCOMPARE(r.config.nom(2), std::string("J2"));
    QCOMPARE(r.config.nom(3), std::string("Nouveau"));
    QCOMPARE(r.config.billes(3), 6);
    QCOMPARE(r.config.duree(3), std::string("00:12:07"));
    QCOMPARE(r.config.nom(4), std::string("J3"));
    QCOMPARE(r.config.billes(4), 6);
    QCOMPARE(r.config.duree(4), std::string("00:00:03"));
    QCOMPARE(r.config.nom(10), std::string("J9"));
    QCOMPARE(r.config.billes(10), 18);

    // Rank 1: rows 1-9 move down, the old row 10 is lost.
    table_connue(r.config);
    r.insere_score(1, "01:00:00", dialogue);
    QCOMPARE(r.config.nom(1), std::string("Nouveau"));
    QCOMPARE(r.config.billes(1), 1);
    for (int rang = 2; rang <= 10; ++rang) {
        QCOMPARE(r.config.nom(rang), "J" + std::to_string(rang - 1));
        QCOMPARE(r.config.billes(rang), 2 * (rang - 1));
    }

    // Rank 10 (equal to it): only row 10 changes.
    table_connue(r.config);
    const Config avant = r.config;
    r.insere_score(20, "12345678901234", dialogue);
    QCOMPARE(r.config.nom(10), std::string("Nouveau"));
    QCOMPARE(r.config.billes(10), 20);
    QCOMPARE(r.config.duree(10), std::string("1234567890"));
    QVERIFY(std::equal(avant.octets.begin(), avant.octets.begin() + 55 + 16 * 10, r.config.octets.begin()));
    QCOMPARE(r.config.nom(9), std::string("J9"));
    QCOMPARE(dialogues, 3);

    // Defaults: any result up to 44 enters at rank 1, a 15-character name whole.
    r.config_defaut();
    r.insere_score(44, "00:00:01", [&] { r.nom_joueur = "Quinze-Lettres!"; });
    QCOMPARE(r.config.nom(1), std::string("Quinze-Lettres!"));
    QCOMPARE(r.config.billes(1), 44);
    QCOMPARE(r.config.billes(2), 44);
}

void TestReglages::insertionSansNomOuHorsTableau()
{
    Reglages r("/nulle/part/");
    table_connue(r.config);
    r.config.octets[55] = 9;   // slot 0 is never touched
    const Config avant = r.config;

    // Worse than all ten: no dialog, nothing changes.
    int dialogues = 0;
    r.insere_score(21, "00:00:00", [&] { ++dialogues; });
    QCOMPARE(dialogues, 0);
    QCOMPARE(r.config, avant);

    // A dialog closed without confirming keeps the earlier name.
    r.nom_joueur = "Ancien";
    r.insere_score(3, "00:00:00", [&] { ++dialogues; });
    QCOMPARE(dialogues, 1);
    QCOMPARE(r.config.nom(2), std::string("Ancien"));
    QCOMPARE(r.config.billes(2), 3);
    QCOMPARE(r.config.octets[55], uint8_t{9});

    // No dialog to show at all.
    r.insere_score(0, "x", {});
    QCOMPARE(r.config.nom(1), std::string("Ancien"));
    QCOMPARE(r.config.billes(1), 0);
}

void TestReglages::textesDesErreurs()
{
    const std::vector<std::pair<int, std::string>> codes = {
        {ENOENT, "Fichier introuvable"}, {ENAMETOOLONG, "Nom de fichier incorrect"},
        {EMFILE, "Trop de fichiers ouverts"}, {EROFS, "Accès au fichier refusé"},
        {ENOSPC, "Disque plein"}, {EIO, "Erreur E/S " + std::to_string(1000 + EIO)},
    };
    for (const auto& [e, texte] : codes)
        QCOMPARE(message_de([e = e] { lever_erreur_es(code_erreur_es(e)); }), texte);
    QCOMPARE(texte_erreur_es(100), std::string("Lecture au-delà de la fin de fichier"));
    QCOMPARE(texte_erreur_es(103), std::string("Erreur E/S 103"));
    // The files' messages: a "%2" in a path stays as it is; the catalogue the
    // window hands over gives every language, the built-in table the rest.
    QCOMPARE(remplir("Le fichier %1 (%2) : %3", {"/a%2b/", "Disque plein"}),
             std::string("Le fichier /a%2b/ (Disque plein) : %3"));
    definir_traducteur_fichiers([](int32_t langue, const char* id) {
        return langue == 5 && std::string_view(id) == "fichiers.disque_plein" ? std::string("disco lleno") : std::string();
    });
    QCOMPARE(raison_erreur(5, ENOSPC), std::string("disco lleno"));
    QCOMPARE(raison_erreur(5, EIO), std::string("disk input/output error"));
    QCOMPARE(raison_erreur(0, ENOSPC), std::string("Disque plein"));
    QCOMPARE(raison_erreur(2, 9999), std::string("Systemfehler 9999"));
    definir_traducteur_fichiers(nullptr);
}

void TestReglages::fichierImpossibleAOuvrir()
{
    // No directory, "TRL.CFG" a pipe or a directory: the game gets the
    // defaults (plus the choice made here), one warning, and no store throws.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("d/TRL.CFG")) && QDir(dir.path()).mkdir(QStringLiteral("p")));
    QVERIFY(::mkfifo(dir.filePath(QStringLiteral("p/TRL.CFG")).toLocal8Bit().constData(), 0600) == 0);   // read without waiting
    const std::vector<std::pair<std::string, std::string>> cas = {
        {repertoire(dir.filePath(QStringLiteral("p"))), "ne peut pas être lu (Nom de fichier incorrect)"},
        {"/chemin/qui/n/existe/pas/", "ne peut pas être écrit (Dossier introuvable)"},
        {repertoire(dir.filePath(QStringLiteral("d"))), "ne peut pas être lu (Un dossier porte ce nom)"},
    };
    for (const auto& [rep_cas, raison] : cas) {
        const std::string rep = rep_cas;   // a name the lambda below can capture
        Reglages r(rep);
        std::vector<std::string> avis;
        bool libre = false;
        r.avertir = [&](const std::string& t) {
            avis.push_back(t);
            // The warning may wait for the player: the directory is not locked meanwhile.
            const int fd = ::open(rep.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            libre = fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) == 0;
            if (fd >= 0)
                ::close(fd);
        };
        r.config.set_niveau(3);
        r.recharger();
        QVERIFY(r.config.niveau() == 3 && r.config.no_texture_plateau() == 1 && r.config.billes(10) == 44);
        r.config.set_no_texture_bille(2);
        r.enregistrer();
        r.recharger();
        r.enregistrer();
        QCOMPARE(avis.size(), size_t{1});
        QVERIFY(libre);
        QVERIFY2(avis[0].find(r.chemin()) != std::string::npos && avis[0].find(raison) != std::string::npos, avis[0].c_str());
        QCOMPARE(r.config.no_texture_bille(), 2);
    }
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("d/TRL.CFG"))).isDir());

    // Without a warning callback the first failure is thrown, once.
    Reglages r("/chemin/qui/n/existe/pas/");
    r.definir_langue(2);
    QCOMPARE(message_de([&] { r.recharger(); }),
             "Die Datei /chemin/qui/n/existe/pas/TRL.CFG kann nicht geschrieben werden (Ordner nicht gefunden): "
             "Ihre Ergebnisse und Einstellungen werden nicht gespeichert.");
    QCOMPARE(message_de([&] { r.enregistrer(); }), std::string("(pas d'erreur)"));
}

void TestReglages::fichierOuDossierNonInscriptibles()
{
    QTemporaryDir dir;
    const QByteArray dossier = dir.path().toLocal8Bit();
    Reglages prepare(repertoire(dir.path()));
    prepare.recharger();
    prepare.config.set_no_texture_plateau(3);
    prepare.config.set_billes(1, 2);
    prepare.config.set_nom(1, "Zoé");
    prepare.enregistrer();
    const QByteArray fichier = contenu(prepare.chemin());

    // What a player who may not write sees, through two stores and a reload.
    auto joue = [&](int32_t langue) {
        return [&, langue] {
            Reglages r(repertoire(dir.path()));
            r.definir_langue(langue);
            std::string avis;
            r.avertir = [&](const std::string& t) { avis += t + "\n"; };
            r.recharger();
            r.config.set_niveau(3);
            r.enregistrer();
            r.config.set_no_texture_bille(5);
            r.enregistrer();
            r.recharger();
            return avis + std::to_string(r.config.no_texture_plateau()) + std::to_string(r.config.no_texture_bille())
                   + std::to_string(r.config.niveau()) + std::to_string(r.config.billes(1)) + r.config.nom(1);
        };
    };

    // The file is read-only, its directory writable: read and played with, never replaced.
    QVERIFY(::chmod(dossier.constData(), 0777) == 0);
    QVERIFY(::chmod(prepare.chemin().c_str(), 0444) == 0);
    std::string pourquoi;
    const auto lecture_seule = dans_un_enfant({.sans_droits = true}, joue(0), &pourquoi);
    if (!lecture_seule) {
        ::chmod(dossier.constData(), 0700);
        QSKIP(qPrintable(QStringLiteral("cannot test as a user without rights: %1").arg(QString::fromStdString(pourquoi))));
    }
    QCOMPARE(*lecture_seule, "Le fichier " + prepare.chemin()
                                 + " ne peut pas être écrit (Permission non accordée) : les scores et vos choix ne seront "
                                   "pas gardés.\n3532Zoé");
    QCOMPARE(contenu(prepare.chemin()), fichier);
    QCOMPARE(noms(dir.path()), QStringList{QStringLiteral("TRL.CFG")});

    // A directory that may not be written and no file: the defaults, told at once.
    QVERIFY(QFile::remove(QString::fromStdString(prepare.chemin())));
    QVERIFY(::chmod(dossier.constData(), 0555) == 0);
    const auto sans_fichier = dans_un_enfant({.sans_droits = true}, joue(1));
    ::chmod(dossier.constData(), 0700);
    QVERIFY(sans_fichier);
    QCOMPARE(*sans_fichier, "The file " + prepare.chemin()
                                + " cannot be written (permission denied): your scores and choices will not be kept.\n"
                                  "15344");
    QVERIFY(noms(dir.path()).isEmpty());
}

void TestReglages::deuxInstances()
{
    // Two programs on one directory: each store changes only what its own
    // instance changed, on the file as it is now.
    QTemporaryDir dir;
    Reglages a(repertoire(dir.path())), b(repertoire(dir.path()));
    a.recharger();
    b.recharger();
    a.nom_joueur = "Ana";
    a.insere_score(5, "00:05:00", {});
    a.enregistrer();
    b.config.set_no_texture_bille(6);   // b still holds the table without Ana
    b.nom_joueur = "Bob";
    b.insere_score(3, "00:03:00", {});
    b.enregistrer();
    a.config.set_niveau(3);
    a.nom_joueur = "Alix";
    a.insere_score(5, "00:04:00", {});   // a's table lacks Bob: re-ranked on the file's
    a.enregistrer();

    Reglages relu(repertoire(dir.path()));
    relu.recharger();
    QCOMPARE(relu.config, a.config);
    QCOMPARE(relu.config.no_texture_bille(), 6);
    QCOMPARE(relu.config.niveau(), 3);
    std::string table;
    for (int rang = 1; rang <= 4; ++rang)
        table += relu.config.nom(rang) + " " + std::to_string(relu.config.billes(rang)) + " " + relu.config.duree(rang) + ";";
    QCOMPARE(table, std::string("Bob 3 00:03:00;Alix 5 00:04:00;Ana 5 00:05:00; 44 ;"));
    b.recharger();
    QCOMPARE(b.config, relu.config);
}

void TestReglages::texturesHorsLimites()
{
    QTemporaryDir dir;
    Reglages r(repertoire(dir.path()));
    // The start-up's peek at the board index: 1 without a record, or with one too short.
    QCOMPARE(texture_plateau_enregistree(repertoire(dir.path())), 1);
    QVERIFY(!QFile::exists(QString::fromStdString(r.chemin())));
    QVERIFY(ecrit(r.chemin(), QByteArray(100, '\x03')));
    QCOMPARE(texture_plateau_enregistree(repertoire(dir.path())), 1);
    r.recharger();
    struct Cas { int32_t bille, plateau, bille_lue, plateau_lu; };
    for (const Cas& c : {Cas{7, 4, 7, 4}, Cas{8, 5, 1, 1}, Cas{0, 0, 1, 1}, Cas{-1, INT32_MIN, 1, 1}, Cas{INT32_MAX, 3, 1, 3}}) {
        Config ecrit_ = r.config;
        ecrit_.set_no_texture_bille(c.bille);
        ecrit_.set_no_texture_plateau(c.plateau);
        QVERIFY(ecrit(r.chemin(), en_octets(ecrit_.octets)));
        r.recharger();
        QCOMPARE(r.config.no_texture_bille(), c.bille_lue);
        QCOMPARE(r.config.no_texture_plateau(), c.plateau_lu);
        QCOMPARE(texture_plateau_enregistree(repertoire(dir.path())), c.plateau_lu);
        QCOMPARE(contenu(r.chemin()), en_octets(ecrit_.octets));   // reading writes nothing
    }
}

void TestReglages::fichierCourtGardeUneFois()
{
    QTemporaryDir dir;
    Reglages r(repertoire(dir.path()));
    const QString bak = QString::fromStdString(r.chemin() + ".bak");
    auto inode = [&] { struct stat st {}; return ::stat(bak.toLocal8Bit().constData(), &st) == 0 ? st.st_ino : 0; };

    // An empty file holds nothing to keep.
    QVERIFY(ecrit(r.chemin(), QByteArray()));
    r.recharger();
    QVERIFY(!QFile::exists(bak));

    const QByteArray abime(200, '\x07');
    QVERIFY(ecrit(r.chemin(), abime));
    r.recharger();
    QCOMPARE(contenu(bak.toStdString()), abime);
    QCOMPARE(r.config.billes(1), 44);
    QCOMPARE(contenu(r.chemin()), en_octets(r.config.octets));

    // The same damage again: the copy is not rewritten. Other damage goes
    // to the next free number, every copy kept; a copy seen before is not
    // written again.
    const auto premier = inode();
    QVERIFY(ecrit(r.chemin(), abime));
    r.recharger();
    QCOMPARE(inode(), premier);
    QVERIFY(ecrit(r.chemin(), abime.left(50)));
    r.enregistrer();
    QCOMPARE(contenu(bak.toStdString()), abime);
    QCOMPARE(contenu(bak.toStdString() + "2"), abime.left(50));
    QCOMPARE(contenu(r.chemin()).size(), 396);
    QVERIFY(ecrit(r.chemin(), "court"));
    r.recharger();
    QVERIFY(ecrit(r.chemin(), abime.left(50)));
    r.recharger();
    QCOMPARE(contenu(bak.toStdString() + "3"), QByteArray("court"));
    QCOMPARE(noms(dir.path()), (QStringList{QStringLiteral("TRL.CFG"), QStringLiteral("TRL.CFG.bak"),
                                            QStringLiteral("TRL.CFG.bak2"), QStringLiteral("TRL.CFG.bak3")}));
}

QTEST_GUILESS_MAIN(TestReglages)
#include "tst_reglages.moc"
