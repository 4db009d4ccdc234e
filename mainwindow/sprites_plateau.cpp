#include "mainwindow/sprites_plateau.h"

#include "mainwindow/peaux.h"
#include "mainwindow/sprite.h"
#include "resources/ressources.h"
#include "storage/config.h"

namespace trelmo {

const QPixmap& SpritesPlateau::bille_courante() const
{
    return peaux_.bille(config_.no_texture_plateau(), config_.no_texture_bille());
}

void SpritesPlateau::montrer(Sprite* s, bool bille)
{
    if (!bille) {
        s->clear();
        return;
    }
    // Without a current marble picture the sprite keeps what it shows.
    const QPixmap& p = bille_courante();
    if (!p.isNull())
        s->setPixmap(p);
}

void SpritesPlateau::trou_image(int n, bool bille)
{
    if (n >= 1 && n <= kNbTrous)
        montrer(trous[static_cast<size_t>(n)], bille);
}

void SpritesPlateau::repos_image(int i, bool bille)
{
    if (i >= 1 && i <= kNbRepos)
        montrer(repos[static_cast<size_t>(i)], bille);
}

void SpritesPlateau::trou_curseur(int n, int id)
{
    if (n < 1 || n > kNbTrous)
        return;
    if (id == CUR_DEFAUT)
        trous[static_cast<size_t>(n)]->unsetCursor();
    else
        trous[static_cast<size_t>(n)]->setCursor(curseur(id, peaux_.ratio()));
}

void SpritesPlateau::trou_actif(int n, bool actif)
{
    if (n >= 1 && n <= kNbTrous)
        trous[static_cast<size_t>(n)]->setActif(actif);
}

} // namespace trelmo
