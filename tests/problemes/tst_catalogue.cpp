// The problems catalogue: the parser on good and broken texts, and the
// compiled-in catalogue as a whole.
#include "game/problemes.h"

#include <QtTest>

#include <bit>
#include <set>
#include <stdexcept>

using namespace trelmo;

namespace {

const char* const kEntete = "probleme croix\nplateau anglais\nfr La croix\nen The Cross\nde Das Kreuz\n";
const char* const kCroix =
    "    . . .\n"
    "    . o .\n"
    ". . o o o . .\n"
    ". . . @ . . .\n"
    ". . . o . . .\n"
    "    . . .\n"
    "    . . .\n";

// The message of the error lire_catalogue throws, or "" when it accepts the text.
QString erreur(const std::string& texte)
{
    try {
        lire_catalogue(texte);
    } catch (const std::runtime_error& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace

class TstCatalogue : public QObject {
    Q_OBJECT
private slots:
    void lecture()
    {
        const auto ps = lire_catalogue(std::string("# comment\n\n") + kEntete + kCroix
                                       + "serie un-trou\nplateau anglais\nfr Un trou\nen One hole\nde Ein Loch\n"
                                         "nom-fr {depart} vers {cible}\nnom-en {depart} to {cible}\n"
                                         "nom-de {depart} nach {cible}\nsymetrique\n\n"
                                         "    o * o\n    o o o\no o o o o o o\no o o o o o o\n"
                                         "o o o o o o o\n    o o o\n    o o o\n");
        QCOMPARE(ps.size(), size_t(5));
        const Probleme& croix = ps[0];
        QCOMPARE(croix.id, std::string("croix"));
        QCOMPARE(croix.niveau, 1);
        QCOMPARE(croix.nom(2), std::string("Das Kreuz"));
        QCOMPARE(croix.cible, trou_nomme("e5"));
        QCOMPARE(croix.billes, bit(trou_nomme("e3")) | bit(trou_nomme("d4")) | bit(trou_nomme("e4"))
                                   | bit(trou_nomme("f4")) | bit(trou_nomme("e5")) | bit(trou_nomme("e6")));
        QVERIFY(croix.groupe.empty());

        // e2 and its three images, sorted by start hole.
        QStringList ids;
        for (size_t i = 1; i < ps.size(); ++i) {
            const Probleme& p = ps[i];
            ids << QString::fromStdString(p.id);
            QCOMPARE(p.groupe, std::string("un-trou"));
            QCOMPARE(p.noms_groupe[1], std::string("One hole"));
            QCOMPARE(p.depart, p.cible);
            QCOMPARE(p.billes, trous_du_niveau(1) & ~bit(p.depart));
        }
        QCOMPARE(ids, QStringList({"un-trou-e2-e2", "un-trou-b5-b5", "un-trou-h5-h5", "un-trou-e8-e8"}));
        QCOMPARE(ps[2].nom(0), std::string("b5 vers b5"));

        // Windows line ends and trailing spaces read the same.
        std::string crlf;
        for (char c : std::string(kEntete) + kCroix)
            crlf += c == '\n' ? std::string("  \r\n") : std::string(1, c);
        QCOMPARE(lire_catalogue(crlf).front(), croix);

        QCOMPARE(nom_du_trou(25), std::string("e5"));
        QCOMPARE(trou_nomme("a4"), 12);
        QCOMPARE(trou_nomme("a1"), 0);
        QCOMPARE(std::popcount(trous_du_niveau(1)), 33);
        QCOMPARE(std::popcount(trous_du_niveau(2)), 37);
        QCOMPARE(std::popcount(trous_du_niveau(3)), 45);
        QCOMPARE(trous_du_niveau(0), std::uint64_t{0});
    }

    void erreursNommentLaLigne_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        const QString croix = QString::fromUtf8(kCroix);
        const QString entete = QString::fromUtf8(kEntete);
        QTest::newRow("board") << QString(entete).replace("anglais", "hexagonal") + croix << "line 2: unknown board";
        // c3 is a hole of the French board only.
        QTest::newRow("not a hole") << entete + QString(croix).replace(12, 1, "o") << "line 7: column 2";
        QTest::newRow("missing hole") << entete + QString(croix).replace("    . . .\n    . o .", "    . .\n    . o .")
                                      << "line 6: hole f2 missing";
        QTest::newRow("short") << entete + croix.section('\n', 1) << "line 6: this board's picture has 7 lines, not 6";
        QTest::newRow("two targets") << entete + QString(croix).replace(". o .", ". @ .") << "line 6: a problem has at most one target";
        QTest::newRow("twice") << entete + croix + "\n" + entete + croix << "line 14: id \"croix\" used twice";
        QTest::newRow("no name") << QString(entete).replace("de Das Kreuz\n", "") + croix << "line 1: croix: no \"de\"";
        QTest::newRow("unknown") << entete + "couleur rouge\n" + croix << "line 6: unknown line";
        QTest::newRow("id") << "probleme La_Croix\n" << "line 1: an id";
        QTest::newRow("series") << "serie s\nplateau anglais\nfr a\nen a\nde a\nnom-fr a\nnom-en a\nnom-de a\n"
                                   + QString(croix).replace("@", "*")
                                << "line 9: a series picture has exactly one empty hole";
    }

    void erreursNommentLaLigne()
    {
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        const QString message = erreur(texte.toStdString());
        QVERIFY2(message.contains(attendu), qPrintable(message));
    }

    void catalogueComplet()
    {
        const auto& tous = catalogue();
        QVERIFY(tous.size() >= 30);
        std::set<std::string> ids;
        std::array<int, 4> par_plateau{};
        for (const Probleme& p : tous) {
            QVERIFY2(ids.insert(p.id).second, p.id.c_str());
            QVERIFY(p.niveau >= 1 && p.niveau <= 3);
            ++par_plateau[size_t(p.niveau)];
            const std::uint64_t trous = trous_du_niveau(p.niveau);
            QVERIFY2((p.billes & ~trous) == 0 && p.billes != 0, p.id.c_str());
            QVERIFY2(p.cible == 0 || (trous & bit(p.cible)), p.id.c_str());
            for (const std::string& nom : p.noms)
                QVERIFY2(!nom.empty() && nom.find('{') == std::string::npos, p.id.c_str());
            if (!p.groupe.empty())
                QCOMPARE(p.billes, trous & ~bit(p.depart));
            QCOMPARE(probleme(p.id), &p);
        }
        QVERIFY(par_plateau[1] > 0 && par_plateau[2] > 0 && par_plateau[3] > 0);
        for (const char* id : {"croix", "plus", "cheminee", "fleche", "pyramide", "losange", "lampe",
                               "anglais-trou-e5-e5", "francais-trou-d2-f2", "mission-depart-e5-e5"})
            QVERIFY2(probleme(id), id);
        QCOMPARE(probleme("inconnu"), nullptr);
    }
};

QTEST_APPLESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
