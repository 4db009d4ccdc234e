#!/usr/bin/env bash
# The game as a native Wayland client in weston, whose X11 backend runs in the
# private X server: xdotool drives weston's pointer, import takes its output.
# With the main window against the output's right edge, the balloon of the
# Load button, which would open to the right of the pointer, lies wholly on
# the output, and it stands against the pointer exactly where it stands on
# X11 with the window against the screen's right edge.
# E2E_GARDER=<dir> keeps the shots there.
set -euo pipefail
. "$(dirname "$0")/xvfb_commun.sh"
RUN_DIR=$1
ZONES="python3 $(cd "$(dirname "$0")" && pwd)/zones_ecran.py"

command -v weston >/dev/null || { echo "SKIP: weston not installed"; exit 77; }
command -v python3 >/dev/null || { echo "SKIP: python3 not installed"; exit 77; }
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
  compgen -G "/usr/lib/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
  { echo "SKIP: Qt's Wayland platform plugin (qt6-wayland) not installed"; exit 77; }

WPID=""
fin() {
  local rc=$?
  set +e
  [ -z "${E2E_GARDER:-}" ] || cp "$TRAVAIL/weston.log" "$TRAVAIL/jeu.log" "$E2E_GARDER/" 2>/dev/null
  arreter_processus "$GPID"
  GPID=""
  arreter_processus "$WPID"
  (exit "$rc")
  terminer
}
trap fin EXIT

# The Load button's middle in the window.
BX=571
BY=140
demarrer_x
read -r LARGEUR HAUTEUR < <(xdpyinfo | sed -nE 's/.*dimensions: *([0-9]+)x([0-9]+) pixels.*/\1 \2/p')

# What a shot takes: the X screen, then weston's output (its X window).
CAPTURE=root
capture() { import -window "$CAPTURE" "$1"; }

# ecran_immobile <shot>: two shots alike, the first kept as <shot>.
ecran_immobile() {
  capture "$1" && capture "${1%.png}-2.png" && compare -metric AE "$1" "${1%.png}-2.png" null: >/dev/null 2>&1
}

# bulle_de <out var> <x> <y>: the pointer rests at (REPOS_X, REPOS_Y), off
# the window, then on (x, y); sets the variable to the box of the balloon that
# shows ("left top right bottom" on the shot) once two shots in a row agree.
bulle_de() {
  local var=$1 x=$2 y=$3 avant=$TRAVAIL/avant.png apres=$TRAVAIL/apres.png
  xdotool mousemove --sync "$REPOS_X" "$REPOS_Y"
  jeu_attend 30 "a still screen without a balloon" ecran_immobile "$avant"
  xdotool mousemove --sync "$x" "$y"
  local precedente="" essai boite
  for essai in $(seq 40); do
    capture "$apres"
    boite=$($ZONES bulle "$avant" "$apres" "$REPOS_X" "$REPOS_Y" "$x" "$y" || true)
    if [ -n "$boite" ] && [ "$boite" = "$precedente" ]; then
      printf -v "$var" '%s' "$boite"
      [ -z "${E2E_GARDER:-}" ] || cp "$avant" "$E2E_GARDER/$var-avant.png"
      [ -z "${E2E_GARDER:-}" ] || cp "$apres" "$E2E_GARDER/$var.png"
      return 0
    fi
    precedente=$boite
    vivant "$GPID" || { echo "the game ended while its balloon was awaited"; jeu_fini; exit 1; }
    sleep 0.25
  done
  echo "no balloon by the Load button within 10 s (last box: '${precedente}')"
  [ -z "${E2E_GARDER:-}" ] || cp "$apres" "$E2E_GARDER/$var-sans-bulle.png"
  exit 1
}

# ------------------------------------------------------------------ X11
# The balloon of the first start, pointing at the board, already seen.
mkdir -p "$TRAVAIL/config"
printf '[Propriétés]\nastuce=1\n' >"$TRAVAIL/config/trelmo.ini"
demarrer_jeu "$RUN_DIR"
xdotool windowmove --sync "$FENETRE" $((LARGEUR - FW)) "$FY"
eval "$(xdotool getwindowgeometry --shell "$FENETRE")"
FX=$X; FY=$Y
[ $((FX + FW)) -eq "$LARGEUR" ] || { echo "the X11 window did not go to the right edge: x $FX"; exit 1; }
REPOS_X=5
REPOS_Y=$((HAUTEUR - 5))
bulle_de X11 $((FX + BX)) $((FY + BY))
read -r l t r b <<<"$X11"
X11_REL="$((l - FX)) $((t - FY)) $((r - FX)) $((b - FY))"
echo "X11: window at $FX,$FY, balloon $X11 (window coordinates: $X11_REL)"
arreter_processus "$GPID"
GPID=""

# ------------------------------------------------------------------ weston
# The output is smaller than the X screen, at its top left corner: weston
# follows the pointer from the moment it enters the output's window, so the
# pointer waits outside until weston is up.
SL=$((LARGEUR - 64))
SH=$((HAUTEUR - 48))
xdotool mousemove --sync $((LARGEUR - 2)) $((HAUTEUR - 2))
FOND='#204060'
cat >"$TRAVAIL/weston.ini" <<EOI
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff${FOND#\#}
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none
EOI
SOCKET=trelmo-e2e
weston --backend=x11-backend.so --use-pixman --width="$SL" --height="$SH" \
  --socket="$SOCKET" --config="$TRAVAIL/weston.ini" --log="$TRAVAIL/weston.log" \
  </dev/null >/dev/null 2>&1 &
WPID=$!
sortie_weston() {
  echo "$1"
  cat "$TRAVAIL/weston.log"
  exit 1
}
# weston's X window, named after weston and its output.
fenetre_weston() {
  xwininfo -root -children | sed -nE 's/^ *(0x[0-9a-f]+) "Weston Compositor.*/\1/p' | head -n1
}
sortie_prete() {
  [ -S "$XDG_RUNTIME_DIR/$SOCKET" ] || return 1
  CAPTURE=$(fenetre_weston)
  [ -n "$CAPTURE" ] && capture "$TRAVAIL/fond.png" &&
    [ "$(pixel "$TRAVAIL/fond.png" $((SL - 1)) $((SH - 1)))" = "32,64,96" ]
}
etat=0
attendre_pendant "$WPID" 60 sortie_prete || etat=$?
case $etat in
  1) sortie_weston "weston did not show its output within 60 s" ;;
  2) sortie_weston "weston ended at start" ;;
esac
CAPTURE=$(fenetre_weston)
eval "$(xdotool getwindowgeometry --shell "$CAPTURE")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,$SL,$SH" ] || { echo "weston's output is at $X,$Y, $WIDTH x $HEIGHT"; exit 1; }
REPOS_X=5
REPOS_Y=$((SH - 5))
xdotool mousemove --sync "$REPOS_X" "$REPOS_Y"

# The game, without an X display: Wayland or nothing.
( cd "$TRAVAIL/run" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$SOCKET" ./trelmo ) \
  >"$TRAVAIL/jeu.log" 2>&1 &
GPID=$!
fenetre_wayland() {
  capture "$TRAVAIL/ecran.png" && $ZONES fenetre "$TRAVAIL/ecran.png" "$FOND" "$FW" "$FH"
}
jeu_attend 60 "the main window on weston's output" fenetre_wayland
read -r WX WY < <(fenetre_wayland)

# weston's own move: Super and the left button drag the window (the press
# goes to weston, not to the game).
for essai in 1 2 3; do
  [ $((WX + FW)) -eq "$SL" ] && break
  dx=$((SL - FW - WX))
  xdotool mousemove --sync $((WX + FW / 2)) $((WY + 20))
  xdotool keydown super mousedown 1
  for pas in 1 2 3 4; do
    xdotool mousemove --sync $((WX + FW / 2 + dx * pas / 4)) $((WY + 20))
  done
  xdotool mouseup 1 keyup super
  jeu_attend 30 "the window to settle after the move" fenetre_wayland
  read -r WX WY < <(fenetre_wayland)
done
[ $((WX + FW)) -eq "$SL" ] || { echo "the window did not go to the output's right edge: x $WX"; exit 1; }

bulle_de WAYLAND $((WX + BX)) $((WY + BY))
read -r l t r b <<<"$WAYLAND"
WAYLAND_REL="$((l - WX)) $((t - WY)) $((r - WX)) $((b - WY))"
echo "Wayland: window at $WX,$WY, balloon $WAYLAND (window coordinates: $WAYLAND_REL)"
if [ "$l" -le 0 ] || [ "$t" -le 0 ] || [ "$r" -ge $((SL - 1)) ] || [ "$b" -ge $((SH - 1)) ]; then
  echo "the balloon reaches the output's edge ($SL x $SH): it is cut off"
  exit 1
fi
if [ $((r - l)) -lt 100 ] || [ $((b - t)) -lt 30 ]; then
  echo "the balloon is too small to hold its text"
  exit 1
fi
# Against the pointer as on X11: the same left and top edges; the right and
# bottom ones as far as the shadow, which the translucent balloon of Wayland
# draws fainter than the one cast on the screen's copy on X11.
read -r a1 a2 a3 a4 <<<"$X11_REL"
read -r b1 b2 b3 b4 <<<"$WAYLAND_REL"
proches() { local d=$(($1 - $2)); [ "${d#-}" -le "$3" ]; }
if ! proches "$a1" "$b1" 1 || ! proches "$a2" "$b2" 1 || ! proches "$a3" "$b3" 6 || ! proches "$a4" "$b4" 6; then
  echo "the balloon is not where X11 puts it: X11 $X11_REL, Wayland $WAYLAND_REL"
  exit 1
fi
grep -qi "xcb" "$TRAVAIL/jeu.log" && { echo "the game went to X11:"; cat "$TRAVAIL/jeu.log"; exit 1; }
echo "e2e_wayland: OK"
