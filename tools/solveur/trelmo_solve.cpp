// trelmo-solve: the fewest marbles that can be left from a position, and a
// line of jumps that leaves them.
//   trelmo-solve [--json] [--budget-ms N] [FILE]
// FILE (or standard input when absent or "-") holds a saved game (1325
// bytes) or a board picture: up to 9 lines of up to 9 characters, 'o' a
// marble, '.' an empty hole, anything else no hole.
#include "solver/solveur.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace trelmo::solveur;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kTaillePartie = 1325;
constexpr std::size_t kDebutGrille = 29;

const char* const kUsage = "usage: trelmo-solve [--json] [--budget-ms N] [FILE]\n";

const char* const kAide =
    "usage: trelmo-solve [--json] [--budget-ms N] [FILE]\n"
    "\n"
    "Finds the fewest marbles that can be left from a Trelmo position and a line\n"
    "of jumps that leaves them.\n"
    "\n"
    "FILE is a saved game (the 1325-byte GAME file) or a board picture: up to 9\n"
    "lines of up to 9 characters, 'o' for a marble, '.' for an empty hole, any\n"
    "other character for no hole; a picture of 7 lines is centred on the board.\n"
    "Without FILE, or with '-', the position is read from standard input.\n"
    "\n"
    "  --json         one JSON object: {\"best\": N, \"proven\": true, \"line\": [...], \"ms\": T}\n"
    "  --budget-ms N  search time in milliseconds (default 1000)\n"
    "  --help         this text\n"
    "\n"
    "Output: 'best N', then 'proven' or 'unproven', then one jump a line as FROM-TO,\n"
    "columns a-i from the left, rows 1-9 from the top (e3-e5).\n"
    "Exit status: 0 solved, 2 bad option or bad input.\n";

struct Erreur {
    std::string texte;
};

int trou_de(int col, int lig)
{
    for (int t = 1; t <= 49; ++t) {
        const std::string n = nom_trou(t);
        if (n[0] - 'a' + 1 == col && n[1] - '0' == lig) return t;
    }
    return 0;
}

Position depuis_partie(const std::string& octets)
{
    std::array<std::int32_t, 324> grille{};
    for (std::size_t i = 0; i < grille.size(); ++i) {
        const auto* p = reinterpret_cast<const unsigned char*>(octets.data() + kDebutGrille + 4 * i);
        grille[i] = static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
                                              | std::uint32_t(p[3]) << 24);
    }
    Masque tous = 0;
    for (int t = 1; t <= 49; ++t) tous |= bit(t);
    const Position p = depuis_grille(grille, tous);
    if (p.trous == 0) throw Erreur{"the saved game has no hole on its board"};
    return p;
}

Position depuis_image(const std::string& texte)
{
    std::vector<std::string> lignes;
    std::string ligne;
    std::istringstream flux(texte);
    while (std::getline(flux, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        lignes.push_back(ligne);
    }
    while (!lignes.empty() && lignes.back().find_first_not_of(" \t") == std::string::npos) lignes.pop_back();
    if (lignes.size() > 9) throw Erreur{"the picture has more than 9 lines"};
    std::size_t largeur = 0;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i].size() > 9)
            throw Erreur{"line " + std::to_string(i + 1) + " of the picture is longer than 9 characters"};
        largeur = std::max(largeur, lignes[i].size());
    }
    // A 7 x 7 picture stands for the middle of the board.
    const int dl = lignes.size() == 7 ? 1 : 0;
    const int dc = lignes.size() == 7 && largeur <= 7 ? 1 : 0;
    Position p;
    for (std::size_t i = 0; i < lignes.size(); ++i)
        for (std::size_t j = 0; j < lignes[i].size(); ++j) {
            const char c = lignes[i][j];
            if (c != 'o' && c != '.') continue;
            const int col = int(j) + 1 + dc, lig = int(i) + 1 + dl;
            const int t = trou_de(col, lig);
            if (t == 0)
                throw Erreur{"line " + std::to_string(i + 1) + ", column " + std::to_string(j + 1)
                             + ": no hole of the board stands there"};
            p.trous |= bit(t);
            if (c == 'o') p.billes |= bit(t);
        }
    if (p.trous == 0) throw Erreur{"the picture holds no hole ('o' for a marble, '.' for an empty hole)"};
    return p;
}

// The directory of the tables: beside the executable, else in ../share/trelmo.
std::string repertoire_tables(const char* argv0)
{
    std::error_code e;
    fs::path exe = fs::read_symlink("/proc/self/exe", e);
    if (e) exe = fs::absolute(argv0, e);
    const fs::path ici = exe.parent_path();
    if (fs::exists(ici / "trelmo-anglais.tab", e)) return ici.string();
    return (ici.parent_path() / "share" / "trelmo").string();
}

std::string nom_saut(const Saut& s) { return nom_trou(s.de) + "-" + nom_trou(s.vers); }

} // namespace

int main(int argc, char** argv)
{
    bool json = false;
    long budget = 1000;
    std::optional<std::string> fichier;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kAide;
            return 0;
        }
        if (a == "--json") {
            json = true;
        } else if (a == "--budget-ms") {
            char* fin = nullptr;
            if (i + 1 >= argc || (budget = std::strtol(argv[i + 1], &fin, 10), *fin != '\0') || budget < 0
                || budget > 3'600'000 || fin == argv[i + 1]) {
                std::cerr << "trelmo-solve: --budget-ms wants a number of milliseconds (0-3600000)\n" << kUsage;
                return 2;
            }
            ++i;
        } else if (a.size() > 1 && a[0] == '-') {
            std::cerr << "trelmo-solve: unknown option " << a << "\n" << kUsage;
            return 2;
        } else if (fichier) {
            std::cerr << "trelmo-solve: one position at a time\n" << kUsage;
            return 2;
        } else {
            fichier = a;
        }
    }

    std::string octets;
    if (!fichier || *fichier == "-") {
        octets.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream f(*fichier, std::ios::binary);
        if (!f) {
            std::cerr << "trelmo-solve: cannot read " << *fichier << "\n";
            return 2;
        }
        octets.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }

    Position p;
    try {
        p = octets.size() == kTaillePartie ? depuis_partie(octets) : depuis_image(octets);
    } catch (const Erreur& e) {
        std::cerr << "trelmo-solve: " << e.texte << "\n";
        return 2;
    }

    definir_repertoire_tables(repertoire_tables(argv[0]));
    const Reponse r = resoudre(p, std::chrono::milliseconds(budget));
    if (json) {
        std::cout << "{\"best\": " << r.meilleur << ", \"proven\": " << (r.prouve ? "true" : "false") << ", \"line\": [";
        for (std::size_t i = 0; i < r.ligne.size(); ++i) std::cout << (i ? ", " : "") << '"' << nom_saut(r.ligne[i]) << '"';
        char ms[32];
        std::snprintf(ms, sizeof ms, "%.1f", r.ms);
        std::cout << "], \"ms\": " << ms << "}\n";
    } else {
        std::cout << "best " << r.meilleur << "\n" << (r.prouve ? "proven" : "unproven") << "\n";
        for (const Saut& s : r.ligne) std::cout << nom_saut(s) << "\n";
    }
    return 0;
}
