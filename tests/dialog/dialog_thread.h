// The program run inside the test process, on a thread of its own, so that a test can patch
// the calls it makes and read state that only its own process can see (menu item states).
#pragma once

#include "dialog_window.h"

class DialogThread : public DialogWindow {
public:
    // Runs WinMain; waits for the dialog unless expectDialog is false.
    explicit DialogThread(bool expectDialog = true);
    ~DialogThread(); // cancels the dialog if it is still open, and joins the thread
    DialogThread(const DialogThread &) = delete;
    DialogThread &operator=(const DialogThread &) = delete;

    // Waits for WinMain to return; its result, or -1 if it has not returned.
    int WaitForExit(int timeoutMs = 10000) { return WaitForSingleObject(thread_, timeoutMs) ? -1 : result_; }

private:
    static DWORD WINAPI Run(void *self);
    HANDLE thread_ = NULL;
    int result_ = -1;
};
