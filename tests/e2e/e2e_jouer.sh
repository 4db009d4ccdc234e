#!/usr/bin/env bash
# The ways to play beyond two clicks, on the real game under a private X
# server with a session bus and the accessibility bus: a jump made with the
# keyboard alone, undone and made again with Ctrl+Z and Ctrl+Y, a jump made
# by dragging a marble, a hint; and what a screen reader finds through AT-SPI
# along the way (the holes named by place and state, the buttons, the spoken
# announcements, the score table's rows).
set -euo pipefail
. "$(dirname "$0")/xvfb_commun.sh"
RUN_DIR=$1
LECTEUR="$(dirname "$0")/lecteur_ecran.py"
for outil in dbus-daemon /usr/bin/python3; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi not installed"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core not installed"; exit 77; }

demarrer_x
# A session bus of the test's own; the accessibility bus starts on demand.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$TRAVAIL/bus" 4>"$TRAVAIL/buspid"
BUSPID=$(tr -d '[:space:]' <"$TRAVAIL/buspid")
trap 'rc=$?; set +e; kill "$BUSPID" 2>/dev/null; (exit "$rc"); terminer' EXIT
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$TRAVAIL/bus")
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The tip of the first start is taken as seen: no balloon over the board.
mkdir -p "$TRAVAIL/config"
printf '[Propriétés]\nastuce=1\n' >"$TRAVAIL/config/trelmo.ini"
demarrer_jeu "$RUN_DIR" en_US.UTF-8

lecteur() { /usr/bin/python3 "$LECTEUR" "$@"; }
jeu_attend 60 "the game on the accessibility bus with its nine buttons" lecteur boutons

SKIN="$TRAVAIL/run/Image/Skin/p1.bmp"
ECRAN="$TRAVAIL/ecran.png"
touches() {
  xdotool windowfocus --sync "$FENETRE" >/dev/null 2>&1 || true
  xdotool key --delay 60 "$@"
}

# A new English game.
nouvelle_partie "Level" 1
jeu_attend 30 "the English board in the screen reader's tree" lecteur trous 33
jeu_attend 30 "the marble of (5,3) able to jump" lecteur trou "Column 5, row 3: marble, can jump"

# The keyboard alone: the cursor up to (5,3), pick it up, down to the centre, jump.
xdotool mousemove --sync 5 5
touches Up
jeu_attend 30 "the first arrow spoken" lecteur annonce '^Column 5, row 5: empty$'
touches Up Up space
jeu_attend 30 "the held marble in the screen reader's tree" lecteur trou "Column 5, row 3: marble, held"
jeu_attend 30 "the pick spoken" lecteur annonce '^Column 5, row 3: marble picked up$'
touches Escape
jeu_attend 30 "the marble put back, spoken" lecteur annonce '^Column 5, row 3: marble put back$'
touches space
touches Down Down Return
jeu_attend 30 "the jump made with the keyboard" \
  trous "336 133 vide" "336 171 vide" "336 209 bille"
jeu_attend 30 "the jump announced" lecteur annonce '^Jump from column 5, row 3 to column 5, row 5\. 31 marbles left\.$'
jeu_attend 30 "the emptied hole named so" lecteur trou "Column 5, row 3: empty"

# Undone, then made again.
touches ctrl+z
jeu_attend 30 "the jump undone" trous "336 133 bille" "336 171 bille" "336 209 vide"
jeu_attend 30 "the undo announced" lecteur annonce '^Jump undone\. 32 marbles left\.$'
touches ctrl+y
jeu_attend 30 "the jump made again" trous "336 133 vide" "336 171 vide" "336 209 bille"

# Dragged: the marble of (3,4) over (4,4) into (5,4), the button held all the way.
xdotool mousemove --sync "$((FX + 262))" "$((FY + 171))" mousedown 1
xdotool mousemove --sync "$((FX + 275))" "$((FY + 171))"
xdotool mousemove --sync "$((FX + 305))" "$((FY + 171))"
xdotool mousemove --sync "$((FX + 336))" "$((FY + 171))" mouseup 1
jeu_attend 30 "the jump made by dragging" trous "262 171 vide" "299 171 vide" "336 171 bille"

# A hint: spoken, and the English board can still end with one marble here.
xdotool mousemove --sync 5 5
touches h
jeu_attend 30 "the hint, naming both holes" lecteur annonce \
  '^Jump from column [1-9], row [1-9] to column [1-9], row [1-9]: you can still finish with 1 marble\.$'

# The top ten: a list of ten rows a screen reader walks.
cliquer 571 280
jeu_attend 30 "the score table" fenetre_visible "^LES 10 MEILLEURS SCORES\$"
jeu_attend 30 "the score table's rows in the screen reader's tree" \
  lecteur liste "The ten best scores" 10 '^1\. Player: .*, balls: 44, Time: $'
repondre "LES 10 MEILLEURS SCORES"
echo "end-to-end ways to play: ok"
