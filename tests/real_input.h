// Real input through the platform's input queue (SendInput), as a person's mouse and keys.
#pragma once

#include <windows.h>
#include <functional>

POINT CenterOf(HWND hwnd);
void Click(POINT screen);
void RightClick(POINT screen);
void DoubleClick(POINT screen);
void ClickWindow(HWND hwnd);
void PressKey(WORD vk);
void PressWithCtrl(WORD vk);
void PressWithShift(WORD vk);

// Polls until done() holds or timeoutMs passes; returns done()'s last answer.
bool WaitUntil(const std::function<bool()> &done, int timeoutMs = 5000);
