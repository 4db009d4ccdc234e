#pragma once
// Precomputed tables: the fewest marbles that can be left from every position
// reached from a board's standard start, for positions with many marbles
// (below that the search is fast). A table is a sorted array of entries
// (position << 8 | count), the position being the smallest of its eight
// symmetric images, behind a header with a checksum. A table that is missing
// or fails any check is not used: the solver then searches.
#include "solver/geometrie.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trelmo::solveur::interne {

struct EnTeteTable {
    char magie[8];            // "TRELMOTB"
    std::uint32_t version;
    std::uint32_t plateau;    // 1 English, 2 French, 3 the 45-hole board
    std::uint32_t seuil;      // positions with at least this many marbles
    std::uint32_t reserve;
    std::uint64_t nombre;     // entries
    std::uint64_t somme;      // checksum of the entries
};

constexpr std::uint32_t kVersionTable = 1;

class Table {
public:
    // Reads and checks a table file; false (and an empty table) on any fault.
    bool charger(const std::string& chemin, int plateau);
    bool vide() const { return entrees_.empty(); }
    int seuil() const { return seuil_; }
    std::size_t taille() const { return entrees_.size(); }
    // The fewest marbles that can be left from the canonical position `cle`,
    // or -1 when the table does not hold it.
    int valeur(Masque cle) const;

private:
    std::vector<std::uint64_t> entrees_;
    int seuil_ = 0;
};

std::uint64_t somme_controle(const std::vector<std::uint64_t>& entrees);
std::string nom_table(int plateau);
// Writes a table; entries sorted by the caller.
bool ecrire_table(const std::string& chemin, int plateau, int seuil, const std::vector<std::uint64_t>& entrees);

// The table of a standard board, loaded on the first use after a directory
// was chosen (once: later choices do not reload); nullptr when there is none.
const Table* table_du_plateau(int plateau);
void choisir_repertoire(const std::string& repertoire);
void charger_tables();

} // namespace trelmo::solveur::interne
