// The platform's live system colors as a newly started process sees them.
#pragma once

#include "call_site.h"

#include <windows.h>
#include <vector>

// Indexed by color index; after a failure (reported), 31 times CLR_INVALID.
std::vector<COLORREF> LiveColors(CallSite = CallSite());
