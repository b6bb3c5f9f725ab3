// The list's context menu and its keys, in-process: the platform keeps a popup menu's item
// states inside the process that owns it.
#include "dialog_thread.h"
#include "import_patch.h"
#include "main_dialog.h"
#include "real_input.h"
#include "resource.h"
#include "scratch_registry.h"
#include "test_clipboard.h"

#include <gtest/gtest.h>
#include <vector>

class ContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registry_.SetText("Menu", "1 2 3");
        ClearClipboard();
    }
    void TearDown() override { ClearClipboard(); }

    // Opens the menu and returns whether Copy and Paste are grayed; closes it with Escape.
    static std::vector<bool> GrayedAfter(const DialogWindow &program, const std::function<void()> &open)
    {
        program.OpenMenu(open);
        std::vector<bool> grayed = { (GetMenuState(g_hmenuContext, ID_COPY, MF_BYCOMMAND) & MF_GRAYED) != 0,
                                     (GetMenuState(g_hmenuContext, ID_PASTE, MF_BYCOMMAND) & MF_GRAYED) != 0 };
        program.ChooseFromMenu(0);
        return grayed;
    }

    ScratchRegistry registry_;
};

// Every pair of a row selected or not and a color on the clipboard or not.
TEST_F(ContextMenuTest, GraysWhatCannotAct)
{
    DialogThread program;
    ASSERT_TRUE(program.hwnd());
    const COLORREF color = RGB(255, 128, 0);

    // From the keyboard, with the focus in the list and no row selected.
    SetForegroundWindow(program.hwnd());
    for (int i = 0; i < 6 && program.Focus() != program.list(); i++) {
        HWND before = program.Focus();
        PressKey(VK_TAB);
        WaitUntil([&] { return program.Focus() != before; });
    }
    ASSERT_EQ(program.list(), program.Focus());
    ASSERT_EQ(-1, program.Selected());
    EXPECT_EQ(std::vector<bool>({ true, true }), GrayedAfter(program, [] { PressKey(VK_APPS); })) << "no row, no color";
    PutClipboardBlock(ColorFormat(), &color, sizeof color);
    EXPECT_EQ(std::vector<bool>({ true, true }), GrayedAfter(program, [] { PressWithShift(VK_F10); })) << "no row, a color";

    ClearClipboard();
    POINT menuRow = program.RowPoint(program.RowOf("Menu"));
    EXPECT_EQ(std::vector<bool>({ false, true }), GrayedAfter(program, [&] { RightClick(menuRow); })) << "a row, no color";
    EXPECT_EQ(program.RowOf("Menu"), program.Selected());
    PutClipboardBlock(ColorFormat(), &color, sizeof color);
    EXPECT_EQ(std::vector<bool>({ false, false }), GrayedAfter(program, [&] { RightClick(menuRow); })) << "a row, a color";
}

TEST_F(ContextMenuTest, ItemsCopyAndPaste)
{
    DialogThread program;
    ASSERT_TRUE(program.hwnd());
    auto clickItem = [](int n) {
        RECT item;
        ASSERT_TRUE(GetMenuItemRect(NULL, g_hmenuContext, n, &item));
        Click({ (item.left + item.right) / 2, (item.top + item.bottom) / 2 });
    };

    program.OpenMenu([&] { RightClick(program.RowPoint(program.RowOf("Menu"))); });
    program.ExpectCopied(RGB(1, 2, 3), [&] { clickItem(0); });
    EXPECT_FALSE(program.ApplyEnabled());

    program.OpenMenu([&] { RightClick(program.RowPoint(program.RowOf("Scrollbar"))); });
    clickItem(1);
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf("Scrollbar") == "1 2 3"; }));
    EXPECT_TRUE(program.ApplyEnabled());
}

// Every menu shown, counted as it is asked for.
static volatile LONG g_menusShown;
static decltype(&TrackPopupMenuEx) g_realTrackPopupMenuEx;

static BOOL WINAPI CountTrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params)
{
    InterlockedIncrement(&g_menusShown);
    return g_realTrackPopupMenuEx(menu, flags, x, y, owner, params);
}

// After each right click a left click selects a row: once it is selected, the right click
// before it has been handled.
TEST_F(ContextMenuTest, RightClickOutsideTheListShowsNoMenu)
{
    ImportPatch patch("user32.dll", "TrackPopupMenuEx", (const void *)CountTrackPopupMenuEx, &g_realTrackPopupMenuEx);
    g_menusShown = 0;
    DialogThread program;
    ASSERT_TRUE(program.hwnd());
    RECT dialog;
    GetWindowRect(program.hwnd(), &dialog);
    const struct { POINT point; const char *where, *rowAfter; } elsewhere[] = {
        { CenterOf(program.Item(IDOK)), "OK", "Menu" },
        { CenterOf(program.Item(IDC_REFRESH)), "Refresh", "Scrollbar" },
        { { dialog.left + 20, dialog.bottom - 12 }, "the dialog's own background", "Menu" },
    };
    for (const auto &e : elsewhere) {
        RightClick(e.point);
        program.ClickRow(e.rowAfter);
        EXPECT_EQ(0, g_menusShown) << e.where;
        EXPECT_EQ(NULL, program.PopupMenu()) << e.where;
    }
}

// How often the list's own window procedure received Ctrl+C's and Ctrl+V's characters.
static volatile LONG g_ctrlCPassedOn, g_ctrlVPassedOn;
static decltype(&CallWindowProcA) g_realCallWindowProcA;

static LRESULT WINAPI RecordCallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CHAR && wParam == 3)
        InterlockedIncrement(&g_ctrlCPassedOn);
    if (msg == WM_CHAR && wParam == 22)
        InterlockedIncrement(&g_ctrlVPassedOn);
    return g_realCallWindowProcA(proc, hwnd, msg, wParam, lParam);
}

TEST_F(ContextMenuTest, ShortcutKeysAlsoReachTheList)
{
    ImportPatch patch("user32.dll", "CallWindowProcA", (const void *)RecordCallWindowProcA, &g_realCallWindowProcA);
    g_ctrlCPassedOn = g_ctrlVPassedOn = 0;
    DialogThread program;
    ASSERT_TRUE(program.hwnd());

    program.ClickRow("Menu");
    program.ExpectCopied(RGB(1, 2, 3));
    program.ClickRow("Scrollbar");
    PressWithCtrl('V');
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf("Scrollbar") == "1 2 3"; }));
    EXPECT_TRUE(WaitUntil([] { return g_ctrlCPassedOn == 1 && g_ctrlVPassedOn == 1; }))
        << "Ctrl+C and Ctrl+V did not reach the list";
}
