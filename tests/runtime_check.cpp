// SaveColors in a program linked exactly as the shipped Hueset.exe is (its start-up, GCC's
// libraries for the 386, no C runtime DLL), run in 32-bit code by the tests: a save that writes
// and applies, then the failures that travel inside it as an exception, a refused write and a
// heap that refuses everything from the first or from the second array on, so that the
// exception itself must come from the memory put aside at start. When every check held it says
// so on its standard output and throws an exception that nobody catches, which must end it at
// once with the failure code 3; a check that fails ends it sooner, with its line as the code.
#include "import_patch.h"
#include "main_dialog.h"
#include "scheme.h"

#include <commctrl.h>

static int g_heapCallsLeft;     // HeapAlloc calls that still succeed; -1 for every one
static bool g_refuseWrites;     // RegSetValueExA fails
static int g_writes;            // values written
static int g_applied;           // SetSysColors calls seen
static COLORREF g_appliedFirst; // the first color of the last of them
static decltype(&HeapAlloc) g_realHeapAlloc;

static LPVOID WINAPI RationedHeapAlloc(HANDLE heap, DWORD flags, SIZE_T size)
{
    if (g_heapCallsLeft == 0)
        return NULL;
    if (g_heapCallsLeft > 0)
        g_heapCallsLeft--;
    return g_realHeapAlloc(heap, flags, size);
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

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CHECK(StartCommonControls());
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT | LVS_SINGLESEL | LVS_SORTASCENDING,
                                0, 0, 300, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
    CHECK(list);
    PrepareColorList(list);
    LoadRowText(list, InsertRow(list, "Window", COLOR_WINDOW), "300 0 0");
    LoadRowText(list, InsertRow(list, "ActiveBorder", COLOR_ACTIVEBORDER), "1 2 3");

    ImportPatch heap("kernel32.dll", "HeapAlloc", (const void *)RationedHeapAlloc, &g_realHeapAlloc);
    ImportPatch open("advapi32.dll", "RegOpenKeyExA", (const void *)OpenAnyKey);
    ImportPatch write("advapi32.dll", "RegSetValueExA", (const void *)CountOrRefuseWrite);
    ImportPatch close("advapi32.dll", "RegCloseKey", (const void *)CloseAnyKey);
    ImportPatch apply("user32.dll", "SetSysColors", (const void *)RecordSetSysColors);

    g_heapCallsLeft = -1;
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
