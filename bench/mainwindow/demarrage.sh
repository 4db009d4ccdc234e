#!/usr/bin/env bash
# Measures the game's start-up against the toolkit's floor under a private X
# server with a D-Bus session and the accessibility bus, as on a desktop: the
# time from exec to the main window being mapped, and the resident memory 2 s
# later, for a bare frameless 640 x 462 Qt window, for the game's first two
# screens drawn with Qt alone (bench/mainwindow/ecrans_nus.cpp) and for the
# game, started one after the other, run after run; the first screens and
# the game also at 200 % (QT_SCALE_FACTOR=2), on a screen large enough to
# hold the window at that scale. Prints the medians, the ratios to the bare
# window, and the 200 % figures beside the 100 % ones.
# Usage: bench/mainwindow/demarrage.sh [build dir] [runs]
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
RUNS=${2:-9}
TMP=$(mktemp -d)
cp -r "$BUILD/run"/. "$TMP/"
rm -f "$TMP/TRL.CFG" "$TMP/GAME"
Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp 3>"$TMP/affichage" >/dev/null 2>&1 &
XPID=$!
BUSPID=""
trap 'kill $XPID 2>/dev/null; [ -n "$BUSPID" ] && kill "$BUSPID" 2>/dev/null; rm -rf "$TMP"' EXIT
for _ in $(seq 200); do [ -s "$TMP/affichage" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '[:space:]' < "$TMP/affichage")" XDG_CONFIG_HOME="$TMP/config"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
# A session bus, as a desktop has; the accessibility bus starts on demand.
if command -v dbus-daemon >/dev/null; then
  dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$TMP/bus" 4>"$TMP/buspid"
  BUSPID=$(tr -d '[:space:]' < "$TMP/buspid")
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$TMP/bus")
  export DBUS_SESSION_BUS_ADDRESS
fi
# One start of each beforehand, so that all find the same warm file cache.
PROGRAMMES=("$BUILD/bench/mainwindow/fenetre_nue" "$BUILD/bench/mainwindow/ecrans_nus" "$TMP/trelmo"
            "$BUILD/bench/mainwindow/ecrans_nus@2" "$TMP/trelmo@2")
"$BUILD/bench/mainwindow/bench_demarrage" "$TMP" 1 "${PROGRAMMES[@]}" >/dev/null
"$BUILD/bench/mainwindow/bench_demarrage" "$TMP" "$RUNS" "${PROGRAMMES[@]}" | tee "$TMP/resultats"
awk 'function lire(   i) { for (i = 1; i <= NF; ++i) { if ($(i) == "x") r = $(i-1); if ($(i) == "MB" && $(i-1) ~ /^[+-]/) m = $(i-1) } }
     / at 200 %/ { if ($0 ~ /trelmo at 200 %/) { lire(); r2 = r; m2 = m } else { lire(); rn2 = r; mn2 = m }; next }
     /ecrans_nus /{ lire(); rn = r; mn = m } /trelmo /{ lire(); rj = r; mj = m }
     END { printf "targets: time %s x (at most 1.30), memory %s MB (at most +4.0)\n", rj, mj
           printf "the same first screens with the toolkit alone: %s x, %s MB\n", rn, mn
           printf "at 200 %%: time %s x the 100 %% time (at most 1.20), memory %s MB (at most +8.0)\n", r2, m2
           printf "the same first screens with the toolkit alone at 200 %%: %s x, %s MB\n", rn2, mn2 }' "$TMP/resultats"
