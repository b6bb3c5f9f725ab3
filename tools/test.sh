#!/usr/bin/env bash
# Sets up the machine, builds the shipped 32-bit program and the 64-bit test build, and runs
# every test under Wine in a scratch prefix on a virtual display. Leaves no process behind.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh
cmake --preset release-x86 >/dev/null
cmake --build --preset release-x86
cmake --preset test-x64 >/dev/null
cmake --build --preset test-x64
# The scheme tests in 32-bit code too, with the toolchain's runtime (the shipped one has a check of its own).
cmake --preset test-x86 >/dev/null
cmake --build --preset test-x86

# The shipped 32-bit program runs end to end where Wine's 32-bit loader runs.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    export HUESET_NO_32BIT="Wine's 32-bit loader cannot run on this machine (this kernel runs no 32-bit code; run tools/setup.sh as root to enable emulation)"
    echo "test: $HUESET_NO_32BIT" >&2
fi

. tools/wine-session.sh
trap wine_session_end EXIT
wine_session_virtual_display
wine_session_project_prefix "$root/build/test-x64/wineprefix"
# In this prefix of the project's own, a program that crashes ends at once instead of waiting
# behind Wine's crash dialog, so that a test reports the crash rather than running out of time.
wine_session_import '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000'
# A failing test runs once more: now and then a Wine process fails to start, printing nothing.
# A test that passes only then is named at the end, so that an intermittent fault still shows.
ctest --preset test-x64 "$@" && exit 0
failed=$(cut -d: -f2- build/test-x64/Testing/Temporary/LastTestsFailed.log)
echo "test: running the failed tests once more" >&2
ctest --preset test-x64 --rerun-failed "$@"
echo "test: passed only on their retry:" $failed >&2
