// Hueset.exe, the program users run, started as its own process for a test; ended by force
// if the test leaves it running.
#pragma once

#include "dialog_window.h"

class HuesetProcess : public DialogWindow {
public:
    // Starts the program (the 64-bit build beside the tests unless path is given; in folder, else
    // in the tests' current folder) and waits for its dialog to list the rows; patience is how
    // long it may take to answer.
    explicit HuesetProcess(const char *path = nullptr, int patience = 5000, const char *folder = nullptr);
    ~HuesetProcess();
    HuesetProcess(const HuesetProcess &) = delete;
    HuesetProcess &operator=(const HuesetProcess &) = delete;

    bool Started() const { return hwnd_ != NULL; }
    DWORD WaitForExit(int timeoutMs = 10000); // the exit code, or STILL_ACTIVE

private:
    PROCESS_INFORMATION process_ = {};
};
