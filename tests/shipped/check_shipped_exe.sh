#!/usr/bin/env bash
# Checks the shipped Hueset.exe as a file: a 32-bit GUI program for the 386 that imports only
# from the system's own DLLs, with no manifest and no debug information.
# Usage: check_shipped_exe.sh OBJDUMP HUESET.EXE
set -euo pipefail
objdump=$1 exe=$2
fail() { echo "check_shipped_exe: $*" >&2; exit 1; }

[ -f "$exe" ] || fail "no file $exe"
headers=$("$objdump" -p "$exe")
"$objdump" -f "$exe" | grep -q '^architecture: i386,' || fail "not an i386 program"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a GUI-subsystem program"

# Only DLLs that every Windows has and keeps as KnownDLLs, which it never looks for beside the
# program: no C runtime DLL, which Windows 95 lacks. Others are loaded by full path.
allowed='^(KERNEL32|USER32|ADVAPI32)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "no imports found"
while read -r dll; do
    grep -Eiq "$allowed" <<<"$dll" || fail "imports from $dll"
done <<<"$imports"

# Every imported function is in its DLL's list of what the oldest systems have (api-lists: the
# header guards of 98, ME, NT 4.0 and 2000) and not among those documented as newer. The guards
# leave some declarations unguarded, so such a list admits a name but does not prove it.
lists=$(dirname "$0")/api-lists
# Each DLL's block lists one function a row, its name last, in whichever columns this objdump
# prints (binutils 2.44 added the ordinal's); a blank line ends the block.
functions=$("$objdump" -p "$exe" | awk '/DLL Name:/ { dll = tolower($3); sub(/\.dll$/, "", dll); next }
    /^[[:space:]]*$/ { dll = "" } dll && $1 ~ /^[0-9a-f]+$/ && NF >= 3 { print dll, $NF }')
while read -r dll name; do
    since=$(awk -v name="$name" '$1 == name { sub(/^[^ ]+ /, ""); print }' "$lists/newer.txt")
    [ -z "$since" ] || fail "imports $dll!$name, which Windows has only since $since"
    grep -qFx "$name" "$lists/$dll.txt" ||
        fail "imports $dll!$name, which is not in the list of what the oldest systems have"
done <<<"$functions"

# Windows 95 runs on a 386DX: no instruction of a later processor may be in the code, the 486's
# (cmpxchg, xadd, bswap and its cache and page instructions) included. ud2 stays allowed: the
# fault it raises is its purpose, on every x86.
newer=$("$objdump" -d --no-show-raw-insn "$exe" | awk -F'\t' '$1 ~ /^ *[0-9a-f]+:$/ && NF > 1 {
    n = split($2, w, " "); m = w[1]
    if (m ~ /^(rep[nz]*|lock|data16|addr16|[c-gs]s)$/ && n > 1) m = w[2]
    if (m ~ /^(cmov|fcmov|f(u)?comip?$|cpuid|rdtsc|rdpmc|[rw]rmsr|cmpxchg|xadd|bswap|invd|wbinvd|invlpg|sys(enter|exit|call|ret)|fx(save|rstor)|[ls]dmxcsr|[lms]fence|clflush|prefetch|movnti|popcnt|lzcnt|tzcnt|movbe|crc32|xgetbv|fisttp|nop[wl])/ ||
        (m == "nop" && n > 1) || $2 ~ /%[xy]?mm[0-9]/) count[m]++
} END { for (m in count) printf "%s %d, ", m, count[m] }')
[ -z "$newer" ] || fail "holds instructions that a 386 does not have: ${newer%, }"

# Windows starts the program on a stack aligned to 4 bytes, the compiler's code keeps it at 16:
# the entry point aligns it before anything else. Wine's own start aligns it already, so no run
# here would tell.
start=$("$objdump" -f "$exe" | sed -n 's/^start address 0x//p')
"$objdump" -d --start-address="0x$start" --stop-address="$(printf '0x%x' $((0x$start + 8)))" "$exe" |
    grep -q 'and  *$0xfffffff0,%esp' || fail "its entry point does not align the stack"

sections=$("$objdump" -h "$exe")
! grep -q '\.debug' <<<"$sections" || fail "carries debug sections"
"$objdump" -t "$exe" | grep -q '^no symbols' || fail "carries a symbol table"
grep -Eq 'Entry 6 0+ 0+ Debug Directory' <<<"$headers" || fail "has a debug directory"
echo "$exe: i386, GUI, no instruction newer than the 386's, the stack aligned at entry, imports $(tr '\n' ' ' <<<"$imports")- no manifest checked by the resource tests, no debug information"
echo "check_shipped_exe: its $(wc -l <<<"$functions") imports are admitted by the guard lists, which prove none of them"
