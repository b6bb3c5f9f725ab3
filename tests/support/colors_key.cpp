// Reading and writing color values for the tests.
#include "colors_key.h"

#include <gtest/gtest.h>

HKEY ColorsKey::Open(REGSAM access)
{
    HKEY hkey = NULL;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root_, "Control Panel\\Colors", 0, NULL, 0, access,
                                             NULL, &hkey, NULL));
    return hkey;
}

void ColorsKey::Set(const char *name, DWORD type, const void *data, DWORD cb)
{
    HKEY hkey = Open(KEY_SET_VALUE);
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(hkey, name, 0, type, (const BYTE *)data, cb)) << name;
    RegCloseKey(hkey);
}

void ColorsKey::Delete(const char *name)
{
    HKEY hkey = Open(KEY_SET_VALUE);
    RegDeleteValueA(hkey, name);
    RegCloseKey(hkey);
}

DWORD ColorsKey::Type(const char *name)
{
    HKEY hkey = Open(KEY_QUERY_VALUE);
    DWORD type = REG_NONE;
    if (RegQueryValueExA(hkey, name, NULL, &type, NULL, NULL) != ERROR_SUCCESS)
        type = REG_NONE;
    RegCloseKey(hkey);
    return type;
}

std::string ColorsKey::Text(const char *name)
{
    char data[256] = {};
    DWORD cb = sizeof data - 1;
    HKEY hkey = Open(KEY_QUERY_VALUE);
    LONG rc = RegQueryValueExA(hkey, name, NULL, NULL, (BYTE *)data, &cb);
    RegCloseKey(hkey);
    EXPECT_EQ(ERROR_SUCCESS, rc) << name;
    return rc == ERROR_SUCCESS ? std::string(data) : std::string();
}

KeptLiveColors::KeptLiveColors()
{
    for (int i = 0; i < 31; i++)
        colors_[i] = GetSysColor(i);
}

KeptLiveColors::~KeptLiveColors()
{
    INT indices[31];
    for (int i = 0; i < 31; i++)
        indices[i] = i;
    SetSysColors(31, indices, colors_);
}
