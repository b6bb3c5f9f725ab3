// Hueset.exe, the program users run, started as its own process for a test; ended by force
// if the test leaves it running.
#pragma once

#include "dialog_window.h"

#include <gtest/gtest.h>

class HuesetProcess : public DialogWindow {
public:
    // Starts the program (the 64-bit build beside the tests unless path is given; in folder, else
    // in the tests' current folder) and waits for its dialog to list the rows; patience is how
    // long it may take to answer.
    explicit HuesetProcess(const char *path = nullptr, int patience = 5000, const char *folder = nullptr,
                           CallSite = CallSite());
    ~HuesetProcess();
    HuesetProcess(const HuesetProcess &) = delete;
    HuesetProcess &operator=(const HuesetProcess &) = delete;

    bool Started() const { return hwnd_ != NULL; }
    DWORD WaitForExit(int timeoutMs = 10000); // the exit code, or STILL_ACTIVE

private:
    PROCESS_INFORMATION process_ = {};
};

// Skips a test of 32-bit code where none can run here, but fails it in CI, where it must run.
void SkipWithout32BitCode();

// A test of the program as a process, run on the 64-bit build beside the tests (a null
// parameter) and on the shipped 32-bit file, which users run.
class ProgramTest : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        if (GetParam()) {
            ASSERT_STRNE("", GetParam()) << "no shipped build was configured";
            SkipWithout32BitCode();
        }
    }
};

inline std::string ProgramName(const ::testing::TestParamInfo<const char *> &) { return "Hueset"; }

#define INSTANTIATE_FOR_BOTH_BUILDS(fixture)                                                              \
    INSTANTIATE_TEST_SUITE_P(TestBuild, fixture, ::testing::Values((const char *)nullptr), ProgramName); \
    INSTANTIATE_TEST_SUITE_P(Shipped, fixture, ::testing::Values(HUESET_SHIPPED_EXE), ProgramName)
