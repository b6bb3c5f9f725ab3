// Every function of the shipped program's own runtime, in a program linked exactly as the
// shipped Hueset.exe is (its start-up, GCC's libraries for the 386, no C runtime DLL), run in
// 32-bit code by the tests: the start-up's constructors and what it hands WinMain; the C
// functions on their own and as their callers use them: loading the scheme's edge values, a
// catch clause matched by type, the blocks of a caught exception given back; a save that
// writes and applies, then the failures that travel inside it as an exception, a refused write
// and a heap that refuses everything from the first or from the second array on, so that the
// exception itself must come from the memory put aside at start. When every check held it says
// so on its standard output and throws an exception that nobody catches, which must end it at
// once with the failure code 3; a check that fails ends it sooner, with its line as the code.
// The test starts it with an argument and the show command SW_SHOWMINNOACTIVE.
#include "import_patch.h"
#include "main_dialog.h"
#include "color_text.h"
#include "scheme.h"
#include "stored_texts.h"

#include <commctrl.h>
#include <stdlib.h>
#include <string.h>

static int g_heapCallsLeft;        // HeapAlloc calls that still succeed; -1 for every one
static bool g_refuseWrites;        // RegSetValueExA fails
static int g_writes;               // values written
static int g_applied;              // SetSysColors calls seen
static COLORREF g_appliedFirst;    // the first color of the last of them
static int g_blocksHeld;           // blocks the heap gave and did not get back
static bool g_caughtInConstructor; // the constructor below caught its own exception
static bool g_exitHandlerRan;      // a function handed to atexit was run
static decltype(&HeapAlloc) g_realHeapAlloc;
static decltype(&HeapFree) g_realHeapFree;

// A constructor that throws and catches: the start-up must run the constructors, and this one
// after the one that hands the unwinder the frame tables, or nothing catches its exception.
static struct Throwing {
    Throwing()
    {
        try {
            throw 1;
        } catch (int) {
            g_caughtInConstructor = true;
        }
    }
} g_throwing;

static LPVOID WINAPI RationedHeapAlloc(HANDLE heap, DWORD flags, SIZE_T size)
{
    if (g_heapCallsLeft == 0)
        return NULL;
    if (g_heapCallsLeft > 0)
        g_heapCallsLeft--;
    LPVOID block = g_realHeapAlloc(heap, flags, size);
    g_blocksHeld += block != NULL;
    return block;
}

static BOOL WINAPI CountedHeapFree(HANDLE heap, DWORD flags, LPVOID block)
{
    g_blocksHeld--;
    return g_realHeapFree(heap, flags, block);
}

// The stored values at loading's edges, served as the registry serves a value.
static LONG WINAPI ServeStoredText(HKEY, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD cb)
{
    for (int i = 0; i < STORED_TEXTS; i++) {
        const StoredText &stored = StoredTexts[i];
        if (lstrcmpA(stored.name, name))
            continue;
        if (type)
            *type = stored.type;
        DWORD room = *cb;
        *cb = stored.cb;
        if (stored.cb > room)
            return ERROR_MORE_DATA;
        for (DWORD b = 0; b < stored.cb; b++) // volatile: not made into a call of memcpy, which is not linked
            ((volatile BYTE *)data)[b] = ((const BYTE *)stored.data)[b];
        return ERROR_SUCCESS;
    }
    return ERROR_FILE_NOT_FOUND;
}

static void MarkExitHandlerRun()
{
    g_exitHandlerRan = true;
}

// The registry and the live colors are stood in for, so that the check changes neither.
static LONG WINAPI OpenAnyKey(HKEY, LPCSTR, DWORD, REGSAM, PHKEY result)
{
    *result = HKEY_CURRENT_USER;
    return ERROR_SUCCESS;
}

static LONG WINAPI CountOrRefuseWrite(HKEY, LPCSTR, DWORD, DWORD, const BYTE *, DWORD)
{
    g_writes += !g_refuseWrites;
    return g_refuseWrites ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

static LONG WINAPI CloseAnyKey(HKEY)
{
    return ERROR_SUCCESS;
}

static BOOL WINAPI RecordSetSysColors(int, const INT *, const COLORREF *values)
{
    g_applied++;
    g_appliedFirst = values[0];
    return TRUE;
}

void MissingImport(const char *, const char *)
{
    ExitProcess(1);
}

#define CHECK(condition) \
    if (!(condition))    \
    ExitProcess(__LINE__)

// The row of the named color, or -1.
static int RowNamed(HWND list, const char *name)
{
    char rowName[TEXT_BUFFER_SIZE];
    for (int row = 0; row < CountRows(list); row++)
        if (ReadRowNameAndIndex(list, row, rowName) >= 0 && !lstrcmpA(rowName, name))
            return row;
    return -1;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    // The start-up.
    CHECK(g_caughtInConstructor);
    CHECK(instance == GetModuleHandleA(NULL) && previous == NULL);
    CHECK(commandLine && !commandLine[0]);
    CHECK(show == SW_SHOWMINNOACTIVE);

    // The C functions on their own.
    char *block = (char *)malloc(100);
    CHECK(block && HeapSize(GetProcessHeap(), 0, block) >= 100);
    free(block);
    free(NULL);
    CHECK(atexit(MarkExitHandlerRun) == 0 && !g_exitHandlerRan);
    char text[] = "a\0b";
    CHECK(strlen("") == 0 && strlen("abc") == 3);
    CHECK(strcmp("abc", "abc") == 0 && strcmp("abc", "abd") < 0 && strcmp("b", "abc") > 0 && strcmp("ab", "abc") < 0);
    CHECK(strcmp("\xe9", "e") > 0); // compared as unsigned characters
    CHECK(memchr(text, 0, 3) == text + 1 && memchr(text, 'b', 3) == text + 2 && memchr(text, 'b', 2) == NULL);

    CHECK(StartCommonControls());
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT | LVS_SINGLESEL | LVS_SORTASCENDING,
                                0, 0, 300, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
    CHECK(list);
    PrepareColorList(list);

    ImportPatch heap("kernel32.dll", "HeapAlloc", (const void *)RationedHeapAlloc, &g_realHeapAlloc);
    ImportPatch heapFree("kernel32.dll", "HeapFree", (const void *)CountedHeapFree, &g_realHeapFree);
    ImportPatch open("advapi32.dll", "RegOpenKeyExA", (const void *)OpenAnyKey);
    ImportPatch query("advapi32.dll", "RegQueryValueExA", (const void *)ServeStoredText);
    ImportPatch write("advapi32.dll", "RegSetValueExA", (const void *)CountOrRefuseWrite);
    ImportPatch close("advapi32.dll", "RegCloseKey", (const void *)CloseAnyKey);
    ImportPatch apply("user32.dll", "SetSysColors", (const void *)RecordSetSysColors);
    g_heapCallsLeft = -1;

    // Loading the edge values, each shown as it must be.
    CHECK(LoadColors(list) == 1);
    for (int i = 0; i < STORED_TEXTS; i++) {
        char shown[TEXT_BUFFER_SIZE];
        int row = RowNamed(list, StoredTexts[i].name);
        CHECK(row >= 0);
        ReadRowText(list, row, shown);
        CHECK(!lstrcmpA(shown, StoredTexts[i].shown));
    }

    // A catch clause takes only an exception of its type, and a caught exception's blocks are
    // given back. The first exception sorts the frame tables into a block the unwinder keeps.
    try {
        throw 0;
    } catch (int) {
    }
    int held = g_blocksHeld, caughtBy = 0;
    try {
        throw 7;
    } catch (long) {
        caughtBy = 1;
    } catch (int seven) {
        caughtBy = seven;
    }
    CHECK(caughtBy == 7 && g_blocksHeld == held);

    // Saving: two rows written and applied, then the failures.
    ClearRows(list);
    LoadRowText(list, InsertRow(list, "Window", COLOR_WINDOW), "300 0 0");
    LoadRowText(list, InsertRow(list, "ActiveBorder", COLOR_ACTIVEBORDER), "1 2 3");
    CHECK(SaveColors(list) == 1 && g_writes == 2 && g_applied == 1 && g_appliedFirst == RGB(1, 2, 3));

    g_refuseWrites = true;
    CHECK(SaveColors(list) == 0);
    g_refuseWrites = false;
    for (int granted = 0; granted < 2; granted++) {
        g_heapCallsLeft = granted;
        CHECK(SaveColors(list) == 0);
    }
    g_heapCallsLeft = -1;
    CHECK(g_applied == 1);
    CHECK(SaveColors(list) == 1 && g_applied == 2);
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "every check held", 16, &written, NULL);
    throw 1;
}
