#!/usr/bin/env bash
# Builds the shipped 32-bit Hueset.exe from a clean build folder into dist/, with its SHA-256
# and the license beside it. The build is reproducible: the same sources give the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh
build=$root/build/dist-x86
rm -rf "$build"
cmake --preset release-x86 -B "$build" >/dev/null
cmake --build "$build" --target Hueset
mkdir -p dist
cp "$build/bin/Hueset.exe" dist/Hueset.exe
cp LICENSE dist/LICENSE
(cd dist && sha256sum Hueset.exe >Hueset.exe.sha256)
cat dist/Hueset.exe.sha256
