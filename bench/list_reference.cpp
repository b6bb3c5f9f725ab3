// The floor for Hueset's start-up and memory: the same dialog, the common controls set up the
// same way, and the 31 rows put into the list with the same messages in the same order, with a
// fixed text where Hueset reads the registry. No registry, no clipboard; one throw and catch, as
// in the minimal reference, since Hueset's save must carry its failure as an exception.
#include "color_catalog.h"
#include "main_dialog.h"
#include "resource.h"
#include "scheme.h"

#include <commctrl.h>

static void FillList(HWND hwndList)
{
    PrepareColorList(hwndList);
    ClearRows(hwndList);
    for (const ColorEntry *entry = ColorCatalog; entry->name[0]; entry++)
        LoadRowText(hwndList, InsertRow(hwndList, entry->name, entry->index), "128 128 128");
}

static INT_PTR CALLBACK ListReferenceDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        FillList(GetDlgItem(hDlg, IDC_LIST));
        try {
            throw 0;
        } catch (...) {
        }
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(hDlg, 0);
        break;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    InitCommonControls();
    DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL, ListReferenceDlgProc, 0);
    return 0;
}
