#!/usr/bin/env bash
# Starts the real game under a private X server, starts an English game in the
# variant dialog, plays the opening jump with the mouse (hole 9 over hole 16
# into hole 25) and checks the screen and TRL.CFG; then saves the game, plays
# on, restores it and checks the board is the saved one; last, the help opens
# as web pages on a desktop without a CHM reader.
set -euo pipefail
. "$(dirname "$0")/xvfb_commun.sh"
RUN_DIR=$1

# The desktop seen by the game: no application for CHM files, and an
# xdg-open that notes what it is asked to open.
mkdir -p "$TRAVAIL/bureau"
printf '#!/bin/sh\nexit 0\n' >"$TRAVAIL/bureau/xdg-mime"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$TRAVAIL/ouverts" >"$TRAVAIL/bureau/xdg-open"
chmod +x "$TRAVAIL/bureau/xdg-mime" "$TRAVAIL/bureau/xdg-open"
export PATH="$TRAVAIL/bureau:$PATH"

demarrer_x
demarrer_jeu "$RUN_DIR"
[ "$FW" = 640 ] && [ "$FH" = 462 ] || { echo "main window is ${FW}x${FH}"; exit 1; }
[ -f "$TRAVAIL/run/TRL.CFG" ] || { echo "TRL.CFG not created"; exit 1; }
[ "$(stat -c %s "$TRAVAIL/run/TRL.CFG")" = 396 ] || { echo "TRL.CFG is not 396 bytes"; exit 1; }

SKIN="$TRAVAIL/run/Image/Skin/p1.bmp"
ECRAN="$TRAVAIL/ecran.png"
# taille <file> <bytes>
taille() { [ "$(stat -c %s "$1" 2>/dev/null)" = "$2" ]; }

# New game: the variant dialog, first button (English board).
nouvelle_partie "Niveau de jeu" 1

# The opening jump: pick the marble of hole 9 (5,3), drop it on hole 25 (5,5).
# Holes 9 and 16 are then empty, holes 25 and 34 hold marbles.
cliquer 336 133
cliquer 336 209
jeu_attend 30 "the opening jump on the screen" \
  trous "336 133 vide" "336 171 vide" "336 209 bille" "336 247 bille"
[ -n "${TRELMO_SHOT:-}" ] && cp "$ECRAN" "$TRELMO_SHOT"
# The variant chosen in the dialog is in TRL.CFG (offset 51, little-endian 1).
niveau=$(od -An -t d4 -j 51 -N 4 "$TRAVAIL/run/TRL.CFG" | tr -d ' ')
[ "$niveau" = 1 ] || { echo "niveau in TRL.CFG is $niveau"; exit 1; }

# Save (confirmed), then play on: (3,4) over (4,4) into (5,4).
cliquer 571 206
repondre Confirmation
jeu_attend 10 "GAME written with 1325 bytes" taille "$TRAVAIL/run/GAME" 1325
repos=$(od -An -t d2 -j 27 -N 2 "$TRAVAIL/run/GAME" | tr -d ' ')
[ "$repos" = 13 ] || { echo "saved tray count is $repos"; exit 1; }
cliquer 262 171
cliquer 336 171
jeu_attend 30 "the second jump on the screen" trous "262 171 vide" "336 171 bille"
# Restore (confirmed: a game is in progress): the saved board comes back.
cliquer 571 140
repondre Confirmation
jeu_attend 30 "the saved board restored" trous "262 171 bille" "336 171 vide"

# Help: the web pages of the program directory go to the browser.
cliquer 490 424
jeu_attend 30 "the help pages handed to xdg-open" \
  grep -qx "file://$TRAVAIL/run/help/index.html" "$TRAVAIL/ouverts"
echo "end-to-end game: ok"
