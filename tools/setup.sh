#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Hueset needs, and lets
# Wine run the shipped 32-bit program: where this kernel cannot run 32-bit x86 code itself,
# through a qemu runner of the newest version the archive offers (10 or later where it can be
# had), unpacked into build/qemu-i386 rather than installed. Says what it changes on the system
# before changing it; removes, downgrades and replaces no package, and leaves an emulator that
# is set up already as it is. Uses sudo only when not root; does nothing when all is present.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/archive.sh"
. "$root/tools/wine-session.sh"

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
if "$WINE32" --version >/dev/null 2>&1; then
    emulator=$(i386_emulator)
    if [ -n "$emulator" ] && ! emulator_is_fast "$emulator"; then
        say "32-bit programs run here through $emulator ($("$emulator" --version | head -n 1)), which is set up"
        say "already and is left as it is; it runs them about ten times slower than qemu 10. To have setup"
        say "register a qemu 10 instead, remove that entry (echo -1 >/proc/sys/fs/binfmt_misc/ENTRY) and run it again."
    fi
    exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
    say "this kernel cannot run 32-bit programs; as root, setup would enable emulation for them"
    exit 0
fi

# A runner of qemu's own, unpacked from the newest qemu the archive offers (its backports
# included): Debian 12's own qemu 7.2 runs Wine's 32-bit half ten times slower than qemu 10.
# From qemu 9.1 on the static runner is in qemu-user; before, in qemu-user-static. Nothing is
# installed, so a qemu of the user's, of any version, stays as it is.
runner_dir=$root/build/qemu-i386
runner=$runner_dir/qemu-i386
if [ ! -x "$runner" ]; then
    . /etc/os-release
    work=$runner_dir/work
    archive_open "$work" "$VERSION_CODENAME" "$VERSION_CODENAME-updates" "$VERSION_CODENAME-backports" || exit 1
    best=
    for v in $(archive_versions qemu-user) $(archive_versions qemu-user-static); do
        if [ -z "$best" ] || dpkg --compare-versions "$v" gt "$best"; then best=$v; fi
    done
    [ -n "$best" ] || { say "the archive $archive_site offers no qemu for 32-bit programs"; exit 1; }
    package=qemu-user file=./usr/bin/qemu-i386
    dpkg --compare-versions "$best" ge 1:9.1 || package=qemu-user-static file=./usr/bin/qemu-i386-static
    say "unpacking the i386 runner of $package $best (from $archive_site) into $runner_dir; nothing is installed"
    (cd "$work" && "${archive_get[@]}" download "$package=$best") || { say "cannot fetch $package $best"; exit 1; }
    dpkg-deb --fsys-tarfile "$work"/"${package}"_*.deb | tar -xO "$file" >"$runner.part"
    chmod +x "$runner.part" && mv "$runner.part" "$runner"
    rm -rf "$work"
fi
emulator_is_fast "$runner" || say "$("$runner" --version | head -n 1) is the newest qemu the archive offers; 32-bit programs will run about ten times slower than with qemu 10"

binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
    say "mounting binfmt_misc (system-wide, until the next boot)"
    mount -t binfmt_misc binfmt_misc "$binfmt"
fi
say "registering $runner as hueset-i386, the runner of 32-bit x86 programs (system-wide, until the next boot)"
# F: the kernel opens the runner now, so it also works in other mount namespaces.
printf ':hueset-i386:M::%s:%s:%s:F' "$I386_ELF_MAGIC" "$I386_ELF_MASK" "$runner" >"$binfmt/register"
"$WINE32" --version >/dev/null 2>&1 || say "32-bit programs still cannot run here"
