#!/usr/bin/env bash
# Starts the real game under a private X server, starts an English game in the
# variant dialog, plays the opening jump with the mouse (hole 9 over hole 16
# into hole 25) and checks the screen and TRL.CFG; then saves the game, plays
# on, restores it and checks the board is the saved one.
set -euo pipefail
. "$(dirname "$0")/xvfb_commun.sh"
RUN_DIR=$1

demarrer_x
demarrer_jeu "$RUN_DIR"
[ "$FW" = 640 ] && [ "$FH" = 462 ] || { echo "main window is ${FW}x${FH}"; exit 1; }
[ -f "$TRAVAIL/run/TRL.CFG" ] || { echo "TRL.CFG not created"; exit 1; }
[ "$(stat -c %s "$TRAVAIL/run/TRL.CFG")" = 396 ] || { echo "TRL.CFG is not 396 bytes"; exit 1; }

# New game: the variant dialog, first button (English board).
cliquer 546 345
attendre 10 fenetre_visible '^Niveau de jeu$' || { echo "variant dialog did not appear"; exit 1; }
DLG=$(xdotool search --onlyvisible --name '^Niveau de jeu$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$DLG")"
xdotool mousemove "$((X + 150))" "$((Y + 14))"; sleep 0.1; xdotool click 1
attendre 10 sh -c "! xdotool search --onlyvisible --name '^Niveau de jeu\$'" || { echo "variant dialog stayed open"; exit 1; }

# The opening jump: pick the marble of hole 9 (5,3), drop it on hole 25 (5,5).
cliquer 336 133
cliquer 336 209
sleep 0.3
import -window root "$TRAVAIL/ecran.png"
[ -n "${TRELMO_SHOT:-}" ] && cp "$TRAVAIL/ecran.png" "$TRELMO_SHOT"

SKIN="$TRAVAIL/run/Image/Skin/p1.bmp"
# Hole 9 and hole 16 are empty now: the screen shows the bare skin there.
for p in "336 133" "336 171"; do
  set -- $p
  ecran=$(pixel "$TRAVAIL/ecran.png" $((FX + $1)) $((FY + $2)))
  peau=$(pixel "$SKIN" "$1" "$2")
  [ "$ecran" = "$peau" ] || { echo "hole at $1,$2 is not empty: $ecran vs skin $peau"; exit 1; }
done
# Hole 25 and hole 34 hold marbles: the screen differs from the bare skin.
for p in "336 209" "336 247"; do
  set -- $p
  ecran=$(pixel "$TRAVAIL/ecran.png" $((FX + $1)) $((FY + $2)))
  peau=$(pixel "$SKIN" "$1" "$2")
  [ "$ecran" != "$peau" ] || { echo "hole at $1,$2 shows no marble"; exit 1; }
done
# The variant chosen in the dialog is in TRL.CFG (offset 51, little-endian 1).
niveau=$(od -An -t d4 -j 51 -N 4 "$TRAVAIL/run/TRL.CFG" | tr -d ' ')
[ "$niveau" = 1 ] || { echo "niveau in TRL.CFG is $niveau"; exit 1; }

# Save (confirmed), then play on: (3,4) over (4,4) into (5,4).
cliquer 571 206
repondre Confirmation
[ "$(stat -c %s "$TRAVAIL/run/GAME")" = 1325 ] || { echo "GAME is not 1325 bytes"; exit 1; }
repos=$(od -An -t d2 -j 27 -N 2 "$TRAVAIL/run/GAME" | tr -d ' ')
[ "$repos" = 13 ] || { echo "saved tray count is $repos"; exit 1; }
cliquer 262 171
cliquer 336 171
sleep 0.3
import -window root "$TRAVAIL/ecran2.png"
[ "$(pixel "$TRAVAIL/ecran2.png" $((FX + 262)) $((FY + 171)))" = "$(pixel "$SKIN" 262 171)" ] \
  || { echo "second jump not made"; exit 1; }
# Restore (confirmed: a game is in progress): the saved board comes back.
cliquer 571 140
repondre Confirmation
sleep 0.3
import -window root "$TRAVAIL/ecran3.png"
[ "$(pixel "$TRAVAIL/ecran3.png" $((FX + 262)) $((FY + 171)))" != "$(pixel "$SKIN" 262 171)" ] \
  || { echo "restored board lacks the marble of (3,4)"; exit 1; }
[ "$(pixel "$TRAVAIL/ecran3.png" $((FX + 336)) $((FY + 171)))" = "$(pixel "$SKIN" 336 171)" ] \
  || { echo "restored board has a marble on (5,4)"; exit 1; }
echo "end-to-end game: ok"
