#include "solver/transpo.h"

#include <atomic>
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

std::atomic<std::uint64_t>* cases()
{
    static const std::unique_ptr<std::atomic<std::uint64_t>[]> c(new std::atomic<std::uint64_t>[std::size_t{1} << kBits]());
    return c.get();
}

std::size_t place(int plateau, Masque cle)
{
    return static_cast<std::size_t>(((cle ^ static_cast<std::uint64_t>(plateau) << kPlateau) * 0x9E3779B97F4A7C15ull) >> (64 - kBits));
}

} // namespace

int minorant(int plateau, Masque cle)
{
    std::atomic<std::uint64_t>* c = cases();
    const std::uint64_t nom = cle | static_cast<std::uint64_t>(plateau) << kPlateau;
    constexpr std::uint64_t kNom = (std::uint64_t{1} << kMinorant) - 1;
    std::size_t i = place(plateau, cle);
    for (int k = 0; k < kSondes; ++k, i = (i + 1) & ((std::size_t{1} << kBits) - 1)) {
        const std::uint64_t e = c[i].load(std::memory_order_relaxed);
        if (e == 0) return 0;
        if ((e & kNom) == nom) return static_cast<int>(e >> kMinorant);
    }
    return 0;
}

void noter_minorant(int plateau, Masque cle, int m)
{
    std::atomic<std::uint64_t>* c = cases();
    const std::uint64_t nom = cle | static_cast<std::uint64_t>(plateau) << kPlateau;
    constexpr std::uint64_t kNom = (std::uint64_t{1} << kMinorant) - 1;
    const std::uint64_t e = nom | static_cast<std::uint64_t>(m) << kMinorant;
    const std::size_t debut = place(plateau, cle);
    std::size_t i = debut;
    for (int k = 0; k < kSondes; ++k, i = (i + 1) & ((std::size_t{1} << kBits) - 1)) {
        const std::uint64_t x = c[i].load(std::memory_order_relaxed);
        if (x == 0 || (x & kNom) == nom) {
            if (x == 0 || static_cast<int>(x >> kMinorant) < m) c[i].store(e, std::memory_order_relaxed);
            return;
        }
    }
    c[debut].store(e, std::memory_order_relaxed);
}

} // namespace partagee

} // namespace trelmo::solveur::interne
