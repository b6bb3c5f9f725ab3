// The hidden list control the scheme tests work on.
#include "color_list_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

ColorListWindow::ColorListWindow()
{
    InitCommonControls();
    processId_ = GetCurrentProcessId();
    list_ = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                            LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_NOSORTHEADER,
                            0, 0, 300, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
    EXPECT_TRUE(list_ != NULL);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 136;
    column.pszText = (char *)"Name";
    SendMessageA(list_, LVM_INSERTCOLUMNA, 0, (LPARAM)&column);
    column.pszText = (char *)"Value";
    SendMessageA(list_, LVM_INSERTCOLUMNA, 1, (LPARAM)&column);
}

ColorListWindow::~ColorListWindow()
{
    DestroyWindow(list_);
}
