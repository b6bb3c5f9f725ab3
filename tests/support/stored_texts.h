// Stored color values at the edges of what loading the scheme shows, each with the text its row
// must show: for the scheme tests, and for the runtime check, which loads them through the
// shipped program's own C functions.
#pragma once

#include <windows.h>

struct StoredText {
    const char *name;
    DWORD type;
    const void *data;
    DWORD cb;
    const char *shown;
};

// Rows are read in catalog order into one buffer: a short value with no zero follows a long one.
extern const StoredText StoredTexts[];
extern const int STORED_TEXTS;
