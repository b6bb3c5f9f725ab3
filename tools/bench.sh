#!/usr/bin/env bash
# Measures Hueset against the reference program (one dialog template, one throw and catch,
# same toolchain and flags) and prints the ratios:
#   start-up and peak memory: the 64-bit builds under wine64, run alternately;
#   file size: the shipped 32-bit builds;
#   LoadColors and SaveColors: median per call, SetSysColors recorded, not run.
# Usage: tools/bench.sh [RUNS] [CALLS]   (defaults 15 and 2000)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-15} calls=${2:-2000}

tools/setup.sh
for preset in release-x86 test-x64; do
    cmake --preset $preset >/dev/null
    cmake --build --preset $preset --target Hueset reference >/dev/null
done
cmake --build --preset test-x64 --target bench_driver >/dev/null

. tools/wine-session.sh
trap wine_session_end EXIT
wine_session_virtual_display
wine_session_project_prefix "$root/build/test-x64/wineprefix"

shipped=build/release-x86/bin/Hueset.exe reference=build/release-x86/bin/reference.exe
size=$(stat -c %s "$shipped") refsize=$(stat -c %s "$reference")
echo "runs $runs each, alternating; calls $calls"
awk -v a="$size" -v b="$refsize" 'BEGIN { printf "file size  Hueset %d bytes, reference %d bytes, ratio %.3f\n", a, b, a / b }'
bin=$root/build/test-x64/bin
"$WINE64" "$bin/bench_driver.exe" "Z:$bin/Hueset.exe" "Z:$bin/reference.exe" "$runs" "$calls" 2>/dev/null
