// A list control's rows read as any program reads them, for a list of this process and for
// another process's: the requests of another process's list go through a block of its memory.
// Wine's calls for that memory land a page off in a 32-bit process that an emulator runs, so a
// reader of such a process uses only what needs no memory there (Rows, and the windows).
#pragma once

#include <windows.h>
#include <string>
#include <vector>

class ListReader {
public:
    HWND list() const { return list_; }
    int Rows() const;
    std::string Name(int row) const { return ItemText(row, 0); }
    std::string Text(int row) const { return ItemText(row, 1); }
    std::vector<std::string> Names() const; // every row's name, in row order
    int RowOf(const char *name) const;      // a failure when the name is not listed
    std::string TextOf(const char *name) const { return Text(RowOf(name)); }
    std::string ColumnTitle(int column) const;

protected:
    // Sends msg with lParam pointing to data (size bytes), or to a copy of it in another
    // process, copied back. With text, a pointer field of data, that field points to the copy's last
    // 64 bytes, the buffer for a text.
    LRESULT Send(UINT msg, WPARAM wParam, void *data, size_t size, char **text = nullptr) const;

    HWND list_ = NULL;
    DWORD processId_ = 0;

private:
    std::string ItemText(int row, int column) const;
};
