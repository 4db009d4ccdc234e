#pragma once
// Undo and redo within the game on the board: the state before each jump
// (grid and tray count) and the jump itself, so that an undone jump can be
// made again exactly.
#include "game/grille.h"

#include <cstdint>
#include <vector>

namespace trelmo {

// A jump from the held marble's cell onto the landing cell.
struct Coup {
    int32_t de_col = 0, de_lig = 0, vers_col = 0, vers_lig = 0;
    bool operator==(const Coup&) const = default;
};

class Historique {
public:
    struct Etape {
        Grille avant;          // the grid right before the jump
        int32_t nb_repos = 0;  // the tray count right before the jump
        Coup coup;
    };

    // A jump is about to be made from this state: it goes on the undo list and
    // the redo list is dropped.
    void noter(const Grille& avant, int32_t nb_repos, Coup coup);
    bool peut_annuler() const { return !annulables_.empty(); }
    bool peut_refaire() const { return !refaisables_.empty(); }
    // Moves the last jump to the redo list and answers the state before it.
    Etape annuler();
    // Moves the next undone jump back to the undo list and answers it.
    Etape refaire();
    void vider();
    // The two lists as they are, and put back whole (a game taken up again).
    const std::vector<Etape>& annulables() const { return annulables_; }
    const std::vector<Etape>& refaisables() const { return refaisables_; }
    void remettre(std::vector<Etape> annulables, std::vector<Etape> refaisables);

private:
    std::vector<Etape> annulables_;
    std::vector<Etape> refaisables_;
};

} // namespace trelmo
