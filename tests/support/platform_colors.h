// The platform's 31 system colors as its documentation publishes them, kept apart from the
// program's catalog: the registry value name, the integer color index that GetSysColor and
// SetSysColors take, and the first version (major * 10000 + minor) that has the color.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

struct PlatformColor {
    const char *name;
    int index;
    int minVersion;
};
// In the order in which the catalog inserts them.
extern const PlatformColor PlatformColors[31];

// The color index of a value name, or -1 for a name that the platform does not have.
int IndexOfColor(const char *name);
// The names of the colors that a version has, in the order the list shows them.
std::vector<std::string> ListedNames(int version = 50001);
// The color that the tests' schemes store for each index: never grey, no two alike.
inline COLORREF DistinctColor(int index) { return RGB(10 + index, 100 + index, 200 + index); }
