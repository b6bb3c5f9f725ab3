# Sourced by the test and run scripts: a Wine prefix, a wineserver kept alive for the whole
# session, and a virtual display when one is wanted. Everything started here is stopped by
# wine_session_end, which the callers run from an EXIT trap.

WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)
# The wineserver binary itself: Debian's wrapper script adds options of its own.
WINESERVER=$(command -v wineserver64 || echo /usr/lib/wine/wineserver64)
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and their installers would ask questions.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

xvfb_pid=

# Starts Xvfb on a free display number and points DISPLAY at it.
wine_session_virtual_display() {
    local fifo
    fifo=$(mktemp -u) && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    local number
    read -r number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$number"
}

# Uses (and on first use creates) the prefix $1, with one wineserver for the session.
wine_session_start() {
    export WINEPREFIX=$1
    # The stamp marks a prefix whose creation finished; a half-made one is made again.
    if [ ! -f "$WINEPREFIX/.hueset-ready" ]; then
        echo "wine: creating prefix $WINEPREFIX" >&2
        rm -rf "$WINEPREFIX"
        "$WINE64" wineboot --init >/dev/null 2>&1
        "$WINESERVER" -w
        touch "$WINEPREFIX/.hueset-ready"
    fi
    "$WINESERVER" -p
    # Start Wine's services now, with nowhere to write: otherwise the first test starts them
    # and they hold its output pipe open, and ctest waits for them.
    "$WINE64" cmd /c exit >/dev/null 2>&1 </dev/null
    wine_session_configure
}

# Maps the dialog's font name to an installed Japanese font and, on our own virtual display
# where no window manager runs, has Wine draw the captions itself. regedit keeps the
# Japanese name intact only when it reads UTF-16.
wine_session_configure() {
    local reg
    reg=$(mktemp --suffix=.reg)
    {
        printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
            '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
            '"ＭＳ Ｐゴシック"="IPAPGothic"' ''
        [ -z "$xvfb_pid" ] || printf '%s\r\n' \
            '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Decorated"="N"' ''
    } | iconv -f UTF-8 -t UTF-16 >"$reg"
    "$WINE64" regedit /s "$reg" >/dev/null 2>&1 </dev/null
    rm -f "$reg"
    # Wine draws the caption buttons with Marlett, which Debian's Wine does not find by itself.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts marlett
    marlett=$(dpkg -L fonts-wine 2>/dev/null | grep -m1 '/marlett\.ttf$' || true)
    [ -z "$marlett" ] || [ -f "$fonts/marlett.ttf" ] || cp "$marlett" "$fonts/"
}

wine_session_end() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null && "$WINESERVER" -w 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
}
