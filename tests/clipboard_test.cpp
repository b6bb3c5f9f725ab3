// Copy and paste of a color through the real clipboard, with the list's keys, in one running
// program and between two; and, in-process, the clipboard calls that fail.
#include "dialog_thread.h"
#include "hueset_process.h"
#include "import_patch.h"
#include "real_input.h"
#include "resource.h"
#include "saved_scheme.h"
#include "scratch_registry.h"
#include "test_clipboard.h"

#include <gtest/gtest.h>

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        scheme_.SetDistinctTexts();
        scheme_.Delete("Window");
        scheme_.SetText("Hilight", "300 0 0");
        ClearClipboard();
    }
    void TearDown() override { ClearClipboard(); }

    // Copies a row's color with Ctrl+C; returns the clipboard's sequence number before it.
    static DWORD CopyRow(const DialogWindow &app, const char *name)
    {
        app.ClickRow(name);
        DWORD since = ClipboardSequence();
        PressWithCtrl('C');
        return since;
    }
    static void PasteOnRow(const DialogWindow &app, const char *name)
    {
        app.ClickRow(name);
        PressWithCtrl('V');
    }
    static bool CopiedColorIs(DWORD since, COLORREF expected)
    {
        COLORREF color;
        return ReadColorCopiedSince(since, &color) && color == expected;
    }

    SavedScheme scheme_;
};

TEST_F(ClipboardTest, CopiedColorArrivesFormattedAndEnablesApply)
{
    HuesetProcess app;
    ASSERT_TRUE(app.Started());
    EXPECT_TRUE(CopiedColorIs(CopyRow(app, "Hilight"), RGB(44, 0, 0)));
    EXPECT_FALSE(app.ApplyEnabled()) << "Copy enabled Apply";

    PasteOnRow(app, "Menu");
    EXPECT_TRUE(WaitUntil([&] { return app.TextOf("Menu") == "44 0 0"; }));
    EXPECT_TRUE(app.ApplyEnabled());
    EXPECT_EQ("300 0 0", app.TextOf("Hilight"));
}

TEST_F(ClipboardTest, EmptyRowCopiesBlackAndTheSameColorStillEnablesApply)
{
    HuesetProcess app;
    ASSERT_TRUE(app.Started());
    EXPECT_TRUE(CopiedColorIs(CopyRow(app, "Scrollbar"), RGB(10, 100, 200)));
    PasteOnRow(app, "Scrollbar");
    EXPECT_TRUE(WaitUntil([&] { return app.ApplyEnabled(); }));
    EXPECT_EQ("10 100 200", app.TextOf("Scrollbar"));

    EXPECT_TRUE(CopiedColorIs(CopyRow(app, "Window"), RGB(0, 0, 0)));
    PasteOnRow(app, "Menu");
    EXPECT_TRUE(WaitUntil([&] { return app.TextOf("Menu") == "0 0 0"; }));
}

TEST_F(ClipboardTest, ColorTravelsBetweenTwoRunningCopies)
{
    HuesetProcess first;
    ASSERT_TRUE(first.Started());
    HuesetProcess second;
    ASSERT_TRUE(second.Started());
    // Side by side: both open centred, one over the other.
    SetWindowPos(first.hwnd(), NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(second.hwnd(), NULL, 500, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    EXPECT_TRUE(CopiedColorIs(CopyRow(first, "Hilight"), RGB(44, 0, 0)));
    PasteOnRow(second, "Menu");
    EXPECT_TRUE(WaitUntil([&] { return second.TextOf("Menu") == "44 0 0"; }));
    EXPECT_TRUE(second.ApplyEnabled());
    EXPECT_NE("44 0 0", first.TextOf("Menu"));
}

TEST_F(ClipboardTest, OtherDataOnTheClipboardPastesNothing)
{
    HuesetProcess app;
    ASSERT_TRUE(app.Started());
    std::string menu = app.TextOf("Menu");

    PutClipboardText("1 2 3");
    PasteOnRow(app, "Menu");
    LetInputSettle();
    EXPECT_EQ(menu, app.TextOf("Menu")) << "plain text pasted";

    // Another program's block under the same name, shorter than a color.
    const BYTE bytes[] = { 7, 8, 9 };
    for (SIZE_T cb = 1; cb <= 3; cb++) {
        PutClipboardBlock(ColorFormat(), bytes, cb);
        PressWithCtrl('V');
        LetInputSettle();
        EXPECT_EQ(menu, app.TextOf("Menu")) << cb << "-byte block pasted";
        EXPECT_EQ((DWORD)STILL_ACTIVE, app.WaitForExit(0)) << cb << "-byte block";
    }
    EXPECT_FALSE(app.ApplyEnabled());
}

TEST_F(ClipboardTest, KeysTypedOnAButtonDoNothing)
{
    HuesetProcess app;
    ASSERT_TRUE(app.Started());
    std::string menu = app.TextOf("Menu");
    app.ClickRow("Menu");
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Item(IDC_REFRESH); }));

    PutClipboardText("not a color");
    DWORD sequence = ClipboardSequence();
    PressWithCtrl('C');
    LetInputSettle();
    EXPECT_EQ(sequence, ClipboardSequence()) << "Ctrl+C on a button copied";

    const COLORREF color = RGB(1, 2, 3);
    PutClipboardBlock(ColorFormat(), &color, sizeof color);
    PressWithCtrl('V');
    LetInputSettle();
    EXPECT_EQ(menu, app.TextOf("Menu")) << "Ctrl+V on a button pasted";
    EXPECT_FALSE(app.ApplyEnabled());
}

// In-process: the clipboard refusing, and what becomes of the block.
static struct {
    DWORD thread; // the dialog's thread: the test's own clipboard calls pass untouched
    bool refuseOpen, refuseSetData, withholdData;
    volatile LONG allocations, frees, closes;
    HGLOBAL volatile lastAllocated, lastFreed;
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
    g_clip.lastAllocated = block;
    InterlockedIncrement(&g_clip.allocations);
    return block;
}

static HGLOBAL WINAPI FakeGlobalFree(HGLOBAL block)
{
    if (FromDialog()) {
        g_clip.lastFreed = block;
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
        g_realGlobalAlloc = alloc_.Original<decltype(&GlobalAlloc)>();
        g_realGlobalFree = free_.Original<decltype(&GlobalFree)>();
        g_realOpenClipboard = open_.Original<decltype(&OpenClipboard)>();
        g_realSetClipboardData = set_.Original<decltype(&SetClipboardData)>();
        g_realGetClipboardData = get_.Original<decltype(&GetClipboardData)>();
        g_realCloseClipboard = close_.Original<decltype(&CloseClipboard)>();
        registry_.SetText("Menu", "1 2 3");
        registry_.SetText("Scrollbar", "4 5 6");
        ClearClipboard();
    }
    void TearDown() override { ClearClipboard(); }

    ScratchRegistry registry_;
    ImportPatch alloc_{ "kernel32.dll", "GlobalAlloc", (const void *)FakeGlobalAlloc };
    ImportPatch free_{ "kernel32.dll", "GlobalFree", (const void *)FakeGlobalFree };
    ImportPatch open_{ "user32.dll", "OpenClipboard", (const void *)FakeOpenClipboard };
    ImportPatch set_{ "user32.dll", "SetClipboardData", (const void *)FakeSetClipboardData };
    ImportPatch get_{ "user32.dll", "GetClipboardData", (const void *)FakeGetClipboardData };
    ImportPatch close_{ "user32.dll", "CloseClipboard", (const void *)FakeCloseClipboard };
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
    EXPECT_EQ(g_clip.lastAllocated, g_clip.lastFreed);

    g_clip.refuseOpen = false;
    g_clip.refuseSetData = true;
    PressWithCtrl('C');
    ASSERT_TRUE(WaitUntil([&] { return g_clip.allocations == 2; }));
    EXPECT_TRUE(WaitUntil([&] { return g_clip.frees == 2; })) << "refused block leaked";
    EXPECT_EQ(g_clip.lastAllocated, g_clip.lastFreed);
    COLORREF color;
    EXPECT_FALSE(ReadClipboardColor(&color));

    // Taken by the clipboard: not freed here.
    g_clip.refuseSetData = false;
    DWORD since = ClipboardSequence();
    PressWithCtrl('C');
    ASSERT_TRUE(ReadColorCopiedSince(since, &color));
    EXPECT_EQ(RGB(1, 2, 3), color);
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
    LetInputSettle();
    EXPECT_EQ("4 5 6", program.TextOf("Scrollbar"));
    EXPECT_FALSE(program.ApplyEnabled());

    g_clip.withholdData = false;
    PressWithCtrl('V');
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf("Scrollbar") == "7 8 9"; }));
    EXPECT_TRUE(program.ApplyEnabled());
}
