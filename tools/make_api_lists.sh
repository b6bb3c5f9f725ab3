#!/usr/bin/env bash
# Writes tests/shipped/api-lists/DLL.txt: the functions of each system DLL that Hueset imports, so
# that the shipped file runs on Windows 98, ME, NT 4.0 and 2000. A name is listed when the
# mingw-w64 headers, under the version guards of those systems (_WIN32_WINNT and WINVER 0x0400;
# _WIN32_IE 0x0200, the common controls of NT 4.0) declare or use it as a function and the
# DLL's import library exports it.
# Usage: tools/make_api_lists.sh   (run again when the toolchain changes)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/tests/shipped/api-lists
triple=i686-w64-mingw32
defines=(-D_WIN32_WINNT=0x0400 -DWINVER=0x0400 -D_WIN32_IE=0x0200)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '#include <%s>\n' windows.h commctrl.h commdlg.h >"$work/all.c"
"$triple-gcc" -E -P "${defines[@]}" "$work/all.c" -o "$work/all.i"
grep -oE '\b[A-Za-z_][A-Za-z0-9_]*[[:space:]]*\(' "$work/all.i" | sed -E 's/[[:space:]]*\($//' | sort -u >"$work/declared"
version=$(dpkg-query -W -f='${Version}' mingw-w64-common 2>/dev/null || echo unknown)

for dll in kernel32 user32 advapi32; do
    "$triple-nm" "/usr/$triple/lib/lib$dll.a" 2>/dev/null | grep -oE ' I __imp__[A-Za-z0-9_]+' |
        sed -E 's/ I __imp__//; s/@[0-9]+$//' | sort -u >"$work/exported"
    {
        echo "# Functions of $dll.dll that the shipped Hueset.exe may import."
        echo "# Source: the mingw-w64 headers ($version) under ${defines[*]}"
        echo "# (the version guards of Windows 98, ME, NT 4.0 and 2000), intersected with the exports of"
        echo "# lib$dll.a. Made by tools/make_api_lists.sh; the headers guard only some of their"
        echo "# declarations, so a name here is allowed by the guards, not proven present."
        comm -12 "$work/declared" "$work/exported"
    } >"$out/$dll.txt"
done
