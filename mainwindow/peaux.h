#pragma once
// The four skins (the board's pictures, slots 1-4) and the marble picture of
// each skin and texture, read from the program's files on first use.
#include <QPixmap>

#include <array>
#include <cstdint>
#include <string>

namespace trelmo {

class Peaux {
public:
    // repertoire: the program directory, ending with '/'.
    explicit Peaux(std::string repertoire) : repertoire_(std::move(repertoire)) {}

    // At start-up: the skin on show (`courante`) is decoded now, the others
    // only when first chosen, which keeps one picture in memory where four
    // were; each file is checked now all the same, so that a missing one is
    // told at start-up.
    void verifier(int32_t courante);
    // Skin slot 1-4, decoded on first use; null when its file cannot be read
    // (the player is told which file it is, once).
    const QPixmap& skin(int slot) const;
    // The marble picture of skin s (1-4) and texture m (1-7), decoded the
    // first time it is asked for; null outside those ranges.
    const QPixmap& bille(int32_t s, int32_t m) const;

    // The device pixel ratio the pictures are drawn for: at 1 the files' and
    // resources' own pictures, above it the same art drawn at that resolution.
    qreal ratio() const { return ratio_; }
    void setRatio(qreal r);
    // The skin to show for slot s whose file's picture is `fichier`.
    const QPixmap& skin_ecran(int slot, const QPixmap& fichier) const;

private:
    std::string chemin(int slot) const;
    void illisible(int slot) const;

    enum Etat { Attendue, Chargee, Illisible };
    std::string repertoire_;
    mutable std::array<QPixmap, 5> plateaux_;       // slots 1-4
    mutable std::array<Etat, 5> etats_{};
    mutable std::array<QPixmap, 4 * 7> billes_;     // bille11 ... bille47
    qreal ratio_ = 1;
    mutable QPixmap skin_ecran_;                    // the skin last drawn for the ratio
    mutable int skin_ecran_slot_ = 0;
};

} // namespace trelmo
