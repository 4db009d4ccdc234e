#!/bin/sh
# The installed launcher: per-user game directory, links to the installed
# data, scores left alone, paths with blanks, clear failure.
# Usage: launcher_check.sh <build dir>
# The tree is installed for real (DESTDIR, a prefix with a blank), all but the
# game program, for which a stand-in reports where it runs.
set -u
build=$1
tmp=$(mktemp -d "${TMPDIR:-/tmp}/trelmo launcher.XXXXXX") || exit 1
trap 'rm -rf -- "$tmp"' EXIT INT TERM

failures=0
check() { # check <description> <command...>
    what=$1; shift
    if "$@"; then :; else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

stage="$tmp/stage dir"
prefix="/opt/trelmo game"
DESTDIR=$stage cmake --install "$build" --prefix "$prefix" --component Unspecified >"$tmp/install.log" 2>&1 || {
    cat "$tmp/install.log"; echo "FAIL: cmake --install"; exit 1; }
root=$stage$prefix
launcher=$root/bin/trelmo
[ -x "$launcher" ] || { echo "FAIL: no launcher at $launcher"; exit 1; }
data=$root/share/trelmo

# The stand-in game: records its directory, arguments and what it can read.
mkdir -p "$root/libexec/trelmo" "$data/Image/Skin"
cat >"$root/libexec/trelmo/trelmo" <<'GAME'
#!/bin/sh
out=$TRELMO_TEST_OUT
pwd >"$out"
printf '%s\n' "$#" "$@" >>"$out"
[ -r Image/Skin/p1.bmp ] && echo skins-readable >>"$out"
[ -r doc.chm ] && echo help-readable >>"$out"
[ -r help/index.html ] && echo pages-readable >>"$out"
exit 0
GAME
chmod +x "$root/libexec/trelmo/trelmo"
for n in 1 2 3 4; do
    [ -f "$data/Image/Skin/p$n.bmp" ] || echo "skin $n" >"$data/Image/Skin/p$n.bmp"
done
[ -f "$data/doc.chm" ] || echo help >"$data/doc.chm"
[ -f "$data/help/index.html" ] || { mkdir -p "$data/help" && echo page >"$data/help/index.html"; }
realdata=$(cd "$data" && pwd -P)

out=$tmp/out
run() { # run <XDG_DATA_HOME or -> <HOME> [args...]; from /
    x=$1; h=$2; shift 2
    rm -f "$out"
    if [ "$x" = - ]; then
        (cd / && env -u XDG_DATA_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$h" \
            TRELMO_TEST_OUT="$out" "$launcher" "$@")
    else
        (cd / && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$h" XDG_DATA_HOME="$x" \
            TRELMO_TEST_OUT="$out" "$launcher" "$@")
    fi
}
line() { sed -n "$1p" "$out"; }

# 1. First start from /, XDG_DATA_HOME with a blank in it.
xdg="$tmp/data home"
gamedir=$xdg/trelmo
run "$xdg" "$tmp/home" "two words" "" 2>"$tmp/err"
check "first start succeeds" [ $? -eq 0 ]
check "game runs in $gamedir (got '$(line 1)')" [ "$(line 1)" = "$gamedir" ]
check "two arguments passed" [ "$(line 2)" = 2 ]
check "argument with a blank passed whole" [ "$(line 3)" = "two words" ]
check "empty argument passed" [ "$(line 4)" = "" ]
check "skins readable from the game directory" grep -qx skins-readable "$out"
check "help readable from the game directory" grep -qx help-readable "$out"
check "help pages readable from the game directory" grep -qx pages-readable "$out"
check "Image links to the installed data" [ "$(readlink "$gamedir/Image")" = "$realdata/Image" ]
check "doc.chm links to the installed help" [ "$(readlink "$gamedir/doc.chm")" = "$realdata/doc.chm" ]
check "help links to the installed pages" [ "$(readlink "$gamedir/help")" = "$realdata/help" ]
check "nothing on stderr" [ ! -s "$tmp/err" ]

# 2. Scores and saved game survive; stale links from an older install are renewed.
printf 'scores' >"$gamedir/TRL.CFG"
printf 'saved' >"$gamedir/GAME"
old="$tmp/old version"
mkdir -p "$old/Image/Skin"
ln -sfn "$old/Image" "$gamedir/Image"
ln -sfn "$old/doc.chm" "$gamedir/doc.chm"
ln -sfn "$old/help" "$gamedir/help"
run "$xdg" "$tmp/home" 2>/dev/null
check "TRL.CFG untouched" [ "$(cat "$gamedir/TRL.CFG")" = scores ]
check "GAME untouched" [ "$(cat "$gamedir/GAME")" = saved ]
check "old Image link renewed" [ "$(readlink "$gamedir/Image")" = "$realdata/Image" ]
check "dangling doc.chm link renewed" [ "$(readlink "$gamedir/doc.chm")" = "$realdata/doc.chm" ]
check "dangling help link renewed" [ "$(readlink "$gamedir/help")" = "$realdata/help" ]
check "no link made inside the linked help directory" [ ! -e "$realdata/help/help" ]
check "no link made inside the linked Image directory" [ ! -e "$realdata/Image/Image" ]

# 3. A real Image directory of the player's own is kept.
rm "$gamedir/Image"
mkdir -p "$gamedir/Image/Skin"
echo mine >"$gamedir/Image/Skin/p1.bmp"
run "$xdg" "$tmp/home" 2>/dev/null
check "own Image directory not replaced by a link" [ ! -L "$gamedir/Image" ]
check "own skin kept" [ "$(cat "$gamedir/Image/Skin/p1.bmp")" = mine ]
check "nothing added inside the player's Image directory" [ ! -L "$gamedir/Image/Image" ]
rm -rf "$gamedir/Image"

# 4. Help no longer installed leaves no dangling link behind.
mv "$data/doc.chm" "$tmp/doc.chm.away"
mv "$data/help" "$tmp/help.away"
run "$xdg" "$tmp/home" 2>/dev/null
check "stale doc.chm link removed" [ ! -L "$gamedir/doc.chm" ]
check "stale help link removed" [ ! -L "$gamedir/help" ]
mv "$tmp/doc.chm.away" "$data/doc.chm"
mv "$tmp/help.away" "$data/help"

# 5. Without XDG_DATA_HOME, or with a relative one, ~/.local/share is used.
home2="$tmp/other home"
run - "$home2" 2>/dev/null
check "default directory under HOME" [ "$(line 1)" = "$home2/.local/share/trelmo" ]
run "relative/dir" "$home2" 2>/dev/null
check "relative XDG_DATA_HOME ignored" [ "$(line 1)" = "$home2/.local/share/trelmo" ]

# 6. Started through a symbolic link elsewhere and through PATH.
mkdir -p "$tmp/games dir"
ln -s "$launcher" "$tmp/games dir/trelmo"
rm -f "$out"
(cd / && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$tmp/home" XDG_DATA_HOME="$xdg" \
    TRELMO_TEST_OUT="$out" "$tmp/games dir/trelmo") 2>/dev/null
check "works through a symbolic link" [ "$(line 1)" = "$gamedir" ]
rm -f "$out"
(cd / && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$tmp/home" XDG_DATA_HOME="$xdg" \
    TRELMO_TEST_OUT="$out" PATH="$tmp/games dir:$PATH" sh -c 'trelmo') 2>/dev/null
check "works when found through PATH" [ "$(line 1)" = "$gamedir" ]

# 7. A game directory that cannot be created: message, status 1, game not run.
echo file >"$tmp/plain file"
run "$tmp/plain file" "$tmp/home" 2>"$tmp/err"
status=$?
check "failure reported by the exit status (got $status)" [ "$status" -eq 1 ]
check "failure message names the directory" grep -q "cannot create the game directory $tmp/plain file/trelmo" "$tmp/err"
check "game not started after the failure" [ ! -e "$out" ]

# 8. Neither HOME nor XDG_DATA_HOME.
rm -f "$out"
(cd / && env -u XDG_DATA_HOME -u HOME -u DISPLAY -u WAYLAND_DISPLAY \
    TRELMO_TEST_OUT="$out" "$launcher") 2>"$tmp/err"
check "no HOME: status 1" [ $? -eq 1 ]
check "no HOME: clear message" grep -q "neither XDG_DATA_HOME nor HOME is set" "$tmp/err"

# 9. A missing game program is reported, not attempted.
mv "$root/libexec/trelmo/trelmo" "$tmp/game.away"
run "$xdg" "$tmp/home" 2>"$tmp/err"
check "missing program: status 1" [ $? -eq 1 ]
check "missing program: clear message" grep -q "the game program is missing" "$tmp/err"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "launcher: all checks passed"
