// Loading the scheme from a scratch registry into a real list control.
#include "color_list_window.h"
#include "color_text.h"
#include "import_patch.h"
#include "platform_colors.h"
#include "scheme.h"
#include "scratch_registry.h"
#include "stored_texts.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <iterator>
#include <commctrl.h>
#include <string.h>

// The platform version the stand-in reports; the size field it was handed at every call.
static DWORD g_fakeMajor, g_fakeMinor;
static BOOL g_fakeVersionOk;
static std::vector<DWORD> g_versionSizes;

static BOOL WINAPI FakeGetVersionExA(OSVERSIONINFOA *info)
{
    g_versionSizes.push_back(info->dwOSVersionInfoSize);
    if (!g_fakeVersionOk)
        return FALSE;
    info->dwMajorVersion = g_fakeMajor;
    info->dwMinorVersion = g_fakeMinor;
    info->dwBuildNumber = 1234;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    return TRUE;
}

class LoadColorsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_fakeMajor = 5, g_fakeMinor = 1, g_fakeVersionOk = TRUE;
        g_versionSizes.clear();
    }

    ScratchRegistry registry_;
    ColorListWindow list_;
    ImportPatch version_{ "kernel32.dll", "GetVersionExA", (const void *)FakeGetVersionExA };
};

TEST_F(LoadColorsTest, ListsTheColorsOfTheRunningVersionInNameOrder)
{
    static const struct { DWORD major, minor; size_t rows; } cases[] = {
        { 3, 51, 0 }, { 3, 99, 0 }, { 4, 0, 26 }, { 4, 10, 29 }, { 4, 90, 29 },
        { 5, 0, 29 }, { 5, 1, 31 }, { 6, 1, 31 }, { 10, 0, 31 },
    };
    for (const auto &c : cases) {
        g_fakeMajor = c.major, g_fakeMinor = c.minor;
        EXPECT_EQ(1, LoadColors(list_.hwnd())) << c.major << "." << c.minor;
        std::vector<std::string> names = list_.Names();
        EXPECT_EQ(c.rows, names.size()) << c.major << "." << c.minor;
        EXPECT_EQ(ListedNames(c.major * 10000 + c.minor), names) << c.major << "." << c.minor;
    }
    EXPECT_EQ(std::vector<DWORD>(std::size(cases), 148), g_versionSizes) << "one query per load, of the older record";
}

TEST_F(LoadColorsTest, RowsCarryTheirColorIndexAndMenuBarSortsFirst)
{
    LoadColors(list_.hwnd());
    EXPECT_LT(list_.RowOf("MenuBar"), list_.RowOf("MenuHilight"));

    char name[TEXT_BUFFER_SIZE];
    bool seen[31] = {};
    for (int row = 0; row < CountRows(list_.hwnd()); row++) {
        int index = ReadRowNameAndIndex(list_.hwnd(), row, name);
        EXPECT_EQ(IndexOfColor(name), index) << name;
        ASSERT_TRUE(index >= 0 && index < 31) << name;
        seen[index] = true;
    }
    EXPECT_EQ(31, std::count(seen, seen + 31, true));
}

TEST_F(LoadColorsTest, FailedVersionQueryListsTheColorsEveryVersionHas)
{
    g_fakeVersionOk = FALSE;
    EXPECT_EQ(1, LoadColors(list_.hwnd()));
    EXPECT_EQ(ListedNames(40000), list_.Names());
}

TEST_F(LoadColorsTest, ShowsEachValueAsTextUpToItsFirstZeroAndNeverTheRowBefore)
{
    for (int i = 0; i < STORED_TEXTS; i++)
        registry_.Set(StoredTexts[i].name, StoredTexts[i].type, StoredTexts[i].data, StoredTexts[i].cb);

    EXPECT_EQ(1, LoadColors(list_.hwnd()));
    for (int i = 0; i < STORED_TEXTS; i++)
        EXPECT_EQ(StoredTexts[i].shown, list_.TextOf(StoredTexts[i].name)) << StoredTexts[i].name;
    EXPECT_EQ("", list_.TextOf("Window")) << "a missing value shows as an empty row";
}

TEST_F(LoadColorsTest, MissingKeyEmptiesTheListAndFails)
{
    registry_.SetText("Window", "1 2 3");
    LoadColors(list_.hwnd());
    ASSERT_EQ(31, CountRows(list_.hwnd()));

    registry_.DeleteColorsKey();
    EXPECT_EQ(0, LoadColors(list_.hwnd()));
    EXPECT_EQ(0, CountRows(list_.hwnd()));
}

TEST_F(LoadColorsTest, LoadingAgainDiscardsEditsAndSelection)
{
    registry_.SetText("Window", "1 2 3");
    LoadColors(list_.hwnd());
    int row = list_.RowOf("Window");
    SetRowText(list_.hwnd(), row, "255 128 0");
    ListView_SetItemState(list_.hwnd(), row, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ(row, GetSelectedRow(list_.hwnd()));

    LoadColors(list_.hwnd());
    EXPECT_EQ(31, CountRows(list_.hwnd()));
    EXPECT_EQ("1 2 3", list_.TextOf("Window"));
    EXPECT_EQ(-1, GetSelectedRow(list_.hwnd()));
}
