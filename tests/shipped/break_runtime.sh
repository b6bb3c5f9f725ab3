#!/usr/bin/env bash
# Puts one fault at a time into the program's own runtime (runtime/*.cpp), builds, runs the tests
# of the shipped file and names the tests that caught it, or says that none did. Not run by CI;
# it takes about a minute a fault. Refuses to start while runtime/ holds changes of its own, and
# puts the sources back as they were committed when it ends.
# Usage: tests/shipped/break_runtime.sh [CTEST_ARGS...]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
git diff --quiet HEAD -- runtime || { echo "break_runtime: runtime/ has uncommitted changes; commit them first" >&2; exit 1; }
trap 'git checkout -q HEAD -- runtime' EXIT

# file | what stands there | what the fault puts instead
faults=(
    'startup.cpp|    RunConstructors();|'
    'startup.cpp|for (int i = last; i >= 1; i--)|for (int i = 1; i <= last; i++)'
    'startup.cpp|WinMain(GetModuleHandleA(NULL), NULL, noArguments, show)|WinMain(NULL, NULL, noArguments, show)'
    'startup.cpp|WinMain(GetModuleHandleA(NULL), NULL, noArguments, show)|WinMain(GetModuleHandleA(NULL), NULL, GetCommandLineA(), show)'
    'startup.cpp|(startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT|SW_SHOWDEFAULT'
    'startup.cpp|    ExitProcess(0);|    ExitProcess(1);'
    'startup.cpp|__attribute__((force_align_arg_pointer)) |'
    'c_library.cpp|return HeapAlloc(GetProcessHeap(), 0, size);|return NULL;'
    'c_library.cpp|return HeapAlloc(GetProcessHeap(), 0, size);|return HeapAlloc(GetProcessHeap(), 0, size / 2);'
    'c_library.cpp|        HeapFree(GetProcessHeap(), 0, block);|        ;'
    'c_library.cpp|int atexit(void (*)())
{
    return 0;|int atexit(void (*f)())
{
    f();
    return 0;'
    'c_library.cpp|int atexit(void (*)())
{
    return 0;|int atexit(void (*)())
{
    return -1;'
    'c_library.cpp|    ExitProcess(3);|    ExitProcess(0);'
    'c_library.cpp|return (size_t)lstrlenA(s);|return (size_t)lstrlenA(s) + 1;'
    'c_library.cpp|return (size_t)lstrlenA(s);|return 0;'
    'c_library.cpp|return (unsigned char)*a - (unsigned char)*b;|return 0;'
    'c_library.cpp|return (unsigned char)*a - (unsigned char)*b;|return *a - *b;'
    'c_library.cpp|return (unsigned char)*a - (unsigned char)*b;|return 1;'
    'c_library.cpp|            return (void *)p;|            return NULL;'
    'c_library.cpp|    for (; size; p++, size--)|    for (; size > 1; p++, size--)'
    'c_library.cpp|    return NULL;
}|    return (void *)block;
}'
)

for fault in "${faults[@]}"; do
    IFS='|' read -r -d '' file from to <<<"$fault" || true
    to=${to%$'\n'}
    git checkout -q HEAD -- runtime
    FROM=$from TO=$to perl -0pi -e 's/\Q$ENV{FROM}\E/$ENV{TO}/ or exit 1' "runtime/$file" ||
        { echo "break_runtime: runtime/$file no longer holds: $from" >&2; exit 1; }
    echo "== runtime/$file: '$from' -> '$to'"
    log=$(tools/test.sh -R 'ThirtyTwoBit|ShippedProgram|ShippedFile.IsA32Bit|Shipped/MainDialogTest.Ok' "$@" 2>&1)
    caught=$(sed -n 's/^.*[0-9]* - \([^ ]*\).*(\(Failed\|Timeout\|.*Exception\))$/\1/p' <<<"$log" | sort -u | tr '\n' ' ')
    if grep -q 'error:' <<<"$log"; then
        echo "   does not build"
    elif [ -n "$caught" ]; then
        echo "   caught by: $caught"
    else
        echo "   NOT CAUGHT"
    fi
done
