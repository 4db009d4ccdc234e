#include "solver/certificat.h"

#include <bit>

namespace trelmo::solveur {

namespace {

// How an answer ranks: the target reached first, then fewer marbles, then a proof.
bool meilleure(Cible ca, int ma, bool pa, Cible cb, int mb, bool pb)
{
    if ((ca == Cible::atteignable) != (cb == Cible::atteignable)) return ca == Cible::atteignable;
    if (ma != mb) return ma < mb;
    return pa && !pb;
}

// Where the line leads from p, or nothing when one of its jumps is not allowed.
std::optional<std::vector<Position>> etapes(const Position& p, const std::vector<Saut>& ligne)
{
    std::vector<Position> r{p};
    r.reserve(ligne.size() + 1);
    for (const Saut& s : ligne) {
        bool permis = false;
        for (const Saut& t : sauts_possibles(r.back())) permis = permis || t == s;
        if (!permis) return std::nullopt;
        r.push_back(jouer(r.back(), s));
    }
    return r;
}

} // namespace

std::size_t Certificats::Hachage::operator()(const Cle& c) const
{
    std::uint64_t h = c.p.billes * 0x9E3779B97F4A7C15ull ^ c.p.trous;
    for (Masque b : c.p.barres) h = (h ^ b) * 0xBF58476D1CE4E5B9ull;
    h ^= static_cast<std::uint64_t>(c.p.cible) << 56;
    return static_cast<std::size_t>(h ^ (h >> 31));
}

const Certificats::Entree* Certificats::trouver(const Position& p) const
{
    const Cle k{p};
    if (auto it = recentes_.find(k); it != recentes_.end()) return &it->second;
    if (auto it = anciennes_.find(k); it != anciennes_.end()) return &it->second;
    return nullptr;
}

void Certificats::ranger(const Position& p, const Entree& e)
{
    if (const Entree* deja = trouver(p)) {
        if (!meilleure(e.cible, e.meilleur, e.prouve, deja->cible, deja->meilleur, deja->prouve)) return;
    }
    if (recentes_.size() >= capacite_ / 2) {
        anciennes_ = std::move(recentes_);
        recentes_.clear();
    }
    recentes_[Cle{p}] = e;
}

std::optional<Reponse> Certificats::pour(const Position& p) const
{
    const Entree* e = trouver(p);
    if (!e) return std::nullopt;
    Reponse r;
    r.meilleur = e->meilleur;
    r.prouve = e->prouve;
    r.cible = e->cible;
    r.ligne.assign(e->ligne->begin() + static_cast<std::ptrdiff_t>(e->debut), e->ligne->end());
    return r;
}

Reponse Certificats::retenir(const Position& p, Reponse r)
{
    // Only a line that replays from p, leaves what it says and, when it says
    // so, ends on the target, is kept.
    auto valable = [&p](const Reponse& a) -> std::optional<std::vector<Position>> {
        auto pas = etapes(p, a.ligne);
        if (!pas || std::popcount(pas->back().billes) != a.meilleur
            || (a.cible == Cible::atteignable && pas->back().billes != bit(p.cible)))
            return std::nullopt;
        return pas;
    };
    auto pas = valable(r);
    const std::optional<Reponse> c = pour(p);
    if (!pas) {
        if (!c) return r;
        Reponse j = *c;
        j.ms = r.ms;
        return j;
    }
    if (c) {
        // The solver's answer and the kept line's: the better one, proven
        // when either proves that same count.
        const bool ligne_gagne = meilleure(c->cible, c->meilleur, c->prouve, r.cible, r.meilleur, r.prouve);
        const Reponse& autre = ligne_gagne ? r : *c;
        Reponse j = ligne_gagne ? *c : r;
        j.prouve = j.prouve || (autre.prouve && autre.meilleur == j.meilleur);
        if (j.cible != Cible::atteignable && (c->cible == Cible::impossible || r.cible == Cible::impossible))
            j.cible = Cible::impossible;
        j.ms = r.ms;
        if (ligne_gagne) pas = etapes(p, j.ligne);
        r = std::move(j);
    }
    // One marble left cannot be bettered.
    if (r.meilleur == 1) r.prouve = true;
    // Further along the line, the target is still reached when the line
    // reaches it, and still out of reach when it was.
    auto ligne = std::make_shared<const std::vector<Saut>>(r.ligne);
    for (std::size_t k = 0; pas && k < pas->size(); ++k) ranger((*pas)[k], Entree{ligne, k, r.meilleur, r.prouve, r.cible});
    return r;
}

void Certificats::vider()
{
    recentes_.clear();
    anciennes_.clear();
}

bool definitive(const Reponse& r) { return r.prouve && r.cible != Cible::inconnue; }

Reponse resoudre_avec(Certificats& c, const Position& p, std::chrono::milliseconds budget, std::stop_token arret)
{
    const auto debut = std::chrono::steady_clock::now();
    if (auto r = c.pour(p); r && definitive(*r)) {
        r->ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
        return *r;
    }
    return c.retenir(p, resoudre(p, budget, std::move(arret)));
}

} // namespace trelmo::solveur
