// Scratch registry hive for the tests.
#include "scratch_registry.h"

#include <gtest/gtest.h>

ScratchRegistry::ScratchRegistry()
    : ColorsKey(NULL), path_("Software\\Hueset tests\\" + std::to_string(GetCurrentProcessId()))
{
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
}

void ScratchRegistry::DeleteColorsKey()
{
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeA(root_, "Control Panel"));
}
