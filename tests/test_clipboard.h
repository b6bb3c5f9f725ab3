// The real clipboard as another program on the desktop uses it.
#pragma once

#include <windows.h>

UINT ColorFormat();                                  // the format registered as "COLORREF"
void ClearClipboard();
void PutClipboardText(const char *text);
void PutClipboardBlock(UINT format, const void *data, SIZE_T cb);
bool ReadClipboardColor(COLORREF *color);            // false when no color block is there
DWORD ClipboardSequence();
