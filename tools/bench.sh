#!/usr/bin/env bash
# Measures Hueset against two reference programs built with the same toolchain and flags: the
# list reference (the same dialog, its list filled with the same messages, fixed texts) and the
# minimal reference (one dialog template, one throw and catch). Prints, run in turn:
#   start-up and peak memory of the 64-bit builds under wine64, and of the shipped 32-bit builds
#   where this machine runs 32-bit programs without an emulator;
#   the file sizes of the shipped 32-bit builds;
#   LoadColors and SaveColors: median per call, SetSysColors recorded, not run;
#   Hueset's start-up divided into phases, from one start traced by Wine.
# Usage: tools/bench.sh [RUNS] [CALLS]   (defaults 15 and 2000)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-15} calls=${2:-2000}

tools/setup.sh
for preset in release-x86 test-x64; do
    cmake --preset $preset >/dev/null
    cmake --build --preset $preset --target Hueset list_reference reference >/dev/null
done
cmake --build --preset test-x64 --target bench_driver >/dev/null

. tools/wine-session.sh
trap wine_session_end EXIT
wine_session_virtual_display
wine_session_project_prefix "$root/build/test-x64/wineprefix"

echo "runs $runs each, in turn; calls $calls"
x86=build/release-x86/bin
awk -v a="$(stat -c %s $x86/Hueset.exe)" -v b="$(stat -c %s $x86/reference.exe)" \
    'BEGIN { printf "file size  Hueset %d bytes, minimal reference %d bytes, ratio %.3f\n", a, b, a / b }'
driver=$root/build/test-x64/bin/bench_driver.exe
trace=$(mktemp)
trap 'rm -f "$trace"; wine_session_end' EXIT
# Measures the builds in folder $1; the calls are timed in the 64-bit test build only.
measure() {
    local bin=$1 calls=$2
    "$WINE64" "$driver" "Z:$bin/Hueset.exe" "Z:$bin/list_reference.exe" "Z:$bin/reference.exe" "$runs" "$calls" 2>/dev/null
    # Wine writes the traced start's traces to the standard error that the driver passes on.
    "$WINE64" "$driver" --phases "Z:$bin/Hueset.exe" "Z:$trace" 2>"$trace"
}
echo "64-bit builds:"
measure "$root/build/test-x64/bin" "$calls"
if runs_32bit_in_seconds; then
    echo "shipped 32-bit builds:"
    measure "$root/$x86" 0
else
    echo "shipped 32-bit builds: not measured; this machine runs them only through an emulator older than qemu 10, or not at all"
fi
