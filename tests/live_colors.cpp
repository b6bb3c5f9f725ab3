// Runs print_syscolors.exe, built beside the tests, and reads its output.
#include "live_colors.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>

std::vector<COLORREF> LiveColors()
{
    std::string exe = BesideThisProgram("print_syscolors.exe");

    SECURITY_ATTRIBUTES inherit = { sizeof inherit, NULL, TRUE };
    HANDLE readEnd, writeEnd;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessA(exe.c_str(), NULL, NULL, NULL, TRUE, CREATE_NO_WINDOW, NULL, NULL, &startup, &process);
    CloseHandle(writeEnd);

    std::string output;
    char chunk[512];
    DWORD got;
    while (started && ReadFile(readEnd, chunk, sizeof chunk, &got, NULL) && got)
        output.append(chunk, got);
    CloseHandle(readEnd);
    if (!started) {
        ADD_FAILURE() << "cannot start " << exe;
        return {};
    }
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    std::vector<COLORREF> colors;
    for (const char *p = output.c_str(); *p; ) {
        char *end;
        colors.push_back(strtoul(p, &end, 16));
        p = end + strspn(end, "\r\n");
        if (end == p && !*p)
            break;
    }
    EXPECT_EQ(31u, colors.size());
    return colors;
}
