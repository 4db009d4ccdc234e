// The INI preference, the text-to-integer rules it shares with the restored
// chronometer, and the Windows-1252 conversion of the stored short strings.
#include "fichiers_essai.h"

#include "game/erreur.h"
#include "storage/cp1252.h"
#include "storage/entier.h"
#include "storage/ini.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>

using namespace trelmo;
using namespace trelmo::essai;

class TestIni : public QObject {
    Q_OBJECT

private slots:
    void cp1252TousLesOctets();
    void cp1252DepuisUtf8();
    void entiers();
    void cheminDuFichier();
    void lectureDesValeurs();
    void ecritureGardeLeReste();
    void ecritureCreeDossierEtFichier();
    void ecritureRefusee();
    void ecritureRefuseeParLesDroits();
    void lienPendantSuivi();
    void temporairesNettoyes();
    void fichierTropGrandOuTube();
};

void TestIni::cp1252TousLesOctets()
{
    std::set<std::string> vus;
    for (int b = 0; b < 256; ++b) {
        const std::string octet(1, static_cast<char>(b));
        const std::string utf8 = depuis_cp1252(octet);
        QCOMPARE(vers_cp1252(utf8), octet);
        vus.insert(utf8);
    }
    QCOMPARE(vus.size(), size_t{256});

    std::string tous;
    for (int b = 0; b < 256; ++b)
        tous += static_cast<char>(b);
    QCOMPARE(vers_cp1252(depuis_cp1252(tous)), tous);

    QCOMPARE(depuis_cp1252("\x80"), std::string("€"));
    QCOMPARE(depuis_cp1252("\x81"), std::string("\xC2\x81"));
    QCOMPARE(depuis_cp1252("\x8D\x8F\x90\x9D"), std::string("\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"));
    QCOMPARE(depuis_cp1252("\x85\x8C\x99\x9F"), std::string("…Œ™Ÿ"));
    QCOMPARE(depuis_cp1252("\xA0\xE9\xFF"), std::string("\xC2\xA0" "éÿ"));
    QCOMPARE(depuis_cp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

void TestIni::cp1252DepuisUtf8()
{
    QCOMPARE(vers_cp1252("Zoé €"), std::string("Zo\xE9 \x80"));
    QCOMPARE(vers_cp1252("漢字"), std::string("??"));
    QCOMPARE(vers_cp1252("😀"), std::string("?"));
    QCOMPARE(vers_cp1252("\xC2\x85"), std::string("?"));      // a C1 control that has a character of its own there
    QCOMPARE(vers_cp1252("\xC3"), std::string("?"));          // cut sequence
    QCOMPARE(vers_cp1252("\xC0\x80"), std::string("??"));     // overlong
    QCOMPARE(vers_cp1252("\xED\xA0\x80"), std::string("???")); // surrogate
    QCOMPARE(vers_cp1252("a\xFF" "b"), std::string("a?b"));
}

void TestIni::entiers()
{
    const std::vector<std::pair<std::string, std::optional<int32_t>>> cas = {
        {"0", 0}, {"1", 1}, {"2", 2}, {"07", 7}, {"-1", -1}, {"+5", 5},
        {"$1", 1}, {"$ff", 255}, {"$FF", 255}, {"0x1", 1}, {"0X1A", 26}, {"-$10", -16},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1},
        {"2147483648", std::nullopt}, {"$100000000", std::nullopt},
        {"", std::nullopt}, {"-", std::nullopt}, {"$", std::nullopt}, {"0x", std::nullopt},
        {"yes", std::nullopt}, {" 1", std::nullopt}, {"1 ", std::nullopt}, {"1.0", std::nullopt},
        {"1a", std::nullopt}, {"0:", std::nullopt}, {"--1", std::nullopt}, {"$-1", std::nullopt},
    };
    for (const auto& [texte, attendu] : cas)
        QVERIFY2(entier_depuis_texte(texte) == attendu, texte.c_str());
}

void TestIni::cheminDuFichier()
{
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    const QByteArray home = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg");
    QCOMPARE(chemin_ini(), std::string("/tmp/xdg/trelmo.ini"));
    qputenv("XDG_CONFIG_HOME", "relatif");
    qputenv("HOME", "/home/joueur");
    QCOMPARE(chemin_ini(), std::string("/home/joueur/.config/trelmo.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(chemin_ini(), std::string("/home/joueur/.config/trelmo.ini"));
    xdg.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", xdg);
    home.isNull() ? qunsetenv("HOME") : qputenv("HOME", home);
}

void TestIni::lectureDesValeurs()
{
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("trelmo.ini")).toStdString();
    QVERIFY(!lit_apropos(chemin));   // no file

    const std::vector<std::pair<QByteArray, bool>> cas = {
        {"[Propriétés]\napropos=1\n", true},
        {"[Propriétés]\napropos=0\n", false},
        {"[Propriétés]\napropos=0x1\n", true},
        {"[Propriétés]\napropos=$1\n", true},
        {"[Propriétés]\napropos=2\n", true},
        {"[Propriétés]\napropos=-1\n", true},
        {"[Propriétés]\napropos=yes\n", false},
        {"[Propriétés]\napropos=\n", false},
        {"[Propriétés]\r\napropos = 1 \r\n", true},
        {"[Propriétés]\napropos=\"1\"\n", true},
        {"  [ PROPRIÉTÉS ]  \nAPROPOS=1", true},
        {"[Propri\xE9t\xE9s]\napropos=1\n", true},   // written by a Windows-1252 program
        {"[Proprietes]\napropos=1\n", false},
        {"[Propriétés]\nautre=1\n", false},
        {"apropos=1\n[Propriétés]\n", false},
        {"[Propriétés]\n\n[Autre]\napropos=1\n", false},
        {"[Propriétés]\napropos=1\napropos=0\n", true},   // the first one counts
        {"[Propriétés]\n;apropos=0\napropos=1\n", true},
        {"[Propriétés]\napropos", false},
        {QByteArray("\0\xff[\n]=\n", 7), false},
    };
    for (const auto& [texte, attendu] : cas) {
        QVERIFY(ecrit(chemin, texte));
        QVERIFY2(lit_apropos(chemin) == attendu, texte.constData());
    }

    // A path that cannot be read gives false without an error.
    QVERIFY(!lit_apropos(dir.path().toStdString()));
    QVERIFY(!lit_apropos("/chemin/qui/n/existe/pas/trelmo.ini"));
    QVERIFY(!lit_apropos(""));
}

void TestIni::ecritureGardeLeReste()
{
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("trelmo.ini")).toStdString();

    // The key exists: only its line changes.
    const QByteArray avec_cle = "; réglages\n[Fenêtre]\nx=10\n\n[propriétés]\nautre=a b\nApropos = 0\n# fin\n[Zzz]\napropos=7\n";
    QVERIFY(ecrit(chemin, avec_cle));
    ecrit_apropos(chemin, true);
    QCOMPARE(contenu(chemin), QByteArray("; réglages\n[Fenêtre]\nx=10\n\n[propriétés]\nautre=a b\napropos=1\n# fin\n[Zzz]\napropos=7\n"));
    QVERIFY(lit_apropos(chemin));
    ecrit_apropos(chemin, false);
    QVERIFY(!lit_apropos(chemin));
    QCOMPARE(contenu(chemin), QByteArray("; réglages\n[Fenêtre]\nx=10\n\n[propriétés]\nautre=a b\napropos=0\n# fin\n[Zzz]\napropos=7\n"));

    // The section exists without the key: the key follows its last line; CRLF kept.
    QVERIFY(ecrit(chemin, "[Propriétés]\r\nautre=1\r\n\r\n[Zzz]\r\nk=v"));
    ecrit_apropos(chemin, true);
    QCOMPARE(contenu(chemin), QByteArray("[Propriétés]\r\nautre=1\r\napropos=1\r\n\r\n[Zzz]\r\nk=v"));

    // No section: appended after the rest.
    QVERIFY(ecrit(chemin, "[Zzz]\nk=v"));
    ecrit_apropos(chemin, true);
    QCOMPARE(contenu(chemin), QByteArray("[Zzz]\nk=v\n\n[Propriétés]\napropos=1\n"));
    QVERIFY(lit_apropos(chemin));

    // The section is the last line, without an end of line.
    QVERIFY(ecrit(chemin, "[Propriétés]"));
    ecrit_apropos(chemin, false);
    QCOMPARE(contenu(chemin), QByteArray("[Propriétés]\napropos=0\n"));

    // Another preference of the section sits beside "apropos", which keeps its value.
    ecrit_preference(chemin, "astuce", true);
    QCOMPARE(contenu(chemin), QByteArray("[Propriétés]\napropos=0\nastuce=1\n"));
    QVERIFY(lit_preference(chemin, "astuce") && !lit_apropos(chemin) && !lit_preference(chemin, "reperes"));

    // No temporary file is left behind, and the permissions are kept.
    QVERIFY(::chmod(chemin.c_str(), 0640) == 0);
    ecrit_apropos(chemin, true);
    struct stat st {};
    QVERIFY(::stat(chemin.c_str(), &st) == 0);
    QCOMPARE(st.st_mode & 0777, 0640u);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("trelmo.ini")});
}

void TestIni::ecritureCreeDossierEtFichier()
{
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("a/b/trelmo.ini")).toStdString();
    QVERIFY(!lit_apropos(chemin));
    ecrit_apropos(chemin, true);
    QCOMPARE(contenu(chemin), QByteArray("[Propriétés]\napropos=1\n"));
    QVERIFY(lit_apropos(chemin));

    // Through a symbolic link, the linked file is rewritten and the link stays.
    const QString lien = dir.filePath(QStringLiteral("lien.ini"));
    QVERIFY(QFile::link(QString::fromStdString(chemin), lien));
    ecrit_apropos(lien.toStdString(), false);
    QVERIFY(QFileInfo(lien).isSymLink());
    QVERIFY(!lit_apropos(chemin));
}

void TestIni::ecritureRefusee()
{
    QTemporaryDir dir;
    const std::string texte = "Impossible d'écrire dans trelmo.ini";

    // The path is a directory.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("trelmo.ini")));
    QCOMPARE(message_de([&] { ecrit_apropos(dir.filePath(QStringLiteral("trelmo.ini")).toStdString(), true); }), texte);

    // A parent is a regular file.
    const std::string fichier = dir.filePath(QStringLiteral("f")).toStdString();
    QVERIFY(ecrit(fichier, "contenu"));
    QCOMPARE(message_de([&] { ecrit_apropos(fichier + "/trelmo.ini", true); }), texte);
    QCOMPARE(contenu(fichier), QByteArray("contenu"));

    // A directory where nothing can be created.
    QCOMPARE(message_de([] { ecrit_apropos("/proc/trelmo.ini", true); }), texte);

    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("f")});
}

void TestIni::ecritureRefuseeParLesDroits()
{
    if (root())
        QSKIP("file permissions do not bind root");
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("trelmo.ini")).toStdString();
    QVERIFY(ecrit(chemin, "[Propriétés]\napropos=1\nautre=x\n"));
    QVERIFY(::chmod(dir.path().toLocal8Bit().constData(), 0555) == 0);
    QCOMPARE(message_de([&] { ecrit_apropos(chemin, false); }), std::string("Impossible d'écrire dans trelmo.ini"));
    ::chmod(dir.path().toLocal8Bit().constData(), 0755);
    QCOMPARE(contenu(chemin), QByteArray("[Propriétés]\napropos=1\nautre=x\n"));

    QVERIFY(::chmod(chemin.c_str(), 0444) == 0);
    QCOMPARE(message_de([&] { ecrit_apropos(chemin, false); }), std::string("Impossible d'écrire dans trelmo.ini"));
    QVERIFY(lit_apropos(chemin));

    QVERIFY(::chmod(chemin.c_str(), 0000) == 0);
    QVERIFY(!lit_apropos(chemin));
    QCOMPARE(message_de([&] { ecrit_apropos(chemin, false); }), std::string("Impossible d'écrire dans trelmo.ini"));
}

void TestIni::lienPendantSuivi()
{
    // A link to a file that does not exist yet: the file is created where
    // the link points, and the link stays.
    QTemporaryDir dir;
    const QString lien = dir.filePath(QStringLiteral("trelmo.ini"));
    QVERIFY(QFile::link(QStringLiteral("reel/prefs.ini"), lien));
    ecrit_apropos(lien.toStdString(), true);
    QVERIFY(QFileInfo(lien).isSymLink());
    QCOMPARE(contenu(dir.filePath(QStringLiteral("reel/prefs.ini")).toStdString()), QByteArray("[Propriétés]\napropos=1\n"));
    QVERIFY(lit_apropos(lien.toStdString()));

    // A loop of links names no file: refused, the links stay.
    const QString a = dir.filePath(QStringLiteral("a.ini")), b = dir.filePath(QStringLiteral("b.ini"));
    QVERIFY(QFile::link(b, a) && QFile::link(a, b));
    QCOMPARE(message_de([&] { ecrit_apropos(a.toStdString(), true); }), std::string("Impossible d'écrire dans trelmo.ini"));
    QVERIFY(QFileInfo(a).isSymLink() && QFileInfo(b).isSymLink());
}

void TestIni::temporairesNettoyes()
{
    // The read at start-up removes what a killed write left, and nothing else.
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("trelmo.ini")).toStdString();
    QVERIFY(ecrit(chemin, "[Propriétés]\napropos=1\n"));
    for (const char* nom : {".trelmo.ini.Ab12Cd", ".trelmo.ini.txt", ".trelmo.ini.Ab12C!", "trelmo.ini.Ab12Cd", ".TRL.CFG.Ab12Cd"})
        QVERIFY(ecrit(dir.filePath(QString::fromLatin1(nom)).toStdString(), "[Propri"));
    // One a write still running holds is kept.
    const std::string en_cours = dir.filePath(QStringLiteral(".trelmo.ini.Zz99Yy")).toStdString();
    QVERIFY(ecrit(en_cours, "[Propri"));
    const int fd = ::open(en_cours.c_str(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX) == 0);

    QVERIFY(lit_apropos(chemin));
    ::close(fd);
    QCOMPARE(noms(dir.path()), (QStringList{QStringLiteral(".TRL.CFG.Ab12Cd"), QStringLiteral(".trelmo.ini.Ab12C!"),
                                            QStringLiteral(".trelmo.ini.Zz99Yy"), QStringLiteral(".trelmo.ini.txt"),
                                            QStringLiteral("trelmo.ini"), QStringLiteral("trelmo.ini.Ab12Cd")}));
}

void TestIni::fichierTropGrandOuTube()
{
    // A file far larger than preferences need is not read: its values read
    // as missing, and it is not rewritten. A pipe in its place never makes
    // the read wait.
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("trelmo.ini")).toStdString();
    const QByteArray grand = QByteArray(10 * 1024 * 1024, '\n') + "[Propriétés]\napropos=1\n";
    QVERIFY(ecrit(chemin, grand));
    QVERIFY(!lit_apropos(chemin));
    QCOMPARE(message_de([&] { ecrit_apropos(chemin, false); }), std::string("Impossible d'écrire dans trelmo.ini"));
    QCOMPARE(contenu(chemin).size(), grand.size());

    const QByteArray juste = QByteArray(60 * 1024, '\n') + "[Propriétés]\napropos=1\n";
    QVERIFY(ecrit(chemin, juste));
    QVERIFY(lit_apropos(chemin));

    QVERIFY(QFile::remove(QString::fromStdString(chemin)) && ::mkfifo(chemin.c_str(), 0600) == 0);
    QVERIFY(!lit_apropos(chemin));
    QVERIFY(!lit_preference(chemin, "autre"));
}

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
