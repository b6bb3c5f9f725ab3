// The real clipboard as another program on the desktop uses it.
#pragma once

#include <windows.h>

UINT ColorFormat();                                  // the format registered as "COLORREF"
void ClearClipboard();
void PutClipboardText(const char *text);
void PutClipboardBlock(UINT format, const void *data, SIZE_T cb);
bool ReadClipboardColor(COLORREF *color);            // false when no color block is there
// Waits until something is put on the clipboard after sequence number since, then reads the
// color there. Waiting never opens the clipboard, so the program's own OpenClipboard cannot
// find it busy meanwhile.
bool ReadColorCopiedSince(DWORD since, COLORREF *color, int timeoutMs = 5000);
