#!/usr/bin/env bash
# tools/run.sh in a Wine prefix of the user's own, made beforehand and in use: a file of the
# user's in drive_c, a registry value of the user's, the user's own font replacement for the
# dialog's face, and a Wine program of the user's running in it. After a headless run, after a
# run interrupted while the dialog is open, and after a headless run beside a wineserver that
# was started without a display, all of it is as it was and the program and its wineserver
# still run; nothing of the project's (a stamp, window-manager settings, a font) has entered
# the prefix.
# Usage: user_prefix_test.sh SOURCE_DIR    (with DISPLAY and WINEPREFIX set to the tests' own)
set -euo pipefail
src=$(cd "$1" && pwd)
. "$src/tools/wine-session.sh"
face='ＭＳ Ｐゴシック'
failures=0
fail() { echo "user_prefix_test: $*" >&2; failures=$((failures + 1)); }
# Polls a command every 0.2 s, at most N times: wait_for N COMMAND...
wait_for() {
    local n=$1
    shift
    for _ in $(seq "$n"); do "$@" && return 0; sleep 0.2; done
    return 1
}
dialog_shown() { xdotool search --name '^Hueset$' >/dev/null 2>&1; }

# The user's prefix: a copy of the tests' own prefix, stripped of what the project puts in a prefix
# of its own. Hard links but for the registry files, which Wine writes in place.
work=$(mktemp -d)
user=$work/prefix
program=
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    WINEPREFIX=$user "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cp -al "$WINEPREFIX" "$user"
for reg in "$user"/*.reg; do cp --remove-destination "$WINEPREFIX/${reg##*/}" "$reg"; done
rm -f "$user/.hueset-ready" "$user/drive_c/windows/Fonts/marlett.ttf"
export WINEPREFIX=$user
echo "the user's own file" >"$user/drive_c/marker.txt"
reg=$work/user.reg
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[-HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' "\"$face\"=\"UsersOwnFont\"" '' \
    '[HKEY_CURRENT_USER\Software\Hueset user prefix test]' '"Mine"="keep"' '' \
    '[HKEY_CURRENT_USER\Control Panel\Colors]' '"Menu"=hex(2):31,00,20,00,32,00,20,00,33,00,00,00' '' |
    iconv -f UTF-8 -t UTF-16 >"$reg"
"$WINE64" regedit /s "$reg" </dev/null >/dev/null 2>&1
"$WINE64" notepad </dev/null >/dev/null 2>&1 &
program=$!

# The user's scheme, "Menu" stored as REG_EXPAND_SZ: anything Hueset writes, even the same text,
# comes back as REG_SZ.
colors=$(wine_registry_values 'HKEY_CURRENT_USER\Control Panel\Colors')
grep -q '^"Menu"=hex(2):' <<<"$colors" || fail "the user's scheme could not be stored"

# Everything of the user's is as it was (what Hueset writes included), and nothing of the
# project's has come in.
expect_untouched() {
    local when=$1
    [ "$(cat "$user/drive_c/marker.txt" 2>/dev/null)" = "the user's own file" ] || fail "$when: the user's file is gone or changed"
    wine_registry_values 'HKEY_CURRENT_USER\Software\Hueset user prefix test' | grep -q '^"Mine"="keep"' ||
        fail "$when: the user's registry value is gone or changed"
    wine_registry_values 'HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements' | grep -q "^\"$face\"=\"UsersOwnFont\"" ||
        fail "$when: the user's font replacement is gone or changed"
    ! wine_registry_values 'HKEY_CURRENT_USER\Software\Wine\X11 Driver' | grep -q Decorated || fail "$when: a window-manager setting was written"
    [ ! -e "$user/drive_c/windows/Fonts/marlett.ttf" ] || fail "$when: a font was copied in"
    [ ! -e "$user/.hueset-ready" ] || fail "$when: the project's stamp was put in"
    [ "$(wine_registry_values 'HKEY_CURRENT_USER\Control Panel\Colors')" = "$colors" ] || fail "$when: the user's colors were written"
    kill -0 "$program" 2>/dev/null || fail "$when: the user's program was ended"
}

# Waits for the user's program to be up, so that the runs join its wineserver.
wait_for 300 xdotool search --name 'Notepad' >/dev/null 2>&1 || true
kill -0 "$program" 2>/dev/null || fail "the user's program did not start"

cd "$src"
if ! env -u DISPLAY tools/run.sh >"$work/run.out" 2>"$work/run.err"; then
    fail "the headless run failed: $(tail -n 3 "$work/run.err")"
fi
grep '^wine:' "$work/run.err" >&2 || true
expect_untouched "after a headless run"

# Ctrl+C reaches the run's whole process group, as a terminal sends it; the user's program is
# in another. Job control gives the run a group of its own, with SIGINT not ignored.
set -m
tools/run.sh >"$work/interrupted.out" 2>&1 &
run=$!
set +m
wait_for 300 dialog_shown || fail "the interrupted run showed no dialog"
kill -INT -- "-$run"
if ! wait_for 150 eval '! kill -0 "$run" 2>/dev/null'; then
    fail "the interrupted run did not end"
    kill -KILL -- "-$run" 2>/dev/null || true
fi
wait "$run" || true
wait_for 50 eval '! dialog_shown' || fail "the interrupted run left Hueset open"
expect_untouched "after an interrupted run"

# The user's wineserver started without a display, by a program of theirs that needs none: the
# dialog must still show on the run's own display, in seconds.
kill "$program"
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w 2>/dev/null || true
env -u DISPLAY "$WINE64" ping -n 600 127.0.0.1 </dev/null >/dev/null 2>&1 &
program=$!
sleep 5
if ! timeout 120 env -u DISPLAY tools/run.sh >"$work/busy.out" 2>"$work/busy.err"; then
    fail "the headless run beside a server without a display failed: $(tail -n 2 "$work/busy.err")"
fi
[ -s "$(tail -n 1 "$work/busy.out")" ] || fail "the headless run beside a server without a display saved no screenshot"
expect_untouched "after a run beside a server without a display"

[ "$failures" -eq 0 ] || exit 1
echo "user_prefix_test: the user's file, values, font replacement, colors and program are as they were after all three runs"
