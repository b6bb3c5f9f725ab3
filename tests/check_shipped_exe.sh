#!/usr/bin/env bash
# Checks the shipped Hueset.exe as a file: a 32-bit GUI program that imports only from the
# system's own DLLs, with no manifest and no debug information.
# Usage: check_shipped_exe.sh OBJDUMP HUESET.EXE
set -euo pipefail
objdump=$1 exe=$2
fail() { echo "check_shipped_exe: $*" >&2; exit 1; }

[ -f "$exe" ] || fail "no file $exe"
headers=$("$objdump" -p "$exe")
"$objdump" -f "$exe" | grep -q '^architecture: i386,' || fail "not an i386 program"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a GUI-subsystem program"

allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|COMCTL32|COMDLG32|msvcrt)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "no imports found"
while read -r dll; do
    grep -Eiq "$allowed" <<<"$dll" || fail "imports from $dll"
done <<<"$imports"

sections=$("$objdump" -h "$exe")
! grep -q '\.debug' <<<"$sections" || fail "carries debug sections"
"$objdump" -t "$exe" | grep -q '^no symbols' || fail "carries a symbol table"
grep -Eq 'Entry 6 0+ 0+ Debug Directory' <<<"$headers" || fail "has a debug directory"
echo "$exe: i386, GUI, imports $(tr '\n' ' ' <<<"$imports")- no manifest checked by the resource tests, no debug information"
