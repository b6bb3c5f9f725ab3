// The reference programs' dialog procedure.
#include "reference_dialog.h"

INT_PTR CALLBACK ReferenceDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnReferenceInit(hDlg);
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
