// Window and file look-ups shared by the tests and the bench.
#include "test_windows.h"

static BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
{
    auto *search = (std::pair<const std::function<bool(HWND)> *, HWND> *)lParam;
    if (IsWindowVisible(hwnd) && (*search->first)(hwnd)) {
        search->second = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindVisibleWindow(const std::function<bool(HWND)> &match)
{
    std::pair<const std::function<bool(HWND)> *, HWND> search(&match, NULL);
    EnumWindows(MatchWindow, (LPARAM)&search);
    return search.second;
}

// The visible window of a process whose caption or class (as read gets it) is wanted.
static HWND FindProcessWindow(DWORD processId, int(WINAPI *read)(HWND, LPSTR, int), const char *wanted)
{
    return FindVisibleWindow([&](HWND hwnd) {
        DWORD owner;
        GetWindowThreadProcessId(hwnd, &owner);
        char text[64];
        read(hwnd, text, sizeof text);
        return owner == processId && !lstrcmpA(text, wanted);
    });
}

HWND FindCaptionedWindow(DWORD processId, const char *caption)
{
    return FindProcessWindow(processId, GetWindowTextA, caption);
}

HWND FindPopupMenu(DWORD processId)
{
    return FindProcessWindow(processId, GetClassNameA, "#32768");
}

static BOOL CALLBACK AppendStaticText(HWND hwnd, LPARAM lParam)
{
    wchar_t cls[16], text[256];
    GetClassNameW(hwnd, cls, 16);
    if (!_wcsicmp(cls, L"Static") && SendMessageW(hwnd, WM_GETTEXT, 256, (LPARAM)text) > 0)
        *(std::wstring *)lParam += text;
    return TRUE;
}

std::wstring StaticTexts(HWND dialog)
{
    std::wstring texts;
    EnumChildWindows(dialog, AppendStaticText, (LPARAM)&texts);
    return texts;
}

DWORD RunProgram(const std::string &commandLine, std::string *output, DWORD timeoutMs)
{
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, NULL, TRUE };
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return (DWORD)-1;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    // Minimised and inactive: out of the way of the windows under test.
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::string line = commandLine;
    BOOL started = CreateProcessA(NULL, &line[0], NULL, NULL, TRUE, CREATE_NO_WINDOW, NULL, NULL, &startup, &process);
    CloseHandle(writeEnd);
    // Reads only what is there, so that a program that never ends, or a process of Wine's that
    // keeps the pipe open, cannot hold the reading past the time limit.
    char chunk[512];
    DWORD got, start = GetTickCount(), avail;
    bool exited = false;
    while (started && GetTickCount() - start < timeoutMs && PeekNamedPipe(readEnd, NULL, 0, NULL, &avail, NULL)) {
        if (avail && ReadFile(readEnd, chunk, sizeof chunk, &got, NULL))
            output->append(chunk, got);
        else if (exited)
            break;
        else
            exited = WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0;
    }
    CloseHandle(readEnd);
    if (!started)
        return (DWORD)-1;
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

std::string BesideThisProgram(const char *file)
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + file;
}
