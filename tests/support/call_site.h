// Where a checking helper was called from, named in its failures as SCOPED_TRACE names a line:
// a helper takes `CallSite = CallSite()` last, and the compiler fills in the caller's file and
// line at every call.
#pragma once

#include <gtest/gtest.h>

class CallSite {
public:
    explicit CallSite(const char *file = __builtin_FILE(), int line = __builtin_LINE())
        : trace_(file, line, "called from here")
    {
    }

private:
    ::testing::ScopedTrace trace_;
};
