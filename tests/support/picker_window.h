// The platform's color dialog that Hueset opens, seen and driven from outside its process: its
// fields are read with WM_GETTEXT, which the platform carries between processes.
#pragma once

#include "dialog_window.h"

#include <string>

// The color dialog's controls, and Escape, which Press takes as if it were one.
enum { PICKER_ESCAPE = 0, PICKER_RED = 706, PICKER_GREEN = 707, PICKER_BLUE = 708, PICKER_GRAPH = 710,
       PICKER_ADD_CUSTOM = 712, PICKER_DEFINE_CUSTOM = 719, PICKER_CUSTOM_COLORS = 721 };

class Picker {
public:
    // Waits, with the owner's patience, for the color dialog that owner opens.
    explicit Picker(const DialogWindow &owner, CallSite = CallSite());
    HWND hwnd() const { return hwnd_; }

    std::string Rgb() const; // "R G B" as the three fields show it
    // Types the three components into their fields.
    void Type(const char *red, const char *green, const char *blue, CallSite = CallSite()) const;
    // Clicks custom color n of 16: two rows of eight, filled column by column.
    void ClickCustom(int n) const;
    // Clicks a button or presses Escape; for OK, Cancel and Escape, waits for the dialog to close.
    void Press(int id, CallSite = CallSite()) const;

private:
    std::string Field(int id) const;
    HWND hwnd_ = NULL;
    int patience_;
};
