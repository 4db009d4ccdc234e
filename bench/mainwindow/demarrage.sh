#!/usr/bin/env bash
# Measures the game's start-up under a private X server: time from exec to the
# main window being mapped (median of several runs) and the resident memory.
# Usage: bench/mainwindow/demarrage.sh [build dir] [runs]
set -euo pipefail
BUILD=${1:-build}
RUNS=${2:-9}
TMP=$(mktemp -d)
cp -r "$BUILD/run"/. "$TMP/"
for d in $(seq 170 199); do [ -e "/tmp/.X$d-lock" ] || break; done
Xvfb ":$d" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!
trap 'kill $XPID 2>/dev/null; rm -rf "$TMP"' EXIT
export DISPLAY=":$d" XDG_CONFIG_HOME="$TMP/config"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
"$BUILD/bench/mainwindow/bench_demarrage" "$TMP" "$RUNS"
