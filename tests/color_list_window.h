// A real list control prepared as the dialog prepares its own: report view, sorted,
// single selection, columns for the name and the color text. Hidden; destroyed with the object.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

class ColorListWindow {
public:
    ColorListWindow();
    ~ColorListWindow();
    ColorListWindow(const ColorListWindow &) = delete;
    ColorListWindow &operator=(const ColorListWindow &) = delete;

    HWND hwnd() const { return hwnd_; }
    std::vector<std::string> Names() const; // every row's name, in row order
    std::string TextOf(const char *name) const; // the named row's color text
    int RowOf(const char *name) const;          // the named row's position, or -1

private:
    HWND hwnd_;
};
