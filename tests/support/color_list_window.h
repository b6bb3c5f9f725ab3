// A real list control prepared as the dialog prepares its own: report view, sorted,
// single selection, columns for the name and the color text. Hidden; destroyed with the object.
#pragma once

#include "list_reader.h"

class ColorListWindow : public ListReader {
public:
    ColorListWindow();
    ~ColorListWindow();
    ColorListWindow(const ColorListWindow &) = delete;
    ColorListWindow &operator=(const ColorListWindow &) = delete;

    HWND hwnd() const { return list_; }
};
