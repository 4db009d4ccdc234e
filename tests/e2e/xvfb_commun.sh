# Shared helpers of the end-to-end tests: a private X server and a game
# started from a temporary copy of the program directory.
# Sourced by the test scripts; they exit 77 (skipped) when a tool is missing.

for outil in Xvfb xdotool xdpyinfo convert import; do
  command -v "$outil" >/dev/null || { echo "missing $outil"; exit 77; }
done

TRAVAIL=$(mktemp -d)
XPID=""
GPID=""
terminer() {
  local rc=$?
  if [ -n "$GPID" ]; then kill "$GPID" 2>/dev/null; wait "$GPID" 2>/dev/null || true; fi
  if [ -n "$XPID" ]; then kill "$XPID" 2>/dev/null; wait "$XPID" 2>/dev/null || true; fi
  rm -rf "$TRAVAIL"
  exit "$rc"
}
trap terminer EXIT

# attendre <seconds> <command...>: retries the command every 50 ms.
attendre() {
  local limite=$(( $(date +%s) + $1 )); shift
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s)" -ge "$limite" ] && return 1
    sleep 0.05
  done
}

demarrer_x() {
  # The server picks a free display itself and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TRAVAIL/affichage" >/dev/null 2>&1 &
  XPID=$!
  attendre 10 test -s "$TRAVAIL/affichage" || { echo "no X server could be started"; exit 1; }
  export DISPLAY=":$(tr -d '[:space:]' < "$TRAVAIL/affichage")"
  attendre 10 xdpyinfo || { echo "X server $DISPLAY does not answer"; exit 1; }
}

# demarrer_jeu <run dir> [locale]: copies the program directory and starts the game in it.
demarrer_jeu() {
  mkdir -p "$TRAVAIL/run" "$TRAVAIL/home" "$TRAVAIL/config"
  cp -r "$1"/. "$TRAVAIL/run/"
  rm -f "$TRAVAIL/run/TRL.CFG" "$TRAVAIL/run/GAME"
  export HOME="$TRAVAIL/home" XDG_CONFIG_HOME="$TRAVAIL/config" XDG_RUNTIME_DIR="$TRAVAIL/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  unset LC_ALL LC_MESSAGES
  export LANG="${2:-fr_FR.UTF-8}"
  ( cd "$TRAVAIL/run" && exec ./trelmo ) &
  GPID=$!
  attendre 20 xdotool search --onlyvisible --name '^Trelmo$' || { echo "main window did not appear"; exit 1; }
  FENETRE=$(xdotool search --onlyvisible --name '^Trelmo$' | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$FENETRE")"
  FX=$X; FY=$Y; FW=$WIDTH; FH=$HEIGHT
}

# cliquer <x> <y>: pointer moves onto the window point, then a click.
cliquer() {
  xdotool mousemove "$((FX + $1))" "$((FY + $2))"
  sleep 0.1
  xdotool click 1
}

# pixel <image> <x> <y>: the colour of one pixel as "r,g,b".
pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# repondre <title>: waits for the message box of that title and confirms it with Return.
repondre() {
  attendre 10 fenetre_visible "^$1\$" || { echo "no '$1' box"; exit 1; }
  local w
  w=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
  xdotool windowfocus --sync "$w" 2>/dev/null || true
  xdotool key Return
  attendre 10 sh -c "! xdotool search --onlyvisible --name '^$1\$'" || { echo "'$1' box stayed open"; exit 1; }
}

# une fenetre nommée <titre> visible
fenetre_visible() { xdotool search --onlyvisible --name "$1"; }
