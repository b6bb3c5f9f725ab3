#!/usr/bin/env bash
# Sets up the machine, builds Hueset and opens it under Wine with its Japanese texts.
# Uses $WINEPREFIX when set (to edit that Wine's own colors), else a prefix of the project's.
# With no display it runs on a virtual one: it saves a screenshot of the dialog, closes it
# with Cancel (nothing written) and prints the screenshot's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh
cmake --preset test-x64 >/dev/null
cmake --build --preset test-x64 --target Hueset
exe=$root/build/test-x64/bin/Hueset.exe

. tools/wine-session.sh
# Japanese ANSI code page for the dialog's texts; no glibc locale is needed for it.
hueset_locale=${HUESET_LOCALE:-ja_JP.UTF-8}
trap wine_session_end EXIT
headless=
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    wine_session_virtual_display
fi
wine_session_start "${WINEPREFIX:-$root/build/wineprefix}"

if [ -z "$headless" ]; then
    LC_ALL=$hueset_locale "$WINE64" "$exe"
    exit 0
fi

LC_ALL=$hueset_locale "$WINE64" "$exe" >/dev/null 2>&1 &
hueset=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --name '^Hueset$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "run: the dialog did not appear" >&2; exit 1; }
sleep 1 # let the list paint its rows
shot=$root/build/hueset.png
import -window "$window" "$shot"
# Escape is the dialog's Cancel.
xdotool key --window "$window" Escape 2>/dev/null
wait "$hueset"
echo "$shot"
