// Copy and paste of a color through the real clipboard, with the list's keys, in one running
// program and between two; and, in-process, the clipboard calls that fail.
#include "dialog_thread.h"
#include "hueset_process.h"
#include "import_patch.h"
#include "platform_colors.h"
#include "real_input.h"
#include "resource.h"
#include "saved_scheme.h"
#include "scratch_registry.h"
#include "test_clipboard.h"

#include <gtest/gtest.h>

class ClipboardTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        scheme_.StoreTestScheme();
        ClearClipboard();
    }
    void TearDown() override { ClearClipboard(); }

    SavedScheme scheme_;
};

TEST_P(ClipboardTest, CopiedColorArrivesFormattedAndEnablesApply)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    app.ClickRow("Hilight");
    app.ExpectCopied(RGB(44, 0, 0));
    EXPECT_FALSE(app.ApplyEnabled()) << "Copy enabled Apply";

    app.PasteOnRow("Menu");
    EXPECT_EQ("44 0 0", app.TextOf("Menu"));
    EXPECT_EQ("300 0 0", app.TextOf("Hilight"));
    // Copy leaves an enabled Apply enabled too.
    app.ExpectCopied(RGB(44, 0, 0));
    EXPECT_TRUE(app.ApplyEnabled()) << "Copy disabled Apply";
}

TEST_P(ClipboardTest, EmptyRowCopiesBlackAndTheSameColorStillEnablesApply)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    app.ClickRow("Scrollbar");
    app.ExpectCopied(RGB(10, 100, 200));
    app.PasteOnRow("Scrollbar");
    EXPECT_EQ("10 100 200", app.TextOf("Scrollbar"));

    app.ClickRow("Window");
    app.ExpectCopied(RGB(0, 0, 0));
    app.PasteOnRow("Menu");
    EXPECT_TRUE(WaitUntil([&] { return app.TextOf("Menu") == "0 0 0"; }));
}

TEST_P(ClipboardTest, ColorTravelsBetweenTwoRunningCopies)
{
    HuesetProcess first(GetParam());
    ASSERT_TRUE(first.Started());
    HuesetProcess second(GetParam());
    ASSERT_TRUE(second.Started());
    // Side by side: both open centred, one over the other.
    SetWindowPos(first.hwnd(), NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(second.hwnd(), NULL, 500, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    first.ClickRow("Hilight");
    first.ExpectCopied(RGB(44, 0, 0));
    second.PasteOnRow("Menu");
    EXPECT_EQ("44 0 0", second.TextOf("Menu"));
    EXPECT_NE("44 0 0", first.TextOf("Menu"));
}

// After each paste the same row is copied: the list handles the copy after the paste, so the
// color copied is the row's once the paste has been dealt with.
TEST_P(ClipboardTest, OtherDataOnTheClipboardPastesNothing)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    const COLORREF menu = DistinctColor(IndexOfColor("Menu"));
    app.ClickRow("Menu");

    PutClipboardText("1 2 3");
    PressWithCtrl('V');
    app.ExpectCopied(menu);

    // Another program's block under the same name, shorter than a color.
    const BYTE bytes[] = { 7, 8, 9 };
    for (SIZE_T cb = 1; cb <= 3; cb++) {
        SCOPED_TRACE(std::to_string(cb) + "-byte block");
        PutClipboardBlock(ColorFormat(), bytes, cb);
        PressWithCtrl('V');
        app.ExpectCopied(menu);
    }
    EXPECT_EQ("14 104 204", app.TextOf("Menu"));
    EXPECT_FALSE(app.ApplyEnabled());
}

// After each key Tab moves the focus on, which shows that the key before it was handled.
TEST_P(ClipboardTest, KeysTypedOnAButtonDoNothing)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    app.ClickRow("Menu");
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Item(IDC_REFRESH); }));

    PutClipboardText("not a color");
    DWORD sequence = GetClipboardSequenceNumber();
    PressWithCtrl('C');
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Item(IDOK); }));
    EXPECT_EQ(sequence, GetClipboardSequenceNumber()) << "Ctrl+C on a button copied";

    const COLORREF color = RGB(1, 2, 3);
    PutClipboardBlock(ColorFormat(), &color, sizeof color);
    PressWithCtrl('V');
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Item(IDCANCEL); }));
    EXPECT_EQ("14 104 204", app.TextOf("Menu")) << "Ctrl+V on a button pasted";
    EXPECT_FALSE(app.ApplyEnabled());
}

INSTANTIATE_FOR_BOTH_BUILDS(ClipboardTest);

// In-process: the clipboard refusing, and what becomes of the block.
static struct {
    DWORD thread; // the dialog's thread: the test's own clipboard calls pass untouched
    bool refuseOpen, refuseSetData, withholdData;
    HGLOBAL allocated[8], freed[8]; // every block, each stored before its count grows
    volatile LONG allocations, frees, closes;
} g_clip;

static decltype(&GlobalAlloc) g_realGlobalAlloc;
static decltype(&GlobalFree) g_realGlobalFree;
static decltype(&OpenClipboard) g_realOpenClipboard;
static decltype(&SetClipboardData) g_realSetClipboardData;
static decltype(&GetClipboardData) g_realGetClipboardData;
static decltype(&CloseClipboard) g_realCloseClipboard;

static bool FromDialog()
{
    return GetCurrentThreadId() == g_clip.thread;
}

static HGLOBAL WINAPI FakeGlobalAlloc(UINT flags, SIZE_T cb)
{
    HGLOBAL block = g_realGlobalAlloc(flags, cb);
    if (!FromDialog())
        return block;
    EXPECT_EQ((UINT)GMEM_FIXED, flags);
    EXPECT_EQ(4u, cb);
    if (g_clip.allocations < 8)
        g_clip.allocated[g_clip.allocations] = block;
    InterlockedIncrement(&g_clip.allocations);
    return block;
}

static HGLOBAL WINAPI FakeGlobalFree(HGLOBAL block)
{
    if (FromDialog()) {
        if (g_clip.frees < 8)
            g_clip.freed[g_clip.frees] = block;
        InterlockedIncrement(&g_clip.frees);
    }
    return g_realGlobalFree(block);
}

static BOOL WINAPI FakeOpenClipboard(HWND owner)
{
    return g_clip.refuseOpen && FromDialog() ? FALSE : g_realOpenClipboard(owner);
}

static HANDLE WINAPI FakeSetClipboardData(UINT format, HANDLE data)
{
    return g_clip.refuseSetData && FromDialog() ? NULL : g_realSetClipboardData(format, data);
}

static HANDLE WINAPI FakeGetClipboardData(UINT format)
{
    return g_clip.withholdData && FromDialog() ? NULL : g_realGetClipboardData(format);
}

static BOOL WINAPI FakeCloseClipboard()
{
    if (FromDialog())
        InterlockedIncrement(&g_clip.closes);
    return g_realCloseClipboard();
}

class ClipboardInProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_clip = {};
        registry_.SetText("Menu", "1 2 3");
        registry_.SetText("Scrollbar", "4 5 6");
        ClearClipboard();
    }
    void TearDown() override { ClearClipboard(); }

    ScratchRegistry registry_;
    ImportPatch alloc_{ "kernel32.dll", "GlobalAlloc", (const void *)FakeGlobalAlloc, &g_realGlobalAlloc };
    ImportPatch free_{ "kernel32.dll", "GlobalFree", (const void *)FakeGlobalFree, &g_realGlobalFree };
    ImportPatch open_{ "user32.dll", "OpenClipboard", (const void *)FakeOpenClipboard, &g_realOpenClipboard };
    ImportPatch set_{ "user32.dll", "SetClipboardData", (const void *)FakeSetClipboardData, &g_realSetClipboardData };
    ImportPatch get_{ "user32.dll", "GetClipboardData", (const void *)FakeGetClipboardData, &g_realGetClipboardData };
    ImportPatch close_{ "user32.dll", "CloseClipboard", (const void *)FakeCloseClipboard, &g_realCloseClipboard };
};

TEST_F(ClipboardInProcess, BlockTheClipboardDoesNotTakeIsFreed)
{
    DialogThread program;
    ASSERT_TRUE(program.hwnd());
    g_clip.thread = GetWindowThreadProcessId(program.hwnd(), NULL);
    program.ClickRow("Menu");

    g_clip.refuseOpen = true;
    PressWithCtrl('C');
    ASSERT_TRUE(WaitUntil([&] { return g_clip.allocations == 1; }));
    EXPECT_TRUE(WaitUntil([&] { return g_clip.frees == 1; })) << "busy clipboard: block leaked";
    EXPECT_EQ(g_clip.allocated[0], g_clip.freed[0]);

    g_clip.refuseOpen = false;
    g_clip.refuseSetData = true;
    PressWithCtrl('C');
    ASSERT_TRUE(WaitUntil([&] { return g_clip.allocations == 2; }));
    EXPECT_TRUE(WaitUntil([&] { return g_clip.frees == 2; })) << "refused block leaked";
    EXPECT_EQ(g_clip.allocated[1], g_clip.freed[1]);
    COLORREF color;
    EXPECT_FALSE(ReadClipboardColor(&color));

    // Taken by the clipboard: not freed here.
    g_clip.refuseSetData = false;
    program.ExpectCopied(RGB(1, 2, 3));
    EXPECT_EQ(3, g_clip.allocations);
    EXPECT_EQ(2, g_clip.frees);
}

TEST_F(ClipboardInProcess, AnnouncedColorWithNoDataIsDroppedAndTheClipboardClosed)
{
    DialogThread program;
    ASSERT_TRUE(program.hwnd());
    g_clip.thread = GetWindowThreadProcessId(program.hwnd(), NULL);
    const COLORREF color = RGB(7, 8, 9);
    PutClipboardBlock(ColorFormat(), &color, sizeof color);

    g_clip.withholdData = true;
    LONG closes = g_clip.closes;
    program.ClickRow("Scrollbar");
    PressWithCtrl('V');
    EXPECT_TRUE(WaitUntil([&] { return g_clip.closes > closes; })) << "the clipboard was left open";
    program.ExpectCopied(RGB(4, 5, 6)); // handled after the paste
    EXPECT_EQ("4 5 6", program.TextOf("Scrollbar"));
    EXPECT_FALSE(program.ApplyEnabled());

    g_clip.withholdData = false;
    PutClipboardBlock(ColorFormat(), &color, sizeof color);
    PressWithCtrl('V');
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf("Scrollbar") == "7 8 9"; }));
    EXPECT_TRUE(program.ApplyEnabled());
}
