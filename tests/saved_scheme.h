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

    // Stores text under every color's name, each its DistinctColor.
    void SetDistinctTexts(DWORD type = REG_SZ);

private:
    struct Value { std::string name; DWORD type; std::vector<BYTE> data; };
    std::vector<Value> values_;
    COLORREF live_[31];
};
