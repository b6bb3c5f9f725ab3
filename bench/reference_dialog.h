// The dialog procedure that both reference programs share: their own set-up, then one throw
// and catch (Hueset's save carries its failure as an exception), and Cancel to end.
#pragma once

#include <windows.h>

// Each reference program's own work in WM_INITDIALOG.
void OnReferenceInit(HWND hDlg);

INT_PTR CALLBACK ReferenceDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);
