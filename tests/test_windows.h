// Finding other programs' windows and files, for the tests and the bench.
#pragma once

#include <windows.h>
#include <functional>
#include <string>

// The first visible top-level window for which match holds, or NULL.
HWND FindVisibleWindow(const std::function<bool(HWND)> &match);
// The visible top-level window of a process with the given caption, or NULL.
HWND FindCaptionedWindow(DWORD processId, const char *caption);
// The popup menu that a process shows, or NULL.
HWND FindPopupMenu(DWORD processId);
// The path of a file built beside the running program, such as "Hueset.exe".
std::string BesideThisProgram(const char *file);
