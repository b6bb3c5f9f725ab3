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

HWND FindCaptionedWindow(DWORD processId, const char *caption)
{
    return FindVisibleWindow([&](HWND hwnd) {
        DWORD owner;
        GetWindowThreadProcessId(hwnd, &owner);
        char text[64];
        GetWindowTextA(hwnd, text, sizeof text);
        return owner == processId && !lstrcmpA(text, caption);
    });
}

HWND FindPopupMenu(DWORD processId)
{
    return FindVisibleWindow([&](HWND hwnd) {
        DWORD owner;
        GetWindowThreadProcessId(hwnd, &owner);
        char cls[16];
        GetClassNameA(hwnd, cls, sizeof cls);
        return owner == processId && !lstrcmpA(cls, "#32768");
    });
}

std::string BesideThisProgram(const char *file)
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + file;
}
