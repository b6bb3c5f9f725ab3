// Scratch registry hive for the tests.
#include "scratch_registry.h"

#include <gtest/gtest.h>

ScratchRegistry::ScratchRegistry()
    : ColorsKey(NULL), path_("Software\\Hueset tests\\" + std::to_string(GetCurrentProcessId()))
{
    for (int i = 0; i < 31; i++)
        live_[i] = GetSysColor(i);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, NULL, 0,
                                             KEY_ALL_ACCESS, NULL, &root_, NULL));
    RegCloseKey(Open(KEY_ALL_ACCESS));
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, root_));
}

ScratchRegistry::~ScratchRegistry()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
    RegCloseKey(root_);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    INT indices[31];
    for (int i = 0; i < 31; i++)
        indices[i] = i;
    SetSysColors(31, indices, live_);
}

void ScratchRegistry::DeleteColorsKey()
{
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeA(root_, "Control Panel"));
}
