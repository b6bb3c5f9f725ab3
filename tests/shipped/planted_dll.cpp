// A DLL that does nothing but leave a mark when it is loaded: a file NAME.loaded beside itself.
// Planted under the names of the DLLs Hueset loads, it shows which copy would have run.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE hinst, DWORD reason, LPVOID)
{
    char path[MAX_PATH + sizeof ".loaded"];
    DWORD len = GetModuleFileNameA(hinst, path, MAX_PATH);
    if (reason == DLL_PROCESS_ATTACH && len && len < MAX_PATH) {
        lstrcatA(path, ".loaded");
        CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    return FALSE;
}
