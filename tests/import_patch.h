// Swaps the address that this test program's import table holds for a system function, so
// that the product code, linked in unchanged, calls a test's stand-in instead.
#pragma once

#include <windows.h>

class ImportPatch {
public:
    // Redirects dll!name to replacement until the object is destroyed.
    ImportPatch(const char *dll, const char *name, const void *replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch &) = delete;
    ImportPatch &operator=(const ImportPatch &) = delete;

    // The function as it was before the patch, for stand-ins that pass calls on.
    template <class F> F Original() const { return (F)original_; }

private:
    static const int MAX_SLOTS = 4;
    void **slots_[MAX_SLOTS] = {};
    int count_ = 0;
    void *original_ = nullptr;
};
