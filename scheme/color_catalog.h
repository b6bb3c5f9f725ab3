// The system colors that a scheme holds: registry value name, color index, and the oldest
// platform version that has the color.
#pragma once

#include <windows.h>

// Major version * 10000 + minor version of the running platform: 40010 is 4.10, 50001 is 5.1.
typedef int VersionCode;

struct ColorEntry {
    const char *name;      // value name under "Control Panel\Colors", also the row's name
    int index;             // system color index as SetSysColors takes it
    VersionCode minVersion;
};

// Walked in order until the entry whose name is empty; the order is the order of insertion.
extern const ColorEntry ColorCatalog[];
