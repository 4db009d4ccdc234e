# Shared helpers of the end-to-end tests: a private X server and a game
# started from a temporary copy of the program directory.
# Sourced by bash scripts; they exit 77 (skipped) only when a tool is missing,
# and 1 when something fails. Every wait polls its condition with a limit.

for outil in Xvfb xdotool xdpyinfo; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil not installed"; exit 77; }
done
# ImageMagick's own tools, not a stand-in of the same name.
for outil in convert import; do
  "$outil" -version 2>/dev/null | grep -q ImageMagick || { echo "SKIP: ImageMagick's $outil not installed"; exit 77; }
done

. "$(dirname "${BASH_SOURCE[0]}")/serveur_x.sh"

TRAVAIL=$(mktemp -d "${TMPDIR:-/tmp}/trelmo-e2e.XXXXXX")
GPID=""
terminer() {
  local rc=$?
  set +e
  arreter_processus "$GPID"
  serveur_x_arreter
  rm -rf "$TRAVAIL"
  exit "$rc"
}
trap terminer EXIT
trap 'exit 1' INT TERM HUP

demarrer_x() {
  serveur_x_demarrer "$TRAVAIL" || exit 1
}

# demarrer_jeu <run dir> [locale]: copies the program directory and starts the
# game in it; FX, FY, FW, FH are then the main window's place and size.
demarrer_jeu() {
  mkdir -p "$TRAVAIL/run" "$TRAVAIL/home" "$TRAVAIL/config"
  cp -r "$1"/. "$TRAVAIL/run/"
  rm -f "$TRAVAIL/run/TRL.CFG" "$TRAVAIL/run/GAME"
  export HOME="$TRAVAIL/home" XDG_CONFIG_HOME="$TRAVAIL/config" XDG_RUNTIME_DIR="$TRAVAIL/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  unset LANGUAGE LC_ALL LC_MESSAGES
  export LANG="${2:-fr_FR.UTF-8}"
  ( cd "$TRAVAIL/run" && exec ./trelmo ) >"$TRAVAIL/jeu.log" 2>&1 &
  GPID=$!
  local etat=0
  attendre_pendant "$GPID" 60 fenetre_principale || etat=$?
  if [ "$etat" -ne 0 ]; then
    if [ "$etat" -eq 2 ]; then echo "the game ended before its window appeared"; jeu_fini
    else echo "main window did not appear within 60 s"; cat "$TRAVAIL/jeu.log"; fi
    exit 1
  fi
  FENETRE=$(fenetre_principale)
  eval "$(xdotool getwindowgeometry --shell "$FENETRE")"
  FX=$X; FY=$Y; FW=$WIDTH; FH=$HEIGHT
}

# jeu_fini: says how the game ended, with what it wrote.
jeu_fini() {
  local etat=0
  wait "$GPID" 2>/dev/null || etat=$?
  GPID=""
  if [ "$etat" -gt 128 ]; then echo "the game was killed by signal $((etat - 128))"
  else echo "the game exited with status $etat"; fi
  cat "$TRAVAIL/jeu.log"
}

# jeu_attend <seconds> <what> <command...>: waits for a condition while the
# game runs; says what did not happen and stops the test otherwise.
jeu_attend() {
  local limite=$1 quoi=$2 etat=0
  shift 2
  attendre_pendant "$GPID" "$limite" "$@" || etat=$?
  [ "$etat" -eq 0 ] && return 0
  if [ "$etat" -eq 2 ]; then echo "the game ended while waiting: $quoi"; jeu_fini
  else echo "not within $limite s: $quoi"; fi
  exit 1
}

# cliquer <x> <y>: the pointer moves onto the window point (xdotool waits
# until it is there), then a click; the game sees the move before the click.
cliquer() {
  xdotool mousemove --sync "$((FX + $1))" "$((FY + $2))" click 1
}

# pixel <image> <x> <y>: the colour of one pixel as "r,g,b".
pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# trous <"x y vide|bille">...: one screenshot ($ECRAN), in which the hole at
# window point (x, y) shows the bare skin $SKIN (vide) or a marble (bille).
trous() {
  import -window root "$ECRAN" || return 1
  local p x y quoi ici peau
  for p in "$@"; do
    read -r x y quoi <<<"$p"
    ici=$(pixel "$ECRAN" $((FX + x)) $((FY + y)))
    peau=$(pixel "$SKIN" "$x" "$y")
    case $quoi in
      vide) [ "$ici" = "$peau" ] || return 1 ;;
      bille) [ "$ici" != "$peau" ] || return 1 ;;
    esac
  done
}

# nouvelle_partie <dialog title> <button>: New Game, then button 1, 2 or 3 of
# the variant dialog (English, French, Mission Impossible).
nouvelle_partie() {
  cliquer 546 345
  jeu_attend 30 "the variant dialog" fenetre_visible "^$1\$"
  local dlg X Y WIDTH HEIGHT SCREEN WINDOW
  dlg=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$dlg")"
  xdotool mousemove --sync "$((X + 150))" "$((Y + 14 + 29 * ($2 - 1)))" click 1
  jeu_attend 30 "the variant dialog to close" fenetre_absente "^$1\$"
}

# une fenetre nommée <titre> visible
fenetre_visible() { xdotool search --onlyvisible --name "$1"; }
fenetre_absente() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# repondre <title>: waits for the message box of that title and confirms it
# with Return. A key lost on a loaded machine is pressed once more, only when
# the box is still open long after the first one.
repondre() {
  jeu_attend 30 "a '$1' box" fenetre_visible "^$1\$"
  local w essai etat
  w=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
  for essai in 1 2; do
    xdotool windowfocus --sync "$w" >/dev/null 2>&1 || true
    xdotool key Return
    etat=0
    attendre_pendant "$GPID" 30 fenetre_absente "^$1\$" || etat=$?
    case $etat in
      0) return 0 ;;
      2) echo "the game ended while its '$1' box was open"; jeu_fini; exit 1 ;;
    esac
  done
  echo "'$1' box stayed open"
  exit 1
}
