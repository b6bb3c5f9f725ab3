// Reading a list control's rows through its process's memory.
#include "list_reader.h"

#include <commctrl.h>
#include <gtest/gtest.h>

static const SIZE_T PAGE = 4096;

// The requests as a process whose pointers are Ptr lays them out (the platform's LVITEMA,
// LVFINDINFOA and LVCOLUMNA, up to the fields read here): a 32-bit list reads 32-bit ones.
template <class Ptr> struct ItemRequest {
    UINT mask;
    int item, subItem;
    UINT state, stateMask;
    Ptr text;
    int textMax;
};
template <class Ptr> struct FindRequest {
    UINT flags;
    Ptr text;
};
template <class Ptr> struct ColumnRequest {
    UINT mask;
    int fmt, width;
    Ptr text;
    int textMax;
};

// A request followed by the buffer for its text.
template <class Head> struct WithText {
    Head head;
    char text[64];
};

// Calls ask with a null pointer of the list's process's width.
template <class Ask> static auto ForWidthOf(DWORD processId, Ask ask)
{
    BOOL wow64 = FALSE;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    IsWow64Process(process, &wow64);
    CloseHandle(process);
    return wow64 ? ask((UINT32)0) : ask((UINT64)0);
}

// Sends msg with lParam pointing to the request, or to a copy of it in another process, copied
// back; the request's text field points to its buffer, as that process sees it.
template <class Head>
static LRESULT SendWithText(const ListReader &reader, UINT msg, WPARAM wParam, WithText<Head> &request)
{
    return reader.Send(msg, wParam, &request, sizeof request, [&](BYTE *where) {
        request.head.text = (decltype(request.head.text))(UINT_PTR)(where + offsetof(WithText<Head>, text));
    });
}

LRESULT ListReader::Send(UINT msg, WPARAM wParam, void *data, size_t size, const std::function<void(BYTE *)> &at) const
{
    // A list of this process reads the request where it stands. Going through the process's
    // memory calls would cost a round trip each.
    if (processId_ == GetCurrentProcessId()) {
        if (at)
            at((BYTE *)data);
        return SendMessageA(list_, msg, wParam, (LPARAM)data);
    }
    // A page to spare on either side of the request, for wherever the memory calls land.
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId_);
    BYTE *block = (BYTE *)VirtualAllocEx(process, NULL, size + 2 * PAGE, MEM_COMMIT, PAGE_READWRITE);
    BYTE *remote = block + PAGE;
    if (shift_ == 1)
        shift_ = Shift(process, remote);
    if (at)
        at(remote);
    WriteProcessMemory(process, remote + shift_, data, size, NULL);
    LRESULT result = SendMessageA(list_, msg, wParam, (LPARAM)remote);
    ReadProcessMemory(process, remote + shift_, data, size, NULL);
    VirtualFreeEx(process, block, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

// Where this process's memory calls must name the request that the list reads at remote: there,
// natively; under an emulator that keeps a 32-bit process's memory a page above the addresses
// that Wine names to the kernel (qemu 7.2), a page up. Proven with the first column's width,
// which the list also gives by value.
SIZE_T ListReader::Shift(HANDLE process, BYTE *remote) const
{
    const int width = (int)SendMessageA(list_, LVM_GETCOLUMNWIDTH, 0, 0);
    for (SIZE_T shift : { (SIZE_T)0, PAGE }) {
        ColumnRequest<UINT32> column = {}; // the width lies alike in both layouts
        column.mask = LVCF_WIDTH;
        column.width = -1;
        WriteProcessMemory(process, remote + shift, &column, sizeof column, NULL);
        SendMessageA(list_, LVM_GETCOLUMNA, 0, (LPARAM)remote);
        ReadProcessMemory(process, remote + shift, &column, sizeof column, NULL);
        if (column.width == width)
            return shift;
    }
    ADD_FAILURE() << "the list's process holds no request where this process's memory calls reach";
    return 0;
}

int ListReader::Rows() const
{
    return (int)SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0);
}

std::string ListReader::ItemText(int row, int column) const
{
    return ForWidthOf(processId_, [&](auto ptr) {
        WithText<ItemRequest<decltype(ptr)>> request = {};
        request.head.subItem = column;
        request.head.textMax = sizeof request.text;
        SendWithText(*this, LVM_GETITEMTEXTA, row, request);
        return std::string(request.text);
    });
}

std::vector<std::string> ListReader::Names() const
{
    std::vector<std::string> names;
    for (int row = 0; row < Rows(); row++)
        names.push_back(Name(row));
    return names;
}

int ListReader::RowOf(const char *name, CallSite) const
{
    int row = ForWidthOf(processId_, [&](auto ptr) {
        WithText<FindRequest<decltype(ptr)>> request = {};
        request.head.flags = LVFI_STRING;
        lstrcpynA(request.text, name, sizeof request.text);
        return (int)SendWithText(*this, LVM_FINDITEMA, (WPARAM)-1, request);
    });
    EXPECT_GE(row, 0) << name << " is not listed";
    return row;
}

std::string ListReader::ColumnTitle(int column) const
{
    return ForWidthOf(processId_, [&](auto ptr) {
        WithText<ColumnRequest<decltype(ptr)>> request = {};
        request.head.mask = LVCF_TEXT;
        request.head.textMax = sizeof request.text;
        SendWithText(*this, LVM_GETCOLUMNA, column, request);
        return std::string(request.text);
    });
}
