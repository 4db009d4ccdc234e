#!/usr/bin/env bash
# Measures the game's start-up under a private X server: time from exec to the
# main window being mapped (median of several runs) and the resident memory.
# Usage: bench/mainwindow/demarrage.sh [build dir] [runs]
set -euo pipefail
BUILD=${1:-build}
RUNS=${2:-9}
TMP=$(mktemp -d)
cp -r "$BUILD/run"/. "$TMP/"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/affichage" >/dev/null 2>&1 &
XPID=$!
trap 'kill $XPID 2>/dev/null; rm -rf "$TMP"' EXIT
for _ in $(seq 200); do [ -s "$TMP/affichage" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '[:space:]' < "$TMP/affichage")" XDG_CONFIG_HOME="$TMP/config"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
"$BUILD/bench/mainwindow/bench_demarrage" "$TMP" "$RUNS"
