// trelmo-solve: the fewest marbles that can be left from a position, and a
// line of jumps that leaves them.
//   trelmo-solve [--json] [--budget-ms N] [FILE [JUMP...]]
// FILE (or standard input when absent or "-") holds a saved game (1325
// bytes) or a board picture: up to 9 lines of up to 9 characters, 'o' a
// marble, '.' an empty hole, anything else no hole. Each JUMP (e3-e5) leads
// to the next position to answer; the lines found along the way are kept as
// certificates, so that a position on a line already found is answered at
// once and never worse.
#include "solver/certificat.h"
#include "solver/entree.h"
#include "solver/solveur.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace trelmo::solveur;
namespace fs = std::filesystem;

namespace {

const char* const kUsage = "usage: trelmo-solve [--json] [--budget-ms N] [FILE [JUMP...]]\n";

const char* const kAide =
    "usage: trelmo-solve [--json] [--budget-ms N] [FILE [JUMP...]]\n"
    "\n"
    "Finds the fewest marbles that can be left from a Trelmo position and a line\n"
    "of jumps that leaves them.\n"
    "\n"
    "FILE is a saved game (the 1325-byte GAME file) or a board picture: up to 9\n"
    "lines of up to 9 characters, 'o' for a marble, '.' for an empty hole, any\n"
    "other character for no hole; a picture of 7 lines is centred on the board.\n"
    "Without FILE, or with '-', the position is read from standard input.\n"
    "Each JUMP (as e3-e5) is played in turn, and each position reached is answered\n"
    "as well; a position on a line found before is answered from that line.\n"
    "\n"
    "  --json         one JSON object: {\"best\": N, \"proven\": true, \"line\": [...], \"ms\": T}\n"
    "  --budget-ms N  search time in milliseconds (default 1000)\n"
    "  --help         this text\n"
    "\n"
    "Output: 'best N', then 'proven' or 'unproven', then one jump a line as FROM-TO,\n"
    "columns a-i from the left, rows 1-9 from the top (e3-e5); with JUMPs, one such\n"
    "answer a position, separated by blank lines (with --json, one object a line).\n"
    "Exit status: 0 solved, 1 the solver failed, 2 bad option or bad input.\n";

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

void ecrire(const Reponse& r, bool json)
{
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
}

int principal(int argc, char** argv)
{
    bool json = false;
    long budget = 1000;
    std::optional<std::string> fichier;
    std::vector<std::string> sauts;
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
        } else if (!fichier) {
            fichier = a;
        } else if (a.size() != 5 || a[2] != '-') {
            std::cerr << "trelmo-solve: \"" << a.substr(0, 16) << "\" is not a jump (FROM-TO, as e3-e5)\n" << kUsage;
            return 2;
        } else {
            sauts.push_back(a);
        }
    }

    const Lu<std::string> octets = !fichier || *fichier == "-" ? lire_descripteur(0, "standard input") : lire_fichier(*fichier);
    if (!octets.valeur) {
        std::cerr << "trelmo-solve: " << octets.erreur << "\n";
        return 2;
    }
    const Lu<Position> lu = lire_position(*octets.valeur);
    if (!lu.valeur) {
        std::cerr << "trelmo-solve: " << lu.erreur << "\n";
        return 2;
    }
    // Every jump checked before any answer.
    std::vector<Position> positions{*lu.valeur};
    for (const std::string& t : sauts) {
        const Lu<Saut> s = lire_saut(t, positions.back());
        if (!s.valeur) {
            std::cerr << "trelmo-solve: jump " << positions.size() << ": " << s.erreur << "\n";
            return 2;
        }
        positions.push_back(jouer(positions.back(), *s.valeur));
    }

    definir_repertoire_tables(repertoire_tables(argv[0]));
    Certificats certificats;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        if (i > 0 && !json) std::cout << "\n";
        ecrire(resoudre_avec(certificats, positions[i], std::chrono::milliseconds(budget)), json);
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return principal(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "trelmo-solve: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "trelmo-solve: the solver failed\n";
    }
    return 1;
}
