// Skins and textures: the four board pictures and the marble pictures, the
// buttons that change them, and the pictures the hole and tray sprites show.
#include "mainwindow/form1.h"
#include "mainwindow/bmp.h"
#include "mainwindow/calque.h"
#include "mainwindow/preparation.h"
#include "mainwindow/sprite.h"
#include "game/erreur.h"
#include "resources/ressources.h"
#include "widgets/garde.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace trelmo {

std::string TForm1::chemin_skin(int i) const
{
    return trelmo::chemin_skin(repertoire_, i);
}

void TForm1::skin_illisible(int i) const
{
    // The player is told which file it is; the slot stays empty.
    const std::string chemin = chemin_skin(i);
    const std::string raison = QFileInfo::exists(QString::fromStdString(chemin)) ? "Impossible de lire le fichier "
                                                                                 : "Fichier introuvable : ";
    garde([&] { throw Erreur(raison + chemin); });
}

void TForm1::charger_skins()
{
    // The skin on show is decoded now; the others only when first chosen,
    // which keeps one picture in memory where four were. Each file is
    // checked now all the same, so that a missing one is told at start-up.
    const int32_t courante = reglages_.config.no_texture_plateau();
    for (int i = 1; i <= 4; ++i) {
        skin_etat_[static_cast<size_t>(i)] = SkinAttendue;
        if (i == courante)
            skin(i);
        else if (!bmp_lisible(QString::fromStdString(chemin_skin(i)))) {
            skin_etat_[static_cast<size_t>(i)] = SkinIllisible;
            skin_illisible(i);
        }
    }
}

const QPixmap& TForm1::skin(int slot) const
{
    static const QPixmap aucune;
    if (slot < 1 || slot > 4)
        return aucune;
    auto& etat = skin_etat_[static_cast<size_t>(slot)];
    if (etat == SkinAttendue) {
        // Read beside the start-up when it is the skin the settings held.
        const std::string chemin = chemin_skin(slot);
        QImage image = skin_preparee(chemin);
        if (image.isNull())
            image = lire_bmp(QString::fromStdString(chemin));
        if (image.isNull()) {
            etat = SkinIllisible;
            skin_illisible(slot);
        } else {
            etat = SkinChargee;
            // Kept in the reader's 24 bits: the pixmap takes the picture's memory as it is.
            plateaux_[static_cast<size_t>(slot)] = QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
        }
    }
    return plateaux_[static_cast<size_t>(slot)];
}

void TForm1::appliquer_pixmap_plateau(int s)
{
    if (s < 1 || s > 4)
        return;
    const QPixmap& image = skin(s);
    if (!image.isNull()) {
        plateau_->setPixmap(image);
    } else {
        // A skin that could not be read: a plain neutral board rather than
        // what the previous skin left on the screen.
        static QPixmap neutre;
        if (neutre.isNull()) {
            neutre = QPixmap(640, 462);
            neutre.fill(QColor(0x8C, 0x86, 0x7C));
        }
        plateau_->setPixmap(neutre);
    }
    if (calque_)
        calque_->setSkin(s);
}

void TForm1::appliquer_skin()
{
    appliquer_pixmap_plateau(reglages_.config.no_texture_plateau());
}

const QPixmap& TForm1::bille_courante() const
{
    static const QPixmap aucune;
    const int32_t s = reglages_.config.no_texture_plateau();
    const int32_t m = reglages_.config.no_texture_bille();
    if (s < 1 || s > 4 || m < 1 || m > 7)
        return aucune;
    // Each marble picture is decoded the first time it is shown.
    QPixmap& p = billes_[static_cast<size_t>((s - 1) * 7 + (m - 1))];
    if (p.isNull())
        p = bille(s, m);
    return p;
}

void TForm1::redessiner_textures()
{
    if (jeu_.pas_de_partie) {
        jeu_.nb_repos = kNbRepos;
        jeu_.jeux_repos(kNbRepos);
    } else {
        jeu_.jeux_repos(jeu_.nb_repos);
        jeu_.place_bille_plateau();
    }
}

void TForm1::texture_plateauClick()
{
    // An index above the range goes straight to 1, one below it up by one:
    // never past the largest value.
    const int32_t avant = reglages_.config.no_texture_plateau();
    const int32_t s = avant >= 4 ? 1 : avant + 1;
    reglages_.config.set_no_texture_plateau(s);
    appliquer_pixmap_plateau(s);
    jeu_.marquer_tout_perime();
    redessiner_textures();
    reglages_.enregistrer();
}

void TForm1::texture_billeClick()
{
    jeu_.marquer_tout_perime();
    const int32_t avant = reglages_.config.no_texture_bille();
    const int32_t m = avant >= 7 ? 1 : avant + 1;
    reglages_.config.set_no_texture_bille(m);
    redessiner_textures();
    reglages_.enregistrer();
}

void TForm1::montrer(Sprite* s, bool bille)
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

void TForm1::trou_image(int n, bool bille)
{
    if (n >= 1 && n <= kNbTrous)
        montrer(trous_[static_cast<size_t>(n)], bille);
}

void TForm1::repos_image(int i, bool bille)
{
    if (i >= 1 && i <= kNbRepos)
        montrer(repos_[static_cast<size_t>(i)], bille);
}

} // namespace trelmo
