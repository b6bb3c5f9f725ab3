// The floor for Hueset's start-up and memory: the same dialog, the common controls set up the
// same way, and the 31 rows put into the list with the same messages in the same order, with a
// fixed text where Hueset reads the registry. No registry, no clipboard.
#include "color_catalog.h"
#include "main_dialog.h"
#include "reference_dialog.h"
#include "resource.h"
#include "scheme.h"

#include <commctrl.h>

void OnReferenceInit(HWND hDlg)
{
    HWND hwndList = GetDlgItem(hDlg, IDC_LIST);
    PrepareColorList(hwndList);
    ClearRows(hwndList);
    for (const ColorEntry *entry = ColorCatalog; entry->name[0]; entry++)
        LoadRowText(hwndList, InsertRow(hwndList, entry->name, entry->index), "128 128 128");
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    RestrictDllSearch();
    if (StartCommonControls())
        DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL, ReferenceDlgProc, 0);
    return 0;
}
