// Skins and textures: the four board pictures and the marble pictures, the
// buttons that change them, and the pictures the hole and tray sprites show.
#include "mainwindow/peaux.h"

#include "mainwindow/form1.h"
#include "mainwindow/bmp.h"
#include "mainwindow/calque.h"
#include "mainwindow/preparation.h"
#include "mainwindow/sprite.h"
#include "game/erreur.h"
#include "resources/ressources.h"
#include "widgets/garde.h"
#include "widgets/label3d.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace trelmo {

namespace {

// A picture drawn for a ratio near r (the art is made for a few ratios)
// brought to exactly r, once, rather than at every paint.
QPixmap au_ratio(const QPixmap& p, qreal r)
{
    if (p.isNull() || p.devicePixelRatio() == r)
        return p;
    const QSizeF logique = p.deviceIndependentSize();
    const QSize pixels(qRound(logique.width() * r), qRound(logique.height() * r));
    QPixmap q = QPixmap::fromImage(p.toImage()
                                       .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                       .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    q.setDevicePixelRatio(r);
    return q;
}

} // namespace

std::string Peaux::chemin(int slot) const
{
    return chemin_skin(repertoire_, slot);
}

void Peaux::illisible(int slot) const
{
    // The player is told which file it is; the slot stays empty.
    const std::string c = chemin(slot);
    const std::string raison = QFileInfo::exists(QString::fromStdString(c)) ? "Impossible de lire le fichier "
                                                                            : "Fichier introuvable : ";
    garde([&] { throw Erreur(raison + c); });
}

void Peaux::verifier(int32_t courante)
{
    for (int i = 1; i <= 4; ++i) {
        etats_[static_cast<size_t>(i)] = Attendue;
        if (i == courante)
            skin(i);
        else if (!bmp_lisible(QString::fromStdString(chemin(i)))) {
            etats_[static_cast<size_t>(i)] = Illisible;
            illisible(i);
        }
    }
}

const QPixmap& Peaux::skin(int slot) const
{
    static const QPixmap aucune;
    if (slot < 1 || slot > 4)
        return aucune;
    auto& etat = etats_[static_cast<size_t>(slot)];
    if (etat == Attendue) {
        // Read beside the start-up when it is the skin the settings held.
        const std::string c = chemin(slot);
        QImage image = skin_preparee(c);
        if (image.isNull())
            image = lire_bmp(QString::fromStdString(c));
        if (image.isNull()) {
            etat = Illisible;
            illisible(slot);
        } else {
            etat = Chargee;
            // Kept in the reader's 24 bits: the pixmap takes the picture's memory as it is.
            plateaux_[static_cast<size_t>(slot)] = QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
        }
    }
    return plateaux_[static_cast<size_t>(slot)];
}

const QPixmap& Peaux::bille(int32_t s, int32_t m) const
{
    static const QPixmap aucune;
    if (s < 1 || s > 4 || m < 1 || m > 7)
        return aucune;
    QPixmap& p = billes_[static_cast<size_t>((s - 1) * 7 + (m - 1))];
    if (p.isNull())
        p = ratio_ > 1 ? au_ratio(trelmo::bille(s, m, ratio_), ratio_) : trelmo::bille(s, m);
    return p;
}

void Peaux::setRatio(qreal r)
{
    if (r == ratio_)
        return;
    ratio_ = r;
    for (QPixmap& p : billes_)
        p = QPixmap();
    skin_ecran_ = QPixmap();
    skin_ecran_slot_ = 0;
}

const QPixmap& Peaux::skin_ecran(int slot, const QPixmap& fichier) const
{
    // At 100 % the skin is its file's picture. On a finer screen it is drawn
    // for that screen, once for each skin shown.
    if (ratio_ <= 1 || fichier.isNull())
        return fichier;
    if (skin_ecran_slot_ != slot) {
        skin_ecran_ = au_ratio(peau(slot, ratio_), ratio_);
        skin_ecran_slot_ = slot;
    }
    return skin_ecran_.isNull() ? fichier : skin_ecran_;
}

// ---------------------------------------------------------------- the window's skin and marbles

void TForm1::appliquer_pixmap_plateau(int s)
{
    if (s < 1 || s > 4)
        return;
    const QPixmap& image = peaux_.skin(s);
    if (!image.isNull()) {
        plateau_->setPixmap(peaux_.skin_ecran(s, image));
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

void TForm1::suivre_ratio()
{
    // The window went to a screen of another ratio, or took another scale:
    // every picture of the window again, drawn for it.
    const qreal r = devicePixelRatioF();
    if (r == peaux_.ratio())
        return;
    peaux_.setRatio(r);
    setWindowIcon(r > 1 ? icone(r) : icone());
    for (auto* l : findChildren<QWidget*>())
        if (l->property("bouton").toBool() || l == charger_)
            l->setCursor(curseur(curseur_tophand_id, r));
    appliquer_skin();
    jeu_.marquer_tout_perime();
    redessiner_textures();
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

} // namespace trelmo
