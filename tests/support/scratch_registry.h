// A scratch key that stands in for the current user's hive while it lives, so that the
// product's reads and writes of "Control Panel\Colors" never touch the real scheme; the live
// colors, which a save in the test's own process applies, are put back as they were.
#pragma once

#include "colors_key.h"

class ScratchRegistry : public ColorsKey {
public:
    ScratchRegistry();  // creates the scratch hive with an empty colors key
    ~ScratchRegistry(); // restores the real hive and live colors, and deletes the scratch hive
    ScratchRegistry(const ScratchRegistry &) = delete;
    ScratchRegistry &operator=(const ScratchRegistry &) = delete;

    void DeleteColorsKey();

private:
    std::string path_;
    KeptLiveColors live_;
};
