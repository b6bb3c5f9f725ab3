// Reading the current user's scheme from the registry into the list.
#include "scheme.h"
#include "color_catalog.h"
#include "color_text.h"

#include <string.h>

static_assert(sizeof(OSVERSIONINFOA) == 148, "the version query takes the 148-byte record");

// The colors that every platform in the catalog has; used when the version cannot be read.
static const VersionCode BASE_VERSION = 40000;

// Returns the running platform's version code.
static VersionCode CurrentVersion()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return BASE_VERSION;
    return (VersionCode)(info.dwMajorVersion * 10000 + info.dwMinorVersion);
}

// Reads a value's bytes as text into text (TEXT_BUFFER_SIZE bytes). A value that cannot be
// read whole, with room for its end, reads as empty text, so that saving can never write a
// cut copy of it back.
static void ReadColorValue(HKEY hkey, const char *name, char *text)
{
    DWORD cb = TEXT_BUFFER_SIZE;
    LONG rc = RegQueryValueExA(hkey, name, NULL, NULL, (BYTE *)text, &cb);
    if (rc != ERROR_SUCCESS || (cb == TEXT_BUFFER_SIZE && !memchr(text, 0, cb)))
        text[0] = '\0';
    else if (cb < TEXT_BUFFER_SIZE)
        text[cb] = '\0'; // the data need not end in a zero; never show the last row's bytes
}

int LoadColors(HWND hwndList)
{
    ClearRows(hwndList);
    VersionCode version = CurrentVersion();

    HKEY hkey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, KEY_READ, &hkey) != ERROR_SUCCESS)
        return 0;

    char text[TEXT_BUFFER_SIZE];
    for (const ColorEntry *entry = ColorCatalog; entry->name[0]; entry++) {
        if (entry->minVersion > version)
            continue;
        int row = InsertRow(hwndList, entry->name, entry->index);
        ReadColorValue(hkey, entry->name, text);
        LoadRowText(hwndList, row, text);
    }
    RegCloseKey(hkey);
    return 1;
}
