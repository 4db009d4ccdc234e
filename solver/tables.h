#pragma once
// Precomputed tables: the fewest marbles that can be left from every position
// reached from a board's standard start, for positions with many marbles
// (below that the search is fast). A table is a sorted array of entries
// (position << 8 | count), the position being the smallest of its eight
// symmetric images, behind a header with a checksum. A filter may follow:
// a Bloom filter of the positions reached from the start, with fewer marbles
// than the entries, from which `filtre_valeur` marbles can be left. A
// position reached from the start that the filter does not hold cannot get
// down to that count; the filter says nothing of other positions. A table
// that is missing or fails any check is not used: the solver then searches.
//
// Tables are mapped, not read. Opening one checks that it is a regular file
// of at most kTailleMaxTable bytes whose size is the one its header gives;
// the checksum and the order of the entries are checked in full before the
// first entry or filter word is used, once per process, so that a call that
// never needs a table never reads it.
#include "solver/geometrie.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace trelmo::solveur::interne {

struct EnTeteTable {
    char magie[8];                // "TRELMOTB"
    std::uint32_t version;
    std::uint32_t plateau;        // 1 English, 2 French, 3 the 45-hole board
    std::uint32_t seuil;          // positions with at least this many marbles
    std::uint32_t filtre_de;      // the filter's positions have filtre_de to seuil - 1 marbles
    std::uint64_t nombre;         // entries
    std::uint64_t somme;          // checksum of the other fields, the entries and the filter
    std::uint64_t filtre_mots;    // 64-bit words of the filter: 0 or a power of two
    std::uint32_t filtre_valeur;  // what the filter's positions can be brought down to
    std::uint32_t reserve;
};

constexpr std::uint32_t kVersionTable = 2;
// No table of a standard board comes near this; a larger file is refused
// unread.
constexpr std::uint64_t kTailleMaxTable = std::uint64_t{64} << 20;

// The Bloom filter: five bits of one 64-bit word for each position.
void filtre_ajouter(std::vector<std::uint64_t>& mots, Masque cle);
bool filtre_contient(const std::vector<std::uint64_t>& mots, Masque cle);

class Table {
public:
    Table() = default;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;
    ~Table();

    // Maps and checks a table file in full; false (and an empty table) on
    // any fault.
    bool charger(const std::string& chemin, int plateau);
    // Maps a table file and checks its header and size; false (and an empty
    // table) on any fault. The rest of the check comes at the first use: a
    // table that fails it holds nothing from then on.
    bool ouvrir(const std::string& chemin, int plateau);
    // Runs the rest of the check now; false when the table is empty or fails it.
    bool verifier() const;

    bool vide() const { return carte_ == nullptr; }
    int seuil() const { return seuil_; }
    std::size_t taille() const { return nombre_; }
    // The fewest marbles that can be left from the canonical position `cle`,
    // or -1 when the table does not hold it.
    int valeur(Masque cle) const;
    // The filter: the counts it covers (filtre_de() to seuil() - 1, none
    // when filtre_de() is 0), and whether it may hold the canonical
    // position `cle`.
    int filtre_de() const { return filtre_de_; }
    int filtre_valeur() const { return filtre_valeur_; }
    bool filtre_peut_tenir(Masque cle) const;

private:
    void fermer();
    bool verifier_lentement() const;

    void* carte_ = nullptr;
    std::size_t taille_carte_ = 0;
    const std::uint64_t* entrees_ = nullptr;
    const std::uint64_t* filtre_ = nullptr;
    std::size_t nombre_ = 0, mots_ = 0;
    EnTeteTable en_tete_{};
    int seuil_ = 0, filtre_de_ = 0, filtre_valeur_ = 0;
    // 0 not checked yet, 1 good, 2 refused.
    mutable std::atomic<int> etat_{0};
    mutable std::mutex verrou_;
};

std::uint64_t somme_controle(const std::vector<std::uint64_t>& entrees, std::uint64_t depart = 0x243F6A8885A308D3ull);
std::string nom_table(int plateau);
// Writes a table (complete or not at all); entries sorted by the caller, the
// filter optional.
bool ecrire_table(const std::string& chemin, int plateau, int seuil, const std::vector<std::uint64_t>& entrees,
                  int filtre_de = 0, int filtre_valeur = 0, const std::vector<std::uint64_t>& filtre = {});

// The table of a standard board, opened on the first use after a directory
// was chosen (once: later choices do not reload); nullptr when there is none.
const Table* table_du_plateau(int plateau);
void choisir_repertoire(const std::string& repertoire);
// Opens the tables and checks them in full now.
void charger_tables();

} // namespace trelmo::solveur::interne
