// The edits of the selected row: the color picker, and copy and paste through the clipboard
// in the private "COLORREF" format, a 4-byte packed color.
#include "main_dialog.h"
#include "color_text.h"
#include "resource.h"
#include "scheme.h"

static COLORREF ReadRowColor(int row)
{
    char text[TEXT_BUFFER_SIZE];
    GetRowText(g_hwndList, row, text);
    return ParseColorText(text);
}

// Writes color into the row in its formatted form; the scheme now differs from what was applied.
static void WriteRowColor(HWND hDlg, int row, COLORREF color)
{
    char text[TEXT_BUFFER_SIZE];
    FormatColorText(color, text);
    SetRowText(g_hwndList, row, text);
    EnableWindow(GetDlgItem(hDlg, IDC_APPLY), TRUE);
}

void EditSelectedRow(HWND hDlg)
{
    int row = GetSelectedRow(g_hwndList);
    if (row < 0)
        return;
    COLORREF color = ReadRowColor(row);
    if (PickColor(hDlg, color))
        WriteRowColor(hDlg, row, color);
}

void CopySelectedRow(HWND hDlg)
{
    int row = GetSelectedRow(g_hwndList);
    if (row < 0)
        return;
    HGLOBAL hmem = GlobalAlloc(GMEM_FIXED, sizeof(COLORREF));
    if (!hmem)
        return;
    *(COLORREF *)hmem = ReadRowColor(row); // a fixed block's handle is its address
    if (!OpenClipboard(hDlg)) {
        GlobalFree(hmem);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(g_cfColor, hmem))
        GlobalFree(hmem); // refused: the clipboard did not take it over
    CloseClipboard();
}

// Reads the packed color from the open clipboard. Another program may have put a shorter
// block under the same format name; that one is not read.
static BOOL ReadClipboardColor(COLORREF *color)
{
    HANDLE hdata = GetClipboardData(g_cfColor);
    if (!hdata || GlobalSize(hdata) < sizeof *color)
        return FALSE;
    const void *data = GlobalLock(hdata);
    if (!data)
        return FALSE;
    CopyMemory(color, data, sizeof *color);
    GlobalUnlock(hdata);
    return TRUE;
}

void PasteToSelectedRow(HWND hDlg)
{
    int row = GetSelectedRow(g_hwndList);
    if (row < 0 || !IsClipboardFormatAvailable(g_cfColor) || !OpenClipboard(hDlg))
        return;
    COLORREF color;
    BOOL haveColor = ReadClipboardColor(&color);
    CloseClipboard();
    if (haveColor)
        WriteRowColor(hDlg, row, color);
}
