#!/usr/bin/env bash
# Makes the README's screenshots (docs/screenshot-1.png, docs/screenshot-2.png)
# from the real game under a private X server. Needs a build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
SORTIE=$PWD/docs
mkdir -p "$SORTIE"
. tests/e2e/xvfb_commun.sh
demarrer_x
demarrer_jeu "$PWD/build/run" "${LANGUE:-fr_FR.UTF-8}"

nouvelle_partie() {
  cliquer 546 345
  attendre 10 fenetre_visible "$1" || { echo "variant dialog did not appear"; exit 1; }
  DLG=$(xdotool search --onlyvisible --name "$1" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$DLG")"
  xdotool mousemove "$((X + 150))" "$((Y + $2))"; sleep 0.2; xdotool click 1; sleep 0.3
}
jouer() { # from-hole to-hole, as window points of the holes' centres
  cliquer "$1" "$2"; cliquer "$3" "$4"
}
photo() { sleep 0.5; import -window root -crop "${FW}x${FH}+${FX}+${FY}" +repage "$SORTIE/$1"; echo "wrote docs/$1"; }

# 1: the English board, a few moves into the game, pointer holding a marble.
nouvelle_partie '^Niveau de jeu$' 14
jouer 336 133 336 209     # (5,3) -> (5,5)
jouer 262 171 336 171     # (3,4) -> (5,4)
jouer 299 95 299 171      # (4,2) -> (4,4)
cliquer 372 209           # pick (6,5)
xdotool mousemove "$((FX + 299))" "$((FY + 209))"
photo screenshot-1.png

# 2: the French board on the olive skin with green marbles, a hint balloon.
cliquer 546 345           # stop
cliquer 190 424; cliquer 293 424; cliquer 293 424
nouvelle_partie '^Niveau de jeu$' 43
jouer 336 133 336 209
xdotool mousemove "$((FX + 200))" "$((FY + 425))"; sleep 1.2
photo screenshot-2.png
