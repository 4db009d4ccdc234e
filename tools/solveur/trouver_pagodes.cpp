// Finds the pagoda functions the solver prunes with, by integer linear
// programming (it runs glpsol, from Debian's glpk-utils), and writes them as
// the source file solver/pagodes_donnees.inc.
//   trelmo-pagodes FICHIER [PARTIES]
//
// For each standard board, positions met in random play (fixed seed) are
// paired with every small final set of marbles of their class (one or two
// marbles, three on the English and French boards). When no pagoda found so
// far, nor any of its symmetric images, shows that the position cannot reach
// the final set, the program asks glpsol for integer weights in -6..6 with
// w(from) + w(over) >= w(to) for every jump that maximise w(final) - w(position);
// a positive optimum is a new pagoda. The solver later keeps, for each final
// set, the pagodas that come closest to excluding it.
#include "solver/regles.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace trelmo::solveur;
using namespace trelmo::solveur::interne;

namespace {

using Poids = std::array<int, kTrous + 1>;

Poids image_poids(int sym, const Poids& w)
{
    Poids r{};
    for (int h = 1; h <= kTrous; ++h) r[static_cast<std::size_t>(image(sym, h))] = w[static_cast<std::size_t>(h)];
    return r;
}

Poids canonique_poids(const Poids& w)
{
    Poids m = w;
    for (int s = 1; s < 8; ++s) m = std::min(m, image_poids(s, w));
    return m;
}

int valeur(const Poids& w, Masque b)
{
    int s = 0;
    for (; b; b &= b - 1) s += w[static_cast<std::size_t>(std::countr_zero(b) + 1)];
    return s;
}

std::string nom(int h) { return "w" + std::to_string(h); }

// The integer pagoda that best separates `but` from `position`, or nothing
// when no pagoda does.
bool resoudre_pl(const std::vector<Triplet>& sauts, Masque trous, Masque position, Masque but, const std::string& dossier,
                 Poids& w)
{
    std::array<int, kTrous + 1> coef{};
    for (Masque b = but; b; b &= b - 1) ++coef[static_cast<std::size_t>(std::countr_zero(b) + 1)];
    for (Masque b = position; b; b &= b - 1) --coef[static_cast<std::size_t>(std::countr_zero(b) + 1)];
    std::ostringstream pl;
    pl << "Maximize\n obj:";
    bool vide = true;
    for (int h = 1; h <= kTrous; ++h)
        if (coef[static_cast<std::size_t>(h)] != 0) {
            pl << (coef[static_cast<std::size_t>(h)] > 0 ? " + " : " - ") << std::abs(coef[static_cast<std::size_t>(h)]) << ' ' << nom(h);
            vide = false;
        }
    if (vide) return false;
    pl << "\nSubject To\n";
    int i = 0;
    for (const Triplet& t : sauts)
        pl << " j" << i++ << ": " << nom(t.de) << " + " << nom(t.par) << " - " << nom(t.vers) << " >= 0\n";
    pl << "Bounds\n";
    for (int h = 1; h <= kTrous; ++h)
        if (trous & bit(h)) pl << " -6 <= " << nom(h) << " <= 6\n";
    pl << "General\n";
    for (int h = 1; h <= kTrous; ++h)
        if (trous & bit(h)) pl << ' ' << nom(h) << '\n';
    pl << "End\n";
    const std::string entree = dossier + "/p.lp", sortie = dossier + "/p.out";
    {
        std::ofstream f(entree);
        f << pl.str();
    }
    std::remove(sortie.c_str());
    const std::string commande = "glpsol --lp '" + entree + "' -o '" + sortie + "' > /dev/null 2>&1";
    if (std::system(commande.c_str()) != 0) return false;
    std::ifstream f(sortie);
    std::string ligne;
    w.fill(0);
    bool optimal = false;
    while (std::getline(f, ligne)) {
        if (ligne.rfind("Status:", 0) == 0) optimal = ligne.find("OPTIMAL") != std::string::npos;
        std::istringstream l(ligne);
        std::vector<std::string> mots;
        for (std::string m; l >> m;) mots.push_back(m);
        if (mots.size() >= 3 && mots[1].size() > 1 && mots[1][0] == 'w' && std::isdigit(static_cast<unsigned char>(mots[1][1]))) {
            const int h = std::atoi(mots[1].c_str() + 1);
            const std::string& v = mots[2] == "*" && mots.size() >= 4 ? mots[3] : mots[2];
            if (h >= 1 && h <= kTrous) w[static_cast<std::size_t>(h)] = static_cast<int>(std::lround(std::atof(v.c_str())));
        }
    }
    if (!optimal) return false;
    for (const Triplet& t : sauts)
        if (w[t.de] + w[t.par] < w[t.vers]) return false;
    return valeur(w, but) > valeur(w, position);
}

// Final sets: one, two or three holes whose class is `c`.
std::vector<Masque> buts(Masque trous, int c, int taille)
{
    std::vector<int> h;
    for (int t = 1; t <= kTrous; ++t)
        if (trous & bit(t)) h.push_back(t);
    std::vector<Masque> r;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (classe_trou(h[i]) == c) r.push_back(bit(h[i]));
        if (taille < 2) continue;
        for (std::size_t j = i + 1; j < h.size(); ++j) {
            const int cij = classe_trou(h[i]) ^ classe_trou(h[j]);
            if (cij == c) r.push_back(bit(h[i]) | bit(h[j]));
            if (taille < 3) continue;
            for (std::size_t k = j + 1; k < h.size(); ++k)
                if ((cij ^ classe_trou(h[k])) == c) r.push_back(bit(h[i]) | bit(h[j]) | bit(h[k]));
        }
    }
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: trelmo-pagodes FICHIER [PARTIES]\n");
        return 2;
    }
    const int parties = argc > 2 ? std::max(1, std::atoi(argv[2])) : 12;
    char modele[] = "/tmp/trelmo-pagodes-XXXXXX";
    if (!mkdtemp(modele)) return 1;
    const std::string dossier = modele;

    std::ofstream out(argv[1]);
    out << "// Pagoda functions of the three standard boards: {board, weights of holes 1-49}.\n"
           "// Written by trelmo-pagodes (tools/solveur/trouver_pagodes.cpp); do not edit.\n";
    for (int plateau = 1; plateau <= 3; ++plateau) {
        Position depart;
        depart.trous = trous_du_plateau(plateau);
        depart.billes = depart.trous & ~bit(25);
        const std::vector<Triplet> sauts = sauts_permis(depart);
        const Regles regles = regles_de(depart);

        std::mt19937 rng(7771u + static_cast<unsigned>(plateau));
        std::vector<Masque> echantillons;
        for (int g = 0; g < parties; ++g) {
            Masque b = depart.billes;
            for (;;) {
                std::vector<const Triplet*> possibles;
                for (const Triplet& t : regles.sauts)
                    if ((b & t.sm) == t.sm && !(b & t.v)) possibles.push_back(&t);
                if (possibles.empty()) break;
                b ^= possibles[rng() % possibles.size()]->tout;
                if (compter(b) >= 4 && rng() % 3 == 0) echantillons.push_back(b);
            }
        }
        std::vector<Poids> famille, images;
        std::set<Poids> connus;
        int nb_pl = 0;
        for (const Masque p : echantillons) {
            const int taille = plateau == 3 ? 2 : 3;
            for (const Masque g : buts(depart.trous, classe(p), taille)) {
                bool exclu = false;
                for (const Poids& w : images)
                    if (valeur(w, g) > valeur(w, p)) {
                        exclu = true;
                        break;
                    }
                if (exclu) continue;
                Poids w;
                ++nb_pl;
                if (!resoudre_pl(sauts, depart.trous, p, g, dossier, w)) continue;
                const Poids c = canonique_poids(w);
                if (!connus.insert(c).second) continue;
                famille.push_back(c);
                for (int s = 0; s < 8; ++s) images.push_back(image_poids(s, c));
            }
        }
        for (const Poids& w : famille) {
            out << '{' << plateau << ", {";
            for (int h = 1; h <= kTrous; ++h) out << w[static_cast<std::size_t>(h)] << (h < kTrous ? "," : "");
            out << "}},\n";
        }
        std::printf("board %d: %zu positions, %d programs solved, %zu pagodas\n", plateau, echantillons.size(), nb_pl,
                    famille.size());
        std::fflush(stdout);
    }
    std::remove((dossier + "/p.lp").c_str());
    std::remove((dossier + "/p.out").c_str());
    rmdir(dossier.c_str());
    return out ? 0 : 1;
}
