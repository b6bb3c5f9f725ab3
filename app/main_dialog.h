// Hueset's one dialog: program entry, the dialog procedure, and the handlers it calls.
#pragma once

#include <windows.h>

// Hands ListSubclassProc the list's previous window procedure (wParam); lParam is 0.
#define WM_SETOLDPROC (WM_APP + 100)

// Set in the dialog's initialisation, alive until the process ends.
extern HINSTANCE g_hInstance;  // this module, taken from the dialog window
extern HWND g_hwndList;        // the list control that holds the working scheme
extern HMENU g_hmenuContext;   // the list's context popup; destroyed with the dialog
extern UINT g_cfColor;         // the registered "COLORREF" clipboard format

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);
INT_PTR CALLBACK MainDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);

// init_color_list.cpp
int InitColorList(HWND hwndList);

// color_list_setup.cpp: the list's extended styles and its two columns, without rows.
void PrepareColorList(HWND hwndList);

// system_dlls.cpp
void RestrictDllSearch();
FARPROC FindSystemFunction(const char *dll, const char *function);
BOOL StartCommonControls();

// color_picker.cpp
int PickColor(HWND hwndOwner, COLORREF &color);

// row_commands.cpp: each acts on the selected row and does nothing when none is selected.
void EditSelectedRow(HWND hDlg);
void CopySelectedRow(HWND hDlg);
void PasteToSelectedRow(HWND hDlg);

// context_menu.cpp
void ShowContextMenu(HWND hDlg, HWND hwndClicked, LPARAM lParam);

// list_subclass.cpp
LRESULT CALLBACK ListSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void SubclassList(HWND hwndList);
