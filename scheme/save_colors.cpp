// Writing the working scheme back to the registry and applying it live.
#include "scheme.h"
#include "color_text.h"

// Allocates n 32-bit entries on the process heap, or raises the failure value 0.
static void *AllocEntries(int n)
{
    void *entries = HeapAlloc(GetProcessHeap(), 0, (SIZE_T)n * sizeof(DWORD));
    if (!entries)
        throw 0;
    return entries;
}

static void FreeEntries(void *entries)
{
    if (entries)
        HeapFree(GetProcessHeap(), 0, entries);
}

// Writes row i's text under its name, unless empty, and fills entry i of both arrays.
static void SaveRow(HWND hwndList, int i, HKEY hkey, INT *elements, COLORREF *values)
{
    char text[TEXT_BUFFER_SIZE];
    char name[TEXT_BUFFER_SIZE];
    ReadRowText(hwndList, i, text);
    int colorIndex = ReadRowNameAndIndex(hwndList, i, name);

    if (text[0] && RegSetValueExA(hkey, name, 0, REG_SZ, (const BYTE *)text, lstrlenA(text) + 1) != ERROR_SUCCESS)
        throw 0;
    elements[i] = colorIndex;
    values[i] = ParseColorText(text);
}

int SaveColors(HWND hwndList)
{
    HKEY hkey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, KEY_WRITE, &hkey) != ERROR_SUCCESS)
        return 0;

    int n = CountRows(hwndList);
    COLORREF *values = NULL;
    INT *elements = NULL;
    int saved = 1;
    try {
        values = (COLORREF *)AllocEntries(n);
        elements = (INT *)AllocEntries(n);
        for (int i = 0; i < n; i++)
            SaveRow(hwndList, i, hkey, elements, values);
    } catch (...) {
        // What was written stays written; nothing is applied.
        saved = 0;
    }
    RegCloseKey(hkey);

    if (saved)
        SetSysColors(n, elements, values);
    FreeEntries(elements);
    FreeEntries(values);
    return saved;
}
