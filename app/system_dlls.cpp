// Loading the system's DLLs so that no DLL of the same name beside the program or in the
// current folder, where a browser may have saved one, is ever loaded in their place.
#include "main_dialog.h"

typedef BOOL(WINAPI *SetDefaultDllDirectoriesProc)(DWORD);
typedef BOOL(WINAPI *SetDllDirectoryProc)(LPCSTR);
typedef void(WINAPI *InitCommonControlsProc)();

// Takes the program's and the current folder out of the search for every DLL loaded later,
// also by the system's own DLLs, where this Windows can: the calls are looked up, since
// Windows 95, 98, NT 4.0 and 2000 (and XP before its first service pack) lack them.
void RestrictDllSearch()
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    SetDefaultDllDirectoriesProc setDefault =
        (SetDefaultDllDirectoriesProc)(void *)GetProcAddress(kernel, "SetDefaultDllDirectories");
    if (setDefault)
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryProc setDirectory = (SetDllDirectoryProc)(void *)GetProcAddress(kernel, "SetDllDirectoryA");
    if (setDirectory)
        setDirectory("");
}

// Finds a function of a system DLL, loading the DLL from the system folder by its full path
// when it is not loaded yet; the DLL stays loaded. Its own imports are searched for in the
// system folder first (the altered search order), not beside the program. Returns NULL when
// the DLL or the function cannot be had.
FARPROC FindSystemFunction(const char *dll, const char *function)
{
    HMODULE hmod = GetModuleHandleA(dll);
    if (!hmod) {
        char path[MAX_PATH];
        UINT len = GetSystemDirectoryA(path, sizeof path);
        if (!len || len + 1 + lstrlenA(dll) >= sizeof path)
            return NULL;
        lstrcatA(path, "\\");
        lstrcatA(path, dll);
        hmod = LoadLibraryExA(path, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (!hmod)
            return NULL;
    }
    return GetProcAddress(hmod, function);
}

// Loads and initialises the common controls from the system folder. Returns FALSE when they
// cannot be had.
BOOL StartCommonControls()
{
    InitCommonControlsProc initCommonControls =
        (InitCommonControlsProc)(void *)FindSystemFunction("comctl32.dll", "InitCommonControls");
    if (!initCommonControls)
        return FALSE;
    initCommonControls();
    return TRUE;
}
