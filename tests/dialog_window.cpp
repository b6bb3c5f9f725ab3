// Reading the dialog and its list from outside its process.
#include "dialog_window.h"
#include "real_input.h"
#include "resource.h"
#include "test_windows.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <stddef.h>

// A block of memory in the list's process for a message whose lParam points to data.
class RemoteBlock {
public:
    RemoteBlock(DWORD processId, size_t size) : size_(size)
    {
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        base_ = (BYTE *)VirtualAllocEx(process_, NULL, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock()
    {
        VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    BYTE *base() const { return base_; }

    // Sends msg with lParam pointing to a copy of data made here, then copies the block back.
    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, void *data)
    {
        WriteProcessMemory(process_, base_, data, size_, NULL);
        LRESULT result = SendMessageA(hwnd, msg, wParam, (LPARAM)base_);
        ReadProcessMemory(process_, base_, data, size_, NULL);
        return result;
    }

private:
    HANDLE process_;
    BYTE *base_;
    size_t size_;
};

struct ItemTextRequest {
    LVITEMA item;
    char text[64];
};

static std::string ItemText(DWORD processId, HWND list, int row, int subItem)
{
    ItemTextRequest request = {};
    RemoteBlock remote(processId, sizeof request);
    request.item.iSubItem = subItem;
    request.item.cchTextMax = sizeof request.text;
    request.item.pszText = (char *)remote.base() + offsetof(ItemTextRequest, text);
    remote.Send(list, LVM_GETITEMTEXTA, row, &request);
    return request.text;
}

struct ColumnRequest {
    LVCOLUMNA column;
    char text[64];
};

std::string DialogWindow::ColumnTitle(int column) const
{
    ColumnRequest request = {};
    RemoteBlock remote(processId_, sizeof request);
    request.column.mask = LVCF_TEXT;
    request.column.cchTextMax = sizeof request.text;
    request.column.pszText = (char *)remote.base() + offsetof(ColumnRequest, text);
    remote.Send(list_, LVM_GETCOLUMNA, column, &request);
    return request.text;
}

int DialogWindow::Rows() const
{
    return (int)SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0);
}

std::string DialogWindow::Name(int row) const
{
    return ItemText(processId_, list_, row, 0);
}

std::string DialogWindow::Text(int row) const
{
    return ItemText(processId_, list_, row, 1);
}

struct FindRequest {
    LVFINDINFOA find;
    char name[64];
};

int DialogWindow::RowOf(const char *name) const
{
    FindRequest request = {};
    RemoteBlock remote(processId_, sizeof request);
    request.find.flags = LVFI_STRING;
    request.find.psz = (char *)remote.base() + offsetof(FindRequest, name);
    lstrcpynA(request.name, name, sizeof request.name);
    int row = (int)remote.Send(list_, LVM_FINDITEMA, (WPARAM)-1, &request);
    EXPECT_GE(row, 0) << name << " is not listed";
    return row;
}

int DialogWindow::Selected() const
{
    return (int)SendMessageA(list_, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

POINT DialogWindow::RowPoint(int row) const
{
    SendMessageA(list_, LVM_ENSUREVISIBLE, row, FALSE);
    RECT rect = {};
    rect.left = LVIR_LABEL;
    RemoteBlock remote(processId_, sizeof rect);
    remote.Send(list_, LVM_GETITEMRECT, row, &rect);
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

void DialogWindow::ClickRow(const char *name) const
{
    int row = RowOf(name);
    Click(RowPoint(row));
    EXPECT_TRUE(WaitUntil([&] { return Selected() == row; }, patience_)) << name << " was not selected";
}

bool DialogWindow::CopyRowOnto(const char *from, const char *to) const
{
    ClickRow(from);
    PressWithCtrl('C');
    ClickRow(to);
    PressWithCtrl('V');
    return WaitUntil([&] { return ApplyEnabled(); }, patience_);
}

void DialogWindow::SelectRowWithKeys(int row) const
{
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

HWND DialogWindow::PopupMenu() const
{
    return FindPopupMenu(processId_);
}

// Just below the list's header, half a small icon down: inside the first row in view, whatever
// the row height that the font gives.
POINT DialogWindow::TopRowPoint() const
{
    RECT header;
    GetWindowRect(FindWindowExA(list_, NULL, WC_HEADERA, NULL), &header);
    return { header.left + 20, header.bottom + GetSystemMetrics(SM_CYSMICON) / 2 };
}

void DialogWindow::ExpectSaveFailureMessage() const
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

bool DialogWindow::ApplyEnabled() const
{
    return IsWindowEnabled(Item(IDC_APPLY)) != FALSE;
}
