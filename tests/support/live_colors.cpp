// Runs print_syscolors.exe, built beside the tests, and reads its output.
#include "live_colors.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <sstream>
#include <stdlib.h>
#include <string>

std::vector<COLORREF> LiveColors(CallSite)
{
    std::string output;
    if (RunProgram("\"" + BesideThisProgram("print_syscolors.exe") + "\"", &output) != 0) {
        ADD_FAILURE() << "print_syscolors.exe failed";
        return std::vector<COLORREF>(31, CLR_INVALID);
    }
    // Only lines of six hexadecimal digits: Wine may write its own messages to the same pipe.
    std::vector<COLORREF> colors;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        line.erase(line.find_last_not_of('\r') + 1);
        if (line.size() == 6 && line.find_first_not_of("0123456789abcdef") == std::string::npos)
            colors.push_back(strtoul(line.c_str(), NULL, 16));
    }
    EXPECT_EQ(31u, colors.size()) << output;
    colors.resize(31, CLR_INVALID);
    return colors;
}
