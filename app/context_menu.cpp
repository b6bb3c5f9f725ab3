// The list's context menu: Copy and Paste, grayed when they cannot act.
#include "main_dialog.h"
#include "resource.h"
#include "scheme.h"

#include <stddef.h>
#include <windowsx.h>

// The record's shorter form, without hbmpItem, which every platform version takes.
static const UINT MENUITEMINFO_SHORT_SIZE = offsetof(MENUITEMINFOA, hbmpItem);
static_assert(sizeof(void *) != 4 || MENUITEMINFO_SHORT_SIZE == 44, "the 32-bit short record is 44 bytes");

void ShowContextMenu(HWND hDlg, HWND hwndClicked, LPARAM lParam)
{
    if (hwndClicked != g_hwndList)
        return;

    MENUITEMINFOA item = {};
    item.cbSize = MENUITEMINFO_SHORT_SIZE;
    item.fMask = MIIM_STATE;
    UINT pasteState = MFS_GRAYED;
    if (GetSelectedRow(g_hwndList) < 0) {
        item.fState = MFS_GRAYED;
    } else {
        item.fState = MFS_ENABLED;
        if (IsClipboardFormatAvailable(g_cfColor))
            pasteState = MFS_ENABLED;
    }
    SetMenuItemInfoA(g_hmenuContext, ID_COPY, FALSE, &item);
    item.fState = pasteState;
    SetMenuItemInfoA(g_hmenuContext, ID_PASTE, FALSE, &item);

    // Signed: a monitor left of or above the primary one has negative coordinates.
    TrackPopupMenuEx(g_hmenuContext, 0, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), hDlg, NULL);
    PostMessageA(hDlg, WM_NULL, 0, 0);
}
