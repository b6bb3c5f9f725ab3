// A list control's rows read as any program reads them, for a list of this process and for
// another process's: the requests of another process's list go through a block of its memory.
#pragma once

#include "call_site.h"

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

class ListReader {
public:
    HWND list() const { return list_; }
    int Rows() const;
    std::string Name(int row) const { return ItemText(row, 0); }
    std::string Text(int row) const { return ItemText(row, 1); }
    std::vector<std::string> Names() const; // every row's name, in row order
    int RowOf(const char *name, CallSite = CallSite()) const; // a failure when the name is not listed
    std::string TextOf(const char *name, CallSite = CallSite()) const { return Text(RowOf(name)); }
    std::string ColumnTitle(int column) const;

    // Sends msg with lParam pointing to data (size bytes), or to a copy of it in another
    // process, copied back; at, when given, is first told where the list will read the data.
    LRESULT Send(UINT msg, WPARAM wParam, void *data, size_t size, const std::function<void(BYTE *)> &at = nullptr) const;

protected:
    HWND list_ = NULL;
    DWORD processId_ = 0;

private:
    std::string ItemText(int row, int column) const;
    SIZE_T Shift(HANDLE process, BYTE *remote) const;

    mutable SIZE_T shift_ = 1; // found at the first request; never 1
};
