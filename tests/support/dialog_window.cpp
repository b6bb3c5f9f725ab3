// Reading the dialog and its list from outside its process.
#include "dialog_window.h"
#include "platform_colors.h"
#include "real_input.h"
#include "resource.h"
#include "test_clipboard.h"
#include "test_windows.h"

#include <commctrl.h>
#include <algorithm>
#include <gtest/gtest.h>

POINT DialogWindow::RowPoint(int row) const
{
    SendMessageA(list_, LVM_ENSUREVISIBLE, row, FALSE);
    RECT rect = {};
    rect.left = LVIR_LABEL;
    Send(LVM_GETITEMRECT, row, &rect, sizeof rect);
    POINT point = { rect.left + 10, (rect.top + rect.bottom) / 2 };
    ClientToScreen(list_, &point);
    return point;
}

POINT DialogWindow::SelectionPoint() const
{
    POINT point = RowPoint(Selected());
    RECT client;
    GetClientRect(list_, &client);
    ScreenToClient(list_, &point);
    point.x = client.right - 8;
    ClientToScreen(list_, &point);
    return point;
}

void DialogWindow::ClickRow(const char *name, CallSite) const
{
    int row = RowOf(name);
    Click(RowPoint(row));
    EXPECT_TRUE(WaitUntil([&] { return Selected() == row; }, patience_)) << name << " was not selected";
}

bool DialogWindow::CopyRowOnto(const char *from, const char *to, CallSite) const
{
    ClickRow(from);
    PressWithCtrl('C');
    ClickRow(to);
    PressWithCtrl('V');
    return WaitUntil([&] { return ApplyEnabled(); }, patience_);
}

void DialogWindow::ExpectCopied(COLORREF expected, const std::function<void()> &copy, CallSite) const
{
    DWORD since = GetClipboardSequenceNumber();
    copy ? copy() : PressWithCtrl('C');
    COLORREF copied = 0;
    EXPECT_TRUE(ReadColorCopiedSince(since, &copied, patience_)) << "nothing was copied";
    EXPECT_EQ(expected, copied);
}

void DialogWindow::PasteOnRow(const char *name, CallSite) const
{
    SelectRowWithKeys(name);
    PressWithCtrl('V');
    EXPECT_TRUE(WaitUntil([&] { return ApplyEnabled(); }, patience_)) << "the paste did not enable Apply";
}

void DialogWindow::OpenMenu(const std::function<void()> &open, CallSite) const
{
    open();
    ASSERT_TRUE(WaitUntil([&] { return PopupMenu() != NULL; }, patience_)) << "no menu";
}

void DialogWindow::ChooseFromMenu(int item, CallSite) const
{
    for (int i = 0; i < item; i++)
        PressKey(VK_DOWN);
    PressKey(item ? VK_RETURN : VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return PopupMenu() == NULL; }, patience_)) << "the menu stayed open";
}

void DialogWindow::SelectRowWithKeys(const char *name, CallSite) const
{
    std::vector<std::string> names = ListedNames();
    int row = (int)(std::find(names.begin(), names.end(), name) - names.begin());
    if (Selected() < 0) {
        ClickWindow(list_);
        ASSERT_TRUE(WaitUntil([&] { return Selected() >= 0; }, patience_)) << "a click selected no row";
    }
    PressKey(VK_HOME);
    ASSERT_TRUE(WaitUntil([&] { return Selected() == 0; }, patience_)) << "Home did not select the first row";
    for (int i = 1; i <= row; i++) {
        PressKey(VK_DOWN);
        ASSERT_TRUE(WaitUntil([&] { return Selected() == i; }, patience_)) << "the down arrow did not reach row " << i;
    }
}

HWND DialogWindow::Focus() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd_, NULL), &info);
    return info.hwndFocus;
}

HWND DialogWindow::OwnedDialog() const
{
    return FindVisibleWindow([&](HWND hwnd) {
        char cls[16];
        GetClassNameA(hwnd, cls, sizeof cls);
        return GetWindow(hwnd, GW_OWNER) == hwnd_ && !lstrcmpA(cls, "#32770");
    });
}

// Just below the list's header, half a small icon down: inside the first row in view, whatever
// the row height that the font gives.
POINT DialogWindow::TopRowPoint() const
{
    RECT header;
    GetWindowRect(FindWindowExA(list_, NULL, WC_HEADERA, NULL), &header);
    return { header.left + 20, header.bottom + GetSystemMetrics(SM_CYSMICON) / 2 };
}

void DialogWindow::ExpectSaveFailureMessage(CallSite) const
{
    HWND box = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (box = OwnedDialog()) != NULL; }, patience_)) << "no message";
    char caption[32] = "";
    GetWindowTextA(box, caption, sizeof caption);
    EXPECT_STREQ("Hueset", caption);
    // The message as an ANSI program shows it in this code page.
    wchar_t shown[64];
    char ansi[64];
    WideCharToMultiByte(CP_ACP, 0, L"色を保存できませんでした。", -1, ansi, sizeof ansi, NULL, NULL);
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, shown, 64);
    EXPECT_TRUE(StaticTexts(box) == shown) << "not the message that the colors could not be saved";
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, patience_)) << "the message stayed open";
    EXPECT_TRUE(ApplyEnabled());
    HWND focus = NULL;
    EXPECT_TRUE(WaitUntil([&] { return (focus = Focus()) != NULL; }, patience_)) << "no focus";
    EXPECT_TRUE(IsWindowEnabled(focus)) << "the focus is on a disabled control";
}

bool DialogWindow::Find(DWORD processId, int timeoutMs)
{
    processId_ = processId;
    bool found = WaitUntil([&] {
        hwnd_ = FindCaptionedWindow(processId, "Hueset");
        return hwnd_ && SendMessageA(GetDlgItem(hwnd_, IDC_LIST), LVM_GETITEMCOUNT, 0, 0) > 0;
    }, timeoutMs);
    list_ = GetDlgItem(hwnd_, IDC_LIST);
    return found;
}
