// Import table patching for the test program's own module.
#include "import_patch.h"

#include <string.h>

static void WriteSlot(void **slot, void *value)
{
    DWORD old;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, old, &old);
}

ImportPatch::ImportPatch(const char *dll, const char *name, const void *replacement, void *original)
{
    BYTE *base = (BYTE *)GetModuleHandleA(NULL);
    IMAGE_NT_HEADERS *nt = (IMAGE_NT_HEADERS *)(base + ((IMAGE_DOS_HEADER *)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];

    // The linker may give one DLL several descriptors; every slot for the name is patched.
    for (IMAGE_IMPORT_DESCRIPTOR *d = (IMAGE_IMPORT_DESCRIPTOR *)(base + dir.VirtualAddress); d->Name; d++) {
        if (lstrcmpiA((const char *)(base + d->Name), dll) != 0)
            continue;
        IMAGE_THUNK_DATA *names = (IMAGE_THUNK_DATA *)(base + d->OriginalFirstThunk);
        IMAGE_THUNK_DATA *addrs = (IMAGE_THUNK_DATA *)(base + d->FirstThunk);
        for (; names->u1.AddressOfData; names++, addrs++) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            IMAGE_IMPORT_BY_NAME *byName = (IMAGE_IMPORT_BY_NAME *)(base + names->u1.AddressOfData);
            if (strcmp((const char *)byName->Name, name) != 0 || count_ == MAX_SLOTS)
                continue;
            void **slot = (void **)&addrs->u1.Function;
            original_ = *slot;
            slots_[count_++] = slot;
            WriteSlot(slot, (void *)replacement);
        }
    }
    if (!count_)
        MissingImport(dll, name);
    if (original)
        *(void **)original = original_;
}

ImportPatch::~ImportPatch()
{
    for (int i = 0; i < count_; i++)
        WriteSlot(slots_[i], original_);
}
