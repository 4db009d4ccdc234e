#!/bin/sh
# The menu entry and the AppStream description, validated as installed, and
# the icon they name present in the hicolor theme.
# Usage: metadata_check.sh <build dir> [translations dir]
set -u
build=$1
traductions=${2:-}
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool not installed"; exit 77; }
done
tmp=$(mktemp -d) || exit 1
trap 'rm -rf -- "$tmp"' EXIT INT TERM

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr --component Unspecified >"$tmp/install.log" 2>&1 || {
    cat "$tmp/install.log"; echo "FAIL: cmake --install"; exit 1; }
share=$tmp/root/usr/share
id=org.trelmo.Trelmo
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

[ -f "$desktop" ] || { echo "FAIL: $desktop not installed"; exit 1; }
[ -f "$metainfo" ] || { echo "FAIL: $metainfo not installed"; exit 1; }

desktop-file-validate "$desktop" || fail "desktop-file-validate"
# --no-net: the addresses are placeholders until the site exists.
appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli validate"

# The fields other parts rely on.
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Exec)" = trelmo ] || fail "Exec is '$(key Exec)', not trelmo"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not $id"
[ "$(key Name)" = Trelmo ] || fail "Name is '$(key Name)'"
# Each language the program speaks has its menu entry and its summary.
langues="fr de"
if [ -n "$traductions" ]; then
    langues=$(cd "$traductions" && ls trelmo_*.ts | sed 's/^trelmo_//; s/\.ts$//' | grep -v '^en$')
fi
for l in $langues; do
    grep -q "<summary xml:lang=\"$l\">" "$metainfo" || fail "no summary for $l"
    [ -n "$(key "Name\\[$l\\]")" ] || fail "no Name[$l]"
    [ -n "$(key "Comment\\[$l\\]")" ] || fail "no Comment[$l]"
    [ -n "$(key "GenericName\\[$l\\]")" ] || fail "no GenericName[$l]"
done
case $(key Categories) in
    *Game\;*BoardGame\;*LogicGame\;*) ;;
    *) fail "Categories '$(key Categories)'" ;;
esac
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launchable"
grep -q '<release version="3.01"' "$metainfo" || fail "metainfo release 3.01"
grep -q '<image>https://[^<]*/docs/screenshot-1.png</image>' "$metainfo" || fail "metainfo screenshot"
grep -q '@[A-Z_]*@' "$metainfo" && fail "unreplaced placeholder in the metainfo"

# The icon named by the desktop entry, when the build produced icons.
if [ -d "$build/icons" ]; then
    for n in 16 32 48 64 128 256; do
        icon=$share/icons/hicolor/${n}x$n/apps/$id.png
        if [ ! -f "$icon" ]; then
            fail "icon ${n}x$n not installed"
        elif command -v file >/dev/null 2>&1; then
            file -b "$icon" | grep -q "PNG image data, $n x $n" || fail "icon ${n}x$n: $(file -b "$icon")"
        fi
    done
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "metadata: all checks passed"
