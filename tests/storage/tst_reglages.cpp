// The settings-and-scores record: layout, the file operations and their
// failures, and the top-ten insertion.
#include "fichiers_essai.h"

#include "game/erreur.h"
#include "storage/config.h"
#include "storage/erreur_es.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
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
    void fichierEnLectureSeule();
    void disquePleinEtDescripteurRepris();
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

    QVERIFY(QFile::remove(QString::fromStdString(r.chemin())));
    r.config.set_no_texture_plateau(4);   // the command's change, then the store sequence
    r.enregistrer();
    QCOMPARE(r.config.no_texture_plateau(), 1);
    QCOMPARE(i32(contenu(r.chemin()), 47), 1);
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
}

void TestReglages::fichierImpossibleAOuvrir()
{
    // A directory that does not exist: creating the file fails.
    {
        Reglages r("/chemin/qui/n/existe/pas/");
        r.config.set_niveau(3);
        const Config avant = r.config;
        QCOMPARE(message_de([&] { r.recharger(); }), std::string("Fichier introuvable"));
        QCOMPARE(r.config, avant);
        QCOMPARE(message_de([&] { r.enregistrer(); }), std::string("Fichier introuvable"));
        QCOMPARE(r.config, avant);
    }
    // "TRL.CFG" is a directory: it can neither be opened nor created.
    {
        QTemporaryDir dir;
        Reglages r(repertoire(dir.path()));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("TRL.CFG")));
        r.config.set_niveau(2);
        const Config avant = r.config;
        QCOMPARE(message_de([&] { r.recharger(); }), std::string("Accès au fichier refusé"));
        QCOMPARE(r.config, avant);
    }
    // The program directory is a file.
    {
        QTemporaryDir dir;
        QVERIFY(ecrit(dir.filePath(QStringLiteral("f")).toStdString(), "x"));
        Reglages r(dir.filePath(QStringLiteral("f")).toStdString() + "/");
        QCOMPARE(message_de([&] { r.recharger(); }), std::string("Nom de fichier incorrect"));
    }
}

void TestReglages::fichierEnLectureSeule()
{
    if (root())
        QSKIP("file permissions do not bind root");
    QTemporaryDir dir;
    Reglages r(repertoire(dir.path()));
    r.recharger();
    r.config.set_no_texture_bille(5);
    r.enregistrer();
    const QByteArray avant_fichier = contenu(r.chemin());
    QVERIFY(::chmod(r.chemin().c_str(), 0444) == 0);

    r.config.set_no_texture_bille(6);
    const Config avant = r.config;
    QCOMPARE(message_de([&] { r.enregistrer(); }), std::string("Accès au fichier refusé"));
    QCOMPARE(r.config, avant);
    QCOMPARE(message_de([&] { r.recharger(); }), std::string("Accès au fichier refusé"));
    QCOMPARE(r.config, avant);
    QCOMPARE(contenu(r.chemin()), avant_fichier);

    // A read-only directory without the file.
    QTemporaryDir dir2;
    QVERIFY(::chmod(dir2.path().toLocal8Bit().constData(), 0555) == 0);
    Reglages r2(repertoire(dir2.path()));
    QCOMPARE(message_de([&] { r2.recharger(); }), std::string("Accès au fichier refusé"));
    ::chmod(dir2.path().toLocal8Bit().constData(), 0755);
}

void TestReglages::disquePleinEtDescripteurRepris()
{
    QTemporaryDir dir;
    Reglages r(repertoire(dir.path()));
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), QString::fromStdString(r.chemin())));
    const int ouverts = descripteurs_ouverts();

    r.config.set_niveau(2);
    QCOMPARE(message_de([&] { r.enregistrer(); }), std::string("Disque plein"));
    QCOMPARE(r.config.niveau(), 2);
    QCOMPARE(descripteurs_ouverts(), ouverts + 1);   // the sequence left its file open
    QCOMPARE(message_de([&] { r.enregistrer(); }), std::string("Disque plein"));
    QCOMPARE(descripteurs_ouverts(), ouverts + 1);   // ... and the next one closed it first

    QVERIFY(QFile::remove(QString::fromStdString(r.chemin())));
    r.recharger();
    QCOMPARE(descripteurs_ouverts(), ouverts);
    QCOMPARE(r.config.niveau(), 1);
}

QTEST_GUILESS_MAIN(TestReglages)
#include "tst_reglages.moc"
