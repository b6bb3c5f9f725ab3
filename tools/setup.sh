#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Hueset needs, and lets
# Wine run the shipped 32-bit program: through user-mode emulation where this kernel cannot
# run 32-bit x86 code itself. Idempotent and quiet; uses sudo only when not root; does
# nothing when all is present.
set -euo pipefail

packages=(
    cmake ninja-build
    g++-mingw-w64-i686 binutils-mingw-w64-i686
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    googletest
    wine wine64 wine32:i386
    xvfb xdotool imagemagick
    fonts-ipafont-gothic fonts-wine
)
WINE32=/usr/lib/wine/wine

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
updated=

install() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "setup: installing ${missing[*]}" >&2
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
        updated=
    fi
    [ -n "$updated" ] || { $sudo apt-get update -qq; updated=1; }
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

install "${packages[@]}"

# The 32-bit loader answers only where 32-bit code runs, natively or emulated.
"$WINE32" --version >/dev/null 2>&1 && exit 0

install qemu-user-static
if [ "$(id -u)" -ne 0 ]; then
    echo "setup: this kernel cannot run 32-bit programs; as root, setup would enable emulation for them" >&2
    exit 0
fi
binfmt=/proc/sys/fs/binfmt_misc
[ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$binfmt/qemu-i386" ]; then
    # i386 ELF executables go to the emulator; F: the kernel opens it now, so it also works in
    # other mount namespaces.
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        >"$binfmt/register"
fi
"$WINE32" --version >/dev/null 2>&1 || echo "setup: 32-bit programs still cannot run here" >&2
