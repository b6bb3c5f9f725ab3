// Saving and restoring the test prefix's scheme.
#include "saved_scheme.h"
#include "color_text.h"
#include "platform_colors.h"

#include <gtest/gtest.h>

SavedScheme::SavedScheme()
{
    for (int i = 0; i < 31; i++)
        live_[i] = GetSysColor(i);
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
    INT indices[31];
    for (int i = 0; i < 31; i++)
        indices[i] = i;
    SetSysColors(31, indices, live_);
}

void SavedScheme::SetDistinctTexts(DWORD type)
{
    char text[TEXT_BUFFER_SIZE];
    for (const PlatformColor &c : PlatformColors) {
        FormatColorText(DistinctColor(c.index), text);
        Set(c.name, type, text, lstrlenA(text) + 1);
    }
}
