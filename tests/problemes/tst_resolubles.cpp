// Every problem of the catalogue is solvable: the solver gives a line, and
// the game itself, through its own move protocol, plays it to a win (one
// marble left, on the target when there is one).
#include "game/problemes.h"
#include "solver/solveur.h"
#include "tests/game/banc_jeu.h"
#include "tools/problemes/recherche.h"

#include <QtTest>

#include <optional>

using namespace trelmo;
using problemes::image;
using problemes::Ligne;

class TstResolubles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { solveur::definir_repertoire_tables(TRELMO_TABLES); }

    void resoluble_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < catalogue().size(); ++i)
            QTest::newRow(catalogue()[i].id.c_str()) << static_cast<int>(i);
    }

    void resoluble()
    {
        QFETCH(int, index);
        const Probleme& p = catalogue()[static_cast<std::size_t>(index)];
        // The image of a problem already solved, under a symmetry of the
        // board, takes the image of its line; the others ask the solver.
        std::optional<Ligne> ligne;
        for (const auto& [q, l] : resolus_)
            for (int s = 0; s < 8 && !ligne; ++s)
                if (q->niveau == p.niveau && image(s, q->billes) == p.billes && symetrique(s, q->cible) == p.cible)
                    ligne = image(s, l);
        if (!ligne) {
            solveur::Position pos;
            pos.trous = solveur::trous_du_plateau(p.niveau);
            pos.billes = p.billes;
            ligne = problemes::ligne_vers(pos, p.cible);
        }
        QVERIFY2(ligne, "the solver found no line");

        essai::Banc banc;
        banc.jeu.demarrage();
        banc.jeu.commencer_probleme(p.niveau, p.billes, p.cible);
        for (const solveur::Saut& s : *ligne) {
            QVERIFY(banc.jeu.saut_permis(s.de, s.vers));
            banc.jouer(s.de, s.vers);
        }
        QVERIFY(banc.jeu.fin_traitee && banc.jeu.gagnee());
        QCOMPARE(banc.affichage.resultat_texte, banc.jeu.textes.gagne);
        resolus_.emplace_back(&p, *ligne);
    }

private:
    std::vector<std::pair<const Probleme*, Ligne>> resolus_;
};

QTEST_APPLESS_MAIN(TstResolubles)
#include "tst_resolubles.moc"
