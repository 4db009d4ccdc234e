// trelmo-solve as a player runs it: pictures and saved games in, the count,
// the proof and the line out, and clear refusals of what is not a position.
#include "outils.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

using namespace essai_solveur;

namespace {

struct Sortie {
    int statut = -1;
    QString out, err;
};

Sortie lancer(const QStringList& args, const QByteArray& entree = {}, const QString& stdin_de = {},
              const QString& commande = QStringLiteral(TRELMO_SOLVE))
{
    QProcess p;
    if (!stdin_de.isEmpty()) p.setStandardInputFile(stdin_de);
    p.start(commande, args);
    if (stdin_de.isEmpty()) {
        p.write(entree);
        p.closeWriteChannel();
    }
    if (!p.waitForFinished(30000)) p.kill(), p.waitForFinished();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QByteArray kAnglais = "  ooo\n  ooo\nooooooo\nooo.ooo\nooooooo\n  ooo\n  ooo\n";
const QByteArray kFrancais = "  ooo\n ooooo\nooooooo\nooo.ooo\nooooooo\n ooooo\n  ooo\n";
const QByteArray kCroix45 = "   ooo\n   ooo\n   ooo\nooooooooo\noooo.oooo\nooooooooo\n   ooo\n   ooo\n   ooo\n";

void ecrire_fichier(const QString& chemin, const QByteArray& octets)
{
    QFile o(chemin);
    QVERIFY(o.open(QIODevice::WriteOnly));
    QCOMPARE(o.write(octets), octets.size());
}

// The answers of a run given several positions, split at the blank lines.
QList<QStringList> reponses(const QString& sortie)
{
    QList<QStringList> r;
    for (const QString& bloc : sortie.split(QStringLiteral("\n\n"))) r << bloc.split('\n', Qt::SkipEmptyParts);
    return r;
}

// "e3-e5" lines back into jumps.
std::vector<Saut> sauts(const QStringList& lignes)
{
    std::vector<Saut> r;
    for (const QString& l : lignes) {
        const int c1 = l[0].unicode() - 'a' + 1, r1 = l[1].digitValue(), c2 = l[3].unicode() - 'a' + 1,
                  r2 = l[4].digitValue();
        r.push_back(Saut{trou(c1, r1), trou((c1 + c2) / 2, (r1 + r2) / 2), trou(c2, r2)});
    }
    return r;
}

} // namespace

class TestCommande : public QObject {
    Q_OBJECT
private slots:
    void image_et_json()
    {
        Sortie s = lancer({}, kAnglais);
        QCOMPARE(s.statut, 0);
        QStringList l = s.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(l.value(0), QStringLiteral("best 1"));
        QCOMPARE(l.value(1), QStringLiteral("proven"));
        QCOMPARE(rejouer(depart(1), sauts(l.mid(2))), 1);

        // A problem the game exported: its comment line, then the picture.
        s = lancer({}, QByteArray("# Trelmo: english; target e5; name: Centre\n") + kAnglais);
        QCOMPARE(s.statut, 0);
        QCOMPARE(s.out.split('\n').value(0), QStringLiteral("best 1"));

        // A 9 x 9 picture of the French start, from a file, as JSON.
        QTemporaryDir dir;
        const QString f = dir.filePath("fr.txt");
        {
            QFile o(f);
            QVERIFY(o.open(QIODevice::WriteOnly));
            o.write("\n   ooo\n  ooooo\n ooooooo\n ooo.ooo\n ooooooo\n  ooooo\n   ooo\n\n");
        }
        s = lancer({"--json", "--budget-ms", "2000", f});
        QCOMPARE(s.statut, 0);
        QJsonParseError e;
        const QJsonObject o = QJsonDocument::fromJson(s.out.toUtf8(), &e).object();
        QCOMPARE(e.error, QJsonParseError::NoError);
        QCOMPARE(o.value("best").toInt(), 2);
        QCOMPARE(o.value("proven").toBool(), true);
        QVERIFY(o.value("ms").isDouble());
        QStringList ligne;
        for (const QJsonValue v : o.value("line").toArray()) ligne << v.toString();
        QCOMPARE(rejouer(depart(2), sauts(ligne)), 2);
    }

    // A saved game of the game's own layout: its grid at offset 29.
    void partie_sauvegardee()
    {
        std::mt19937 rng(3);
        Position p = au_hasard(1, 12, rng);
        p.barres[1] |= bit(trou(4, 5));   // a bar the standard boards do not have
        const auto g = grille_de(p, (Masque{1} << 49) - 1);
        QByteArray octets(1325, '\0');
        octets[0] = 3;
        octets.replace(1, 3, "Ana");
        octets[27] = char(12 + 12);
        for (int i = 0; i < 324; ++i)
            for (int k = 0; k < 4; ++k) octets[29 + 4 * i + k] = char(std::uint32_t(g[std::size_t(i)]) >> (8 * k));
        const Sortie s = lancer({"-"}, octets);
        QCOMPARE(s.statut, 0);
        const QStringList l = s.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(l.value(0).startsWith("best "));
        QCOMPARE(l.value(1), QStringLiteral("proven"));
        Position lu = p;
        lu.trous = (Masque{1} << 49) - 1;
        for (int d = 0; d < 4; ++d) lu.barres[std::size_t(d)] |= ~p.trous;
        QCOMPARE(rejouer(lu, sauts(l.mid(2))), l.value(0).mid(5).toInt());
        std::map<Masque, int> memo;
        (void)memo;
    }

    // Mid-game English positions, which the command answers from its table
    // and the table's filter: the same counts as the library's search without
    // tables, and lines that reach them.
    void table_et_recherche_d_accord()
    {
        std::mt19937 rng(17);
        for (int i = 0; i < 4; ++i) {
            const Position p = au_hasard(1, 6 + 2 * i, rng);
            QByteArray image;
            for (int r = 1; r <= 9; ++r) {
                for (int c = 1; c <= 9; ++c) {
                    const int t = trou(c, r);
                    image += !t || !(p.trous & bit(t)) ? ' ' : (p.billes & bit(t)) ? 'o' : '.';
                }
                image += '\n';
            }
            const Sortie s = lancer({"-"}, image);
            QCOMPARE(s.statut, 0);
            const QStringList l = s.out.split('\n', Qt::SkipEmptyParts);
            QCOMPARE(l.value(1), QStringLiteral("proven"));
            const int meilleur = l.value(0).mid(5).toInt();
            QCOMPARE(rejouer(p, sauts(l.mid(2))), meilleur);
            const Reponse r = resoudre(p, std::chrono::seconds(20));
            QVERIFY(r.prouve);
            QCOMPARE(meilleur, r.meilleur);
        }
    }

    // Tables beside the command that must not be used: one whose header
    // claims 2^32 entries in a sparse file of the size that matches, a FIFO,
    // and a table of the right size whose counts were all changed. The
    // answers are the search's.
    void tables_piegees()
    {
        QTemporaryDir dir;
        const QString commande = dir.filePath("trelmo-solve");
        QVERIFY(QFile::copy(QStringLiteral(TRELMO_SOLVE), commande));
        const QString vraie = QFileInfo(QStringLiteral(TRELMO_SOLVE)).dir().filePath("trelmo-anglais.tab");
        QFile t(vraie);
        QVERIFY(t.open(QIODevice::ReadOnly));
        QByteArray octets = t.readAll();
        QVERIFY(octets.size() > 56);
        for (qsizetype i = 56; i + 8 <= octets.size(); i += 8) octets[i] = 3;   // every count of the table: 3
        ecrire_fichier(dir.filePath("trelmo-anglais.tab"), octets);
        QVERIFY(::mkfifo(dir.filePath("trelmo-francais.tab").toLocal8Bit().constData(), 0600) == 0);
        QByteArray en_tete("TRELMOTB", 8);
        for (std::uint32_t v : {2u, 3u, 20u, 0u}) en_tete.append(reinterpret_cast<const char*>(&v), 4);
        for (std::uint64_t v : {std::uint64_t{1} << 32, std::uint64_t{0}, std::uint64_t{0}, std::uint64_t{0}})
            en_tete.append(reinterpret_cast<const char*>(&v), 8);
        const QString croix = dir.filePath("trelmo-croix45.tab");
        ecrire_fichier(croix, en_tete);
        QVERIFY(::truncate(croix.toLocal8Bit().constData(), off_t(56) + off_t(8) * (off_t(1) << 32)) == 0);

        for (const auto& [image, niveau, meilleur] : {std::tuple{kAnglais, 1, 1}, std::tuple{kFrancais, 2, 2}}) {
            const Sortie s = lancer({"--budget-ms", "5000"}, image, {}, commande);
            QCOMPARE(s.statut, 0);
            const QStringList l = s.out.split('\n', Qt::SkipEmptyParts);
            QCOMPARE(l.value(0), QStringLiteral("best %1").arg(meilleur));
            QCOMPARE(l.value(1), QStringLiteral("proven"));
            QCOMPARE(rejouer(depart(niveau), sauts(l.mid(2))), meilleur);
        }
        // The 45-hole board: a sure line, whatever the table.
        const Sortie s = lancer({"--budget-ms", "5000"}, kCroix45, {}, commande);
        QCOMPARE(s.statut, 0);
        QCOMPARE(rejouer(depart(3), sauts(s.out.split('\n', Qt::SkipEmptyParts).mid(2))), 1);
    }

    // A position followed by jumps: from the 45-hole start along the line
    // its first answer gives, every answer is one marble, proven; the same
    // in JSON, one object a line.
    void suite_de_positions()
    {
        const Sortie premiere = lancer({"-"}, kCroix45);
        QCOMPARE(premiere.statut, 0);
        const QStringList l = premiere.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(l.value(0), QStringLiteral("best 1"));
        const QStringList ligne = l.mid(2);
        QCOMPARE(ligne.size(), 43);
        const Sortie s = lancer(QStringList{"-"} + ligne, kCroix45);
        QCOMPARE(s.statut, 0);
        const QList<QStringList> r = reponses(s.out);
        QCOMPARE(r.size(), 44);
        Position p = depart(3);
        for (int i = 0; i < r.size(); ++i) {
            QVERIFY2(r[i].value(0) == "best 1" && r[i].value(1) == "proven", qPrintable(QString::number(i)));
            QCOMPARE(rejouer(p, sauts(r[i].mid(2))), 1);
            if (i < ligne.size()) QVERIFY(jouer_si_permis(p, sauts({ligne[i]}).front()));
        }
        const Sortie j = lancer(QStringList{"--json", "-"} + ligne.mid(0, 5), kCroix45);
        QCOMPARE(j.statut, 0);
        const QStringList objets = j.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(objets.size(), 6);
        for (const QString& o : objets) {
            const QJsonObject v = QJsonDocument::fromJson(o.toUtf8()).object();
            QCOMPARE(v.value("best").toInt(), 1);
            QCOMPARE(v.value("proven").toBool(), true);
        }
    }

    void refus()
    {
        const struct {
            QStringList args;
            QByteArray entree;
            const char* message;
        } cas[] = {
            {{}, "oooooooooo\n", "longer than 9"},
            {{}, QByteArray("ooo\n").repeated(10), "more than 9 lines"},
            {{}, "o\n", "no hole of the board"},
            {{}, "   \n\n", "no hole"},
            {{}, "", "no hole"},
            {{"--frobnicate"}, kAnglais, "usage:"},
            {{"--budget-ms"}, kAnglais, "usage:"},
            {{"--budget-ms", "soon"}, kAnglais, "usage:"},
            {{"a", "b"}, kAnglais, "usage:"},
            {{"/nonexistent/position"}, {}, "cannot read"},
        };
        for (const auto& c : cas) {
            const Sortie s = lancer(c.args, c.entree);
            QCOMPARE(s.statut, 2);
            QVERIFY2(s.err.contains(c.message), qPrintable(s.err));
            QVERIFY(s.out.isEmpty());
        }
        // Hostile files: never more read than a position can hold, never
        // blocked, always a message and status 2.
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo"), lignes = dir.filePath("lignes");
        QVERIFY(::mkfifo(fifo.toLocal8Bit().constData(), 0600) == 0);
        ecrire_fichier(lignes, QByteArray(1 << 20, '\n'));
        const struct {
            QStringList args;
            QString entree;
            const char* message;
        } fichiers[] = {
            {{dir.path()}, {}, "is a directory"},
            {{"-"}, dir.path(), "is a directory"},
            {{"/dev/zero"}, {}, "not a regular file"},
            {{fifo}, {}, "not a regular file"},
            {{}, "/dev/zero", "longer than a position"},
            {{lignes}, {}, "longer than a position"},
            {{}, lignes, "longer than a position"},
        };
        for (const auto& c : fichiers) {
            const Sortie s = lancer(c.args, {}, c.entree);
            QCOMPARE(s.statut, 2);
            QVERIFY2(s.err.contains(c.message), qPrintable(s.err));
        }
        // Newlines through a pipe, more than a pipe holds.
        const Sortie s = lancer({}, QByteArray(4 << 20, '\n'));
        QCOMPARE(s.statut, 2);
        QVERIFY2(s.err.contains("longer than a position"), qPrintable(s.err));
        // Jumps that are not, or not allowed.
        for (const QStringList& args : {QStringList{"-", "e3-e5", "e3-e5"}, QStringList{"-", "a1-a3"},
                                        QStringList{"-", "e3-e4"}}) {
            const Sortie t = lancer(args, kAnglais);
            QCOMPARE(t.statut, 2);
            QVERIFY2(t.err.contains("jump"), qPrintable(t.err));
            QVERIFY(t.out.isEmpty());
        }

        const Sortie aide = lancer({"--help"});
        QCOMPARE(aide.statut, 0);
        QVERIFY(aide.out.contains("--budget-ms"));
    }
};

QTEST_GUILESS_MAIN(TestCommande)
#include "test_solver_commande.moc"
