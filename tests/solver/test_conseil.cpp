// The hint's worker as the game uses it: hostile tables beside the game, a
// search that fails, and the hint replayed along a winning 45-hole line.
#include "outils.h"

#include "mainwindow/conseil.h"
#include "widgets/garde.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <fstream>
#include <memory>
#include <new>
#include <sys/stat.h>

using namespace essai_solveur;
using trelmo::TConseil;

namespace {

std::vector<std::string> erreurs;
void noter_erreur(const std::string& t) { erreurs.push_back(t); }

} // namespace

class TestConseil : public QObject {
    Q_OBJECT
    QTemporaryDir tables_;

private slots:
    void initTestCase()
    {
        trelmo::afficheur_erreur() = noter_erreur;
        // Beside the game: an English table whose header claims 2^32 entries,
        // in a sparse file of the size that matches, and a FIFO named as the
        // French table.
        const std::string anglais = tables_.filePath("trelmo-anglais.tab").toStdString();
        {
            std::ofstream f(anglais, std::ios::binary);
            const std::uint32_t champs[] = {2, 1, 20, 0};
            const std::uint64_t nombre = std::uint64_t{1} << 32, zero = 0;
            f.write("TRELMOTB", 8);
            f.write(reinterpret_cast<const char*>(champs), sizeof champs);
            for (std::uint64_t v : {nombre, zero, zero, zero}) f.write(reinterpret_cast<const char*>(&v), 8);
        }
        QVERIFY(::truncate(anglais.c_str(), static_cast<off_t>(56 + 8 * (std::uint64_t{1} << 32))) == 0);
        QVERIFY(::mkfifo(tables_.filePath("trelmo-francais.tab").toLocal8Bit().constData(), 0600) == 0);
        definir_repertoire_tables(tables_.path().toStdString());
    }

    // The tables are refused; the answers come from the search, and the
    // worker stops when asked to.
    void tables_piegees()
    {
        auto c = std::make_unique<TConseil>();
        c->demander(depart(1));
        QTRY_VERIFY_WITH_TIMEOUT(c->reponse().has_value(), 30000);
        QCOMPARE(c->reponse()->meilleur, 1);
        QVERIFY(c->reponse()->prouve);
        c->demander(depart(2));
        QTRY_VERIFY_WITH_TIMEOUT(c->reponse().has_value(), 30000);
        QCOMPARE(c->reponse()->meilleur, 2);
        // Gone while thinking about a 45-hole position.
        std::mt19937 rng(5);
        c->demander(au_hasard(3, 4, rng));
        c.reset();
        QVERIFY(erreurs.empty());
    }

    // A search that fails gives no answer, and nothing more: the next
    // position is answered, and the worker stops when asked to.
    void recherche_en_echec()
    {
        TConseil::avant_recherche = [] { throw std::bad_alloc(); };
        auto c = std::make_unique<TConseil>();
        std::mt19937 rng(8);
        c->demander(au_hasard(1, 10, rng));
        QTRY_VERIFY_WITH_TIMEOUT(!c->occupe(), 10000);
        QCoreApplication::processEvents();
        QVERIFY(!c->reponse().has_value());
        TConseil::avant_recherche = nullptr;
        const Position p = au_hasard(1, 12, rng);
        c->demander(p);
        QTRY_VERIFY_WITH_TIMEOUT(c->reponse().has_value(), 30000);
        QCOMPARE(rejouer(p, c->reponse()->ligne), c->reponse()->meilleur);
        c.reset();
        QVERIFY(erreurs.empty());
    }

    // From the 45-hole start, the player follows the line of the first
    // hint: every hint on the way says one marble, proven.
    void ligne_gagnante_45()
    {
        TConseil c;
        Position p = depart(3);
        c.demander(p);
        QTRY_VERIFY_WITH_TIMEOUT(c.reponse().has_value(), 30000);
        QCOMPARE(c.reponse()->meilleur, 1);
        const std::vector<Saut> ligne = c.reponse()->ligne;
        QCOMPARE(ligne.size(), std::size_t(43));
        for (std::size_t i = 0; i < ligne.size(); ++i) {
            QVERIFY(jouer_si_permis(p, ligne[i]));
            c.demander(p);
            QTRY_VERIFY_WITH_TIMEOUT(c.reponse().has_value(), 30000);
            QVERIFY2(c.reponse()->meilleur == 1 && c.reponse()->prouve, qPrintable(QString::number(i + 1)));
            QCOMPARE(rejouer(p, c.reponse()->ligne), 1);
        }
    }
};

QTEST_MAIN(TestConseil)
#include "test_conseil.moc"
