// Reading a list control's rows through its process's memory.
#include "list_reader.h"

#include <commctrl.h>
#include <gtest/gtest.h>

// A request followed by the buffer for its text.
template <class Head> struct WithText {
    Head head;
    char text[64];
};

LRESULT ListReader::Send(UINT msg, WPARAM wParam, void *data, size_t size, char **text) const
{
    // A list of this process reads the request where it stands. Going through the process's
    // memory calls would cost a round trip each and, for a 32-bit process that an emulator
    // runs, land a page away from the request.
    if (processId_ == GetCurrentProcessId()) {
        if (text)
            *text = (char *)data + size - 64;
        return SendMessageA(list_, msg, wParam, (LPARAM)data);
    }
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId_);
    BYTE *remote = (BYTE *)VirtualAllocEx(process, NULL, size, MEM_COMMIT, PAGE_READWRITE);
    if (text)
        *text = (char *)remote + size - 64;
    WriteProcessMemory(process, remote, data, size, NULL);
    LRESULT result = SendMessageA(list_, msg, wParam, (LPARAM)remote);
    ReadProcessMemory(process, remote, data, size, NULL);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

int ListReader::Rows() const
{
    return (int)SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0);
}

std::string ListReader::ItemText(int row, int column) const
{
    WithText<LVITEMA> request = {};
    request.head.iSubItem = column;
    request.head.cchTextMax = sizeof request.text;
    Send(LVM_GETITEMTEXTA, row, &request, sizeof request, &request.head.pszText);
    return request.text;
}

std::vector<std::string> ListReader::Names() const
{
    std::vector<std::string> names;
    for (int row = 0; row < Rows(); row++)
        names.push_back(Name(row));
    return names;
}

int ListReader::RowOf(const char *name) const
{
    WithText<LVFINDINFOA> request = {};
    request.head.flags = LVFI_STRING;
    lstrcpynA(request.text, name, sizeof request.text);
    int row = (int)Send(LVM_FINDITEMA, (WPARAM)-1, &request, sizeof request, (char **)&request.head.psz);
    EXPECT_GE(row, 0) << name << " is not listed";
    return row;
}

std::string ListReader::ColumnTitle(int column) const
{
    WithText<LVCOLUMNA> request = {};
    request.head.mask = LVCF_TEXT;
    request.head.cchTextMax = sizeof request.text;
    Send(LVM_GETCOLUMNA, column, &request, sizeof request, &request.head.pszText);
    return request.text;
}
