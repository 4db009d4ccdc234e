#pragma once
// Where the main window puts its sprites and labels: the art is drawn to
// match these places exactly.
#include <QPoint>
#include <QRect>

#include <array>
#include <vector>

namespace trelmo::art {

inline constexpr int largeur_fenetre = 640;
inline constexpr int hauteur_fenetre = 462;
inline constexpr int largeur_bille = 21;
inline constexpr int hauteur_bille = 22;
// Centre of a hole's recess relative to its sprite's top-left corner: the
// middle of the marble picture drawn there.
inline constexpr float centre_x = 10.5f;
inline constexpr float centre_y = 11.0f;

// Top-left corners of the 49 hole sprites, in hole-number order.
inline std::vector<QPoint> trous()
{
    static constexpr std::array<int, 10> gauche = {0, 180, 216, 252, 289, 326, 361, 398, 435, 471};
    static constexpr std::array<int, 10> haut = {0, 46, 84, 122, 160, 198, 236, 274, 312, 350};
    std::vector<QPoint> p;
    int colonne = 4, ligne = 1;
    for (int n = 1; n <= 49; ++n) {
        p.emplace_back(gauche[colonne], haut[ligne]);
        ++colonne;
        const int fin = (ligne == 3 || ligne == 7) ? 7 : (ligne >= 4 && ligne <= 6) ? 9 : 6;
        if (colonne > fin) {
            ++ligne;
            colonne = (ligne >= 4 && ligne <= 6) ? 1 : (ligne == 3 || ligne == 7) ? 3 : 4;
        }
    }
    return p;
}

// Top-left corners of the 44 tray sprites, in tray order.
inline std::vector<QPoint> repos()
{
    static constexpr std::array<int, 6> gauche = {0, 23, 56, 88, 121, 154};
    static constexpr std::array<int, 11> haut = {0, 29, 68, 105, 143, 180, 218, 256, 294, 333, 369};
    std::vector<QPoint> p;
    int colonne = 1, ligne = 1;
    for (int i = 1; i <= 44; ++i) {
        p.emplace_back(gauche[colonne], haut[ligne]);
        ++colonne;
        if (colonne > ((ligne >= 3 && ligne <= 8) ? 4 : 5)) {
            ++ligne;
            colonne = 1;
        }
    }
    return p;
}

struct Plaque {
    QRect label;   // the label's rectangle in the window
    QRect plaque;  // the plate drawn behind it
    bool claire;   // light plate (black text) or dark plate (white text)
};

inline std::vector<Plaque> plaques()
{
    auto p = [](int l, int t, int w, int h, bool claire, int g, int hh, int d, int b) {
        const QRect r(l, t, w, h);
        return Plaque{r, r.adjusted(-g, -hh, d, b), claire};
    };
    return {
        p(478, 40, 137, 44, true, 4, 4, 4, 3),    // billes_repos
        p(480, 336, 133, 55, true, 4, 4, 4, 3),   // etat_jeux
        p(42, 408, 95, 27, true, 3, 3, 2, 2),     // chrono
        p(145, 413, 91, 24, true, 2, 3, 4, 2),    // texture_plateau
        p(252, 413, 83, 23, true, 4, 3, 4, 3),    // texture_bille
        p(348, 413, 85, 23, true, 4, 3, 4, 3),    // infos
        p(448, 413, 85, 23, true, 4, 3, 4, 3),    // aide
        p(526, 126, 91, 29, false, 4, 3, 4, 3),   // charger
        p(526, 192, 91, 29, false, 4, 3, 4, 3),   // sauver
        p(526, 266, 91, 29, false, 4, 3, 4, 3),   // scores
        p(544, 413, 61, 23, false, 4, 3, 4, 3),   // quitter
    };
}

} // namespace trelmo::art
