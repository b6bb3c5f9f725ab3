// Saving and applying the scheme, with the registry, the heap and SetSysColors watched.
#include "color_list_window.h"
#include "color_text.h"
#include "platform_colors.h"
#include "save_stand_ins.h"
#include "scheme.h"
#include "scratch_registry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class SaveColorsTest : public ::testing::Test {
protected:
    void Load() { LoadColors(list_.hwnd()); }

    // Runs SaveColors with the stand-ins recording, from a clean record.
    int Save()
    {
        standIns_.Arm();
        int result = SaveColors(list_.hwnd());
        g_seen.armed = false;
        return result;
    }

    void Edit(const char *name, const char *text) { SetRowText(list_.hwnd(), list_.RowOf(name), text); }

    // Every block SaveColors took is back, and every key it opened is closed.
    void ExpectNothingHeld()
    {
        EXPECT_TRUE(g_seen.liveBlocks.empty()) << g_seen.liveBlocks.size() << " blocks leaked";
        EXPECT_EQ(g_seen.opens, g_seen.closes);
    }

    ScratchRegistry registry_;
    ColorListWindow list_;
    SaveStandIns standIns_;
};

TEST_F(SaveColorsTest, WritesEveryTextVerbatimAndAppliesAllRowsOnce)
{
    registry_.SetText("Window", "9 9 9");
    registry_.SetText("ButtonFace", "7 7 7");
    registry_.SetText("MenuBar", "1 2 3");
    Load();
    Edit("Window", "300 0 0");
    Edit("ButtonFace", ""); // empty: not written, applied as black

    EXPECT_EQ(1, Save());
    ExpectNothingHeld();

    EXPECT_EQ("300 0 0", registry_.Text("Window"));
    EXPECT_EQ("7 7 7", registry_.Text("ButtonFace"));
    EXPECT_EQ("1 2 3", registry_.Text("MenuBar"));
    EXPECT_EQ(std::vector<std::string>({ "MenuBar", "Window" }), g_seen.written) << "only rows with text, in name order";

    ASSERT_EQ(1u, g_seen.appliedElements.size());
    const std::vector<INT> &elements = g_seen.appliedElements[0];
    const std::vector<COLORREF> &values = g_seen.appliedValues[0];
    ASSERT_EQ(31u, elements.size());
    for (int row = 0; row < 31; row++) {
        char name[TEXT_BUFFER_SIZE];
        EXPECT_EQ(ReadRowNameAndIndex(list_.hwnd(), row, name), elements[row]) << name;
    }
    EXPECT_EQ(RGB(44, 0, 0), values[list_.RowOf("Window")]);
    EXPECT_EQ(RGB(0, 0, 0), values[list_.RowOf("ButtonFace")]);
    EXPECT_EQ(RGB(1, 2, 3), values[list_.RowOf("MenuBar")]);
    EXPECT_EQ(IndexOfColor("MenuBar"), elements[list_.RowOf("MenuBar")]);
}

TEST_F(SaveColorsTest, StoresTheTerminatingZeroAndNothingPastIt)
{
    Load();
    Edit("Hilight", "10 20 30");
    Save();

    BYTE data[64];
    DWORD cb = sizeof data, type = 0;
    HKEY hkey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, KEY_READ, &hkey));
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(hkey, "Hilight", NULL, &type, data, &cb));
    RegCloseKey(hkey);
    EXPECT_EQ((DWORD)REG_SZ, type);
    EXPECT_EQ(9u, cb);
}

TEST_F(SaveColorsTest, KeyNotWritableWritesAndAppliesNothing)
{
    Load();
    Edit("Window", "1 2 3");
    g_seen.denyWriteAccess = true;

    EXPECT_EQ(0, Save());
    EXPECT_FALSE(registry_.Exists("Window"));
    EXPECT_TRUE(g_seen.written.empty());
    EXPECT_TRUE(g_seen.appliedElements.empty());
    EXPECT_EQ(0, g_seen.allocations);
    ExpectNothingHeld();
}

TEST_F(SaveColorsTest, RefusedWriteKeepsEarlierRowsAndTouchesNoLaterOne)
{
    registry_.SetText("ActiveBorder", "1 1 1");
    registry_.SetText("ButtonFace", "2 2 2");
    registry_.SetText("Window", "3 3 3");
    Load();
    Edit("ActiveBorder", "11 12 13");
    Edit("ButtonFace", "21 22 23");
    Edit("Window", "31 32 33");
    g_seen.refuseValue = "ButtonFace";

    EXPECT_EQ(0, Save());
    EXPECT_EQ("11 12 13", registry_.Text("ActiveBorder"));
    EXPECT_EQ("2 2 2", registry_.Text("ButtonFace"));
    EXPECT_EQ("3 3 3", registry_.Text("Window"));
    EXPECT_FALSE(registry_.Exists("ButtonLight")) << "a row after the refused one was written";
    EXPECT_TRUE(g_seen.appliedElements.empty());
    EXPECT_EQ("21 22 23", list_.TextOf("ButtonFace")) << "the rows themselves stay as edited";
    ExpectNothingHeld();
}

TEST_F(SaveColorsTest, NoMemoryForEitherArrayAppliesNothing)
{
    for (int failing = 1; failing <= 2; failing++) {
        Load();
        Edit("Window", "1 2 3");
        g_seen.failAllocation = failing;

        EXPECT_EQ(0, Save()) << "allocation " << failing;
        EXPECT_EQ(failing, g_seen.allocations) << "nothing more is taken after a failure";
        EXPECT_TRUE(g_seen.written.empty());
        EXPECT_TRUE(g_seen.appliedElements.empty());
        ExpectNothingHeld();
    }
}

TEST_F(SaveColorsTest, EmptyListSucceedsAndAppliesZeroColors)
{
    registry_.SetText("Window", "1 2 3");
    EXPECT_EQ(1, Save());
    EXPECT_TRUE(g_seen.written.empty());
    ASSERT_EQ(1u, g_seen.appliedElements.size());
    EXPECT_TRUE(g_seen.appliedElements[0].empty());
    EXPECT_EQ(2, g_seen.allocations);
    ExpectNothingHeld();
}

TEST_F(SaveColorsTest, AppliedColorsReachThePlatform)
{
    registry_.SetText("Window", "255 128 0");
    registry_.SetText("Hilight", "1 2 300");
    registry_.SetText("MenuBar", "10 20 30");
    Load();
    g_seen.realSetSysColors = true;
    EXPECT_EQ(1, Save());

    EXPECT_EQ(RGB(255, 128, 0), GetSysColor(IndexOfColor("Window")));
    EXPECT_EQ(RGB(1, 2, 44), GetSysColor(IndexOfColor("Hilight")));
    EXPECT_EQ(RGB(10, 20, 30), GetSysColor(IndexOfColor("MenuBar")));
}
