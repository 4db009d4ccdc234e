// Arbitrary bytes as what trelmo-solve reads: a saved game or a picture,
// then (after a '|', for anything but a saved game) jumps as trelmo-solve
// takes them, separated by blanks. The reader must neither crash nor
// read out of bounds, and whatever it accepts must hold: marbles on holes
// only, the jumps it names allowed, and the answers for the position (with
// the lines kept as certificates) lines that replay. libFuzzer entry point;
// built without libFuzzer, main() runs it over pseudo-random inputs.
#include "solver/certificat.h"
#include "solver/entree.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

using namespace trelmo::solveur;

namespace {

#define VERIFIE(cond)                                                                        \
    do {                                                                                     \
        if (!(cond)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                    \
        }                                                                                    \
    } while (0)

bool permis(const Position& p, const Saut& s)
{
    for (const Saut& t : sauts_possibles(p))
        if (t == s) return true;
    return false;
}

// The marbles the line leaves, or -1 when one of its jumps is not allowed;
// `fin` the position it ends on.
int rejouer(Position p, const std::vector<Saut>& ligne, Position& fin)
{
    for (const Saut& s : ligne) {
        if (!permis(p, s)) return -1;
        p = jouer(p, s);
    }
    fin = p;
    return std::popcount(p.billes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view octets(reinterpret_cast<const char*>(data), size), sauts;
    if (size != kTaillePartie && octets.find('|') != std::string_view::npos) {
        sauts = octets.substr(octets.find('|') + 1);
        octets = octets.substr(0, octets.find('|'));
    }
    const Lu<Position> lu = lire_position(octets);
    VERIFIE(lu.valeur.has_value() != !lu.erreur.empty());
    if (!lu.valeur) return 0;
    Position p = *lu.valeur;
    VERIFIE(p.trous != 0 && (p.billes & ~p.trous) == 0 && p.trous < (Masque{1} << 49));
    // Every allowed jump read back from its name; the jumps of the input
    // read as allowed ones or refused.
    for (const Saut& s : sauts_possibles(p)) {
        const Lu<Saut> r = lire_saut(nom_trou(s.de) + "-" + nom_trou(s.vers), p);
        VERIFIE(r.valeur && *r.valeur == s);
    }
    Certificats c;
    std::vector<Position> suite{p};
    while (!sauts.empty() && suite.size() < 8) {
        const std::size_t fin = std::min(sauts.find(' '), sauts.size());
        const Lu<Saut> r = lire_saut(sauts.substr(0, fin), suite.back());
        sauts.remove_prefix(std::min(fin + 1, sauts.size()));
        VERIFIE(r.valeur.has_value() != !r.erreur.empty());
        if (r.valeur) {
            VERIFIE(permis(suite.back(), *r.valeur));
            suite.push_back(jouer(suite.back(), *r.valeur));
        }
    }
    // Small positions are solved, one after the other, as trelmo-solve does.
    if (std::popcount(p.billes) <= 14)
        for (const Position& q : suite) {
            const Reponse r = resoudre_avec(c, q, std::chrono::milliseconds(3));
            Position fin;
            VERIFIE(rejouer(q, r.ligne, fin) == r.meilleur);
            VERIFIE(!r.prouve || sauts_possibles(fin).empty());
        }
    return 0;
}

#ifndef TRELMO_LIBFUZZER
// Pictures and saved games, damaged: characters changed, lines added,
// jumps after them; and plain random bytes around the record's size.
int main(int argc, char** argv)
{
    const long nombre = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 2000;
    std::mt19937 alea(20261211u);
    const std::string images[] = {
        "  ooo\n  ooo\nooooooo\nooo.ooo\nooooooo\n  ooo\n  ooo\n",
        "  ooo\n ooooo\nooooooo\nooo.ooo\nooooooo\n ooooo\n  ooo\n",
        "   ooo\n   ooo\n   ooo\nooooooooo\noooo.oooo\nooooooooo\n   ooo\n   ooo\n   ooo\n",
        "  ...\n  ...\n..o....\n...oo..\n....o..\n  .o.\n  ...\n",
    };
    const char morceaux[] = "o.o. \n\r\t#-e3-e5";
    for (long k = 0; k < nombre; ++k) {
        std::string e;
        if (k % 3 == 0) {
            static const std::size_t tailles[] = {0, 1, 99, 1324, 1325, 1326, 4096, 4097};
            e.resize(alea() % 2 ? tailles[alea() % 8] : alea() % 1400);
            for (char& c : e) c = static_cast<char>(alea() % 4 ? morceaux[alea() % (sizeof morceaux - 1)] : alea());
        } else {
            e = images[alea() % 4];
            for (std::size_t i = alea() % 4; i > 0; --i) e[alea() % e.size()] = morceaux[alea() % (sizeof morceaux - 1)];
            if (alea() % 4 == 0) e += std::string(alea() % 4, '\n');
            if (alea() % 2 == 0) e += alea() % 2 ? "|e3-e5 c4-e4 d6-d4" : "|d4-d6 e4-c4";
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(e.data()), e.size());
    }
    std::printf("%ld inputs without a fault\n", nombre);
    return 0;
}
#endif
