#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and be tested.
# Does nothing (and asks nothing of apt) when everything is already there.
set -euo pipefail
PKGS=(
  cmake g++ make pkgconf
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev libfontconfig-dev
  qt6-tools-dev qt6-l10n-tools
  # The window's scale is the toolkit's own high-DPI scale, set from the program.
  qt6-base-private-dev
  fonts-liberation fonts-dejavu-core fonts-urw-base35
  xdg-utils
)
if [ "${1:-}" = "--test" ]; then
  # xauth: the tests' private X servers admit only clients with their own cookie.
  PKGS+=(clang libclang-rt-14-dev xvfb xauth xdotool imagemagick x11-utils
         fp-utils desktop-file-utils appstream dpkg-dev file)
  # The screen reader's view: Qt's accessibility switch for the offscreen
  # tests, and AT-SPI with a session bus for the end-to-end test.
  PKGS+=(dbus at-spi2-core python3-pyatspi)
  # What the Orca screen reader would say, from its debug log.
  PKGS+=(orca)
  # Chinese and Japanese are measured and looked at with the font the
  # package recommends.
  PKGS+=(fonts-noto-cjk)
  # The game as a native Wayland client, inside a Wayland compositor that
  # runs in the private X server.
  PKGS+=(weston qt6-wayland)
fi
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
