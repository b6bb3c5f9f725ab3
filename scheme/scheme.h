// The working scheme: the rows of the dialog's list control (report view, sorted ascending,
// single selection, columns name and color text), and loading and saving it.
#pragma once

#include <windows.h>

// Row operations. A row's position is its index in name order; an insertion can shift the
// rows behind it, so a position is valid only until the next insertion.
void ClearRows(HWND hwndList);
int InsertRow(HWND hwndList, const char *name, int colorIndex);
void LoadRowText(HWND hwndList, int row, const char *text);
void SetRowText(HWND hwndList, int row, const char *text);
int CountRows(HWND hwndList);
void ReadRowText(HWND hwndList, int row, char *text);
int ReadRowNameAndIndex(HWND hwndList, int row, char *name);
void GetRowText(HWND hwndList, int row, char *text);
int GetSelectedRow(HWND hwndList);

// Fills the list with the colors that this platform has, as stored for the current user.
// Returns 0 when the key could not be opened (the list is then empty), else 1.
int LoadColors(HWND hwndList);

// Writes every row's non-empty color text back to the registry, then applies all rows at
// once with SetSysColors (an empty text applies black). Returns 1 when the key was opened and
// every text written, else 0, and then applies nothing.
int SaveColors(HWND hwndList);
