// The text form of a color, "R G B" in decimal, as the registry and the list hold it.
#pragma once

#include <windows.h>

// Every name, color text and column title passes through a buffer of this many bytes.
enum { TEXT_BUFFER_SIZE = 32 };

// Writes "R G B" into text, which holds TEXT_BUFFER_SIZE bytes; bits 24-31 are ignored.
void FormatColorText(COLORREF color, char *text);

// Reads "R G B" leniently: any byte but a space is taken as a digit, components wrap at 256,
// and a space moves on to the next component; nothing after the blue component counts.
COLORREF ParseColorText(const char *text);
