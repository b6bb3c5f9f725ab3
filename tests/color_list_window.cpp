// The hidden list control the scheme tests work on.
#include "color_list_window.h"
#include "color_text.h"
#include "scheme.h"

#include <commctrl.h>
#include <gtest/gtest.h>

ColorListWindow::ColorListWindow()
{
    InitCommonControls();
    hwnd_ = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                            LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_NOSORTHEADER,
                            0, 0, 300, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
    EXPECT_TRUE(hwnd_ != NULL);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 136;
    column.pszText = (char *)"Name";
    SendMessageA(hwnd_, LVM_INSERTCOLUMNA, 0, (LPARAM)&column);
    column.pszText = (char *)"Value";
    SendMessageA(hwnd_, LVM_INSERTCOLUMNA, 1, (LPARAM)&column);
}

ColorListWindow::~ColorListWindow()
{
    DestroyWindow(hwnd_);
}

std::vector<std::string> ColorListWindow::Names() const
{
    std::vector<std::string> names;
    char name[TEXT_BUFFER_SIZE];
    for (int row = 0; row < CountRows(hwnd_); row++) {
        ReadRowNameAndIndex(hwnd_, row, name);
        names.push_back(name);
    }
    return names;
}

int ColorListWindow::RowOf(const char *name) const
{
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = name;
    return (int)SendMessageA(hwnd_, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find);
}

std::string ColorListWindow::TextOf(const char *name) const
{
    int row = RowOf(name);
    EXPECT_GE(row, 0) << name << " is not listed";
    char text[TEXT_BUFFER_SIZE];
    GetRowText(hwnd_, row, text);
    return text;
}
