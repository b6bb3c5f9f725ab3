#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Hueset needs, and lets
# Wine run the shipped 32-bit program: through user-mode emulation where this kernel cannot
# run 32-bit x86 code itself. Says what it changes on the system before changing it; removes,
# downgrades and replaces no package. Uses sudo only when not root; does nothing when all is
# present.
set -euo pipefail

packages=(
    cmake ninja-build
    make dpkg-dev bzip2 xz-utils
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

say() { echo "setup: $*" >&2; }

# apt-get install that stops rather than remove a package to make room.
apt_install() {
    $sudo apt-get install -y -qq --no-install-recommends --no-remove "$@" >/dev/null
}

install() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing these Debian packages and what they depend on: ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        say "adding the i386 architecture to dpkg (system-wide), for Wine's 32-bit half"
        $sudo dpkg --add-architecture i386
        updated=
    fi
    if [ -z "$updated" ]; then
        # An index that fails to download is left out; the install below says if it mattered.
        $sudo apt-get update -qq || say "some package indexes could not be fetched; going on with the rest"
        updated=1
    fi
    apt_install "${missing[@]}" && return 0

    # A mirror caught mid-sync can serve the security suite's index for one architecture and
    # not the other; the 32-bit libraries must then come at the very versions of their 64-bit
    # twins, which the main suite holds for both. Nothing installed is downgraded for it.
    say "retrying with the main suite's versions preferred to the security suite's"
    local prefs
    prefs=$(mktemp)
    printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' >"$prefs"
    if ! apt_install -o Dir::Etc::Preferences="$prefs" "${missing[@]}"; then
        rm -f "$prefs"
        say "cannot install ${missing[*]} without removing or downgrading packages of this system;"
        say "nothing was removed. Install them by hand (apt-get install ${missing[*]}) and run again."
        exit 1
    fi
    rm -f "$prefs"
}

install "${packages[@]}"

# The 32-bit loader answers only where 32-bit code runs, natively or emulated.
"$WINE32" --version >/dev/null 2>&1 && exit 0

install qemu-user-static
if [ "$(id -u)" -ne 0 ]; then
    say "this kernel cannot run 32-bit programs; as root, setup would enable emulation for them"
    exit 0
fi
binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
    say "mounting binfmt_misc (system-wide, until the next boot)"
    mount -t binfmt_misc binfmt_misc "$binfmt"
fi
if [ ! -e "$binfmt/qemu-i386" ]; then
    say "registering qemu-i386-static for 32-bit x86 programs (system-wide, until the next boot)"
    # F: the kernel opens the emulator now, so it also works in other mount namespaces.
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        >"$binfmt/register"
fi
"$WINE32" --version >/dev/null 2>&1 || say "32-bit programs still cannot run here"
