// The shipped 32-bit Hueset.exe as the platform's loader reads it: where it is based and what
// every import slot holds before the loader fills it in.
#include <windows.h>
#include <delayimp.h>

#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <map>
#include <set>
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
    bool InImage(DWORD va) const { return va >= Base() && va - Base() < nt_->OptionalHeader.SizeOfImage; }

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

// The names that a system DLL's list allows (tests/api-lists: DLL.txt, and for the C run-time
// also its start-up names); lines that begin with # say where a list comes from.
static std::set<std::string> AllowedNames(std::string dll)
{
    std::transform(dll.begin(), dll.end(), dll.begin(), ::tolower);
    std::string base = dll.substr(0, dll.rfind('.'));
    std::set<std::string> names;
    for (const std::string &file : { base + ".txt", base + "-startup.txt" }) {
        std::ifstream in(std::string(HUESET_API_LISTS) + "/" + file);
        for (std::string line; std::getline(in, line);)
            if (!line.empty() && line[0] != '#')
                names.insert(line.substr(0, line.find_last_not_of("\r") + 1));
    }
    return names;
}

TEST(ShippedFile, IsBasedAt400000ImportsByNameWhatTheOldestSystemsHaveAndKeepsDelaySlotsInside)
{
    ASSERT_STRNE("", HUESET_SHIPPED_EXE) << "no shipped build was configured";
    PeFile exe(HUESET_SHIPPED_EXE);
    ASSERT_TRUE(exe.nt()) << "not a 32-bit PE file: " << HUESET_SHIPPED_EXE;
    EXPECT_EQ(0x400000u, exe.Base());

    // The loader fills a slot by name when the slot and its lookup entry both name the function.
    DWORD importsAt = exe.nt()->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    int slots = 0;
    std::map<std::string, std::vector<std::string>> imports;
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
            imports[dll].push_back(exe.Text(lookup + 2));
        }
    }
    EXPECT_GT(slots, 0) << "no imports found";

    // Every function imported is one that Windows 98, ME, NT 4.0 and 2000 have.
    for (const auto &entry : imports) {
        std::set<std::string> allowed = AllowedNames(entry.first);
        EXPECT_FALSE(allowed.empty()) << "no list of the functions of " << entry.first;
        for (const std::string &name : entry.second)
            EXPECT_TRUE(allowed.count(name)) << entry.first << "!" << name << " is not in the lists of functions that the oldest systems have";
    }

    // A delay-load slot holds the address of its load thunk until the first call.
    for (const ImgDelayDescr &d : exe.DelayDescriptors()) {
        std::string dll = exe.Text(d.rvaDLLName);
        for (DWORD i = 0; exe.Dword(d.rvaINT + 4 * i); i++) {
            DWORD slot = exe.Dword(d.rvaIAT + 4 * i);
            EXPECT_TRUE(exe.InImage(slot)) << dll << " delay slot " << i << " at RVA 0x" << std::hex
                                           << d.rvaIAT + 4 * i << " holds 0x" << slot << ", outside the image";
        }
    }
}
