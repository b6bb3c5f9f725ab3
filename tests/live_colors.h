// The platform's live system colors as a newly started process sees them.
#pragma once

#include <windows.h>
#include <vector>

std::vector<COLORREF> LiveColors(); // indexed by color index; empty when the helper failed
