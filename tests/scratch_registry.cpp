// Scratch registry hive for the tests.
#include "scratch_registry.h"

#include <gtest/gtest.h>

static const char COLORS[] = "Control Panel\\Colors";

ScratchRegistry::ScratchRegistry()
    : path_("Software\\Hueset tests\\" + std::to_string(GetCurrentProcessId()))
{
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, NULL, 0,
                                             KEY_ALL_ACCESS, NULL, &root_, NULL));
    RegCloseKey(Colors(KEY_ALL_ACCESS));
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, root_));
}

ScratchRegistry::~ScratchRegistry()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
    RegCloseKey(root_);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
}

HKEY ScratchRegistry::Colors(REGSAM access)
{
    HKEY hkey = NULL;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root_, COLORS, 0, NULL, 0, access, NULL, &hkey, NULL));
    return hkey;
}

void ScratchRegistry::DeleteColorsKey()
{
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeA(root_, "Control Panel"));
}

void ScratchRegistry::Set(const char *name, DWORD type, const void *data, DWORD cb)
{
    HKEY hkey = Colors(KEY_SET_VALUE);
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(hkey, name, 0, type, (const BYTE *)data, cb)) << name;
    RegCloseKey(hkey);
}

void ScratchRegistry::SetText(const char *name, const char *text)
{
    Set(name, REG_SZ, text, lstrlenA(text) + 1);
}

void ScratchRegistry::Delete(const char *name)
{
    HKEY hkey = Colors(KEY_SET_VALUE);
    RegDeleteValueA(hkey, name);
    RegCloseKey(hkey);
}

bool ScratchRegistry::Exists(const char *name)
{
    HKEY hkey = Colors(KEY_QUERY_VALUE);
    bool exists = RegQueryValueExA(hkey, name, NULL, NULL, NULL, NULL) == ERROR_SUCCESS;
    RegCloseKey(hkey);
    return exists;
}

std::string ScratchRegistry::Text(const char *name)
{
    char data[256] = {};
    DWORD cb = sizeof data - 1;
    HKEY hkey = Colors(KEY_QUERY_VALUE);
    LONG rc = RegQueryValueExA(hkey, name, NULL, NULL, (BYTE *)data, &cb);
    RegCloseKey(hkey);
    EXPECT_EQ(ERROR_SUCCESS, rc) << name;
    return rc == ERROR_SUCCESS ? std::string(data) : std::string();
}
