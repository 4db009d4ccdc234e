// The solver library: its lines are legal and leave the count they state, its
// proven counts agree with a slow exhaustive search, it knows the classic
// results, it stops when asked, and it handles targets, grids and tables.
#include "outils.h"
#include "solver/certificat.h"
#include "solver/pagodes.h"
#include "solver/tables.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstddef>
#include <cstring>
#include <fstream>
#include <set>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

using namespace essai_solveur;
using namespace std::chrono_literals;

namespace {

// Checks what every answer promises.
void verifier(const Position& p, const Reponse& r)
{
    Position fin;
    QCOMPARE(rejouer(p, r.ligne, &fin), r.meilleur);
    if (r.prouve) QVERIFY(tous_les_sauts(fin).empty());
    if (r.cible == Cible::atteignable) {
        QVERIFY(r.prouve);
        QCOMPARE(fin.billes, bit(p.cible));
    }
}

// The class bound of a position on its own holes.
int minorant_de(const Position& p)
{
    using namespace trelmo::solveur::interne;
    return minorant_classe(regles_de(p), p.billes);
}

} // namespace

class TestSolveur : public QObject {
    Q_OBJECT
private slots:
    void plateaux_et_noms()
    {
        QCOMPARE(std::popcount(trous_du_plateau(1)), 33);
        QCOMPARE(std::popcount(trous_du_plateau(2)), 37);
        QCOMPARE(std::popcount(trous_du_plateau(3)), 45);
        QVERIFY(trous_du_plateau(2) & bit(trou(3, 3)));
        QVERIFY(!(trous_du_plateau(1) & bit(trou(5, 1))));
        QVERIFY(!(trous_du_plateau(3) & bit(trou(7, 7))));
        QCOMPARE(nom_trou(1), std::string("d1"));
        QCOMPARE(nom_trou(25), std::string("e5"));
        QCOMPARE(nom_trou(49), std::string("f9"));
        // The jumps offered are exactly those the rules allow.
        std::mt19937 rng(7);
        for (int i = 0; i < 60; ++i) {
            Position p = au_hasard(1 + i % 3, int(rng() % 30), rng);
            p.barres[rng() % 4] |= p.billes & Masque(rng());
            const auto a = sauts_possibles(p), b = tous_les_sauts(p);
            QCOMPARE(a.size(), b.size());
            for (const Saut& s : a) {
                QVERIFY(std::find(b.begin(), b.end(), s) != b.end());
                Position q = p;
                QVERIFY(jouer_si_permis(q, s));
                QCOMPARE(jouer(p, s).billes, q.billes);
            }
        }
    }

    void resultats_connus()
    {
        const Reponse anglais = resoudre(depart(1));
        QCOMPARE(anglais.meilleur, 1);
        QVERIFY(anglais.prouve);
        verifier(depart(1), anglais);
        QCOMPARE(anglais.ligne.size(), std::size_t(31));

        // The French start cannot end with one marble: its class forbids it.
        const Reponse francais = resoudre(depart(2));
        QCOMPARE(francais.meilleur, 2);
        QVERIFY(francais.prouve);
        verifier(depart(2), francais);

        // No marble, one marble, nothing to jump.
        Position vide = depart(1);
        vide.billes = 0;
        const Reponse r0 = resoudre(vide);
        QCOMPARE(r0.meilleur, 0);
        QVERIFY(r0.prouve && r0.ligne.empty());
        vide.billes = bit(1 + 9) | bit(25);
        const Reponse r2 = resoudre(vide);
        QCOMPARE(r2.meilleur, 2);
        QVERIFY(r2.prouve);
    }

    // Proven counts agree with trying every line, on small positions of the
    // three boards, on odd hole sets and with extra bars.
    void exact_sur_petites_positions()
    {
        std::mt19937 rng(2024);
        for (int i = 0; i < 150; ++i) {
            Position p;
            p.trous = i % 4 == 3 ? Masque(rng()) << 20 ^ Masque(rng()) : trous_du_plateau(1 + i % 3);
            p.trous &= (Masque{1} << 49) - 1;
            const int n = 4 + int(rng() % 9);
            for (int k = 0; k < 200 && std::popcount(p.billes) < n; ++k) p.billes |= bit(1 + int(rng() % 49)) & p.trous;
            if (i % 5 == 0) p.barres[rng() % 4] = Masque(rng()) << 17 ^ Masque(rng());
            const Reponse r = resoudre(p, 5s);
            QVERIFY(r.prouve);
            std::map<Masque, int> memo;
            QCOMPARE(r.meilleur, minimum_lent(p, memo));
            verifier(p, r);
        }
    }

    // Mid-game positions, where the pagodas and the final sets do the
    // pruning: the proven counts agree with trying every line.
    void exact_en_milieu_de_partie()
    {
        std::mt19937 rng(31);
        int difficiles = 0;
        for (int i = 0; i < 12; ++i) {
            const int niveau = 1 + i % 3;
            Position p;
            do p = au_hasard(niveau, std::popcount(depart(niveau).billes) - 16 - i % 3, rng);
            while (tous_les_sauts(p).size() < 3);
            const Reponse r = resoudre(p, 30s);
            QVERIFY(r.prouve);
            MinimumRapide minimum(p);
            QCOMPARE(r.meilleur, minimum(p.billes));
            verifier(p, r);
            difficiles += r.meilleur > minorant_de(p);
        }
        QVERIFY(difficiles >= 4);   // counts the class alone does not give
    }

    // Searches in several threads at once share what they prove: each still
    // gets the exact count.
    void plusieurs_fils()
    {
        std::mt19937 rng(8);
        std::vector<Position> positions;
        for (int i = 0; i < 6; ++i) positions.push_back(au_hasard(2 - i % 2, 16 + int(rng() % 4), rng));
        std::vector<Reponse> reponses(positions.size());
        {
            std::vector<std::jthread> fils;
            for (std::size_t i = 0; i < positions.size(); ++i)
                fils.emplace_back([&, i] { reponses[i] = resoudre(positions[i], 30s); });
        }
        for (std::size_t i = 0; i < positions.size(); ++i) {
            QVERIFY(reponses[i].prouve);
            MinimumRapide minimum(positions[i]);
            QCOMPARE(reponses[i].meilleur, minimum(positions[i].billes));
            verifier(positions[i], reponses[i]);
        }
    }

    // The pagodas the solver carries are pagodas: on one of the standard
    // boards, no jump makes the weight of the marbles grow.
    void pagodes_valides()
    {
        using namespace trelmo::solveur::interne;
        const auto& famille = famille_pagodes();
        QVERIFY(famille.size() > 100);
        std::vector<std::vector<Triplet>> sauts;
        for (int niveau = 1; niveau <= 3; ++niveau) sauts.push_back(sauts_permis(depart(niveau)));
        for (const PoidsCourts& w : famille) {
            bool valide = false;
            for (const auto& s : sauts) valide = valide || est_pagode(w, s);
            QVERIFY(valide);
        }
    }

    // The family holds each of its pagodas under the eight symmetries of
    // the board, and none twice.
    void pagodes_symetriques()
    {
        using namespace trelmo::solveur::interne;
        const auto famille = famille_pagodes();
        std::set<PoidsCourts> vues(famille.begin(), famille.end());
        QCOMPARE(vues.size(), famille.size());
        for (const PoidsCourts& w : famille)
            for (int s = 1; s < 8; ++s) {
                PoidsCourts x{};
                for (int h = 1; h <= kTrous; ++h) x[std::size_t(image(s, h))] = w[std::size_t(h)];
                QVERIFY(vues.count(x) == 1);
            }
    }

    // Positions met in play: legal lines down to the stated count, proven
    // on the English and French boards.
    void lignes_des_parties()
    {
        std::mt19937 rng(99);
        for (int i = 0; i < 45; ++i) {
            const int niveau = 1 + i % 3;
            const Position p = au_hasard(niveau, 14 + int(rng() % 30), rng);
            const Reponse r = resoudre(p, 400ms);
            verifier(p, r);
            if (niveau < 3 && billes(p) <= 16) QVERIFY(r.prouve);
            QVERIFY(r.meilleur >= 1 && r.meilleur <= billes(p));
        }
    }

    void barres_et_grilles()
    {
        // The English start read from a saved game's grid: the unused arm
        // tips and corners show as empty holes, barred from the board.
        const Position anglais = depart(1);
        Position p = depuis_grille(grille_de(anglais, (Masque{1} << 49) - 1), (Masque{1} << 49) - 1);
        QCOMPARE(p.billes, anglais.billes);
        QCOMPARE(std::popcount(p.trous), 49);
        QCOMPARE(p.cible, 0);
        QCOMPARE(sauts_possibles(p).size(), std::size_t(4));
        Reponse r = resoudre(p);
        QCOMPARE(r.meilleur, 1);
        verifier(p, r);

        // `trous` restricts the holes; a cell whose values are all -1 is no hole.
        const Position q = depuis_grille(grille_de(anglais, 0), trous_du_plateau(1) & ~bit(trou(5, 8)));
        QCOMPARE(q.trous, trous_du_plateau(1) & ~bit(trou(5, 8)));
        QCOMPARE(q.billes, anglais.billes & q.trous);
        for (const Saut& s : sauts_possibles(q)) QVERIFY(s.vers != trou(5, 8));

        // Extra bars: no jump to the left or up anywhere.
        Position b = depart(1);
        b.barres[0] = b.barres[3] = b.trous;
        const Position g = depuis_grille(grille_de(b, 0), b.trous);
        // A hole barred every way reads as no hole at all: only those go.
        QVERIFY((g.trous & ~b.trous) == 0 && std::popcount(g.trous) > 20);
        QCOMPARE(g.billes, b.billes & g.trous);
        for (int d = 0; d < 4; ++d) QCOMPARE(g.barres[std::size_t(d)] & bit(25), Masque(d == 0 || d == 3 ? bit(25) : 0));
        r = resoudre(g);
        verifier(g, r);
        QVERIFY(r.prouve);
        QVERIFY(r.meilleur > 1);
        for (const Saut& s : r.ligne) QVERIFY(s.vers > s.de);   // only right and down
    }

    void cibles()
    {
        // English, one hole empty, the last marble on a named hole.
        Position p = depart(1);
        p.billes = p.trous & ~bit(trou(5, 2));
        p.cible = trou(5, 8);
        Reponse r = resoudre(p);
        QCOMPARE(r.cible, Cible::atteignable);
        QCOMPARE(r.meilleur, 1);
        verifier(p, r);

        // The wrong class: impossible at once, and the plain minimum given.
        p.cible = trou(5, 4);
        r = resoudre(p);
        QCOMPARE(r.cible, Cible::impossible);
        QCOMPARE(r.meilleur, 1);
        verifier(p, r);

        // The right class but out of reach: two marbles side by side can
        // only end next to them.
        Position d = depart(3);
        d.billes = bit(trou(4, 5)) | bit(trou(5, 5));
        d.cible = trou(9, 5);
        std::map<Masque, bool> memo;
        QVERIFY(!cible_lente(d, d.cible, memo));
        r = resoudre(d);
        QCOMPARE(r.cible, Cible::impossible);
        QCOMPARE(r.meilleur, 1);
        verifier(d, r);
        d.cible = trou(6, 5);
        QCOMPARE(resoudre(d).cible, Cible::atteignable);

        // Small positions against the slow search.
        std::mt19937 rng(5);
        for (int i = 0; i < 60; ++i) {
            Position s = au_hasard(1 + i % 3, 20 + int(rng() % 12), rng);
            while (billes(s) > 11) s.billes &= s.billes - 1;
            s.cible = 1 + int(rng() % 49);
            std::map<Masque, bool> m;
            const Reponse a = resoudre(s, 5s);
            QCOMPARE(a.cible == Cible::atteignable, (s.trous & bit(s.cible)) && cible_lente(s, s.cible, m));
            QVERIFY(a.cible != Cible::inconnue);
            verifier(s, a);
        }
    }

    void annulation()
    {
        // A 45-hole position early in the game, far from solved in a second.
        std::mt19937 rng(11);
        const Position p = au_hasard(3, 3, rng);

        std::stop_source deja;
        deja.request_stop();
        Reponse r = resoudre(p, 10s, deja.get_token());
        QVERIFY(!r.prouve);
        verifier(p, r);

        std::stop_source source;
        std::atomic<bool> fini = false;
        std::atomic<long long> fin{};
        Reponse en_cours;
        std::jthread t([&] {
            en_cours = resoudre(p, 60s, source.get_token());
            fin = std::chrono::steady_clock::now().time_since_epoch().count();
            fini = true;
        });
        QTest::qWait(50);
        QVERIFY(!fini);
        const auto demande = std::chrono::steady_clock::now().time_since_epoch().count();
        source.request_stop();
        t.join();
        QVERIFY(!en_cours.prouve);
        verifier(p, en_cours);
        // Stopped promptly (generous: sanitizer builds are slow).
        QVERIFY(std::chrono::nanoseconds(fin.load() - demande) < 250ms);
    }

    // A damaged table is refused, never read.
    void tables_endommagees()
    {
        using namespace trelmo::solveur::interne;
        QTemporaryDir dir;
        const std::string chemin = dir.filePath("t.tab").toStdString();
        const std::vector<std::uint64_t> entrees{(Masque{5} << 8) | 2, (Masque{9} << 8) | 3};
        std::vector<std::uint64_t> filtre(4, 0);
        filtre_ajouter(filtre, 0x1234);
        QVERIFY(ecrire_table(chemin, 1, 20, entrees, 12, 1, filtre));
        Table t;
        QVERIFY(t.charger(chemin, 1));
        QCOMPARE(t.valeur(9), 3);
        QCOMPARE(t.valeur(7), -1);
        QCOMPARE(t.filtre_de(), 12);
        QVERIFY(t.filtre_peut_tenir(0x1234));
        int passent = 0;   // a filter of 256 bits holding one position lets few others through
        for (Masque m = 1; m <= 1000; ++m) passent += t.filtre_peut_tenir(m << 20);
        QVERIFY(passent < 50);
        QVERIFY(!t.charger(chemin, 2));      // another board's name
        QVERIFY(t.vide());

        std::string octets;
        {
            std::ifstream f(chemin, std::ios::binary);
            octets.assign(std::istreambuf_iterator<char>(f), {});
        }
        auto ecrire = [&](const std::string& s) {
            std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
            f << s;
        };
        std::string abime = octets;
        abime[abime.size() - 3] ^= 0x10;
        ecrire(abime);
        QVERIFY(!t.charger(chemin, 1));
        // The count the filter stands for, changed in the header.
        abime = octets;
        abime[offsetof(EnTeteTable, filtre_valeur)] ^= 0x03;
        ecrire(abime);
        QVERIFY(!t.charger(chemin, 1));
        ecrire(octets.substr(0, octets.size() - 1));
        QVERIFY(!t.charger(chemin, 1));
        ecrire("");
        QVERIFY(!t.charger(chemin, 1));
        QVERIFY(!t.charger(dir.filePath("absent.tab").toStdString(), 1));

        // Opened without the full check: a damaged entry is found at the
        // first use, and from then on the table holds nothing and its filter
        // rules nothing out.
        abime = octets;
        abime[sizeof(EnTeteTable) + 8] ^= 0x01;   // the count of position 9: 2
        ecrire(abime);
        QVERIFY(t.ouvrir(chemin, 1));
        QCOMPARE(t.valeur(9), -1);
        QVERIFY(!t.verifier());
        for (Masque m = 1; m <= 1000; ++m) QVERIFY(t.filtre_peut_tenir(m << 20));
        ecrire(octets);
        QVERIFY(t.ouvrir(chemin, 1));
        QCOMPARE(t.valeur(9), 3);
        // A header claiming more entries than any table holds, in a sparse
        // file of the matching size; a FIFO; a directory: refused at once.
        abime = octets.substr(0, sizeof(EnTeteTable));
        const std::uint64_t nombre = std::uint64_t{1} << 32, mots = 0;
        std::memcpy(abime.data() + offsetof(EnTeteTable, nombre), &nombre, 8);
        std::memcpy(abime.data() + offsetof(EnTeteTable, filtre_mots), &mots, 8);
        std::memset(abime.data() + offsetof(EnTeteTable, filtre_de), 0, 4);
        ecrire(abime);
        QVERIFY(::truncate(chemin.c_str(), static_cast<off_t>(sizeof(EnTeteTable) + 8 * nombre)) == 0);
        QVERIFY(!t.ouvrir(chemin, 1));
        QVERIFY(t.vide());
        const std::string fifo = dir.filePath("fifo.tab").toStdString();
        QVERIFY(::mkfifo(fifo.c_str(), 0600) == 0);
        QVERIFY(!t.ouvrir(fifo, 1));
        QVERIFY(!t.ouvrir(dir.path().toStdString(), 1));
    }

    // Lines kept as certificates: the rest of a proven line proves the
    // positions along it; an unproven line bounds them; a line that does
    // not replay is not kept; a target reached stays reached.
    void certificats()
    {
        Certificats c;
        const Position d = depart(3);
        const Reponse r = resoudre(d, 5s);
        QVERIFY(r.prouve);
        QCOMPARE(r.meilleur, 1);
        QCOMPARE(c.retenir(d, r).meilleur, 1);
        Position p = d;
        for (std::size_t i = 0; i < r.ligne.size(); ++i) {
            p = jouer(p, r.ligne[i]);
            const auto e = c.pour(p);
            QVERIFY(e && e->prouve && e->meilleur == 1);
            QCOMPARE(rejouer(p, e->ligne), 1);
        }
        // The search cut short finds some line; joined with the one kept,
        // the answer is never worse than it.
        std::stop_source arret;
        arret.request_stop();
        const Position q = jouer(jouer(d, r.ligne[0]), r.ligne[1]);
        const Reponse court = resoudre(q, 1s, arret.get_token());
        const Reponse j = c.retenir(q, court);
        QCOMPARE(j.meilleur, 1);
        QVERIFY(j.prouve);
        QCOMPARE(rejouer(q, j.ligne), 1);
        QCOMPARE(resoudre_avec(c, q, 1s, arret.get_token()).meilleur, 1);

        // An unproven line: a bound, not a proof.
        Certificats b;
        std::mt19937 rng(4);
        const Position m = au_hasard(1, 8, rng);
        Reponse faux{};
        faux.meilleur = billes(m) - 2;
        faux.ligne = {tous_les_sauts(m)[0]};
        faux.ligne.push_back(tous_les_sauts(jouer(m, faux.ligne[0]))[0]);
        b.retenir(m, faux);
        const auto borne = b.pour(jouer(m, faux.ligne[0]));
        QVERIFY(borne && !borne->prouve);
        QCOMPARE(borne->meilleur, billes(m) - 2);
        Reponse pire = faux;
        pire.meilleur = billes(m) - 1;
        pire.ligne.pop_back();
        QCOMPARE(b.retenir(m, pire).meilleur, billes(m) - 2);
        // Not a line from its position: not kept.
        Reponse mensonge = faux;
        mensonge.meilleur = 1;
        QCOMPARE(b.retenir(depart(1), mensonge).meilleur, 1);
        QVERIFY(!b.pour(depart(1)));

        // A target: the rest of a line to it reaches it too.
        Position t = depart(1);
        t.cible = 25;
        const Reponse rt = resoudre(t, 5s);
        QCOMPARE(rt.cible, Cible::atteignable);
        Certificats ct;
        ct.retenir(t, rt);
        const auto suite = ct.pour(jouer(t, rt.ligne[0]));
        QVERIFY(suite && definitive(*suite));
        QCOMPARE(suite->cible, Cible::atteignable);
        Position fin;
        QCOMPARE(rejouer(jouer(t, rt.ligne[0]), suite->ligne, &fin), 1);
        QCOMPARE(fin.billes, bit(25));
    }
};

QTEST_GUILESS_MAIN(TestSolveur)
#include "test_solver.moc"
