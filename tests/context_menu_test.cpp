// The list's context menu and its keys, in-process: the platform keeps a popup menu's item
// states inside the process that owns it.
#include "dialog_thread.h"
#include "import_patch.h"
#include "main_dialog.h"
#include "real_input.h"
#include "resource.h"
#include "scratch_registry.h"
#include "test_clipboard.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <vector>

static HWND OpenMenuWindow()
{
    return FindPopupMenu(GetCurrentProcessId());
}

class ContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registry_.SetText("Menu", "1 2 3");
        ClearClipboard();
    }
    void TearDown() override { ClearClipboard(); }

    // Opens the menu with a right click at point and returns whether Copy and Paste are grayed.
    std::vector<bool> GrayedAfterRightClick(POINT point)
    {
        RightClick(point);
        EXPECT_TRUE(WaitUntil([] { return OpenMenuWindow() != NULL; })) << "no menu";
        std::vector<bool> grayed = Grayed();
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([] { return OpenMenuWindow() == NULL; }));
        return grayed;
    }

    static std::vector<bool> Grayed()
    {
        return { (GetMenuState(g_hmenuContext, ID_COPY, MF_BYCOMMAND) & MF_GRAYED) != 0,
                 (GetMenuState(g_hmenuContext, ID_PASTE, MF_BYCOMMAND) & MF_GRAYED) != 0 };
    }

    ScratchRegistry registry_;
};

TEST_F(ContextMenuTest, GraysWhatCannotAct)
{
    DialogThread program;
    ASSERT_TRUE(program.hwnd());

    // From the keyboard, with the focus in the list and no row selected.
    SetForegroundWindow(program.hwnd());
    for (int i = 0; i < 6 && program.Focus() != program.list(); i++) {
        PressKey(VK_TAB);
        LetInputSettle();
    }
    ASSERT_EQ(program.list(), program.Focus());
    ASSERT_EQ(-1, program.Selected());
    PressKey(VK_APPS);
    ASSERT_TRUE(WaitUntil([] { return OpenMenuWindow() != NULL; })) << "no menu from the keyboard";
    EXPECT_EQ(std::vector<bool>({ true, true }), Grayed()) << "no row selected";
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([] { return OpenMenuWindow() == NULL; }));

    POINT menuRow = program.RowPoint(program.RowOf("Menu"));
    EXPECT_EQ(std::vector<bool>({ false, true }), GrayedAfterRightClick(menuRow)) << "no color on the clipboard";
    EXPECT_EQ(program.RowOf("Menu"), program.Selected());

    const COLORREF color = RGB(255, 128, 0);
    PutClipboardBlock(ColorFormat(), &color, sizeof color);
    EXPECT_EQ(std::vector<bool>({ false, false }), GrayedAfterRightClick(menuRow));
}

TEST_F(ContextMenuTest, ItemsCopyAndPaste)
{
    DialogThread program;
    ASSERT_TRUE(program.hwnd());
    POINT menuRow = program.RowPoint(program.RowOf("Menu"));

    RightClick(menuRow);
    ASSERT_TRUE(WaitUntil([] { return OpenMenuWindow() != NULL; }));
    RECT item;
    ASSERT_TRUE(GetMenuItemRect(NULL, g_hmenuContext, 0, &item));
    DWORD since = ClipboardSequence();
    Click({ (item.left + item.right) / 2, (item.top + item.bottom) / 2 });
    COLORREF color = 0;
    EXPECT_TRUE(ReadColorCopiedSince(since, &color));
    EXPECT_EQ(RGB(1, 2, 3), color);
    EXPECT_FALSE(program.ApplyEnabled());

    POINT scrollbarRow = program.RowPoint(program.RowOf("Scrollbar"));
    RightClick(scrollbarRow);
    ASSERT_TRUE(WaitUntil([] { return OpenMenuWindow() != NULL; }));
    ASSERT_TRUE(GetMenuItemRect(NULL, g_hmenuContext, 1, &item));
    Click({ (item.left + item.right) / 2, (item.top + item.bottom) / 2 });
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf("Scrollbar") == "1 2 3"; }));
    EXPECT_TRUE(program.ApplyEnabled());
}

TEST_F(ContextMenuTest, RightClickOutsideTheListShowsNoMenu)
{
    DialogThread program;
    ASSERT_TRUE(program.hwnd());
    RECT dialog;
    GetWindowRect(program.hwnd(), &dialog);
    const POINT elsewhere[] = {
        CenterOf(program.Item(IDOK)),
        CenterOf(program.Item(IDC_REFRESH)),
        { dialog.left + 20, dialog.bottom - 12 }, // the dialog's own background
    };
    for (POINT point : elsewhere) {
        RightClick(point);
        LetInputSettle();
        EXPECT_EQ(NULL, OpenMenuWindow()) << point.x << "," << point.y;
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
    ImportPatch patch("user32.dll", "CallWindowProcA", (const void *)RecordCallWindowProcA);
    g_realCallWindowProcA = patch.Original<decltype(&CallWindowProcA)>();
    g_ctrlCPassedOn = g_ctrlVPassedOn = 0;
    DialogThread program;
    ASSERT_TRUE(program.hwnd());

    program.ClickRow("Menu");
    DWORD since = ClipboardSequence();
    PressWithCtrl('C');
    COLORREF color = 0;
    EXPECT_TRUE(ReadColorCopiedSince(since, &color));
    EXPECT_EQ(RGB(1, 2, 3), color);
    program.ClickRow("Scrollbar");
    PressWithCtrl('V');
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf("Scrollbar") == "1 2 3"; }));
    EXPECT_TRUE(WaitUntil([] { return g_ctrlCPassedOn == 1 && g_ctrlVPassedOn == 1; }))
        << "Ctrl+C and Ctrl+V did not reach the list";
}
