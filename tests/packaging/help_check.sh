#!/bin/sh
# The help document: every link of the pages, the contents and the index
# leads to a page (and anchor) that exists and is compiled into doc.chm; the
# program directory holds the same pages for a web browser.
# Usage: help_check.sh <help source dir> <built doc.chm> <program directory's help/>
set -u
src=$1
chm=$2
html=$3
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

# Pages compiled in: the [FILES] section of the project.
files=$(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;/^[[:space:]]*$/d;p;}' "$src/trelmo.hhp" | tr -d '\r')
listed() { printf '%s\n' "$files" | grep -qxF "$1"; }

for page in "$src"/*.html; do
    name=$(basename "$page")
    listed "$name" || fail "$name is not in the [FILES] of trelmo.hhp"
done
for f in $files; do
    [ -f "$src/$f" ] || fail "trelmo.hhp lists $f, which does not exist"
done
for f in $(sed -n 's/^\(Contents file\|Index file\|Default topic\)=//p' "$src/trelmo.hhp" | tr -d '\r'); do
    [ -f "$src/$f" ] || fail "trelmo.hhp names $f, which does not exist"
done

# Links: href="..." in the pages, value="..." of Local params in the .hhc/.hhk.
links() {
    { grep -o 'href="[^"]*"' "$1" | sed 's/^href="//; s/"$//'
      grep -io '<param name="Local" value="[^"]*"' "$1" | sed 's/.*value="//; s/"$//'
    } 2>/dev/null
}
for from in "$src"/*.html "$src"/*.hhc "$src"/*.hhk; do
    for link in $(links "$from"); do
        case $link in
            http://*|https://*|mailto:*) continue ;;
        esac
        target=${link%%#*}
        anchor=
        case $link in *#*) anchor=${link#*#} ;; esac
        [ -n "$target" ] || target=$(basename "$from")
        if [ ! -f "$src/$target" ]; then
            fail "$(basename "$from"): link to missing $target"
            continue
        fi
        case $target in
            *.css) listed "$target" || fail "$target is not in [FILES]" ; continue ;;
        esac
        listed "$target" || fail "$(basename "$from"): $target is not compiled in"
        if [ -n "$anchor" ] && ! grep -q "name=\"$anchor\"" "$src/$target"; then
            fail "$(basename "$from"): no anchor '$anchor' in $target"
        fi
    done
done

# Stray placeholders and the pages really compiled.
grep -l 'TODO\|XXX\|FIXME' "$src"/*.html 2>/dev/null | while read -r f; do
    echo "FAIL: placeholder left in $f"; done | grep . && failures=$((failures + 1))
# The web pages: each page and style sheet, the same bytes as its source.
for page in "$src"/*.html "$src"/*.css; do
    name=$(basename "$page")
    cmp -s "$page" "$html/$name" || fail "$html/$name is missing or differs from its source"
done

# The compiled document, when chmcmd was there to build it.
if [ -f "$chm" ]; then
    [ "$(head -c 4 "$chm")" = ITSF ] || fail "$chm is not a CHM file"
    for f in $files; do
        grep -aq "/$f" "$chm" || fail "$f missing from $chm"
    done
else
    echo "note: $chm was not built (chmcmd missing), the CHM checks are left out"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "help: all checks passed"
