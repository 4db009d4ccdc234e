#!/bin/sh
# Installs the game into a temporary DESTDIR and starts the installed
# launcher under a private Xvfb from an unrelated directory, with a fresh
# home: the main window must appear and TRL.CFG be created in the per-user
# game directory.
# Usage: launch_check.sh <build dir> <1 when the game program is a target>
set -u
build=$1
have_program=$2
[ "$have_program" = 1 ] || { echo "SKIP: the game program is not part of this build"; exit 77; }
for tool in Xvfb xdotool xdpyinfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool not installed"; exit 77; }
done

# The private X server, shared with the end-to-end tests.
. "$(dirname "$0")/../e2e/serveur_x.sh"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/trelmo launch.XXXXXX") || exit 1
game_pid=
cleanup() {
    arreter_processus "$game_pid"
    serveur_x_arreter
    rm -rf -- "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

root=$tmp/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 || {
    cat "$tmp/install.log"; echo "FAIL: cmake --install"; exit 1; }
launcher=$root/usr/bin/trelmo
[ -x "$launcher" ] || { echo "FAIL: launcher not installed"; exit 1; }
[ -x "$root/usr/libexec/trelmo/trelmo" ] || { echo "FAIL: game program not installed"; exit 1; }

serveur_x_demarrer "$tmp" || { echo "FAIL: no X server"; exit 1; }

home="$tmp/home dir"
mkdir -p "$home"
gamedir=$home/data/trelmo
(
    cd / || exit 1
    exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY \
        HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
        XDG_RUNTIME_DIR="$tmp" LANG=C.UTF-8 LC_ALL= "$launcher"
) >"$tmp/game.log" 2>&1 &
game_pid=$!

# The main window.
state=0
attendre_pendant "$game_pid" 60 fenetre_principale || state=$?
if [ "$state" -ne 0 ]; then
    cat "$tmp/game.log"
    [ "$state" -eq 2 ] && echo "the game ended early"
    echo "FAIL: the main window did not appear"
    exit 1
fi
found=$(fenetre_principale)

failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
[ -f "$gamedir/TRL.CFG" ] || fail "TRL.CFG was not created in $gamedir"
[ "$(wc -c <"$gamedir/TRL.CFG" 2>/dev/null)" -eq 396 ] 2>/dev/null || fail "TRL.CFG is not 396 bytes"
[ -r "$gamedir/Image/Skin/p1.bmp" ] || fail "skins not reachable from $gamedir"
[ -r "$gamedir/help/index.html" ] || fail "help pages not reachable from $gamedir"
if [ -f "$root/usr/share/trelmo/doc.chm" ]; then
    [ -r "$gamedir/doc.chm" ] || fail "help not reachable from $gamedir"
fi
case $(readlink "$gamedir/Image") in
    "$root"/*) ;;
    *) fail "Image links to '$(readlink "$gamedir/Image")', not into the installed tree" ;;
esac
[ ! -e "/TRL.CFG" ] || [ "/TRL.CFG" -ot "$tmp" ] || fail "TRL.CFG written into /"

if [ "$failures" -ne 0 ]; then
    cat "$tmp/game.log"
    echo "$failures check(s) failed"
    exit 1
fi
echo "launch: main window $found shown, per-user directory ready"
