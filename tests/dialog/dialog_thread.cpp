// Running the dialog in-process for the tests.
#include "dialog_thread.h"
#include "main_dialog.h"

#include <gtest/gtest.h>

DWORD WINAPI DialogThread::Run(void *self)
{
    ((DialogThread *)self)->result_ = WinMain(GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOWNORMAL);
    return 0;
}

DialogThread::DialogThread(bool expectDialog)
{
    // The program loads the common controls itself; loaded here first, and the window system
    // started, so that this thread and the dialog's never wait on each other's loads.
    LoadLibraryA("comctl32.dll");
    ReleaseDC(NULL, GetDC(NULL));
    thread_ = CreateThread(NULL, 0, Run, this, 0, NULL);
    if (expectDialog) {
        EXPECT_TRUE(Find(GetCurrentProcessId(), 10000)) << "the dialog did not show its rows";
    }
}

DialogThread::~DialogThread()
{
    if (WaitForSingleObject(thread_, 0) == WAIT_TIMEOUT && IsWindow(hwnd_))
        PostMessageA(hwnd_, WM_COMMAND, IDCANCEL, 0);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
}
