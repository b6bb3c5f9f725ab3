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
// The texts of a dialog box's static controls, such as a message box's message, joined.
std::wstring StaticTexts(HWND dialog);
// Runs a program to its end (at most a given time), collecting what it writes to its standard
// output; returns its exit code, or -1 when it could not be started or did not end.
DWORD RunProgram(const std::string &commandLine, std::string *output, DWORD timeoutMs = 10000);
// The path of a file built beside the running program, such as "Hueset.exe".
std::string BesideThisProgram(const char *file);
