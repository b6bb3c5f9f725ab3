// Program entry: the dialog's modal loop is the program's only message loop.
#include "main_dialog.h"
#include "resource.h"

// The DLL search is narrowed before the first DLL is loaded. Without the common controls there
// is no list to show: the program ends at once.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    RestrictDllSearch();
    if (StartCommonControls())
        DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MainDlgProc, 0);
    return 0;
}
