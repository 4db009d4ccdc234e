#pragma once
// Recording fakes of the four outward interfaces of Jeu, a bench that wires
// them to one Jeu, and board helpers written independently of the game code.
#include "game/jeu.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace trelmo::essai {

// One log shared by every fake, so that the order of the calls can be checked.
using Journal = std::vector<std::string>;

struct FauxSprites : ISprites {
    explicit FauxSprites(Journal& j) : journal(j) { actif.fill(true); }
    Journal& journal;
    std::array<bool, kNbTrous + 1> montre{};      // what each hole sprite shows
    std::array<bool, kNbRepos + 1> montre_repos{};
    std::array<int, kNbTrous + 1> curseur{};
    std::array<bool, kNbTrous + 1> actif{};
    int dessins_trous = 0;    // trou_image calls
    int dessins_repos = 0;    // repos_image calls
    int hors_limites = 0;     // calls with a sprite number that does not exist

    void trou_image(int n, bool bille) override
    {
        if (n < 1 || n > kNbTrous) { ++hors_limites; return; }
        ++dessins_trous;
        montre[static_cast<size_t>(n)] = bille;
    }
    void repos_image(int i, bool bille) override
    {
        if (i < 1 || i > kNbRepos) { ++hors_limites; return; }
        ++dessins_repos;
        montre_repos[static_cast<size_t>(i)] = bille;
    }
    void trou_curseur(int n, int c) override
    {
        if (n < 1 || n > kNbTrous) { ++hors_limites; return; }
        curseur[static_cast<size_t>(n)] = c;
    }
    void trou_actif(int n, bool a) override
    {
        if (n < 1 || n > kNbTrous) { ++hors_limites; return; }
        actif[static_cast<size_t>(n)] = a;
        journal.push_back("actif(" + std::to_string(n) + "," + (a ? "1" : "0") + ")");
    }
    int billes_montrees() const { int k = 0; for (int n = 1; n <= kNbTrous; ++n) k += montre[size_t(n)]; return k; }
    int repos_montres() const { int k = 0; for (int i = 1; i <= kNbRepos; ++i) k += montre_repos[size_t(i)]; return k; }
};

struct FauxAffichage : IAffichage {
    explicit FauxAffichage(Journal& j) : journal(j) {}
    Journal& journal;
    std::string billes, chrono_texte, etat, etat_hint, resultat_texte;
    bool resultat_actif = false;
    void billes_repos(const std::string& t) override { billes = t; }
    void chrono(const std::string& t) override { chrono_texte = t; }
    void etat_jeux(const std::string& c, const std::string& h) override
    {
        etat = c; etat_hint = h;
        journal.push_back("etat_jeux(" + c + ")");
    }
    void resultat(bool a, const std::string& t) override
    {
        resultat_actif = a; resultat_texte = t;
        journal.push_back(std::string("resultat(") + (a ? "1," : "0,") + t + ")");
    }
};

struct FauxMinuterie : IMinuterie {
    explicit FauxMinuterie(Journal& j) : journal(j) {}
    Journal& journal;
    bool actif = false;
    void timer1(bool a) override { actif = a; journal.push_back(a ? "timer1(1)" : "timer1(0)"); }
};

struct FauxPartenaires : IPartenaires {
    explicit FauxPartenaires(Journal& j) : journal(j) {}
    Journal& journal;
    int32_t niveau_enregistre = 1;  // what the settings record holds
    int32_t niveau_choisi = 0;      // what the variant dialog stores (0: closed without a choice)
    std::vector<std::pair<int32_t, std::string>> scores;
    void choisir_niveau() override
    {
        if (niveau_choisi != 0) niveau_enregistre = niveau_choisi;
        journal.push_back("choisir_niveau");
    }
    void recharger_config() override { journal.push_back("recharger_config"); }
    void enregistrer_config() override { journal.push_back("enregistrer_config"); }
    int32_t niveau() const override { return niveau_enregistre; }
    void insere_score(int32_t billes, const std::string& duree) override
    {
        scores.emplace_back(billes, duree);
        journal.push_back("insere_score(" + std::to_string(billes) + "," + duree + ")");
    }
};

struct Banc {
    Journal journal;
    FauxSprites sprites{journal};
    FauxAffichage affichage{journal};
    FauxMinuterie minuterie{journal};
    FauxPartenaires partenaires{journal};
    Jeu jeu{sprites, affichage, minuterie, partenaires};

    // Start-up, then a new game of the given variant.
    void commencer(int32_t niveau)
    {
        jeu.demarrage();
        partenaires.niveau_choisi = niveau;
        jeu.etat_jeuxClick();
        journal.clear();
    }
    // Two clicks, each preceded by a hover, as the pointer does it.
    void clic(int trou) { jeu.pmove(trou); jeu.deplacement(); }
    void jouer(int de, int vers) { clic(de); clic(vers); }
};

// ---- board helpers, independent of the game code

// Hole number of a cell from the row table: 0 when the cell is no hole.
inline int trou(int c, int r)
{
    static const int debut[10] = {0, 1, 4, 7, 12, 21, 30, 39, 44, 47};
    static const int premiere[10] = {0, 4, 4, 3, 1, 1, 1, 3, 4, 4};
    static const int largeur[10] = {0, 3, 3, 5, 9, 9, 9, 5, 3, 3};
    if (r < 1 || r > 9 || c < premiere[r] || c >= premiere[r] + largeur[r]) return 0;
    return debut[r] + c - premiere[r];
}

// A cell written as in the layout tables: up, right, down, left, "x" for -1.
inline std::string cellule(const Grille& g, int c, int r)
{
    std::string s;
    for (int d = 1; d <= 4; ++d) {
        const int32_t v = g.at(c, r, d);
        s += v == -1 ? std::string("x") : std::to_string(v);
    }
    return s;
}

inline bool vide_brut(const Grille& g, int c, int r)
{
    if (c < 1 || c > 9 || r < 1 || r > 9) return false;
    for (int d = 1; d <= 4; ++d) if (g.at(c, r, d) == 2) return true;
    return false;
}

inline bool bille_brute(const Grille& g, int c, int r)
{
    if (c < 1 || c > 9 || r < 1 || r > 9 || vide_brut(g, c, r)) return false;
    for (int d = 1; d <= 4; ++d) if (g.at(c, r, d) != -1) return true;
    return false;
}

inline int billes_sur_plateau(const Grille& g)
{
    int k = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (trou(c, r) && bille_brute(g, c, r)) ++k;
    return k;
}

// Every legal jump (start hole, landing hole): a marble over a marble into an
// empty hole, in a direction that is not barred.
inline std::vector<std::pair<int, int>> sauts_legaux(const Grille& g)
{
    static const int dc[5] = {0, 0, 1, 0, -1};
    static const int dr[5] = {0, -1, 0, 1, 0};
    std::vector<std::pair<int, int>> sauts;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            if (!trou(c, r) || !bille_brute(g, c, r)) continue;
            for (int d = 1; d <= 4; ++d)
                if (g.at(c, r, d) != -1 && bille_brute(g, c + dc[d], r + dr[d])
                    && vide_brut(g, c + 2 * dc[d], r + 2 * dr[d]))
                    sauts.emplace_back(trou(c, r), trou(c + 2 * dc[d], r + 2 * dr[d]));
        }
    return sauts;
}

inline int mobiles_brut(const Grille& g)
{
    std::array<bool, kNbTrous + 1> vu{};
    int k = 0;
    for (auto [de, vers] : sauts_legaux(g))
        if (!vu[size_t(de)]) { vu[size_t(de)] = true; ++k; }
    return k;
}

} // namespace trelmo::essai
