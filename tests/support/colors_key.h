// "Control Panel\Colors" under a given hive root, read and written the way a test needs.
#pragma once

#include <windows.h>
#include <string>

class ColorsKey {
public:
    explicit ColorsKey(HKEY root = HKEY_CURRENT_USER) : root_(root) {}

    void Set(const char *name, DWORD type, const void *data, DWORD cb);
    // REG_SZ with its terminating zero.
    void SetText(const char *name, const char *text) { Set(name, REG_SZ, text, lstrlenA(text) + 1); }
    void Delete(const char *name);
    bool Exists(const char *name) { return Type(name) != REG_NONE; }
    DWORD Type(const char *name);        // REG_NONE when missing
    std::string Text(const char *name);  // the stored bytes up to the first zero

protected:
    HKEY Open(REGSAM access);
    HKEY root_;
};

// The 31 live colors as they were when made, put back when destroyed.
class KeptLiveColors {
public:
    KeptLiveColors();
    ~KeptLiveColors();

private:
    COLORREF colors_[31];
};
