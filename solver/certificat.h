#pragma once
// Lines already found are certificates. A line from a position to N marbles
// shows that N can be reached from every position along it; when the count
// of the first position was proven, the rest of the line is proven too (what
// can be left from a later position can be left from the first). So once a
// line has been seen, an answer for a position on it never reports more
// than the line leaves, and the position after its first jump is proven at
// once. A line down to one marble is a proof by itself.
#include "solver/solveur.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <stop_token>
#include <unordered_map>
#include <vector>

namespace trelmo::solveur {

class Certificats {
public:
    // Keeps the positions of some `capacite` lines' worth: beyond that the
    // oldest half is forgotten.
    explicit Certificats(std::size_t capacite = 1 << 15) : capacite_(capacite) {}

    // What the lines kept give for p: the rest of the best line through it.
    std::optional<Reponse> pour(const Position& p) const;
    // Keeps the line of r, an answer for p, and returns the answer to give:
    // r joined with what the lines kept give (the fewer marbles, the proof
    // of either). A line that does not replay from p is not kept.
    Reponse retenir(const Position& p, Reponse r);
    void vider();

private:
    struct Cle {
        Position p;
        bool operator==(const Cle& o) const
        {
            return p.trous == o.p.trous && p.billes == o.p.billes && p.barres == o.p.barres && p.cible == o.p.cible;
        }
    };
    struct Hachage {
        std::size_t operator()(const Cle& c) const;
    };
    struct Entree {
        std::shared_ptr<const std::vector<Saut>> ligne;
        std::size_t debut = 0;   // the rest of the line from this position
        int meilleur = 0;
        bool prouve = false;
        Cible cible = Cible::aucune;
    };
    using Carte = std::unordered_map<Cle, Entree, Hachage>;

    const Entree* trouver(const Position& p) const;
    void ranger(const Position& p, const Entree& e);

    std::size_t capacite_;
    Carte recentes_, anciennes_;
};

// Whether an answer settles its position: the count proven and, with a
// target, whether the target can be reached known.
bool definitive(const Reponse& r);

// The answer for p: from the lines kept when they settle it, else the
// search's answer joined with them (and kept).
Reponse resoudre_avec(Certificats& c, const Position& p, std::chrono::milliseconds budget, std::stop_token arret = {});

} // namespace trelmo::solveur
