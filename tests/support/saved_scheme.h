// Keeps the test prefix's own scheme, stored and live, and puts it back when destroyed, so that
// tests that run the real program against the current user's key leave nothing behind.
#pragma once

#include "colors_key.h"

#include <vector>

class SavedScheme : public ColorsKey {
public:
    SavedScheme();
    ~SavedScheme();
    SavedScheme(const SavedScheme &) = delete;
    SavedScheme &operator=(const SavedScheme &) = delete;

    // Stores the tests' scheme: under every color's name the text of its DistinctColor, but for
    // "Window", missing, and "Hilight", "300 0 0" (out of range: red 44).
    void StoreTestScheme(DWORD type = REG_SZ);

private:
    struct Value { std::string name; DWORD type; std::vector<BYTE> data; };
    std::vector<Value> values_;
    KeptLiveColors live_;
};
