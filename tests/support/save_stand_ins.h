// Stand-ins for the calls a save makes, through this test program's import table: the registry,
// the heap and SetSysColors, which record every call and fail on request while armed.
#pragma once

#include "import_patch.h"

#include <set>
#include <string>
#include <vector>

// What the stand-ins saw, and how they are told to fail.
struct SaveCalls {
    bool armed;               // record and fail only while set
    bool denyWriteAccess;     // RegOpenKeyExA refuses KEY_SET_VALUE
    std::string refuseValue;  // RegSetValueExA refuses this name
    int failAllocation;       // HeapAlloc's call number (1-based) since arming that yields no memory
    bool realSetSysColors;    // pass SetSysColors on to the platform

    int opens, closes, allocations, refusals;
    std::set<void *> liveBlocks;
    std::vector<std::string> written;
    std::vector<std::vector<INT>> appliedElements;
    std::vector<std::vector<COLORREF>> appliedValues;
};
extern SaveCalls g_seen;

// In place while it lives, from a clean record and no failure asked for.
class SaveStandIns {
public:
    SaveStandIns();
    void Arm(); // clears what was seen and starts recording and failing

private:
    ImportPatch openKey_, setValue_, closeKey_, heapAlloc_, heapFree_, setSysColors_;
};
