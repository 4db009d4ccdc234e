// trelmo-solve as a player runs it: pictures and saved games in, the count,
// the proof and the line out, and clear refusals of what is not a position.
#include "outils.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace essai_solveur;

namespace {

struct Sortie {
    int statut = -1;
    QString out, err;
};

Sortie lancer(const QStringList& args, const QByteArray& entree = {})
{
    QProcess p;
    p.start(QStringLiteral(TRELMO_SOLVE), args);
    p.write(entree);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QByteArray kAnglais = "  ooo\n  ooo\nooooooo\nooo.ooo\nooooooo\n  ooo\n  ooo\n";

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
        const Sortie aide = lancer({"--help"});
        QCOMPARE(aide.statut, 0);
        QVERIFY(aide.out.contains("--budget-ms"));
    }
};

QTEST_GUILESS_MAIN(TestCommande)
#include "test_solver_commande.moc"
