// A scratch key that stands in for the current user's hive while it lives, so that the
// product's reads and writes of "Control Panel\Colors" never touch the real scheme.
#pragma once

#include <windows.h>
#include <string>

class ScratchRegistry {
public:
    ScratchRegistry();  // creates the scratch hive with an empty colors key
    ~ScratchRegistry(); // restores the real hive and deletes the scratch one
    ScratchRegistry(const ScratchRegistry &) = delete;
    ScratchRegistry &operator=(const ScratchRegistry &) = delete;

    void DeleteColorsKey();
    void Set(const char *name, DWORD type, const void *data, DWORD cb);
    void SetText(const char *name, const char *text); // REG_SZ with its terminating zero
    void Delete(const char *name);
    bool Exists(const char *name);
    std::string Text(const char *name); // the stored bytes up to the first zero

private:
    HKEY Colors(REGSAM access);
    std::string path_;
    HKEY root_ = NULL;
};
