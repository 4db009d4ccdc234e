#include "solver/transpo.h"

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

} // namespace trelmo::solveur::interne
