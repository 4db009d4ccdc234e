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

} // namespace trelmo::solveur::interne
