#!/usr/bin/env bash
# Checks the shipped Hueset.exe as a file: a 32-bit GUI program for the 486 that imports only
# from the system's own DLLs, with no manifest and no debug information.
# Usage: check_shipped_exe.sh OBJDUMP HUESET.EXE
set -euo pipefail
objdump=$1 exe=$2
fail() { echo "check_shipped_exe: $*" >&2; exit 1; }

[ -f "$exe" ] || fail "no file $exe"
headers=$("$objdump" -p "$exe")
"$objdump" -f "$exe" | grep -q '^architecture: i386,' || fail "not an i386 program"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a GUI-subsystem program"

# Only DLLs that Windows keeps as KnownDLLs, which it never looks for beside the program, and
# the C runtime's msvcrt (not one on NT 4.0; the README says so). Others are loaded by full path.
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|msvcrt)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "no imports found"
while read -r dll; do
    grep -Eiq "$allowed" <<<"$dll" || fail "imports from $dll"
done <<<"$imports"

# Every imported function is in its DLL's list of what the oldest systems have (api-lists: the
# header guards of 98, ME, NT 4.0 and 2000) and not among those documented as newer. The guards
# leave some declarations unguarded, so a name that only a guard list admits is named as unproven.
lists=$(dirname "$0")/api-lists
functions=$("$objdump" -p "$exe" | awk '/DLL Name:/ { dll = tolower($3); sub(/\.dll$/, "", dll) }
    /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }')
unproven=
while read -r dll name; do
    since=$(awk -v name="$name" '$1 == name { sub(/^[^ ]+ /, ""); print }' "$lists/newer.txt")
    [ -z "$since" ] || fail "imports $dll!$name, which Windows has only since $since"
    grep -qFx "$name" "$lists/$dll.txt" "$lists/$dll-startup.txt" 2>/dev/null ||
        fail "imports $dll!$name, which is not in the list of what the oldest systems have"
    grep -qFx "$name" "$lists/$dll-startup.txt" 2>/dev/null || unproven+="$dll!$name "
done <<<"$functions"

# Windows 95 runs on a 386, NT 4.0 and 98 need a 486: no instruction of a later processor may be
# in the code. ud2 stays allowed: the fault it raises is its purpose, on every x86.
newer=$("$objdump" -d --no-show-raw-insn "$exe" | awk -F'\t' '$1 ~ /^ *[0-9a-f]+:$/ && NF > 1 {
    n = split($2, w, " "); m = w[1]
    if (m ~ /^(rep[nz]*|lock|data16|addr16|[c-gs]s)$/ && n > 1) m = w[2]
    if (m ~ /^(cmov|fcmov|f(u)?comip?$|cpuid|rdtsc|rdpmc|[rw]rmsr|cmpxchg(8|16)b|sys(enter|exit|call|ret)|fx(save|rstor)|[ls]dmxcsr|[lms]fence|clflush|prefetch|movnti|popcnt|lzcnt|tzcnt|movbe|crc32|xgetbv|fisttp|nop[wl])/ ||
        (m == "nop" && n > 1) || $2 ~ /%[xy]?mm[0-9]/) count[m]++
} END { for (m in count) printf "%s %d, ", m, count[m] }')
[ -z "$newer" ] || fail "holds instructions that a 486 does not have: ${newer%, }"

sections=$("$objdump" -h "$exe")
! grep -q '\.debug' <<<"$sections" || fail "carries debug sections"
"$objdump" -t "$exe" | grep -q '^no symbols' || fail "carries a symbol table"
grep -Eq 'Entry 6 0+ 0+ Debug Directory' <<<"$headers" || fail "has a debug directory"
echo "$exe: i386, GUI, no instruction newer than the 486's, imports $(tr '\n' ' ' <<<"$imports")- no manifest checked by the resource tests, no debug information"
echo "check_shipped_exe: $(wc -w <<<"$unproven") of $(wc -l <<<"$functions") imports are in the guard lists only, not proven by a published list: $unproven"
