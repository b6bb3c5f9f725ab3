// Starting and ending Hueset.exe for the tests.
#include "hueset_process.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <stdlib.h>
#include <string>

HuesetProcess::HuesetProcess(const char *exe, int patience, const char *folder, CallSite)
{
    patience_ = patience;
    std::string path = exe ? exe : BesideThisProgram("Hueset.exe");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), NULL, NULL, NULL, FALSE, 0, NULL, folder, &startup, &process_)) {
        ADD_FAILURE() << "cannot start " << path << ": error " << GetLastError();
        return;
    }
    // The first window of a new prefix can take Wine more than 10 s (seen on a fresh machine).
    const int start = std::max(patience, 60000);
    WaitForInputIdle(process_.hProcess, start);
    EXPECT_TRUE(Find(process_.dwProcessId, start))
        << "the dialog did not show its rows; its window " << (hwnd_ ? "showed" : "did not show")
        << ", and the program's exit code is " << WaitForExit(0) << " (" << STILL_ACTIVE << ": still running)";
}

HuesetProcess::~HuesetProcess()
{
    if (!process_.hProcess)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

DWORD HuesetProcess::WaitForExit(int timeoutMs)
{
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void SkipWithout32BitCode()
{
    if (const char *why = getenv("HUESET_NO_32BIT")) {
        const char *ci = getenv("CI");
        if (ci && !strcmp(ci, "true"))
            FAIL() << "the 32-bit programs must run in CI, but " << why;
        GTEST_SKIP() << why;
    }
}
