#!/usr/bin/env bash
# What the Orca screen reader says while the game is played from the keyboard,
# read from its debug log as it is written (no sound is made): the first arrow, picking up and
# putting back a marble, a jump, the hint naming both holes, the top ten
# walked as a list, the statistics' figures, and the moves on the one-hole
# problems' board.
set -euo pipefail
. "$(dirname "$0")/xvfb_commun.sh"
RUN_DIR=$1
for outil in dbus-daemon orca; do
  command -v "$outil" >/dev/null || { echo "SKIP: $outil not installed"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core not installed"; exit 77; }

demarrer_x
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$TRAVAIL/bus" 4>"$TRAVAIL/buspid"
BUSPID=$(tr -d '[:space:]' <"$TRAVAIL/buspid")
OPID=""
trap 'rc=$?; set +e; arreter_processus "$OPID"; kill "$BUSPID" 2>/dev/null; (exit "$rc"); terminer' EXIT
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$TRAVAIL/bus")
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -p "$TRAVAIL/config" "$TRAVAIL/home"
printf '[Propriétés]\nastuce=1\n' >"$TRAVAIL/config/trelmo.ini"
JOURNAL="$TRAVAIL/orca.log"
# Orca writes its log line by line only to a terminal: it is given one, whose
# output script(1) copies into the journal as it comes.
HOME="$TRAVAIL/home" XDG_CONFIG_HOME="$TRAVAIL/config" \
  script -qfec "orca --replace -u '$TRAVAIL/orca' --debug-file /dev/tty" "$JOURNAL" </dev/null >/dev/null 2>&1 &
OPID=$!
# orca_dit <regex>: Orca has spoken a text matching the regex.
orca_dit() { grep -a 'SPEECH OUTPUT' "$JOURNAL" 2>/dev/null | grep -Eq "$1"; }
# orca_attend <what> <regex>: waits for Orca to say it; says what it said otherwise.
orca_attend() {
  local etat=0
  attendre_pendant "$GPID" 30 orca_dit "$2" || etat=$?
  [ "$etat" -eq 0 ] && return 0
  echo "not within 30 s: $1; the last things Orca said:"
  grep -a 'SPEECH OUTPUT' "$JOURNAL" | tail -n 8 | cut -c1-200
  exit 1
}
jeu_attend 60 "Orca started" orca_dit 'Screen reader on'
demarrer_jeu "$RUN_DIR" en_US.UTF-8
touches() {
  xdotool windowfocus --sync "$FENETRE" >/dev/null 2>&1 || true
  xdotool key --delay 300 "$@"
}

nouvelle_partie "Level" 1
orca_attend "the new game spoken" "'notification New game\\. 32 marbles left\\.'"
xdotool mousemove --sync 5 5
touches Up
orca_attend "the first arrow spoken" "'notification Column 5, row 5: empty\\.'"
touches Up Up space
orca_attend "the pick spoken" "'notification Column 5, row 3: marble picked up\\.'"
touches Escape
orca_attend "the put-back spoken" "'notification Column 5, row 3: marble put back\\.'"
touches space Down Down Return
orca_attend "the jump spoken" "'notification Jump from column 5, row 3 to column 5, row 5\\. 31 marbles left\\.'"
touches h
orca_attend "the hint spoken with both holes" \
  "'notification Jump from column [1-9], row [1-9] to column [1-9], row [1-9]: you can still finish with 1 marble\\.'"

# The top ten: Tab from OK to the list, then its rows one by one.
cliquer 571 280
jeu_attend 30 "the score table" fenetre_visible "^LES 10 MEILLEURS SCORES\$"
orca_attend "the score table's OK spoken" "Ok push button"
xdotool key --delay 300 Tab
orca_attend "the list spoken" "'List with 10 items\\.'"
xdotool key --delay 300 Down
orca_attend "the second row spoken" "'2\\. Player: , balls: 44, Time: '"
xdotool key Escape
jeu_attend 30 "the score table closed" fenetre_absente "^LES 10 MEILLEURS SCORES\$"

# The statistics: past OK, the page's figures as labelled rows.
touches s
jeu_attend 30 "the statistics window" fenetre_visible "^Statistics\$"
xdotool key --delay 300 Tab Tab
orca_attend "the figures named by their page" "'English\\.'"
orca_attend "the first figure spoken" "'Games started: 1\\.'"
xdotool key Escape
jeu_attend 30 "the statistics closed" fenetre_absente "^Statistics\$"

# The one-hole problems: each move on the board is spoken.
touches p
jeu_attend 30 "the problems" fenetre_visible "^Problems\$"
xdotool key --delay 200 Down Down Down Down Down Down Down Down Down Down
orca_attend "the one-hole series" "One empty hole"
xdotool key --delay 300 Return Right
orca_attend "a move on the board spoken" "'notification Hole f5, empty, possible start"
xdotool key --delay 300 Left Return
orca_attend "the start chosen, spoken" "'notification Hole e5, .*Choose the hole of the last marble"
echo "what Orca says: ok"
