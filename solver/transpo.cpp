#include "solver/transpo.h"

#include <atomic>
#include <cstdlib>
#include <memory>

namespace trelmo::solveur::interne {

namespace {
constexpr std::size_t kDepart = std::size_t{1} << 12;
}

Transpo::Transpo(std::size_t limite_octets)
{
    limite_ = kDepart;
    while (limite_ * 2 * sizeof(std::uint64_t) <= limite_octets) limite_ *= 2;
    v_.assign(kDepart, 0);
    masque_ = kDepart - 1;
    decalage_ = 64 - std::countr_zero(kDepart);
}

std::uint64_t Transpo::lire(Masque cle) const
{
    std::size_t i = place(cle);
    for (int k = 0; k < kSondes; ++k, i = (i + 1) & masque_) {
        const std::uint64_t e = v_[i];
        if (e == 0) return 0;
        if ((e & kCle) == cle) return e >> kDecalage;
    }
    return 0;
}

void Transpo::ecrire(Masque cle, std::uint64_t info)
{
    if (nb_ * 2 > v_.size() && v_.size() < limite_) grandir();
    const std::uint64_t e = cle | info << kDecalage;
    std::size_t i = place(cle);
    for (int k = 0; k < kSondes; ++k, i = (i + 1) & masque_) {
        const std::uint64_t x = v_[i];
        if (x == 0) {
            v_[i] = e;
            ++nb_;
            return;
        }
        if ((x & kCle) == cle) {
            v_[i] = e;
            return;
        }
    }
    // Full neighbourhood: the home slot gives way.
    v_[place(cle)] = e;
}

void Transpo::grandir()
{
    std::vector<std::uint64_t> ancien(v_.size() * 2, 0);
    ancien.swap(v_);
    masque_ = v_.size() - 1;
    decalage_ = 64 - std::countr_zero(v_.size());
    nb_ = 0;
    for (std::uint64_t e : ancien)
        if (e != 0) ecrire(e & kCle, e >> kDecalage);
}

namespace partagee {

namespace {

constexpr int kBits = 21;
constexpr int kSondes = 4;
constexpr int kPlateau = kTrous;          // 2 bits
constexpr int kMinorant = kTrous + 2;     // 6 bits

// Zeroed by the system page by page as they are first touched: the table
// costs memory as the searches fill it.
std::uint64_t* cases()
{
    static const std::unique_ptr<std::uint64_t, decltype(&std::free)> c(
        static_cast<std::uint64_t*>(std::calloc(std::size_t{1} << kBits, sizeof(std::uint64_t))), &std::free);
    return c.get();
}

std::uint64_t lire(std::uint64_t* c, std::size_t i) { return std::atomic_ref<std::uint64_t>(c[i]).load(std::memory_order_relaxed); }
void ecrire(std::uint64_t* c, std::size_t i, std::uint64_t e) { std::atomic_ref<std::uint64_t>(c[i]).store(e, std::memory_order_relaxed); }

std::size_t place(int plateau, Masque cle)
{
    return static_cast<std::size_t>(((cle ^ static_cast<std::uint64_t>(plateau) << kPlateau) * 0x9E3779B97F4A7C15ull) >> (64 - kBits));
}

} // namespace

int minorant(int plateau, Masque cle)
{
    std::uint64_t* c = cases();
    if (!c) return 0;
    const std::uint64_t nom = cle | static_cast<std::uint64_t>(plateau) << kPlateau;
    constexpr std::uint64_t kNom = (std::uint64_t{1} << kMinorant) - 1;
    std::size_t i = place(plateau, cle);
    for (int k = 0; k < kSondes; ++k, i = (i + 1) & ((std::size_t{1} << kBits) - 1)) {
        const std::uint64_t e = lire(c, i);
        if (e == 0) return 0;
        if ((e & kNom) == nom) return static_cast<int>(e >> kMinorant);
    }
    return 0;
}

void noter_minorant(int plateau, Masque cle, int m)
{
    std::uint64_t* c = cases();
    if (!c) return;
    const std::uint64_t nom = cle | static_cast<std::uint64_t>(plateau) << kPlateau;
    constexpr std::uint64_t kNom = (std::uint64_t{1} << kMinorant) - 1;
    const std::uint64_t e = nom | static_cast<std::uint64_t>(m) << kMinorant;
    const std::size_t debut = place(plateau, cle);
    std::size_t i = debut;
    for (int k = 0; k < kSondes; ++k, i = (i + 1) & ((std::size_t{1} << kBits) - 1)) {
        const std::uint64_t x = lire(c, i);
        if (x == 0 || (x & kNom) == nom) {
            if (x == 0 || static_cast<int>(x >> kMinorant) < m) ecrire(c, i, e);
            return;
        }
    }
    ecrire(c, debut, e);
}

void oublier()
{
    std::uint64_t* c = cases();
    if (!c) return;
    for (std::size_t i = 0; i < (std::size_t{1} << kBits); ++i) ecrire(c, i, 0);
}

} // namespace partagee

} // namespace trelmo::solveur::interne
