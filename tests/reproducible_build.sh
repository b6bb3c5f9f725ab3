#!/usr/bin/env bash
# Builds the shipped program twice, each with its own 486 runtime, in folders of different
# names, and checks that the two files are byte for byte the same.
# Usage: reproducible_build.sh SOURCE_DIR
set -euo pipefail
src=$(cd "$1" && pwd)
# One runtime in the temporary folder, one in the source tree's build folder: the linker orders
# imports by archive path, and the two usually lie on either side of the system's /usr/.
work=$(mktemp -d)
mkdir -p "$src/build"
runtime2=$(mktemp -d -p "$src/build")
trap 'rm -rf "$work" "$runtime2"' EXIT

for build in first second-build; do
    runtime=$work/first-runtime
    [ $build = first ] || runtime=$runtime2
    cmake -S "$src" -B "$work/$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF -DHUESET_RUNTIME="$runtime" >/dev/null
    cmake --build "$work/$build" --target Hueset >/dev/null
done
a=$work/first/bin/Hueset.exe b=$work/second-build/bin/Hueset.exe
if ! cmp "$a" "$b"; then
    echo "reproducible_build: the two builds differ" >&2
    exit 1
fi
echo "reproducible_build: two builds are identical, sha256 $(sha256sum <"$a" | cut -d' ' -f1)"
