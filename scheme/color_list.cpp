// The list control as the store of the working scheme: column 0 holds a row's name,
// its lParam the color index and sub-item 1 the color text. Text buffers passed in or
// filled here hold TEXT_BUFFER_SIZE bytes.
#include "scheme.h"
#include "color_text.h"

#include <commctrl.h>

void ClearRows(HWND hwndList)
{
    SendMessageA(hwndList, LVM_DELETEALLITEMS, 0, 0);
}

// Returns the new row's position in name order, or -1.
int InsertRow(HWND hwndList, const char *name, int colorIndex)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = (char *)name;
    item.lParam = colorIndex;
    return (int)SendMessageA(hwndList, LVM_INSERTITEMA, 0, (LPARAM)&item);
}

// Sets the color text of a row just inserted.
void LoadRowText(HWND hwndList, int row, const char *text)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = 1;
    item.pszText = (char *)text;
    SendMessageA(hwndList, LVM_SETITEMA, 0, (LPARAM)&item);
}

// Sets the color text of a row that the user edits.
void SetRowText(HWND hwndList, int row, const char *text)
{
    LVITEMA item = {};
    item.iSubItem = 1;
    item.pszText = (char *)text;
    SendMessageA(hwndList, LVM_SETITEMTEXTA, row, (LPARAM)&item);
}

int CountRows(HWND hwndList)
{
    return (int)SendMessageA(hwndList, LVM_GETITEMCOUNT, 0, 0);
}

// Reads a row's color text for saving.
void ReadRowText(HWND hwndList, int row, char *text)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = TEXT_BUFFER_SIZE;
    text[0] = '\0'; // what a failed read leaves
    SendMessageA(hwndList, LVM_GETITEMA, 0, (LPARAM)&item);
}

// Reads a row's name for saving and returns its color index.
int ReadRowNameAndIndex(HWND hwndList, int row, char *name)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = name;
    item.cchTextMax = TEXT_BUFFER_SIZE;
    name[0] = '\0'; // what a failed read leaves
    SendMessageA(hwndList, LVM_GETITEMA, 0, (LPARAM)&item);
    return (int)item.lParam;
}

// Reads a row's color text for editing.
void GetRowText(HWND hwndList, int row, char *text)
{
    LVITEMA item = {};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = TEXT_BUFFER_SIZE;
    text[0] = '\0'; // what a failed read leaves
    SendMessageA(hwndList, LVM_GETITEMTEXTA, row, (LPARAM)&item);
}

// Returns the selected row's position, or -1 when none is selected.
int GetSelectedRow(HWND hwndList)
{
    return (int)SendMessageA(hwndList, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}
