// Program entry: the dialog's modal loop is the program's only message loop.
#include "main_dialog.h"
#include "resource.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    InitCommonControls();
    DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MainDlgProc, 0);
    return 0;
}
