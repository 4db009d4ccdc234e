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

tmp=$(mktemp -d "${TMPDIR:-/tmp}/trelmo launch.XXXXXX") || exit 1
xvfb_pid=
game_pid=
cleanup() {
    for pid in $game_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
    done
    for pid in $game_pid $xvfb_pid; do
        i=0
        while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
        kill -9 "$pid" 2>/dev/null
    done
    rm -rf -- "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

root=$tmp/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 || {
    cat "$tmp/install.log"; echo "FAIL: cmake --install"; exit 1; }
launcher=$root/usr/bin/trelmo
[ -x "$launcher" ] || { echo "FAIL: launcher not installed"; exit 1; }
[ -x "$root/usr/libexec/trelmo/trelmo" ] || { echo "FAIL: game program not installed"; exit 1; }

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
i=0
while [ ! -s "$tmp/display" ] && [ $i -lt 100 ] && kill -0 "$xvfb_pid" 2>/dev/null; do
    sleep 0.1; i=$((i + 1))
done
display=:$(head -n 1 "$tmp/display" 2>/dev/null)
[ "$display" != : ] || { cat "$tmp/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
i=0
until xdpyinfo -display "$display" >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -lt 100 ] || { cat "$tmp/xvfb.log"; echo "FAIL: display $display not ready"; exit 1; }
    sleep 0.1
done

home="$tmp/home dir"
mkdir -p "$home"
gamedir=$home/data/trelmo
(
    cd / || exit 1
    exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" \
        HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
        XDG_RUNTIME_DIR="$tmp" LANG=C.UTF-8 LC_ALL= "$launcher"
) >"$tmp/game.log" 2>&1 &
game_pid=$!

# The main window: titled Trelmo, 640 x 462.  A message box would carry the
# same title, so the size is checked too.
found=
i=0
while [ $i -lt 120 ]; do
    for w in $(DISPLAY=$display xdotool search --onlyvisible --name '^Trelmo$' 2>/dev/null); do
        if DISPLAY=$display xdotool getwindowgeometry "$w" 2>/dev/null | grep -q 'Geometry: 640x462'; then
            found=$w
        fi
    done
    [ -n "$found" ] && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.5
    i=$((i + 1))
done
if [ -z "$found" ]; then
    cat "$tmp/game.log"
    kill -0 "$game_pid" 2>/dev/null || echo "the game ended early"
    echo "FAIL: the main window did not appear"
    exit 1
fi

failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
[ -f "$gamedir/TRL.CFG" ] || fail "TRL.CFG was not created in $gamedir"
[ "$(wc -c <"$gamedir/TRL.CFG" 2>/dev/null)" -eq 396 ] 2>/dev/null || fail "TRL.CFG is not 396 bytes"
[ -r "$gamedir/Image/Skin/p1.bmp" ] || fail "skins not reachable from $gamedir"
[ -r "$gamedir/doc.chm" ] || fail "help not reachable from $gamedir"
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
