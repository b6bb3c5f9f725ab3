// The list control's look and its two columns, set up once before the first load.
#include "main_dialog.h"
#include "color_text.h"
#include "resource.h"

#include <commctrl.h>

// Inserts column index titled with string idTitle; column points its text at a buffer of
// TEXT_BUFFER_SIZE bytes.
static void AddColumn(HWND hwndList, HINSTANCE hInstance, int index, UINT idTitle, LVCOLUMNA *column)
{
    if (!LoadStringA(hInstance, idTitle, column->pszText, TEXT_BUFFER_SIZE))
        column->pszText[0] = '\0';
    SendMessageA(hwndList, LVM_INSERTCOLUMNA, index, (LPARAM)column);
}

void PrepareColorList(HWND hwndList)
{
    SendMessageA(hwndList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);

    HINSTANCE hInstance = (HINSTANCE)GetWindowLongPtrA(hwndList, GWLP_HINSTANCE);
    RECT client;
    GetClientRect(hwndList, &client);

    // Both columns share the width that a vertical scroll bar leaves.
    char title[TEXT_BUFFER_SIZE];
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = (client.right - GetSystemMetrics(SM_CXVSCROLL)) / 2;
    column.pszText = title;
    AddColumn(hwndList, hInstance, 0, IDS_NAME, &column);
    AddColumn(hwndList, hInstance, 1, IDS_VALUE, &column);
}
