#!/usr/bin/env bash
# Starts the real game where no file may grow (ulimit -f 0): its first
# settings write fails at start-up. The game is not killed for it: its main
# window shows, then a box of its own says that the settings cannot be
# written, no TRL.CFG is left cut or empty, and the game plays on once the
# box is closed. Then, without the limit, a pipe planted as GAME or as
# GAME.probleme never freezes the window: Save says the file cannot be
# written, Load restores the game all the same.
set -euo pipefail
. "$(dirname "$0")/xvfb_commun.sh"
RUN_DIR=$1

# The program directory, with the game started under the limit.
mkdir -p "$TRAVAIL/source"
cp -r "$RUN_DIR"/. "$TRAVAIL/source/"
mv "$TRAVAIL/source/trelmo" "$TRAVAIL/source/trelmo.jeu"
printf '#!/bin/sh\nulimit -f 0\nexec ./trelmo.jeu "$@"\n' >"$TRAVAIL/source/trelmo"
chmod +x "$TRAVAIL/source/trelmo"

demarrer_x
demarrer_jeu "$TRAVAIL/source"

# The warning: a box named like the game, beside its main window.
principale=$FENETRE
avertissement() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Trelmo$' 2>/dev/null); do
    [ "$w" != "$principale" ] && return 0
  done
  return 1
}
jeu_attend 30 "the box saying the settings cannot be written" avertissement
[ ! -e "$TRAVAIL/run/TRL.CFG" ] || { echo "TRL.CFG was created under the limit"; exit 1; }
xdotool key Return
jeu_attend 30 "the box to close" eval '! avertissement'
# Still playing: the variant dialog opens.
cliquer 546 345
jeu_attend 30 "the variant dialog" fenetre_visible "^Niveau de jeu\$"
arreter_processus "$GPID"
GPID=""

# The pointer leaves the point it is to click next: xdotool's move to where
# the pointer already is waits for a motion that never comes.
ailleurs() { xdotool mousemove --sync "$((FX + 5))" "$((FY + 5))"; }

demarrer_jeu "$RUN_DIR"
principale=$FENETRE
ailleurs
nouvelle_partie "Niveau de jeu" 1
cliquer 336 133
cliquer 336 209
mkfifo "$TRAVAIL/run/GAME"
cliquer 571 206
repondre Confirmation
jeu_attend 30 "the box saying GAME cannot be written" avertissement
xdotool key Return
jeu_attend 30 "the box to close" eval '! avertissement'
[ -p "$TRAVAIL/run/GAME" ] || { echo "the pipe planted as GAME was replaced"; exit 1; }

rm "$TRAVAIL/run/GAME"
ailleurs
cliquer 571 206
repondre Confirmation
jeu_attend 10 "GAME written with 1325 bytes" eval '[ "$(stat -c %s "$TRAVAIL/run/GAME" 2>/dev/null)" = 1325 ]'
mkfifo "$TRAVAIL/run/GAME.probleme"
cliquer 571 140
repondre Confirmation
# The window answers: Save asks its question again.
ailleurs
cliquer 571 206
repondre Confirmation
echo "e2e_fichiers: OK"
