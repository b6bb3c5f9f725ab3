// The program's start-up, in place of a C runtime's, so that the shipped program needs no DLL
// but Windows' own: Windows calls WinMainCRTStartup, which runs the static constructors and
// WinMain and ends the process.
#include <windows.h>

// The linker's table of static constructors: -1, the constructors, then a null.
typedef void (*Constructor)();
extern "C" Constructor __CTOR_LIST__[];

// Runs the static constructors, last to first as GCC's own start-up does. Among them are the
// one that hands the unwinder the program's frame tables, without which no exception is
// caught, and the one that puts aside the memory for an exception thrown when the heap is full.
static void RunConstructors()
{
    int last = 0;
    while (__CTOR_LIST__[last + 1])
        last++;
    for (int i = last; i >= 1; i--)
        __CTOR_LIST__[i]();
}

// The entry point. 32-bit Windows keeps the stack aligned to 4 bytes only; the compiler's
// code expects 16.
extern "C" __attribute__((force_align_arg_pointer)) void WinMainCRTStartup()
{
    RunConstructors();
    STARTUPINFOA startup;
    GetStartupInfoA(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    // The program takes no arguments: its command line is not handed on.
    char noArguments[] = "";
    WinMain(GetModuleHandleA(NULL), NULL, noArguments, show);
    ExitProcess(0);
}
