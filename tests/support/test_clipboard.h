// The real clipboard as another program on the desktop uses it.
#pragma once

#include <windows.h>
#include <string.h>

inline UINT ColorFormat() { return RegisterClipboardFormatA("COLORREF"); } // the program's
void ClearClipboard();
void PutClipboardBlock(UINT format, const void *data, SIZE_T cb);
inline void PutClipboardText(const char *text) { PutClipboardBlock(CF_TEXT, text, strlen(text) + 1); }
bool ReadClipboardColor(COLORREF *color);            // false when no color block is there
// Waits until something is put on the clipboard after sequence number since, then reads the
// color there. Waiting never opens the clipboard, so the program's own OpenClipboard cannot
// find it busy meanwhile.
bool ReadColorCopiedSince(DWORD since, COLORREF *color, int timeoutMs = 5000);
