#include "game/historique.h"

#include <utility>

namespace trelmo {

void Historique::noter(const Grille& avant, int32_t nb_repos, Coup coup)
{
    annulables_.push_back(Pas{avant, nb_repos, coup});
    refaisables_.clear();
}

Historique::Pas Historique::annuler()
{
    Pas p = std::move(annulables_.back());
    annulables_.pop_back();
    refaisables_.push_back(p);
    return p;
}

Historique::Pas Historique::refaire()
{
    Pas p = std::move(refaisables_.back());
    refaisables_.pop_back();
    annulables_.push_back(p);
    return p;
}

void Historique::remettre(std::vector<Pas> annulables, std::vector<Pas> refaisables)
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
