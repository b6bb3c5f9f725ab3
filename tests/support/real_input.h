// Real input through the platform's input queue (SendInput), as a person's mouse and keys.
#pragma once

#include <windows.h>
#include <functional>

POINT CenterOf(HWND hwnd);
void Click(POINT screen);
void RightClick(POINT screen);
void DoubleClick(POINT screen);
inline void ClickWindow(HWND hwnd) { Click(CenterOf(hwnd)); }
void PressKey(WORD vk);
void PressWith(WORD modifier, WORD vk); // the key pressed while the modifier is held
inline void PressWithCtrl(WORD vk) { PressWith(VK_CONTROL, vk); }
inline void PressWithShift(WORD vk) { PressWith(VK_SHIFT, vk); }

// Polls until done() holds or timeoutMs passes; returns done()'s last answer.
bool WaitUntil(const std::function<bool()> &done, int timeoutMs = 5000);
