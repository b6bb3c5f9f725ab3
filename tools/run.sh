#!/usr/bin/env bash
# Sets up the machine, builds Hueset and opens it under Wine with its Japanese texts: the shipped
# 32-bit program where this machine runs 32-bit programs in seconds (itself, or through qemu 10
# or later), else the 64-bit build of the same sources. Uses $WINEPREFIX when set (to edit that Wine's own colors), else a prefix of the
# project's. With no display it runs on a virtual one: it saves a screenshot of the dialog,
# closes it with Cancel (nothing written) and prints the screenshot's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh
. tools/wine-session.sh

if runs_32bit_in_seconds; then
    preset=release-x86 wine=$WINE32
else
    preset=test-x64 wine=$WINE64
    why="this machine runs no 32-bit programs"
    "$WINE32" --version >/dev/null 2>&1 && why="this machine runs 32-bit programs only through $(i386_emulator), an emulator older than qemu 10, under which the shipped program takes about a minute to start"
    echo "run: $why; opening the 64-bit build of the same sources instead of the shipped 32-bit Hueset.exe" >&2
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Hueset
exe=$root/build/$preset/bin/Hueset.exe

# Japanese ANSI code page for the dialog's texts; no glibc locale is needed for it.
hueset_locale=${HUESET_LOCALE:-ja_JP.UTF-8}
hueset=
# Hueset runs in a process group of its own, which a desktop of its own shares with it: ending
# the group ends all of Hueset and nothing of the user's.
trap '[ -z "$hueset" ] || kill -- "-$hueset" 2>/dev/null; wine_session_end' EXIT
trap 'exit 130' INT TERM
headless=
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    wine_session_virtual_display
fi
launch=("$wine" "$exe")
if [ -n "${WINEPREFIX:-}" ]; then
    # Wine puts a program's windows on the desktop of the wineserver it joins, which may have
    # been started on another display or on none; a desktop of Hueset's own opens on this one.
    if wine_server_running "$WINEPREFIX"; then
        echo "run: Wine already runs for $WINEPREFIX; opening Hueset in a desktop of its own on this display" >&2
        launch=("$wine" explorer /desktop=Hueset,640x480 "$exe")
    fi
    wine_session_user_prefix "$WINEPREFIX"
else
    wine_session_project_prefix "$root/build/wineprefix"
fi

# In the background, so that Ctrl+C, which a Wine program ignores, ends the run and with it
# Hueset, at once.
if [ -z "$headless" ]; then
    LC_ALL=$hueset_locale setsid "${launch[@]}" &
    hueset=$!
    wait "$hueset"
    hueset=
    exit 0
fi

LC_ALL=$hueset_locale setsid "${launch[@]}" >/dev/null 2>&1 &
hueset=$!
window=
# Hueset shows its dialog within a second or two natively, within a few seconds under qemu 10.
# The dialog's own window: a desktop of Hueset's own shows before the dialog does.
for _ in $(seq 150); do
    window=$(xdotool search --name '^Hueset$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    kill -0 "$hueset" 2>/dev/null || break
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "run: the dialog did not appear on this run's display within 30 s; Hueset was ended." >&2
    echo "run: Wine may have shown it on the desktop of a wineserver already running for $WINEPREFIX" \
         "elsewhere: end the programs running in that prefix, or run with DISPLAY set to their display" >&2
    exit 1
fi
sleep 1 # let the list paint its rows
eval "$(xdotool getwindowgeometry --shell "$window" | tr 'A-Z' 'a-z' | grep -E '^(width|height)=[0-9]+$')"
shot=$root/build/hueset.png
import -window "$window" "$shot"
# Escape is the dialog's Cancel. A click in the middle (on the list) first makes the dialog the
# active window, also inside a desktop of Wine's own, which passes on keys only to that.
xdotool mousemove --window "$window" $((width / 2)) $((height / 2)) click 1 key Escape 2>/dev/null
for _ in $(seq 150); do
    kill -0 "$hueset" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$hueset" 2>/dev/null; then
    echo "run: Hueset did not close on Escape within 30 s; it was ended. The screenshot is $shot" >&2
    exit 1
fi
hueset=
echo "$shot"
