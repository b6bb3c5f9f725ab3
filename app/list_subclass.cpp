// Ctrl+C and Ctrl+V typed in the list become the Copy and Paste commands.
#include "main_dialog.h"
#include "resource.h"

static WNDPROC g_oldListProc; // the list's window procedure before ListSubclassProc

static const WPARAM CHAR_CTRL_C = 3;
static const WPARAM CHAR_CTRL_V = 22;

LRESULT CALLBACK ListSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SETOLDPROC:
        g_oldListProc = (WNDPROC)wParam;
        return 0;
    case WM_CHAR:
        if (wParam == CHAR_CTRL_C)
            SendMessageA(GetParent(hwnd), WM_COMMAND, ID_COPY, 0);
        else if (wParam == CHAR_CTRL_V)
            SendMessageA(GetParent(hwnd), WM_COMMAND, ID_PASTE, 0);
        break;
    }
    // The list still gets every message, the two characters included.
    return CallWindowProcA(g_oldListProc, hwnd, msg, wParam, lParam);
}

void SubclassList(HWND hwndList)
{
    WNDPROC oldProc = (WNDPROC)GetWindowLongPtrA(hwndList, GWLP_WNDPROC);
    ListSubclassProc(hwndList, WM_SETOLDPROC, (WPARAM)oldProc, 0);
    SetWindowLongPtrA(hwndList, GWLP_WNDPROC, (LONG_PTR)ListSubclassProc);
}
