#!/usr/bin/env bash
# The window made larger, in the real program: a resize request to 960 x 693
# scales the whole layout by 1.5, and a game is played there by clicking; then
# under a window manager, F11 puts the window in full screen, the layout fits
# the screen and is still played by clicking; F11 again brings back the
# window's size.
set -euo pipefail
. "$(dirname "$0")/xvfb_commun.sh"
RUN_DIR=$1
ECRAN="$TRAVAIL/ecran.png"

# The layout's scale and place in the window, as the game computes them.
echelle() {
  eval "$(xdotool getwindowgeometry --shell "$FENETRE")"
  FX=$X; FY=$Y; FW=$WIDTH; FH=$HEIGHT
  read -r S OX OY < <(awk -v w="$FW" -v h="$FH" 'BEGIN {
    s = w / 640; if (h / 462 < s) s = h / 462
    s = int(s * 8 + 1e-9) / 8
    printf "%f %d %d\n", s, (w - 640 * s) / 2, (h - 462 * s) / 2 }')
}
# point <x> <y>: a point of the layout at its own size, on the screen.
point() { awk -v s="$S" -v x="$1" -v y="$2" -v ox="$((FX + OX))" -v oy="$((FY + OY))" \
  'BEGIN { printf "%d %d\n", ox + x * s, oy + y * s }'; }
clic() { local p; p=$(point "$1" "$2"); xdotool mousemove --sync ${p% *} ${p#* } click 1; }
couleur() { local p; p=$(point "$1" "$2"); pixel "$ECRAN" ${p% *} ${p#* }; }
taille_est() { eval "$(xdotool getwindowgeometry --shell "$FENETRE")"; [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]; }

# An English game, then the opening jump 9 over 16 into 25, by clicks.
partie() {
  clic 546 345
  jeu_attend 30 "the variant dialog" fenetre_visible "^Niveau de jeu\$"
  local dlg X Y WIDTH HEIGHT SCREEN WINDOW p
  dlg=$(xdotool search --onlyvisible --name "^Niveau de jeu\$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$dlg")"
  p=$(awk -v s="$S" -v x="$X" -v y="$Y" 'BEGIN { printf "%d %d\n", x + 150 * s, y + 14 * s }')
  xdotool mousemove --sync ${p% *} ${p#* } click 1
  jeu_attend 30 "the variant dialog to close" fenetre_absente "^Niveau de jeu\$"
  sleep_until_drawn
  import -window root "$ECRAN"
  local bille vide
  bille=$(couleur 336 133)
  vide=$(couleur 336 209)
  [ "$bille" != "$vide" ] || { echo "hole 9 and hole 25 look the same before the jump"; exit 1; }
  clic 336 133
  clic 336 209
  jeu_attend 30 "the opening jump on the screen" saut_fait "$bille" "$vide"
}
# The marble of hole 9 is now in hole 25, and hole 9 looks as hole 25 did.
saut_fait() {
  import -window root "$ECRAN" || return 1
  [ "$(couleur 336 209)" = "$1" ] && [ "$(couleur 336 133)" = "$2" ]
}
# The board shows the new game's marbles: the tray is empty of them.
sleep_until_drawn() { jeu_attend 30 "the new game's marbles" marbles_drawn; }
marbles_drawn() { import -window root "$ECRAN" || return 1; [ "$(couleur 336 133)" != "$(couleur 336 209)" ]; }

demarrer_x
demarrer_jeu "$RUN_DIR"
[ "$FW" = 640 ] && [ "$FH" = 462 ] || { echo "main window is ${FW}x${FH}"; exit 1; }

# 1. A resize request.
xdotool windowsize "$FENETRE" 960 693
jeu_attend 30 "the window at 960x693" taille_est 960 693
echelle
partie
# The layout fills the window: its corners are the skin, not the surround.
[ "$(couleur 3 3)" != "32,32,32" ] || { echo "the layout does not reach the window's corner"; exit 1; }
echo "enlarged window: ok"
arreter_processus "$GPID"
GPID=""

# 2. Full screen under a window manager.
if command -v openbox >/dev/null; then
  openbox >"$TRAVAIL/openbox.log" 2>&1 &
  WM=$!
  demarrer_jeu "$RUN_DIR"
  read -r EW EH < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
  xdotool windowactivate --sync "$FENETRE" >/dev/null 2>&1 || true
  xdotool key --window "$FENETRE" F11
  jeu_attend 30 "the window in full screen (${EW}x${EH})" taille_est "$EW" "$EH"
  echelle
  partie
  # Beside the layout, the surround.
  [ "$OY" -gt 2 ] && { [ "$(pixel "$ECRAN" 5 1)" = "32,32,32" ] || { echo "no surround above the layout"; exit 1; }; }
  xdotool windowactivate --sync "$FENETRE" >/dev/null 2>&1 || true
  xdotool key --window "$FENETRE" F11
  jeu_attend 30 "the window back at 640x462 ($(xdotool getwindowgeometry "$FENETRE" | tr '\n' ' '))" taille_est 640 462
  kill "$WM" 2>/dev/null || true
  echo "full screen: ok"
fi
echo "end-to-end window size: ok"
