// The shipped 32-bit Hueset.exe as the platform's loader reads it: where it is based, what every
// import slot holds before the loader fills it in, and that no DLL is delay-loaded.
#include <windows.h>
#include <delayimp.h>

#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class PeFile {
public:
    explicit PeFile(const char *path)
    {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes_.size() < sizeof(IMAGE_DOS_HEADER))
            return;
        LONG ntAt = ((const IMAGE_DOS_HEADER *)bytes_.data())->e_lfanew;
        if (ntAt <= 0 || bytes_.size() < ntAt + sizeof(IMAGE_NT_HEADERS32))
            return;
        nt_ = (const IMAGE_NT_HEADERS32 *)(bytes_.data() + ntAt);
        if (nt_->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC)
            nt_ = nullptr;
    }

    const IMAGE_NT_HEADERS32 *nt() const { return nt_; }
    DWORD Base() const { return nt_->OptionalHeader.ImageBase; }

    // The file's bytes at rva, with at least size of them there; nullptr when the file has none.
    const BYTE *At(DWORD rva, size_t size = 1) const
    {
        const IMAGE_SECTION_HEADER *s = IMAGE_FIRST_SECTION(nt_);
        for (int i = 0; i < nt_->FileHeader.NumberOfSections; i++, s++) {
            if (rva < s->VirtualAddress || rva - s->VirtualAddress + size > s->SizeOfRawData)
                continue;
            size_t offset = s->PointerToRawData + (rva - s->VirtualAddress);
            return offset + size <= bytes_.size() ? bytes_.data() + offset : nullptr;
        }
        return nullptr;
    }
    DWORD Dword(DWORD rva) const
    {
        const BYTE *p = At(rva, 4);
        return p ? *(const DWORD *)p : 0;
    }
    std::string Text(DWORD rva) const
    {
        const BYTE *p = At(rva);
        return p ? std::string((const char *)p, strnlen((const char *)p, bytes_.data() + bytes_.size() - p)) : "";
    }

    // Every delay-load descriptor: the data directory's, and any that GNU ld left out of it
    // (it fills in no delay-import entry), found by their shape in the sections' raw data.
    std::vector<ImgDelayDescr> DelayDescriptors() const
    {
        std::vector<ImgDelayDescr> found;
        const IMAGE_SECTION_HEADER *s = IMAGE_FIRST_SECTION(nt_);
        for (int i = 0; i < nt_->FileHeader.NumberOfSections; i++, s++) {
            for (DWORD rva = s->VirtualAddress; rva + sizeof(ImgDelayDescr) <= s->VirtualAddress + s->SizeOfRawData; rva += 4) {
                const ImgDelayDescr *d = (const ImgDelayDescr *)At(rva, sizeof(ImgDelayDescr));
                if (d && d->grAttrs == dlattrRva && At(d->rvaIAT) && At(d->rvaINT) && At(d->rvaHmod) && EndsInDll(Text(d->rvaDLLName)))
                    found.push_back(*d);
            }
        }
        return found;
    }

private:
    static bool EndsInDll(const std::string &name)
    {
        return name.size() > 4 && !lstrcmpiA(name.c_str() + name.size() - 4, ".dll");
    }
    std::vector<BYTE> bytes_;
    const IMAGE_NT_HEADERS32 *nt_ = nullptr;
};

TEST(ShippedFile, IsBasedAt400000ImportsByNameAndDelayLoadsNothing)
{
    ASSERT_STRNE("", HUESET_SHIPPED_EXE) << "no shipped build was configured";
    PeFile exe(HUESET_SHIPPED_EXE);
    ASSERT_TRUE(exe.nt()) << "not a 32-bit PE file: " << HUESET_SHIPPED_EXE;
    EXPECT_EQ(0x400000u, exe.Base());

    // The loader fills a slot by name when the slot and its lookup entry both name the function.
    DWORD importsAt = exe.nt()->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    int slots = 0;
    for (DWORD d = importsAt; exe.At(d, sizeof(IMAGE_IMPORT_DESCRIPTOR)); d += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        IMAGE_IMPORT_DESCRIPTOR descriptor = *(const IMAGE_IMPORT_DESCRIPTOR *)exe.At(d);
        if (!descriptor.Name)
            break;
        std::string dll = exe.Text(descriptor.Name);
        for (DWORD i = 0;; i++) {
            DWORD lookup = exe.Dword(descriptor.OriginalFirstThunk + 4 * i);
            DWORD slot = exe.Dword(descriptor.FirstThunk + 4 * i);
            if (!lookup && !slot)
                break;
            slots++;
            EXPECT_FALSE(lookup & IMAGE_ORDINAL_FLAG32) << dll << " slot " << i << " is imported by ordinal";
            EXPECT_EQ(lookup, slot) << dll << " slot " << i << " does not name its function";
            EXPECT_NE("", exe.Text(lookup + 2)) << dll << " slot " << i << " names no function";
        }
    }
    EXPECT_GT(slots, 0) << "no imports found";

    // A delay-loaded DLL would be looked for by its name alone, along the search path that
    // starts beside the program.
    for (const ImgDelayDescr &d : exe.DelayDescriptors())
        ADD_FAILURE() << "delay-loads " << exe.Text(d.rvaDLLName);
}
