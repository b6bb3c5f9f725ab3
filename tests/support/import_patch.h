// Swaps the address that this test program's import table holds for a system function, so
// that the product code, linked in unchanged, calls a test's stand-in instead.
#pragma once

#include <windows.h>

// Reports that the program does not import dll!name, so that nothing was patched: a test fails.
void MissingImport(const char *dll, const char *name);

class ImportPatch {
public:
    // Redirects dll!name to replacement until the object is destroyed; original, the address of
    // a function pointer, if given, receives the function as it was, for stand-ins that pass
    // calls on.
    ImportPatch(const char *dll, const char *name, const void *replacement, void *original = nullptr);
    ~ImportPatch();
    ImportPatch(const ImportPatch &) = delete;
    ImportPatch &operator=(const ImportPatch &) = delete;

private:
    static const int MAX_SLOTS = 4;
    void **slots_[MAX_SLOTS] = {};
    int count_ = 0;
    void *original_ = nullptr;
};
