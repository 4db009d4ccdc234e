#pragma once
// A bounded transposition table keyed by positions (49 bits); the other 15
// bits of an entry hold what is known of the position. It starts small and
// doubles up to its limit, then overwrites.
#include "solver/geometrie.h"

#include <cstdint>
#include <vector>

namespace trelmo::solveur::interne {

class Transpo {
public:
    static constexpr int kDecalage = kTrous;      // information bits start here
    static constexpr std::uint64_t kCle = kTous;

    explicit Transpo(std::size_t limite_octets = std::size_t{16} << 20);

    // The information stored for `cle`, 0 when none.
    std::uint64_t lire(Masque cle) const;
    // Replaces the information stored for `cle`.
    void ecrire(Masque cle, std::uint64_t info);

private:
    static constexpr int kSondes = 8;
    std::size_t place(Masque cle) const { return static_cast<std::size_t>((cle * 0x9E3779B97F4A7C15ull) >> decalage_); }
    void grandir();

    std::vector<std::uint64_t> v_;
    std::size_t masque_ = 0, nb_ = 0, limite_ = 0;
    int decalage_ = 0;
};

// What the searches of the whole process have proven of the positions of the
// standard boards: for a position (smallest of its eight images) and a board,
// that no line leaves fewer than some count. Facts of a position hold
// whatever search found them, so the hint of the next move starts from what
// the last one learnt. Fixed size (16 MB, taken on first use); entries are
// single atomic words, so that threads share it without locks; an entry
// may give way to another, which only loses a fact.
namespace partagee {
// The proven lower bound of `cle` on `plateau` (1-3), 0 when unknown.
int minorant(int plateau, Masque cle);
void noter_minorant(int plateau, Masque cle, int minorant);
// Forgets every fact (while no search runs): the next search starts as the
// first of a process.
void oublier();
} // namespace partagee

} // namespace trelmo::solveur::interne
