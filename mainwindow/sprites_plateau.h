#pragma once
// The 49 hole sprites and the 44 tray sprites of the main window, as the game
// draws on them: the marble picture of the chosen skin and texture, each
// hole's cursor, and whether a hole takes the pointer.
#include "game/grille.h"
#include "game/interfaces.h"

#include <array>

class QPixmap;

namespace trelmo {

class Config;
class Peaux;
class Sprite;

class SpritesPlateau : public ISprites {
public:
    SpritesPlateau(const Peaux& peaux, const Config& config) : peaux_(peaux), config_(config) {}

    std::array<Sprite*, 1 + kNbTrous> trous{};   // made by the window, index 0 unused
    std::array<Sprite*, 1 + kNbRepos> repos{};

    // The marble picture of the skin and texture the settings hold.
    const QPixmap& bille_courante() const;

    void trou_image(int n, bool bille) override;
    void repos_image(int i, bool bille) override;
    void trou_curseur(int n, int curseur) override;
    void trou_actif(int n, bool actif) override;

private:
    void montrer(Sprite* s, bool bille);

    const Peaux& peaux_;
    const Config& config_;
};

} // namespace trelmo
