// Clipboard helpers; opening retries, since another window may hold it for a moment.
#include "test_clipboard.h"
#include "real_input.h"

#include <gtest/gtest.h>
#include <string.h>

static bool OpenWithRetry()
{
    for (int i = 0; i < 100; i++, Sleep(20))
        if (OpenClipboard(NULL))
            return true;
    ADD_FAILURE() << "the clipboard stayed busy";
    return false;
}

void ClearClipboard()
{
    if (!OpenWithRetry())
        return;
    EmptyClipboard();
    CloseClipboard();
}

void PutClipboardBlock(UINT format, const void *data, SIZE_T cb)
{
    HGLOBAL hmem = GlobalAlloc(GMEM_MOVEABLE, cb);
    memcpy(GlobalLock(hmem), data, cb);
    GlobalUnlock(hmem);
    if (!OpenWithRetry())
        return;
    EmptyClipboard();
    EXPECT_TRUE(SetClipboardData(format, hmem) != NULL);
    CloseClipboard();
}

bool ReadClipboardColor(COLORREF *color)
{
    if (!OpenWithRetry())
        return false;
    HANDLE hdata = GetClipboardData(ColorFormat());
    bool found = hdata && GlobalSize(hdata) >= sizeof *color;
    if (found) {
        memcpy(color, GlobalLock(hdata), sizeof *color);
        GlobalUnlock(hdata);
        EXPECT_EQ(sizeof *color, GlobalSize(hdata)) << "the block holds one packed color";
    }
    CloseClipboard();
    return found;
}

bool ReadColorCopiedSince(DWORD since, COLORREF *color, int timeoutMs)
{
    return WaitUntil([&] { return GetClipboardSequenceNumber() != since; }, timeoutMs) && ReadClipboardColor(color);
}
