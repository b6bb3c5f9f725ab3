// The program and its dialog, driven with real input as a person would: the buttons, the keys
// the dialog manager gives them, and what reaches the registry and the live colors.
#include "dialog_thread.h"
#include "hueset_process.h"
#include "import_patch.h"
#include "live_colors.h"
#include "platform_colors.h"
#include "real_input.h"
#include "resource.h"
#include "save_stand_ins.h"
#include "saved_scheme.h"
#include "scratch_registry.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

static COLORREF ScreenPixel(POINT point)
{
    HDC screen = GetDC(NULL);
    COLORREF pixel = GetPixel(screen, point.x, point.y);
    ReleaseDC(NULL, screen);
    return pixel;
}

// The tests' scheme stored with REG_EXPAND_SZ values, so that a value the program writes (as
// REG_SZ) can be told from one it left alone.
class MainDialogTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        scheme_.StoreTestScheme(REG_EXPAND_SZ);
        liveBefore_ = LiveColors();
    }

    // Every value with text was written back as REG_SZ, or none was.
    void ExpectWritten(bool written)
    {
        for (const PlatformColor &c : PlatformColors) {
            if (!strcmp(c.name, "Window"))
                EXPECT_FALSE(scheme_.Exists("Window")) << "an empty row was written";
            else
                EXPECT_EQ(written ? (DWORD)REG_SZ : (DWORD)REG_EXPAND_SZ, scheme_.Type(c.name)) << c.name;
        }
        EXPECT_EQ("300 0 0", scheme_.Text("Hilight")) << "the text is written as it stands";
    }

    // Every row was applied (an empty row as black), or the live colors are as they were.
    void ExpectApplied(bool applied)
    {
        std::vector<COLORREF> live = LiveColors();
        for (const PlatformColor &c : PlatformColors) {
            COLORREF expected = liveBefore_[c.index];
            if (applied)
                expected = !strcmp(c.name, "Window")    ? RGB(0, 0, 0)
                         : !strcmp(c.name, "Hilight") ? RGB(44, 0, 0)
                         : DistinctColor(c.index);
            EXPECT_EQ(expected, live[c.index]) << c.name;
        }
    }

    SavedScheme scheme_;
    std::vector<COLORREF> liveBefore_;
};

TEST_P(MainDialogTest, ListsTheSchemeInTwoColumnsWithApplyDisabled)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());

    EXPECT_EQ(ListedNames(), app.Names());
    EXPECT_EQ("300 0 0", app.TextOf("Hilight"));
    EXPECT_EQ("", app.TextOf("Window"));
    EXPECT_EQ("10 100 200", app.TextOf("Scrollbar"));

    EXPECT_EQ("Name", app.ColumnTitle(0));
    EXPECT_EQ("Value", app.ColumnTitle(1));
    // The widths were set on the empty list, before its vertical scroll bar appeared.
    RECT client;
    GetClientRect(app.list(), &client);
    int clientWidth = client.right;
    if (GetWindowLongA(app.list(), GWL_STYLE) & WS_VSCROLL)
        clientWidth += GetSystemMetrics(SM_CXVSCROLL);
    int width = (clientWidth - GetSystemMetrics(SM_CXVSCROLL)) / 2;
    EXPECT_EQ(width, SendMessageA(app.list(), LVM_GETCOLUMNWIDTH, 0, 0));
    EXPECT_EQ(width, SendMessageA(app.list(), LVM_GETCOLUMNWIDTH, 1, 0));
    EXPECT_EQ(LVS_EX_FULLROWSELECT | LVS_EX_FLATSB, SendMessageA(app.list(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_FALSE(app.ApplyEnabled());
    EXPECT_EQ(-1, app.Selected());

    // A click in the value column selects the whole row.
    int menu = app.RowOf("Menu");
    POINT value = app.RowPoint(menu);
    value.x += width;
    Click(value);
    EXPECT_TRUE(WaitUntil([&] { return app.Selected() == menu; }));
}

TEST_P(MainDialogTest, OkWritesEveryRowWithTextAppliesEveryRowAndExitsWithZero)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    ClickWindow(app.Item(IDOK));
    EXPECT_EQ(0u, app.WaitForExit());
    ExpectWritten(true);
    ExpectApplied(true);
}

TEST_P(MainDialogTest, EnterActsAsOk)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    app.ClickRow("Menu");
    PressKey(VK_RETURN);
    EXPECT_EQ(0u, app.WaitForExit());
    ExpectWritten(true);
}

TEST_P(MainDialogTest, CancelEscapeAndTheCloseBoxWriteNothingWithOrWithoutAnEdit)
{
    for (const char *way : { "Cancel", "Escape", "close box" }) {
        for (bool edited : { false, true }) {
            SCOPED_TRACE(std::string(way) + (edited ? " after an edit" : " without an edit"));
            HuesetProcess app(GetParam());
            ASSERT_TRUE(app.Started());
            if (edited)
                ASSERT_TRUE(app.CopyRowOnto("ActiveBorder", "Window"));
            else
                app.ClickRow("Menu");
            if (!strcmp(way, "Cancel")) {
                ClickWindow(app.Item(IDCANCEL));
            } else if (!strcmp(way, "Escape")) {
                PressKey(VK_ESCAPE);
            } else {
                RECT frame;
                GetWindowRect(app.hwnd(), &frame);
                POINT closeBox = { frame.right - GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CXSIZE) / 2,
                                   frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2 };
                ASSERT_EQ(HTCLOSE, SendMessageA(app.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(closeBox.x, closeBox.y)));
                Click(closeBox);
            }
            EXPECT_EQ(0u, app.WaitForExit());
            ExpectWritten(false);
            ExpectApplied(false);
        }
    }
}

TEST_P(MainDialogTest, ApplyFromTheKeyboardSavesAppliesAndKeepsTheKeyboard)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    ASSERT_TRUE(app.CopyRowOnto("ActiveBorder", "Window")) << "the edit did not enable Apply";

    PressWithShift(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Item(IDC_APPLY); }));
    PressKey(VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] { return !app.ApplyEnabled(); }));

    EXPECT_EQ(app.list(), app.Focus()) << "the focus stayed on the disabled Apply button";
    EXPECT_EQ(REG_SZ, scheme_.Type("ActiveTitle"));
    EXPECT_EQ("20 110 210", scheme_.Text("Window"));
    std::vector<COLORREF> live = LiveColors();
    EXPECT_EQ(RGB(20, 110, 210), live[IndexOfColor("Window")]);
    EXPECT_EQ(RGB(44, 0, 0), live[IndexOfColor("Hilight")]);
    // The list is told of the new colors: its selected row is painted in the new highlight.
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(app.SelectionPoint()) == RGB(44, 0, 0); }))
        << std::hex << ScreenPixel(app.SelectionPoint());

    // The keyboard still works: Escape cancels, and Cancel after Apply undoes nothing.
    PressKey(VK_ESCAPE);
    EXPECT_EQ(0u, app.WaitForExit());
    EXPECT_EQ("20 110 210", scheme_.Text("Window"));
    EXPECT_EQ(RGB(20, 110, 210), LiveColors()[IndexOfColor("Window")]);
}

TEST_P(MainDialogTest, RefreshReloadsTheStoredTextsAndLeavesApplyAlone)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    // With Apply disabled, Refresh leaves it disabled.
    scheme_.SetText("Menu", "7 8 9");
    ClickWindow(app.Item(IDC_REFRESH));
    ASSERT_TRUE(WaitUntil([&] { return app.TextOf("Menu") == "7 8 9"; }));
    EXPECT_FALSE(app.ApplyEnabled()) << "Refresh enabled Apply";
    scheme_.StoreTestScheme(REG_EXPAND_SZ);

    ASSERT_TRUE(app.CopyRowOnto("ActiveBorder", "Window")) << "the edit did not enable Apply";
    EXPECT_EQ("20 110 210", app.TextOf("Window"));
    ClickWindow(app.Item(IDC_REFRESH));
    ASSERT_TRUE(WaitUntil([&] { return app.TextOf("Window").empty(); }));
    EXPECT_EQ(31, app.Rows());
    EXPECT_TRUE(app.ApplyEnabled());

    // Apply then writes and applies the reloaded texts.
    ClickWindow(app.Item(IDC_APPLY));
    ASSERT_TRUE(WaitUntil([&] { return !app.ApplyEnabled(); }));
    ExpectWritten(true);
    ExpectApplied(true);
    ClickWindow(app.Item(IDCANCEL));
    EXPECT_EQ(0u, app.WaitForExit());
}

TEST_P(MainDialogTest, SaveThatCannotOpenTheKeySaysSoAndKeepsTheEditsUntilItCan)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    ASSERT_TRUE(app.CopyRowOnto("ActiveBorder", "Window")) << "the edit did not enable Apply";
    // The user's key is gone, so it cannot be opened for writing.
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteTreeA(HKEY_CURRENT_USER, "Control Panel\\Colors"));

    ClickWindow(app.Item(IDC_APPLY));
    app.ExpectSaveFailureMessage();
    ClickWindow(app.Item(IDOK));
    app.ExpectSaveFailureMessage();
    EXPECT_EQ((DWORD)STILL_ACTIVE, app.WaitForExit(500)) << "OK closed the dialog although nothing was saved";
    EXPECT_EQ("20 110 210", app.TextOf("Window")) << "the edit was lost";
    HKEY hkey;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, KEY_READ, &hkey));

    // Once the key can be written again (Wine's new processes take unset colors from it, so the
    // live colors are compared with it back), nothing was applied, and OK saves and closes.
    scheme_.StoreTestScheme(REG_EXPAND_SZ);
    ExpectWritten(false);
    ExpectApplied(false);
    ClickWindow(app.Item(IDOK));
    EXPECT_EQ(0u, app.WaitForExit());
    EXPECT_EQ("20 110 210", scheme_.Text("Window"));
    EXPECT_EQ((DWORD)REG_SZ, scheme_.Type("Menu"));
}

INSTANTIATE_FOR_BOTH_BUILDS(MainDialogTest);

// The clipboard format refused, and counted.
static volatile LONG g_formatsRefused;

static UINT WINAPI RefuseClipboardFormat(LPCSTR)
{
    InterlockedIncrement(&g_formatsRefused);
    return 0;
}

TEST(MainDialogInProcess, UnregistrableClipboardFormatEndsBeforeShowingAndReturnsZero)
{
    ScratchRegistry registry;
    ImportPatch patch("user32.dll", "RegisterClipboardFormatA", (const void *)RefuseClipboardFormat);
    g_formatsRefused = 0;
    DialogThread program(false);
    EXPECT_EQ(0, program.WaitForExit());
    EXPECT_EQ(1, g_formatsRefused);
    EXPECT_EQ(NULL, FindWindowA("#32770", "Hueset"));
}

TEST(MainDialogInProcess, InjectedSaveFailuresSaySoAndKeepTheEditsAndTheDialog)
{
    for (const char *failure : { "write access refused", "a value refused", "no memory" }) {
        SCOPED_TRACE(failure);
        ScratchRegistry registry;
        registry.SetText("ActiveBorder", "1 2 3");
        DialogThread program;
        ASSERT_TRUE(program.hwnd());
        ASSERT_TRUE(program.CopyRowOnto("ActiveBorder", "Window"));
        {
            SaveStandIns standIns;
            g_seen.denyWriteAccess = !strcmp(failure, "write access refused");
            g_seen.refuseValue = strcmp(failure, "a value refused") ? "" : "ActiveBorder";
            g_seen.failAllocation = !strcmp(failure, "no memory");
            for (int button : { IDC_APPLY, IDOK }) {
                standIns.Arm();
                ClickWindow(program.Item(button));
                program.ExpectSaveFailureMessage();
                EXPECT_EQ(1, g_seen.refusals) << "the save did not meet the failure once";
            }
            EXPECT_EQ(-1, program.WaitForExit(300)) << "OK closed the dialog although nothing was saved";
        }
        EXPECT_FALSE(registry.Exists("Window"));
        EXPECT_EQ("1 2 3", program.TextOf("Window"));
        ClickWindow(program.Item(IDCANCEL));
        EXPECT_EQ(0, program.WaitForExit());
        EXPECT_FALSE(registry.Exists("Window")) << "Cancel wrote";
    }
}
