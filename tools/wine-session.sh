# Sourced by the test, bench and run scripts: a Wine prefix to work in and, when wanted, a
# virtual display. A prefix of the project's own (under build/) is made, configured and served
# by a wineserver kept alive for the session. A prefix of the user's is only joined: nothing in
# it is deleted or made again, no setting is written but, when none is set, the one font
# replacement that the dialog's texts need (said on the terminal first), and its wineserver and
# programs are left running. wine_session_end, which the callers run from an EXIT trap, stops
# only what the session started.

WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINE32=/usr/lib/wine/wine
# The wineserver binary itself: Debian's wrapper script adds options of its own.
WINESERVER=$(command -v wineserver64 || echo /usr/lib/wine/wineserver64)
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and their installers would ask questions.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

hueset_build=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build
# The dialog template's font face, which Linux does not have, and the font that draws it.
hueset_font_face='ＭＳ Ｐゴシック'
hueset_font=IPAPGothic
xvfb_pid=       # the virtual display this session started
session_server= # the prefix whose wineserver this session started

# What binfmt_misc matches a 32-bit x86 program by: the ELF header of an i386 executable.
I386_ELF_MAGIC='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
I386_ELF_MASK='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

# The runner that binfmt_misc hands 32-bit x86 programs to, if any.
i386_emulator() {
    local entry magic
    magic="magic $(printf '%s' "$I386_ELF_MAGIC" | tr -d '\\x')"
    for entry in /proc/sys/fs/binfmt_misc/*; do
        # register can only be written
        [ "${entry##*/}" != register ] && [ -f "$entry" ] && head -n 1 "$entry" | grep -qx enabled &&
            grep -qx "$magic" "$entry" && sed -n 's/^interpreter //p' "$entry" && return 0
    done
    return 0
}

# Whether runner $1 is a qemu of version 10 or later, under which a 32-bit program starts in seconds.
emulator_is_fast() {
    local major
    major=$("$1" --version 2>/dev/null | sed -n '1s/^qemu-[^ ]* version \([0-9]*\)\..*/\1/p')
    [ -n "$major" ] && [ "$major" -ge 10 ]
}

# Whether 32-bit x86 programs start here in seconds: natively, or under a qemu 10 or later.
runs_32bit_in_seconds() {
    "$WINE32" --version >/dev/null 2>&1 || return 1
    local emulator
    emulator=$(i386_emulator)
    [ -z "$emulator" ] || emulator_is_fast "$emulator"
}

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

# Whether a wineserver serves prefix $1: it works in a folder named after the prefix's device
# and inode (the folder's parent differs between Wine's builds).
wine_server_running() {
    [ -d "$1" ] || return 1
    local name p
    name=server-$(printf '%x-%x' "$(stat -c %d "$1")" "$(stat -c %i "$1")")
    for p in /proc/[0-9]*; do
        case $(readlink "$p/cwd" 2>/dev/null) in
        */"$name") grep -q '^wineserver' "$p/comm" 2>/dev/null && return 0 ;;
        esac
    done
    return 1
}

# Imports .reg lines (UTF-8) into the prefix; regedit keeps non-ASCII names only from UTF-16.
wine_session_import() {
    local reg
    reg=$(mktemp --suffix=.reg)
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' "$@" '' | iconv -f UTF-8 -t UTF-16 >"$reg"
    "$WINE64" regedit /s "$reg" >/dev/null 2>&1 </dev/null
    rm -f "$reg"
}

# Prints the values of the current user's key $1 (its lines in an export, UTF-8), nothing when
# the key is missing. The whole hive is exported: Wine 10's regedit answers the export of a
# missing key with a message box that waits for a click.
wine_registry_values() {
    local exported
    exported=$(mktemp --suffix=.reg)
    "$WINE64" regedit /e "$exported" HKEY_CURRENT_USER >/dev/null 2>&1 </dev/null || true
    iconv -f UTF-16 -t UTF-8 "$exported" 2>/dev/null | tr -d '\r' | key="[$1]" \
        awk 'on && /^$/ { exit } on; tolower($0) == tolower(ENVIRON["key"]) { on = 1 }'
    rm -f "$exported"
}

# Uses the project's own prefix $1 (under build/), making it when missing or half-made, with a
# wineserver kept alive for the session, the dialog's font mapped and, on this session's own
# display where no window manager runs, the captions drawn by Wine.
wine_session_project_prefix() {
    case $1 in
    "$hueset_build"/*) ;;
    *) echo "wine: $1 is not a prefix of the project's own" >&2; return 1 ;;
    esac
    export WINEPREFIX=$1
    # The stamp marks a prefix whose making finished; a half-made one is made again.
    if [ ! -f "$WINEPREFIX/.hueset-ready" ]; then
        echo "wine: creating prefix $WINEPREFIX" >&2
        rm -rf "$WINEPREFIX"
        "$WINE64" wineboot --init >/dev/null 2>&1
        "$WINESERVER" -w
        touch "$WINEPREFIX/.hueset-ready"
    fi
    if ! wine_server_running "$WINEPREFIX"; then
        "$WINESERVER" -p
        session_server=$WINEPREFIX
    fi
    # Start Wine's services now, with nowhere to write: otherwise the first test starts them
    # and they hold its output pipe open, and ctest waits for them.
    "$WINE64" cmd /c exit >/dev/null 2>&1 </dev/null
    local lines=('[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' "\"$hueset_font_face\"=\"$hueset_font\"")
    [ -z "$xvfb_pid" ] || lines+=('' '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Decorated"="N"')
    wine_session_import "${lines[@]}"
    # Wine draws the caption buttons with Marlett, which Debian's Wine does not find by itself.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts marlett
    marlett=$(dpkg -L fonts-wine 2>/dev/null | grep -m1 '/marlett\.ttf$' || true)
    [ -z "$marlett" ] || [ -f "$fonts/marlett.ttf" ] || cp "$marlett" "$fonts/"
}

# Joins the user's prefix $1 (Wine makes it as usual if it does not exist yet), adding the
# dialog's font replacement only when none is set.
wine_session_user_prefix() {
    export WINEPREFIX=$1
    local key='HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements'
    if ! wine_registry_values "$key" | grep -q "^\"$hueset_font_face\"="; then
        echo "wine: your prefix $WINEPREFIX maps no font for the dialog's \"$hueset_font_face\";" \
             "adding the replacement $key \"$hueset_font_face\" = \"$hueset_font\" so that its texts show" >&2
        wine_session_import "[$key]" "\"$hueset_font_face\"=\"$hueset_font\""
    fi
}

wine_session_end() {
    if [ -n "$session_server" ]; then
        WINEPREFIX=$session_server "$WINESERVER" -k 2>/dev/null && WINEPREFIX=$session_server "$WINESERVER" -w 2>/dev/null || true
    fi
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
}
