// Board model (starting layouts, mobility) and board display (incremental
// drawing of the hole and tray sprites through their display marks).
#include "game/jeu.h"

namespace trelmo {

namespace {

// Calls f(n) for each hole n of the set, in the order of the holes.
template <class F>
void pour_chaque(Masque trous, F f)
{
    for (int n = 1; n <= kNbTrous; ++n)
        if (trous & bit(n))
            f(n);
}

void remplir(Grille& g, Masque trous, int32_t valeur)
{
    pour_chaque(trous, [&](int n) {
        const Case k = case_du_trou(n);
        for (int d = 1; d <= kDirections; ++d)
            g.at(k.col, k.lig, d) = valeur;
    });
}

void activer(ISprites& sprites, Masque trous, bool actif)
{
    pour_chaque(trous, [&](int n) { sprites.trou_actif(n, actif); });
}

// Index of the mark of tray sprite i (1-44).
constexpr std::size_t marque_repos(int i) { return static_cast<std::size_t>(kNbTrous + i); }

} // namespace

void Jeu::reset_plateau()
{
    reset_plateau(partenaires.niveau());
}

namespace {

// The starting grid of a board, without touching any sprite.
Grille grille_de_depart(int32_t niveau)
{
    Grille g;
    g.v.fill(-1);
    for (int c = 1; c <= kColonnes; ++c)
        for (int r = 1; r <= kLignes; ++r) {
            if (!trou_du_niveau(3, c, r))
                continue;
            for (int d = 1; d <= kDirections; ++d) {
                const Pas p = pas_direction(d);
                g.at(c, r, d) = trou_du_niveau(3, c + 2 * p.dc, r + 2 * p.dr) ? 0 : -1;
            }
        }
    remplir(g, coins(), 0);

    remplir(g, bit(numero_trou(5, 5)), 2);

    if (niveau < 3) {
        remplir(g, bouts_des_bras(), 2);
        for (int c = 4; c <= 6; ++c) {
            g.at(c, 3, HAUT) = -1;
            g.at(c, 7, BAS) = -1;
        }
        for (int r = 4; r <= 6; ++r) {
            g.at(3, r, GAUCHE) = -1;
            g.at(7, r, DROITE) = -1;
        }
    }

    if (niveau == 2) {
        g.at(5, 3, GAUCHE) = 0;
        g.at(5, 3, DROITE) = 0;
        g.at(5, 7, GAUCHE) = 0;
        g.at(5, 7, DROITE) = 0;
        g.at(3, 5, HAUT) = 0;
        g.at(3, 5, BAS) = 0;
        g.at(7, 5, HAUT) = 0;
        g.at(7, 5, BAS) = 0;
    } else {
        remplir(g, coins(), 2);
    }
    return g;
}

} // namespace

void Jeu::reset_plateau(int32_t niveau)
{
    // The arm tips first accept the pointer, then the board decides.
    activer(sprites, bouts_des_bras(), true);
    grille = grille_de_depart(niveau);
    if (niveau < 3)
        activer(sprites, bouts_des_bras(), false);
    activer(sprites, coins(), niveau == 2);
}

void Jeu::activer_trous(int32_t niveau)
{
    activer(sprites, bouts_des_bras(), niveau >= 3);
    activer(sprites, coins(), niveau == 2);
}

int32_t Jeu::niveau_de_grille(const Grille& g)
{
    for (int32_t niveau = 1; niveau <= 3; ++niveau) {
        const Grille depart = grille_de_depart(niveau);
        bool pareil = true;
        for (std::size_t i = 0; i < g.v.size() && pareil; ++i)
            pareil = (g.v[i] == -1) == (depart.v[i] == -1);
        if (pareil)
            return niveau;
    }
    return 0;
}

int32_t Jeu::adopter_plateau_de_grille()
{
    // A restored game is a game of its own: the jumps of the previous one
    // cannot be undone into it, and it is a problem only if the caller says so.
    historique.vider();
    probleme = false;
    cible = 0;
    const int32_t niveau = niveau_de_grille(grille);
    if (niveau != 0)
        activer_trous(niveau);
    if (observateur)
        observateur->partie_restauree();
    return niveau;
}

namespace {

// Emptiness of every cell, read once per refresh, with a margin of two cells
// that count as off the board (never empty), so that no neighbour or landing
// cell is ever looked up outside the grid, whatever values a restored game holds.
constexpr int kMarge = 2;
constexpr int kPas = kLignes + 2 * kMarge;   // one column of the table
struct Vides {
    bool v[(kColonnes + 2 * kMarge) * kPas] = {};
    static constexpr int ou(int c, int r) { return (c - 1 + kMarge) * kPas + (r - 1 + kMarge); }
};
// Offset in the table of one step in each direction (index 0 unused).
constexpr int kDecalage[kDirections + 1] = {0, -1, kPas, 1, -kPas};

const int32_t* valeurs(const Grille& g, int c, int r) { return &g.v[static_cast<std::size_t>(Grille::index(c, r, 1))]; }
int32_t* valeurs(Grille& g, int c, int r) { return &g.v[static_cast<std::size_t>(Grille::index(c, r, 1))]; }

void lire(const Grille& g, Vides& vides)
{
    for (int c = 1; c <= kColonnes; ++c)
        for (int r = 1; r <= kLignes; ++r) {
            const int32_t* v = valeurs(g, c, r);
            vides.v[Vides::ou(c, r)] = v[0] == 2 || v[1] == 2 || v[2] == 2 || v[3] == 2;
        }
}

// The mobility update. Only emptiness is read and it never changes here, so
// the order of the visit does not matter. Values below 0 are never rewritten,
// which also leaves every off-board cell (all -1) as it is. Written without
// branches in the inner part: it runs after every jump.
void mettre_a_jour(Grille& g, const Vides& vides)
{
    for (int c = 1; c <= kColonnes; ++c)
        for (int r = 1; r <= kLignes; ++r) {
            const int ici = Vides::ou(c, r);
            if (vides.v[ici])
                continue;
            int32_t* v = valeurs(g, c, r);
            for (int d = 1; d <= kDirections; ++d) {
                const int pas = kDecalage[d];
                const int32_t mobile = !vides.v[ici + pas] & vides.v[ici + 2 * pas];
                v[d - 1] = v[d - 1] < 0 ? v[d - 1] : mobile;
            }
        }
}

// Where each hole lies, in the emptiness table and in the grid.
struct Place { int vide, grille; };
struct Places {
    Place p[kNbTrous + 1]{};
    Places()
    {
        for (int n = 1; n <= kNbTrous; ++n) {
            const Case k = case_du_trou(n);
            p[n] = Place{Vides::ou(k.col, k.lig), Grille::index(k.col, k.lig, 1)};
        }
    }
};
const Places kPlaces;

} // namespace

void Jeu::etat_plateau()
{
    Vides vides;
    lire(grille, vides);
    mettre_a_jour(grille, vides);
}

void Jeu::place_bille_plateau()
{
    Vides vides;
    lire(grille, vides);
    mettre_a_jour(grille, vides);
    nb_mobiles = 0;
    for (int n = 1; n <= kNbTrous; ++n) {
        const Place ou = kPlaces.p[n];
        const int32_t* v = &grille.v[static_cast<std::size_t>(ou.grille)];
        int32_t& marque = marques[static_cast<std::size_t>(n)];
        if (vides.v[ou.vide]) {
            if (marque != 0) {
                sprites.trou_image(n, false);
                marque = 0;
            }
        } else if ((v[0] & v[1] & v[2] & v[3]) != -1) {   // not all four -1: a marble
            nb_mobiles += (v[0] == 1) | (v[1] == 1) | (v[2] == 1) | (v[3] == 1);
            if (marque != 1) {
                marque = 1;
                sprites.trou_image(n, true);
            }
        }
    }
}

void Jeu::retire_bille_plateau()
{
    for (int n = 1; n <= kNbTrous; ++n) {
        int32_t& marque = marques[static_cast<std::size_t>(n)];
        if (marque != 0)
            sprites.trou_image(n, false);
        marque = 0;
    }
}

void Jeu::jeux_repos(int32_t count)
{
    for (int i = 1; i <= kNbRepos; ++i) {
        int32_t& marque = marques[marque_repos(i)];
        if (i <= count) {
            if (marque != 1) {
                marque = 1;
                sprites.repos_image(i, true);
            }
        } else if (marque != 0) {
            sprites.repos_image(i, false);
            marque = 0;
        }
    }
}

void Jeu::marquer_tout_perime()
{
    for (std::size_t i = 1; i < marques.size(); ++i)
        marques[i] = -1;
}

} // namespace trelmo
