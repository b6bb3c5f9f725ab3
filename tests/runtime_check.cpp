// SaveColors in a program linked exactly as the shipped Hueset.exe is (its start-up, GCC's
// libraries for the 386, no C runtime DLL), run in 32-bit code by the tests: a save that writes
// and applies, then the failures that travel inside it as an exception, a refused write and a
// heap that refuses everything from the first or from the second array on, so that the
// exception itself must come from the memory put aside at start. Exit code 0 when every check
// held, else the line of the first that failed. With the argument "uncaught" it throws an
// exception that nobody catches instead, which must end it at once with a failure code.
#include "import_patch.h"
#include "main_dialog.h"
#include "scheme.h"

#include <commctrl.h>

static const char SCRATCH[] = "Software\\Hueset runtime check";

static HKEY g_hkeyScratch;      // the hive that stands in for the current user's
static int g_heapCallsLeft;     // HeapAlloc calls that still succeed; -1 for every one
static bool g_refuseWrites;     // RegSetValueExA fails
static int g_applied;           // SetSysColors calls seen
static COLORREF g_appliedFirst; // the first color of the last of them
static decltype(&HeapAlloc) g_realHeapAlloc;
static decltype(&RegSetValueExA) g_realRegSetValueExA;

static LPVOID WINAPI RationedHeapAlloc(HANDLE heap, DWORD flags, SIZE_T size)
{
    if (g_heapCallsLeft == 0)
        return NULL;
    if (g_heapCallsLeft > 0)
        g_heapCallsLeft--;
    return g_realHeapAlloc(heap, flags, size);
}

static LONG WINAPI RefusableRegSetValueExA(HKEY hkey, LPCSTR name, DWORD reserved, DWORD type, const BYTE *data, DWORD cb)
{
    return g_refuseWrites ? ERROR_ACCESS_DENIED : g_realRegSetValueExA(hkey, name, reserved, type, data, cb);
}

// Applies nothing, so that the check leaves the desktop's colors as they were.
static BOOL WINAPI RecordedSetSysColors(int, const INT *, const COLORREF *values)
{
    g_applied++;
    g_appliedFirst = values[0];
    return TRUE;
}

void MissingImport(const char *, const char *)
{
    ExitProcess(1);
}

// Ends the check with code, the current user's hive given back and the scratch hive deleted.
static void Finish(UINT code)
{
    RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
    RegCloseKey(g_hkeyScratch);
    RegDeleteTreeA(HKEY_CURRENT_USER, SCRATCH);
    ExitProcess(code);
}

#define CHECK(condition) \
    if (!(condition))    \
    Finish(__LINE__)

static bool Stored(const char *name, const char *expected)
{
    char text[32] = "";
    DWORD cb = sizeof text;
    return !RegGetValueA(g_hkeyScratch, "Control Panel\\Colors", name, RRF_RT_REG_SZ, NULL, text, &cb) &&
           !lstrcmpA(text, expected);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const char *line = GetCommandLineA();
    int length = lstrlenA(line);
    if (length > 8 && !lstrcmpA(line + length - 8, "uncaught"))
        throw 1;

    HKEY colors;
    CHECK(!RegCreateKeyExA(HKEY_CURRENT_USER, SCRATCH, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &g_hkeyScratch, NULL));
    CHECK(!RegCreateKeyExA(g_hkeyScratch, "Control Panel\\Colors", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &colors, NULL));
    RegCloseKey(colors);
    CHECK(!RegOverridePredefKey(HKEY_CURRENT_USER, g_hkeyScratch));
    CHECK(StartCommonControls());
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT | LVS_SINGLESEL | LVS_SORTASCENDING,
                                0, 0, 300, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
    CHECK(list);
    PrepareColorList(list);
    LoadRowText(list, InsertRow(list, "Window", COLOR_WINDOW), "300 0 0");
    LoadRowText(list, InsertRow(list, "ActiveBorder", COLOR_ACTIVEBORDER), "1 2 3");

    ImportPatch heap("kernel32.dll", "HeapAlloc", (const void *)RationedHeapAlloc, &g_realHeapAlloc);
    ImportPatch write("advapi32.dll", "RegSetValueExA", (const void *)RefusableRegSetValueExA, &g_realRegSetValueExA);
    ImportPatch apply("user32.dll", "SetSysColors", (const void *)RecordedSetSysColors);

    g_heapCallsLeft = -1;
    CHECK(SaveColors(list) == 1);
    CHECK(Stored("ActiveBorder", "1 2 3") && Stored("Window", "300 0 0"));
    CHECK(g_applied == 1 && g_appliedFirst == RGB(1, 2, 3));

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
    Finish(0);
    return 0;
}
