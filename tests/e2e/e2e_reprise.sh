#!/usr/bin/env bash
# Nothing lost by leaving, on the real game under a private X server: a game
# with one jump made, ended by SIGTERM, is kept in partie_en_cours.txt (the
# saved game GAME is not touched); at the next start Ctrl+R takes it up
# again with the jump made, and SIGTERM keeps it again as it was.
set -euo pipefail
. "$(dirname "$0")/xvfb_commun.sh"
RUN_DIR=$1

demarrer_x
mkdir -p "$TRAVAIL/config"
printf '[Propriétés]\nastuce=1\n' >"$TRAVAIL/config/trelmo.ini"
demarrer_jeu "$RUN_DIR" en_US.UTF-8
SKIN="$TRAVAIL/run/Image/Skin/p1.bmp"
ECRAN="$TRAVAIL/ecran.png"
GARDEE="$TRAVAIL/run/partie_en_cours.txt"
touches() {
  xdotool windowfocus --sync "$FENETRE" >/dev/null 2>&1 || true
  xdotool key --delay 60 "$@"
}

nouvelle_partie "Level" 1
# (5,3) jumps down onto the centre.
cliquer 336 133
cliquer 336 209
jeu_attend 30 "the jump made" trous "336 133 vide" "336 171 vide" "336 209 bille"

sha() { [ -e "$TRAVAIL/run/GAME" ] && sha1sum <"$TRAVAIL/run/GAME" || echo none; }
AVANT=$(sha)
kill -TERM "$GPID"
etat=0; wait "$GPID" || etat=$?; GPID=""
[ "$etat" -eq 0 ] || { echo "SIGTERM: the game exited with status $etat"; cat "$TRAVAIL/jeu.log"; exit 1; }
[ -f "$GARDEE" ] || { echo "no kept game after SIGTERM"; ls -la "$TRAVAIL/run"; exit 1; }
grep -q '^position 13 ' "$GARDEE" || { echo "the kept game is not the one on the board"; cat "$GARDEE"; exit 1; }
grep -q '^annulable ' "$GARDEE" || { echo "the kept game has lost its history"; exit 1; }
[ "$(sha)" = "$AVANT" ] || { echo "GAME changed"; exit 1; }
cp "$GARDEE" "$TRAVAIL/gardee.1"

# The next start: the board as always, Ctrl+R takes the game up again.
( cd "$TRAVAIL/run" && exec ./trelmo ) >"$TRAVAIL/jeu.log" 2>&1 &
GPID=$!
jeu_attend 60 "the main window again" fenetre_principale
FENETRE=$(fenetre_principale)
eval "$(xdotool getwindowgeometry --shell "$FENETRE")"
FX=$X; FY=$Y
jeu_attend 30 "the board empty at the start" trous "336 133 vide" "336 209 vide"
touches ctrl+r
jeu_attend 30 "the kept game on the board" trous "336 133 vide" "336 171 vide" "336 209 bille" "336 247 bille"
[ ! -e "$GARDEE" ] || { echo "the kept game's file is still there once taken up"; exit 1; }

kill -TERM "$GPID"
etat=0; wait "$GPID" || etat=$?; GPID=""
[ "$etat" -eq 0 ] || { echo "second SIGTERM: status $etat"; exit 1; }
diff <(grep -v '^temps' "$TRAVAIL/gardee.1") <(grep -v '^temps' "$GARDEE") || { echo "the game kept again differs"; exit 1; }
echo "OK"
