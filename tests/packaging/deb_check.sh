#!/bin/sh
# Builds the Debian package with cpack into a temporary directory and checks
# its control fields, that it holds every installed piece, and that the manual
# page is compressed the way Debian wants it (gzip -9n, same bytes every time).
# Usage: deb_check.sh <build dir> <1 when the game program is a target> <version> <trelmo.6 source>
set -u
build=$1
have_program=$2
version=$3
man_src=$4
[ "$have_program" = 1 ] || { echo "SKIP: the game program is not part of this build"; exit 77; }
for tool in cpack dpkg-deb dpkg-shlibdeps gzip tar od cmp; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool not installed"; exit 77; }
done
tmp=$(mktemp -d) || exit 1
trap 'rm -rf -- "$tmp"' EXIT INT TERM

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$tmp"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { cat "$tmp/cpack.log"; echo "FAIL: no .deb produced"; exit 1; }
echo "package: $(basename "$deb")"

failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = trelmo ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
case $depends in *xdg-utils*) ;; *) fail "Depends lacks xdg-utils: $depends" ;; esac
case $depends in *libqt6widgets6*) ;; *) fail "Depends lacks the Qt libraries (shlibdeps): $depends" ;; esac
case $depends in *libc6*) ;; *) fail "Depends lacks libc6 (shlibdeps): $depends" ;; esac
case $(field Recommends) in
    *xchm*kchmviewer*) ;;
    *) fail "Recommends lacks a CHM viewer: $(field Recommends)" ;;
esac
case $(field Recommends) in
    *qt6-wayland*) ;;
    *) fail "Recommends lacks qt6-wayland, the native Wayland client: $(field Recommends)" ;;
esac

dpkg-deb --contents "$deb" >"$tmp/contents"
has() { grep -q " \./$1\( \|$\)" "$tmp/contents" || grep -q " \./$1 ->" "$tmp/contents"; }
expect() { has "$1" || fail "missing from the package: /$1"; }
expect usr/bin/trelmo
expect usr/libexec/trelmo/trelmo
for n in 1 2 3 4; do expect "usr/share/trelmo/Image/Skin/p$n.bmp"; done
expect usr/share/trelmo/doc.chm
expect usr/share/trelmo/help/index.html
expect usr/share/trelmo/help/help.css
for n in 16 32 48 64 128 256; do expect "usr/share/icons/hicolor/${n}x$n/apps/org.trelmo.Trelmo.png"; done
expect usr/share/applications/org.trelmo.Trelmo.desktop
expect usr/share/metainfo/org.trelmo.Trelmo.metainfo.xml
expect usr/share/doc/trelmo/copyright
expect usr/share/man/man6/trelmo.6.gz
has usr/share/man/man6/trelmo.6 && fail "the manual page is installed uncompressed too"
grep -q '^-rwxr-xr-x.* \./usr/bin/trelmo$' "$tmp/contents" || fail "launcher not executable"
grep -q '^-rwxr-xr-x.* \./usr/libexec/trelmo/trelmo$' "$tmp/contents" || fail "game program not executable"

# The manual page: the source page, compressed at the best level, with neither
# a file name nor a time stamp in the gzip header (flags byte 3 = 0, mtime
# bytes 4-7 = 0, extra flags byte 8 = 2 for -9).
man=$tmp/trelmo.6.gz
if dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/man/man6/trelmo.6.gz >"$man" 2>/dev/null && [ -s "$man" ]; then
    header=$(od -An -tx1 -N10 "$man" | tr -d ' \n')
    case $header in
        1f8b0800000000000203) ;;
        *) fail "manual page gzip header is $header, not that of gzip -9n" ;;
    esac
    gzip -dc "$man" | cmp -s - "$man_src" || fail "the packaged manual page is not $man_src"
else
    fail "cannot read the manual page from the package"
fi

if [ "$failures" -ne 0 ]; then
    cat "$tmp/contents"
    echo "$failures check(s) failed"
    exit 1
fi
echo "deb: all checks passed"
