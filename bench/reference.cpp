// The yardstick for Hueset's start-up, size and memory: the smallest dialog program of its
// kind, one template and one throw and catch, built with the same toolchain and flags.
#include <windows.h>

static INT_PTR CALLBACK ReferenceDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
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
    DialogBoxParamA(hInstance, MAKEINTRESOURCEA(1), NULL, ReferenceDlgProc, 0);
    return 0;
}
