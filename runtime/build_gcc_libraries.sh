#!/usr/bin/env bash
# Builds the two GCC libraries that the shipped 32-bit program links besides its own start-up
# (startup.cpp beside this script): libgcc with its unwinder, and the C++ language support library, for the
# 386 and a single thread, from Debian's own source of the very GCC installed (the ordinary
# package gcc-N-source), with the installed cross compiler. Debian's prebuilt libraries hold
# Pentium Pro instructions (cmov, fcomi) and, built for threads, the 486's cmpxchg and calls
# that Windows 95 lacks.
# Usage: build_gcc_libraries.sh [OUT]   (default build/runtime-i386; reused while it is complete).
# The configure step of the shipped build runs it.
# Leaves OUT/lib with the libraries and OUT/stamp, which names the source package used; fetches
# through a source list of its own, without touching the machine's package configuration.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/archive.sh"
out=$(mkdir -p "${1:-$root/build/runtime-i386}" && cd "${1:-$root/build/runtime-i386}" && pwd)
triple=i686-w64-mingw32
cflags="-O2 -march=i386"

say() { echo "build_gcc_libraries: $*" >&2; }
fail() { say "$*"; exit 1; }

# The sources are those of the installed runtime where the archive still has them: Debian names
# the cross GCC's package version after the gcc-N-source it was built from, followed by its own
# (12.2.0-14+deb12u1+25.2+b1). The archive keeps only the newest gcc-N-source, so after an upload
# of it that the cross compiler was not rebuilt for, the newest of the same N is taken instead.
installed() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || fail "$1 is not installed; run tools/setup.sh"; }
gcc_version=$(installed gcc-mingw-w64-i686-win32 | sed -E 's/\+[0-9.]+(\+b[0-9]+)?$//')
gcc_source=gcc-${gcc_version%%.*}-source
script=$(cat "$0" "$root/tools/archive.sh" | sha256sum | cut -c1-16)
if [ -f "$out/stamp" ] && [ "$(sed -n 2p "$out/stamp")" = "$gcc_version $script" ]; then
    say "reusing the 386 runtime in $out ($(head -n 1 "$out/stamp"))"
    exit 0
fi
rm -rf "$out/lib" "$out/stamp" "$out/work"
mkdir -p "$out/work" "$out/lib"
work=$out/work
src=$work/src
mkdir -p "$src"
# Sources and build folders differ from build to build; the objects must not carry them.
cflags="$cflags -ffile-prefix-map=$src=. -ffile-prefix-map=$work=."

SECONDS=0
. /etc/os-release
archive_open "$work" "$VERSION_CODENAME" || fail "cannot read the package lists of the archive"
offered=$(archive_versions "$gcc_source")
used=$gcc_version
if ! grep -qxF "$gcc_version" <<<"$offered"; then
    used=$(head -n 1 <<<"$offered")
    [ -n "$used" ] || fail "$archive_site offers no $gcc_source"
    say "$archive_site no longer has $gcc_source $gcc_version, which the cross compiler was built from;"
    say "  taking its $gcc_source $used, the same GCC $gcc_version's major version"
fi
say "fetching from $archive_site ($VERSION_CODENAME main), through a source list of its own in $work/apt:"
say "  the package $gcc_source $used (GCC's source)"
(cd "$work" && "${archive_get[@]}" download "$gcc_source=$used") ||
    fail "cannot fetch $gcc_source $used from $archive_site"
gcc_tar=$(dpkg-deb -c "$work"/${gcc_source}_*.deb | grep -o '\./usr/src/gcc-[0-9]*/gcc-[^ ]*\.tar\.xz$') ||
    fail "$gcc_source holds no GCC source tarball"
dpkg-deb --fsys-tarfile "$work"/${gcc_source}_*.deb | tar -xO "$gcc_tar" |
    tar -xJ -C "$src" --strip-components=1 --wildcards --no-wildcards-match-slash \
        '*/libgcc' '*/libstdc++-v3' '*/include' '*/config' '*/gcc/*.h' '*/gcc/config' '*/gcc/common' \
        '*/gcc/BASE-VER' '*/gcc/DATESTAMP' '*/gcc/DEV-PHASE' \
        '*/gcc/mkconfig.sh' '*/config.*' '*/install-sh' '*/mkinstalldirs' '*/ltmain.sh' \
        '*/move-if-change' '*/config-ml.in' '*/libiberty' '*/depcomp' '*/missing' '*/compile' \
        '*/libbacktrace/filetype.awk'
rm -f "$work"/*.deb
say "sources: ${SECONDS}s"

# The program has one thread: both libraries are configured, through a compiler that says so
# when asked, for GCC's single thread model, so that no lock, atomic instruction or thread call
# of Windows' is left in them.
mkdir -p "$work/bin"
for tool in gcc g++; do
    cat >"$work/bin/$triple-$tool" <<EOF
#!/bin/sh
if [ "\$*" = -v ]; then
    $triple-$tool-win32 -v 2>&1 | sed 's/^Thread model: .*/Thread model: single/'
    exit
fi
exec $triple-$tool-win32 "\$@"
EOF
    chmod +x "$work/bin/$triple-$tool"
done
export CC=$work/bin/$triple-gcc CXX=$work/bin/$triple-g++

# libgcc and libstdc++ expect a GCC build folder beside them; the installed compiler keeps the
# generated headers they need in its plugin folder.
SECONDS=0
mkdir -p "$work/gcc" "$work/$triple/libgcc"
ln -s "$($triple-gcc-win32 -print-file-name=plugin)"/include/*.h "$work/gcc/"
(cd "$work/gcc" && HEADERS="auto-host.h ansidecl.h config/i386/xm-mingw32.h" DEFINES=USED_FOR_TARGET \
    bash "$src/gcc/mkconfig.sh" tconfig.h)
cat >"$work/gcc/libgcc.mvars" <<EOF
GCC_CFLAGS = $cflags -DIN_GCC -DCROSS_DIRECTORY_STRUCTURE -W -Wall -Wno-narrowing -Wwrite-strings -Wcast-qual -Wstrict-prototypes -Wmissing-prototypes -Wold-style-definition -isystem ./include
INHIBIT_LIBC_CFLAGS =
TARGET_SYSTEM_ROOT =
NO_PIE_CFLAGS =
EOF
# Configured as Debian's compiler is (shared libgcc enabled), so that the unwinder goes into
# libgcc_eh.a as the compiler's link line expects; only the static parts are built.
(cd "$work/$triple/libgcc" && CFLAGS="$cflags" "$src/libgcc/configure" \
    --build=x86_64-linux-gnu --host=$triple --enable-shared --enable-version-specific-runtime-libs >configure.log 2>&1 &&
    make gthr-default.h >make.log 2>&1 && make -j"$(nproc)" libgcc.a libgcc_eh.a crtbegin.o crtend.o >>make.log 2>&1) ||
    fail "libgcc did not build; see $work/$triple/libgcc"
cp "$work/$triple"/libgcc/{libgcc.a,libgcc_eh.a,crtbegin.o,crtend.o} "$out/lib/"
say "libgcc: ${SECONDS}s"

# Only the language support library (exceptions, new/delete, RTTI) is built: it is all that
# the program links, and a program needing more of libstdc++ then fails to link, loudly.
# Without the verbose terminate handler an exception nobody catches ends the program without a
# message; none can escape, and the handler would bring the demangler and printf along. From GCC
# 13 on, the memory kept for exceptions thrown when the heap is full can be a static buffer,
# which spares reading its size from the environment at start (getenv, strtoul and two more C
# functions); earlier GCCs allocate it at start and ignore the option.
SECONDS=0
mkdir -p "$work/$triple/libstdc++-v3"
(cd "$work/$triple/libstdc++-v3" && CFLAGS="$cflags" CXXFLAGS="$cflags" \
    "$src/libstdc++-v3/configure" --build=x86_64-linux-gnu --host=$triple --disable-shared --disable-multilib \
    --disable-libstdcxx-verbose --enable-libstdcxx-static-eh-pool --disable-libstdcxx-pch --enable-fully-dynamic-string \
    --enable-libstdcxx-time=yes --enable-version-specific-runtime-libs >configure.log 2>&1 &&
    make -j"$(nproc)" -C include >make.log 2>&1 && make -j"$(nproc)" -C libsupc++ >>make.log 2>&1) ||
    fail "the C++ support library did not build; see $work/$triple/libstdc++-v3"
cp "$work/$triple/libstdc++-v3/libsupc++/.libs/libsupc++.a" "$out/lib/"
say "C++ support library: ${SECONDS}s"

rm -rf "$work"
# What the runtime was built from, then what it is reused for.
printf '%s\n%s\n' "$gcc_source $used, for the cross compiler of GCC $gcc_version" "$gcc_version $script" >"$out/stamp"
say "the 386 runtime is in $out/lib"
