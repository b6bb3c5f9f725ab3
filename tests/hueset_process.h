// Hueset.exe, the program users run, started as its own process for a test; ended by force
// if the test leaves it running.
#pragma once

#include "dialog_window.h"

class HuesetProcess : public DialogWindow {
public:
    HuesetProcess(); // starts the program and waits for its dialog to list the rows
    ~HuesetProcess();
    HuesetProcess(const HuesetProcess &) = delete;
    HuesetProcess &operator=(const HuesetProcess &) = delete;

    bool Started() const { return hwnd_ != NULL; }
    DWORD WaitForExit(int timeoutMs = 10000); // the exit code, or STILL_ACTIVE

private:
    PROCESS_INFORMATION process_ = {};
};
