#!/usr/bin/env bash
# Builds the static runtime that the shipped 32-bit program links (the mingw-w64 C runtime's
# start-up and libraries, libgcc and the C++ language support library) for the 486, from
# Debian's own sources of the very versions installed, with the installed cross compilers.
# Debian's prebuilt runtime holds Pentium Pro instructions (cmov, fcomi), so a program linked
# with it cannot start on the processors of Windows 95 to XP.
# Usage: build_runtime.sh [OUT]   (default build/runtime-i486; reused while it is complete).
# The configure step of the shipped build runs it.
# Leaves OUT/lib with the runtime and OUT/stamp; fetches through a source list of its own,
# without touching the machine's package configuration.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build/runtime-i486}" && cd "${1:-$root/build/runtime-i486}" && pwd)
triple=i686-w64-mingw32
cflags="-O2 -march=i486"

say() { echo "build_runtime: $*" >&2; }
fail() { say "$*"; exit 1; }

# The sources must be those of the installed runtime: Debian names the cross GCC's package
# version after the gcc-N-source it was built from, followed by its own (12.2.0-14+deb12u1+25.2+b1).
installed() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || fail "$1 is not installed; run tools/setup.sh"; }
gcc_version=$(installed gcc-mingw-w64-i686-win32 | sed -E 's/\+[0-9.]+(\+b[0-9]+)?$//')
gcc_source=gcc-${gcc_version%%.*}-source
crt_version=$(installed mingw-w64-i686-dev)
key="$gcc_source $gcc_version mingw-w64 $crt_version $(sha256sum <"$0" | cut -c1-16)"
if [ -f "$out/stamp" ] && [ "$(cat "$out/stamp")" = "$key" ]; then
    say "reusing the 486 runtime in $out"
    exit 0
fi
rm -rf "$out/lib" "$out/stamp" "$out/work"
mkdir -p "$out/work/apt/lists/partial" "$out/work/apt/cache/archives/partial" "$out/lib"
work=$out/work
src=$work/src
mkdir -p "$src"
# Sources and build folders differ from build to build; the objects must not carry them.
cflags="$cflags -ffile-prefix-map=$src=. -ffile-prefix-map=$work=."

# The archive the machine installs from, as its own configuration names it.
. /etc/os-release
site=$(apt-get indextargets --format '$(SITE) $(RELEASE) $(COMPONENT)' 2>/dev/null |
       awk -v r="$VERSION_CODENAME" '$2 == r && $3 == "main" { print $1; exit }')
[ -n "$site" ] || fail "no Debian archive for $VERSION_CODENAME main in this machine's package sources"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
opts="arch=$(dpkg --print-architecture)"
[ -f "$keyring" ] && opts="$opts signed-by=$keyring"
printf 'deb [%s] %s %s main\ndeb-src [%s] %s %s main\n' "$opts" "$site" "$VERSION_CODENAME" \
    "$opts" "$site" "$VERSION_CODENAME" >"$work/apt/sources.list"
apt=(apt-get -qq -o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
     -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache" -o "APT::Sandbox::User=$(id -un)")

SECONDS=0
say "fetching from $site ($VERSION_CODENAME main), through a source list of its own in $work/apt:"
say "  the source package mingw-w64 $crt_version and the package $gcc_source $gcc_version (GCC's source)"
"${apt[@]}" update || fail "cannot read the package lists of $site"
(cd "$work" && "${apt[@]}" source --download-only "mingw-w64=$crt_version" >/dev/null) ||
    fail "cannot fetch the source package mingw-w64 $crt_version from $site"
(cd "$work" && "${apt[@]}" download "$gcc_source=$gcc_version") ||
    fail "cannot fetch $gcc_source $gcc_version from $site"
dpkg-source --no-check -x "$work"/mingw-w64_*.dsc "$src/mingw-w64" >/dev/null
gcc_tar=$(dpkg-deb -c "$work"/${gcc_source}_*.deb | grep -o '\./usr/src/gcc-[0-9]*/gcc-[^ ]*\.tar\.xz$') ||
    fail "$gcc_source holds no GCC source tarball"
dpkg-deb --fsys-tarfile "$work"/${gcc_source}_*.deb | tar -xO "$gcc_tar" |
    tar -xJ -C "$src" --strip-components=1 --wildcards --no-wildcards-match-slash \
        '*/libgcc' '*/libstdc++-v3' '*/include' '*/config' '*/gcc/*.h' '*/gcc/config' '*/gcc/common' \
        '*/gcc/BASE-VER' '*/gcc/DATESTAMP' '*/gcc/DEV-PHASE' \
        '*/gcc/mkconfig.sh' '*/config.*' '*/install-sh' '*/mkinstalldirs' '*/ltmain.sh' \
        '*/move-if-change' '*/config-ml.in' '*/libiberty' '*/depcomp' '*/missing' '*/compile' \
        '*/libbacktrace/filetype.awk'
rm -f "$work"/*.deb "$work"/mingw-w64_*
say "sources: ${SECONDS}s"

# The import libraries too: the linker orders the imported DLLs by the paths of the archives
# they come from, so all of them must lie in one folder for the file not to depend on where.
crt_libs=(mingw32 mingwex msvcrt moldname kernel32 user32 gdi32 winspool shell32 ole32 oleaut32 uuid
          comdlg32 advapi32 comctl32)
SECONDS=0
mkdir -p "$work/crt"
(cd "$work/crt" && CC=$triple-gcc-win32 CFLAGS="$cflags" "$src/mingw-w64/mingw-w64-crt/configure" \
    --build=x86_64-linux-gnu --host=$triple --prefix=/usr/$triple --disable-lib64 --enable-lib32 >configure.log 2>&1 &&
    mkdir -p lib32 && make lib32/crt2.o >make.log 2>&1 &&
    make -j"$(nproc)" $(printf 'lib32/lib%s.a ' "${crt_libs[@]}") >>make.log 2>&1) ||
    fail "the C runtime did not build; see $work/crt"
cp "$work"/crt/lib32/crt2.o $(printf "$work/crt/lib32/lib%s.a " "${crt_libs[@]}") "$out/lib/"
say "C runtime: ${SECONDS}s"

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
(cd "$work/$triple/libgcc" && CC=$triple-gcc-win32 CFLAGS="$cflags" "$src/libgcc/configure" \
    --build=x86_64-linux-gnu --host=$triple --enable-shared --enable-version-specific-runtime-libs >configure.log 2>&1 &&
    make -j"$(nproc)" libgcc.a libgcc_eh.a crtbegin.o crtend.o >make.log 2>&1) ||
    fail "libgcc did not build; see $work/$triple/libgcc"
cp "$work/$triple"/libgcc/{libgcc.a,libgcc_eh.a,crtbegin.o,crtend.o} "$out/lib/"
say "libgcc: ${SECONDS}s"

# Only the language support library (exceptions, new/delete, RTTI) is built: it is all that
# the program links, and a program needing more of libstdc++ then fails to link, loudly.
# Without the verbose terminate handler an exception nobody catches ends the program without a
# message; none can escape, and the handler would bring the demangler and printf along.
SECONDS=0
mkdir -p "$work/$triple/libstdc++-v3"
(cd "$work/$triple/libstdc++-v3" && CC=$triple-gcc-win32 CXX=$triple-g++-win32 CFLAGS="$cflags" CXXFLAGS="$cflags" \
    "$src/libstdc++-v3/configure" --build=x86_64-linux-gnu --host=$triple --disable-shared --disable-multilib \
    --disable-libstdcxx-verbose --disable-libstdcxx-pch --enable-fully-dynamic-string \
    --enable-libstdcxx-time=yes --enable-version-specific-runtime-libs >configure.log 2>&1 &&
    make -j"$(nproc)" -C include >make.log 2>&1 && make -j"$(nproc)" -C libsupc++ >>make.log 2>&1) ||
    fail "the C++ support library did not build; see $work/$triple/libstdc++-v3"
cp "$work/$triple/libstdc++-v3/libsupc++/.libs/libsupc++.a" "$out/lib/libstdc++.a"
say "C++ support library: ${SECONDS}s"

rm -rf "$work"
echo "$key" >"$out/stamp"
say "the 486 runtime is in $out/lib"
