#include "game/historique.h"

#include <utility>

namespace trelmo {

void Historique::noter(const Grille& avant, int32_t nb_repos, Coup coup)
{
    annulables_.push_back(Etape{avant, nb_repos, coup});
    refaisables_.clear();
}

Historique::Etape Historique::annuler()
{
    Etape p = std::move(annulables_.back());
    annulables_.pop_back();
    refaisables_.push_back(p);
    return p;
}

Historique::Etape Historique::refaire()
{
    Etape p = std::move(refaisables_.back());
    refaisables_.pop_back();
    annulables_.push_back(p);
    return p;
}

void Historique::remettre(std::vector<Etape> annulables, std::vector<Etape> refaisables)
{
    annulables_ = std::move(annulables);
    refaisables_ = std::move(refaisables);
}

void Historique::vider()
{
    annulables_.clear();
    refaisables_.clear();
}

} // namespace trelmo
