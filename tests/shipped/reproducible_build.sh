#!/usr/bin/env bash
# Builds the shipped program once more from SOURCE_DIR, in a folder of another name and with a
# runtime of its own built in another folder, and checks that the file is byte for byte the
# shipped one (SHIPPED_EXE, built in the source tree with the runtime there).
# Usage: reproducible_build.sh SOURCE_DIR SHIPPED_EXE
set -euo pipefail
src=$(cd "$1" && pwd) shipped=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$src" -B "$work/second-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF -DHUESET_RUNTIME="$work/other-runtime" >/dev/null
cmake --build "$work/second-build" --target Hueset >/dev/null
if ! cmp "$shipped" "$work/second-build/bin/Hueset.exe"; then
    echo "reproducible_build: the two builds differ" >&2
    exit 1
fi
echo "reproducible_build: two builds are identical, sha256 $(sha256sum <"$shipped" | cut -d' ' -f1)"
