// The yardstick for Hueset's size: the smallest dialog program of its kind, one template and
// one throw and catch, built with the same toolchain and flags.
#include "reference_dialog.h"

void OnReferenceInit(HWND)
{
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(hInstance, MAKEINTRESOURCEA(1), NULL, ReferenceDlgProc, 0);
    return 0;
}
