// Runs print_syscolors.exe, built beside the tests, and reads its output.
#include "live_colors.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>

std::vector<COLORREF> LiveColors()
{
    std::string output;
    if (RunProgram("\"" + BesideThisProgram("print_syscolors.exe") + "\"", &output) != 0) {
        ADD_FAILURE() << "print_syscolors.exe failed";
        return {};
    }
    std::vector<COLORREF> colors;
    for (const char *p = output.c_str(); *p; ) {
        char *end;
        colors.push_back(strtoul(p, &end, 16));
        p = end + strspn(end, "\r\n");
        if (end == p && !*p)
            break;
    }
    EXPECT_EQ(31u, colors.size());
    return colors;
}
