// Saving and restoring the test prefix's scheme.
#include "saved_scheme.h"
#include "color_text.h"
#include "platform_colors.h"

#include <gtest/gtest.h>

SavedScheme::SavedScheme()
{
    HKEY hkey = Open(KEY_READ);
    char name[256];
    BYTE data[1024];
    for (DWORD i = 0;; i++) {
        DWORD cchName = sizeof name, cb = sizeof data, type;
        if (RegEnumValueA(hkey, i, name, &cchName, NULL, &type, data, &cb) != ERROR_SUCCESS)
            break;
        values_.push_back({ name, type, std::vector<BYTE>(data, data + cb) });
    }
    RegCloseKey(hkey);
}

SavedScheme::~SavedScheme()
{
    for (const PlatformColor &c : PlatformColors)
        Delete(c.name);
    for (const Value &v : values_)
        Set(v.name.c_str(), v.type, v.data.data(), (DWORD)v.data.size());
}

void SavedScheme::StoreTestScheme(DWORD type)
{
    char text[TEXT_BUFFER_SIZE];
    for (const PlatformColor &c : PlatformColors) {
        FormatColorText(DistinctColor(c.index), text);
        if (!strcmp(c.name, "Hilight"))
            lstrcpyA(text, "300 0 0");
        Set(c.name, type, text, lstrlenA(text) + 1);
    }
    Delete("Window");
}
