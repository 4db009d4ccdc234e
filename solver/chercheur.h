#pragma once
// The search of one position, shared by its three files: recherche.cpp
// (the order of the steps, the final sets and the depth-first search),
// remonter.cpp (the backward pass from the final sets) and suivre_table.cpp
// (the lines a standard board's table leads down).
#include "solver/pagodes.h"
#include "solver/recherche.h"
#include "solver/sonde.h"
#include "solver/tables.h"
#include "solver/transpo.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace trelmo::solveur::interne {

// Information bits of a transposition entry.
constexpr std::uint64_t kMinorant = 0x3f;        // proven: no line leaves fewer marbles than this
constexpr std::uint64_t kSansCible = 0x40;       // proven: the target cannot be reached
// The widest probe before the exact search.
constexpr std::size_t kLargeurSonde = 1024;
// The widest probe kept above the pagodas of a hole: probes of width w
// come with turns of the hole-by-hole search of 2 w x marbles positions or more.
constexpr std::size_t kLargeurGardee = 16384;

constexpr int kMaxButs = 512;          // final sets followed one by one
constexpr int kMots = kMaxButs / 64;
constexpr int kParBut = 32;             // pagodas that watch one final set
constexpr int kMaxActives = 256;        // pagodas whose weights the search keeps up to date
constexpr int kProfondeur = kTrous + 2;
constexpr std::size_t kMaxArriere = 1024;   // positions a level of the backward pass keeps
constexpr std::size_t kTravailArriere = 1 << 16;   // positions the backward pass keeps in all
// With more final sets than this, a short forward search goes first
// (kAvantArriere visited positions, some ten milliseconds).
constexpr std::size_t kButsArriere = 32;
constexpr std::uint64_t kAvantArriere = 10 * kPositionsParMs;
// The first turn of each move order (some two milliseconds); each round of
// the eight orders gets four times more.
constexpr std::uint64_t kPremiereTranche = 2 * kPositionsParMs;

// The first turn of each hole when the question is one marble.
constexpr std::uint64_t kPremierTour = 20000;
// What one marble may take before the counts above it are settled: a third
// of the budget left, and at most this.
constexpr std::uint64_t kEssaiUn = 1000000;

using Bits = std::array<std::uint64_t, kMots>;

// A final set of marbles the search may still end on, and the pagodas that
// watch it: once a position weighs less than seuil[j] under pagoda p[j], that
// set is out of reach from there on.
struct But {
    Masque billes = 0;
    int nb = 0;
    std::array<std::uint16_t, kParBut> p{};
    std::array<std::int32_t, kParBut> seuil{};
};

struct Enfant {
    std::uint16_t saut;    // index in Regles::sauts
    std::uint16_t place;   // slot of its weights and final sets
    std::int32_t note;
};

class Chercheur {
public:
    Chercheur(const Position& p, const Limites& limites);

    Resultat resoudre(int cible);
    std::uint64_t noeuds() const { return depense_.vus; }

private:
    static inline const std::vector<int> kHuit{0, 1, 2, 3, 4, 5, 6, 7};

    // suivre_table.cpp
    int plateau_standard() const;
    bool suivre_table(Masque b, int n, int but);
    bool sonder_vers(Masque b, int but);

    // remonter.cpp
    int remonter(Masque racine, int n);
    void preparer_arriere();
    enum class Issue { exclu, trop, atteint, arrete };
    Issue remonter_depuis(Masque f, int n, Masque racine, const std::vector<std::int16_t>& budget, std::size_t& travail);
    bool hors_pagodes(const std::int16_t* py, std::size_t saut, const std::vector<std::int16_t>& budget);

    // recherche.cpp
    int vers_un_trou(int n, std::uint64_t plafond = UINT64_MAX);
    int sonder_gardee(int trou, std::size_t largeur);
    bool vers_cible_possible(int cible) const;
    void preparer(int k, Masque racine, bool vers_cible);
    std::int32_t note(int vivants, std::size_t saut) const { return vivants * (1 << 20) + guide_[saut]; }
    int filtrer(const Bits& avant, const std::int32_t* v, Bits& apres) const;
    bool interrompre();
    void orienter(int sym);
    bool en_tournant(const std::function<bool()>& essai, std::uint64_t pause = UINT64_MAX);
    bool fini() const;
    bool atteindre(int n, int k, bool vers_cible);
    void noter(int n);
    bool descendre(Masque b, int n, int k, int prof, bool vers_cible);

    Regles regles_;
    Depense depense_;
    Masque depart_ = 0;
    int classe_ = 0;
    Masque cible_ = 0;
    std::vector<int> syms_cible_;
    // The family's pagodas that are pagodas under the rules of the position.
    std::vector<const PoidsCourts*> candidates_;
    std::vector<Poids> actives_;
    std::vector<std::int16_t> arriere_deltas_;
    Vus vus_arriere_;
    // The backward pass: the pagodas that ruled out positions lately, and
    // the weights of one position under every pagoda.
    std::vector<std::uint32_t> coupables_;
    std::vector<std::int16_t> essai_;
    std::size_t nb_actives_ = 0, nb_mots_ = 0;
    bool avec_buts_ = false;
    std::vector<But> buts_;
    std::vector<std::int32_t> deltas_, valeurs_, guide_;
    std::vector<Bits> vivants_;
    std::vector<std::vector<Enfant>> enfants_;
    std::vector<std::vector<Bits>> bits_enfants_;
    std::vector<std::vector<std::int32_t>> poids_enfants_;
    std::vector<std::uint16_t> ordre_;
    Transpo tt_;
    int plateau_ = 0;   // the standard board whose rules are those of the position, or 0
    const Table* table_ = nullptr;
    bool filtre_ = false;   // the search runs below a position of the table
    bool en_pause_ = false; // the last en_tournant() stopped at its pause
    // The holes a search for one marble asks one by one, with what it
    // proved of each and the turn it is at.
    struct TrouUn {
        int trou = 0;
        bool exclu = false;
        std::uint64_t tour = 0;    // the round this hole takes its next turn in
        std::size_t largeur = 0;   // the widest probe kept above its pagodas so far
        Transpo tt{std::size_t{4} << 20};
    };
    std::vector<TrouUn> trous_un_;
    std::uint64_t tour_un_ = kPremierTour;
    std::vector<Saut> pile_, ligne_vue_;
    int meilleur_vu_ = 0;
    bool abandon_ = false;
};

} // namespace trelmo::solveur::interne
