// Driving the platform's color dialog from outside.
#include "picker_window.h"
#include "real_input.h"

#include <gtest/gtest.h>

Picker::Picker(const DialogWindow &owner, CallSite) : patience_(owner.patience())
{
    // A program that dies on the way (a crash) is reported at once, not after all the patience.
    WaitUntil([&] { return (hwnd_ = owner.OwnedDialog()) != NULL || !IsWindow(owner.hwnd()); }, patience_);
    EXPECT_TRUE(hwnd_ != NULL) << (IsWindow(owner.hwnd()) ? "no picker opened" : "the program ended instead of opening the picker");
}

std::string Picker::Field(int id) const
{
    char text[8] = "";
    SendMessageA(GetDlgItem(hwnd_, id), WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

std::string Picker::Rgb() const
{
    return Field(PICKER_RED) + " " + Field(PICKER_GREEN) + " " + Field(PICKER_BLUE);
}

void Picker::Type(const char *red, const char *green, const char *blue, CallSite) const
{
    const struct { int id; const char *digits; } fields[] = {
        { PICKER_RED, red }, { PICKER_GREEN, green }, { PICKER_BLUE, blue } };
    for (const auto &f : fields) {
        ClickWindow(GetDlgItem(hwnd_, f.id));
        PressKey(VK_HOME);
        for (int i = 0; i < 3; i++)
            PressKey(VK_DELETE);
        for (const char *d = f.digits; *d; d++)
            PressKey(*d);
        EXPECT_TRUE(WaitUntil([&] { return Field(f.id) == f.digits; }, patience_));
    }
}

void Picker::ClickCustom(int n) const
{
    RECT area;
    GetWindowRect(GetDlgItem(hwnd_, PICKER_CUSTOM_COLORS), &area);
    int dx = (area.right - area.left) / 8, dy = (area.bottom - area.top) / 2;
    Click({ area.left + (n % 8) * dx + dx / 3, area.top + (n / 8) * dy + dy / 3 });
}

void Picker::Press(int id, CallSite) const
{
    id == PICKER_ESCAPE ? PressKey(VK_ESCAPE) : ClickWindow(GetDlgItem(hwnd_, id));
    bool closes = id == IDOK || id == IDCANCEL || id == PICKER_ESCAPE;
    EXPECT_TRUE(!closes || WaitUntil([&] { return !IsWindow(hwnd_); }, patience_)) << "the picker stayed open";
}
