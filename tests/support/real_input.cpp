// SendInput wrappers for the dialog tests.
#include "real_input.h"

static void SendMouse(POINT screen, DWORD buttonFlags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttonFlags;
    SendInput(1, &input, sizeof input);
}

static void SendKey(WORD vk, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = (WORD)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

POINT CenterOf(HWND hwnd)
{
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
}

static void SendClick(POINT screen)
{
    SendMouse(screen, 0);
    SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
    SendMouse(screen, MOUSEEVENTF_LEFTUP);
}

// Two single clicks on one spot (a list scrolled between them puts another row there) must not
// make a double click: wait out the double-click time since the last click.
static DWORD g_lastClick;

void Click(POINT screen)
{
    DWORD quiet = GetDoubleClickTime() + 50;
    DWORD since = GetTickCount() - g_lastClick;
    if (since < quiet)
        Sleep(quiet - since);
    SendClick(screen);
    g_lastClick = GetTickCount();
}

void RightClick(POINT screen)
{
    SendMouse(screen, 0);
    SendMouse(screen, MOUSEEVENTF_RIGHTDOWN);
    SendMouse(screen, MOUSEEVENTF_RIGHTUP);
}

void DoubleClick(POINT screen)
{
    Click(screen);
    SendClick(screen);
    g_lastClick = GetTickCount();
}

void PressKey(WORD vk)
{
    SendKey(vk, 0);
    SendKey(vk, KEYEVENTF_KEYUP);
}

void PressWith(WORD modifier, WORD vk)
{
    SendKey(modifier, 0);
    PressKey(vk);
    SendKey(modifier, KEYEVENTF_KEYUP);
}

bool WaitUntil(const std::function<bool()> &done, int timeoutMs)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < (DWORD)timeoutMs; Sleep(20))
        if (done())
            return true;
    return done();
}
