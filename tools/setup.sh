#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Hueset needs.
# Idempotent and quiet; uses sudo only when not root; does nothing when all is present.
set -euo pipefail

packages=(
    cmake ninja-build
    g++-mingw-w64-i686 binutils-mingw-w64-i686
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    googletest
    wine wine64
    xvfb xdotool imagemagick
    fonts-ipafont-gothic fonts-wine
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
