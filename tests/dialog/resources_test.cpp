// Hueset.exe's resources, read back from the built program with the platform's resource calls.
#include <windows.h>
#include "hueset_process.h"
#include "resource.h"
#include "test_windows.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

static const WORD JAPANESE = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

// Checked in both builds: the test build beside the tests (parameter null), and the shipped one.
class ResourcesTest : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        if (GetParam() && !*GetParam())
            GTEST_SKIP() << "no shipped build was configured";
        module_ = LoadLibraryExA(HuesetPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_TRUE(module_ != NULL) << HuesetPath();
    }

    std::string HuesetPath()
    {
        return GetParam() ? GetParam() : BesideThisProgram("Hueset.exe");
    }
    void TearDown() override
    {
        if (module_)
            FreeLibrary(module_);
    }

    // The bytes of a resource in Japanese, or none when it is missing.
    std::vector<BYTE> Resource(LPCSTR type, LPCSTR name)
    {
        HRSRC info = FindResourceExA(module_, type, name, JAPANESE);
        if (!info)
            return {};
        const BYTE *data = (const BYTE *)LockResource(LoadResource(module_, info));
        return std::vector<BYTE>(data, data + SizeofResource(module_, info));
    }

    HMODULE module_ = NULL;
};

// Walks a dialog template: WORDs, strings and ordinals in the order the template holds them.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE *p) : p_(p) {}
    DWORD Dword() { DWORD v; memcpy(&v, p_, 4); p_ += 4; return v; }
    WORD Word() { WORD v; memcpy(&v, p_, 2); p_ += 2; return v; }
    short Short() { return (short)Word(); }
    // A string, or "#n" for an ordinal.
    std::wstring StringOrOrdinal()
    {
        if (Peek() == 0xFFFF) {
            Word();
            return L"#" + std::to_wstring(Word());
        }
        std::wstring s;
        for (WORD c; (c = Word()) != 0;)
            s += (wchar_t)c;
        return s;
    }
    void AlignDword(const BYTE *base) { while ((p_ - base) % 4) p_++; }

private:
    WORD Peek() { WORD v; memcpy(&v, p_, 2); return v; }
    const BYTE *p_;
};

struct Control {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    std::wstring cls, text;
};

TEST_P(ResourcesTest, DialogTemplateHoldsTheControlsInTabOrder)
{
    std::vector<BYTE> bytes = Resource(RT_DIALOG, MAKEINTRESOURCEA(IDD_MAIN));
    ASSERT_FALSE(bytes.empty());
    TemplateReader t(bytes.data());
    ASSERT_NE(0xFFFF0001u, t.Dword()) << "an extended template";

    t = TemplateReader(bytes.data());
    EXPECT_EQ((DWORD)(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_SETFONT), t.Dword());
    EXPECT_EQ(0u, t.Dword()) << "extended style";
    WORD count = t.Word();
    EXPECT_EQ(0, t.Short());
    EXPECT_EQ(0, t.Short());
    EXPECT_EQ(211, t.Short());
    EXPECT_EQ(162, t.Short());
    EXPECT_EQ(L"", t.StringOrOrdinal()) << "menu";
    EXPECT_EQ(L"", t.StringOrOrdinal()) << "class";
    EXPECT_EQ(L"Hueset", t.StringOrOrdinal());
    EXPECT_EQ(9, t.Word());
    EXPECT_EQ(L"ＭＳ Ｐゴシック", t.StringOrOrdinal());

    const DWORD child = WS_CHILD | WS_VISIBLE;
    const Control expected[] = {
        { child | WS_TABSTOP | BS_DEFPUSHBUTTON, 34, 141, 38, 14, IDOK, L"#128", L"OK" },
        { child | WS_TABSTOP | BS_PUSHBUTTON, 78, 141, 38, 14, IDCANCEL, L"#128", L"キャンセル" },
        { child | WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, 122, 141, 38, 14, IDC_APPLY, L"#128", L"適用" },
        { child | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
              LVS_SORTASCENDING | LVS_NOSORTHEADER, 7, 22, 197, 108, IDC_LIST, L"SysListView32", L"List1" },
        { child | WS_TABSTOP | BS_PUSHBUTTON, 166, 141, 38, 14, IDC_REFRESH, L"#128", L"更新" },
        { child | WS_GROUP | SS_LEFT, 7, 7, 197, 8, 0xFFFF, L"#130", L"変えたいのをダブルクリック。" },
    };
    ASSERT_EQ(6, count);
    for (const Control &want : expected) {
        t.AlignDword(bytes.data());
        Control got;
        got.style = t.Dword();
        EXPECT_EQ(0u, t.Dword()) << "extended style";
        got.x = t.Short(), got.y = t.Short(), got.cx = t.Short(), got.cy = t.Short();
        got.id = t.Word();
        got.cls = t.StringOrOrdinal();
        got.text = t.StringOrOrdinal();
        EXPECT_EQ(0, t.Word()) << "creation data";

        EXPECT_EQ(want.id, got.id);
        EXPECT_EQ(want.style, got.style) << "control " << want.id;
        EXPECT_EQ(want.x, got.x) << "control " << want.id;
        EXPECT_EQ(want.y, got.y) << "control " << want.id;
        EXPECT_EQ(want.cx, got.cx) << "control " << want.id;
        EXPECT_EQ(want.cy, got.cy) << "control " << want.id;
        // Class names are matched without regard to case; the resource compiler upper-cases them.
        EXPECT_EQ(0, _wcsicmp(want.cls.c_str(), got.cls.c_str())) << "control " << want.id;
        EXPECT_EQ(want.text, got.text) << "control " << want.id;
    }
}

TEST_P(ResourcesTest, StringsAndContextMenu)
{
    char text[32];
    EXPECT_EQ(4, LoadStringA(module_, IDS_NAME, text, sizeof text));
    EXPECT_STREQ("Name", text);
    EXPECT_EQ(5, LoadStringA(module_, IDS_VALUE, text, sizeof text));
    EXPECT_STREQ("Value", text);
    wchar_t message[32];
    LoadStringW(module_, IDS_SAVE_FAILED, message, 32);
    EXPECT_STREQ(L"色を保存できませんでした。", message);

    HMENU menu = LoadMenuA(module_, MAKEINTRESOURCEA(IDR_CONTEXT));
    ASSERT_TRUE(menu != NULL);
    ASSERT_EQ(1, GetMenuItemCount(menu));
    wchar_t label[64];
    GetMenuStringW(menu, 0, label, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"Context", label);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_EQ(2, GetMenuItemCount(popup));
    EXPECT_EQ((UINT)ID_COPY, GetMenuItemID(popup, 0));
    EXPECT_EQ((UINT)ID_PASTE, GetMenuItemID(popup, 1));
    GetMenuStringW(popup, ID_COPY, label, 64, MF_BYCOMMAND);
    EXPECT_STREQ(L"コピー\tCtrl + C", label);
    GetMenuStringW(popup, ID_PASTE, label, 64, MF_BYCOMMAND);
    EXPECT_STREQ(L"貼り付け\tCtrl + V", label);
    DestroyMenu(menu);
}

TEST_P(ResourcesTest, IconHasSixteenColorImagesOfSixteenAndThirtyTwoPixels)
{
#pragma pack(push, 2)
    struct GroupEntry { BYTE width, height, colors, reserved; WORD planes, bitCount; DWORD bytes; WORD id; };
#pragma pack(pop)
    std::vector<BYTE> group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_MAIN));
    ASSERT_GE(group.size(), 6u);
    WORD count;
    memcpy(&count, group.data() + 4, 2);
    ASSERT_EQ(2, count);
    ASSERT_EQ(6 + 2 * sizeof(GroupEntry), group.size());
    for (int i = 0; i < 2; i++) {
        GroupEntry entry;
        memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
        EXPECT_EQ(16 * (i + 1), entry.width);
        EXPECT_EQ(16 * (i + 1), entry.height);
        EXPECT_EQ(16, entry.colors);
        EXPECT_EQ(4, entry.bitCount);
        std::vector<BYTE> image = Resource(RT_ICON, MAKEINTRESOURCEA(entry.id));
        ASSERT_EQ(entry.bytes, image.size());
        BITMAPINFOHEADER header;
        memcpy(&header, image.data(), sizeof header);
        EXPECT_EQ(16 * (i + 1), header.biWidth);
        EXPECT_EQ(4, header.biBitCount);
    }
}

TEST_P(ResourcesTest, VersionResourceSaysOneZeroOneTwo)
{
    std::string path = HuesetPath();
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), NULL);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO *fixed;
    UINT cb;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", (void **)&fixed, &cb));
    EXPECT_EQ(MAKELONG(0, 1), fixed->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(2, 1), fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
    EXPECT_EQ(0x3Fu, fixed->dwFileFlagsMask);
    EXPECT_EQ(0u, fixed->dwFileFlags);
    EXPECT_EQ((DWORD)VOS_NT_WINDOWS32, fixed->dwFileOS);
    EXPECT_EQ((DWORD)VFT_APP, fixed->dwFileType);
    EXPECT_EQ(0u, fixed->dwFileSubtype);
    EXPECT_EQ(0u, fixed->dwFileDateMS);
    EXPECT_EQ(0u, fixed->dwFileDateLS);

    WORD *translation;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", (void **)&translation, &cb));
    ASSERT_EQ(4u, cb);
    EXPECT_EQ(0x0411, translation[0]);
    EXPECT_EQ(0x04B0, translation[1]);

    // The maker's entries (value null) name Hueset; the others are as given.
    const struct { const char *key, *value; } strings[] = {
        { "FileDescription", "Hueset" }, { "InternalName", "Hueset" },
        { "OriginalFilename", "Hueset.exe" }, { "FileVersion", "1, 0, 1, 2" },
        { "ProductVersion", "1, 0, 1, 2" }, { "Comments", "" }, { "LegalTrademarks", "" },
        { "PrivateBuild", "" }, { "SpecialBuild", "" },
        { "CompanyName", nullptr }, { "LegalCopyright", nullptr }, { "ProductName", nullptr },
    };
    for (const auto &s : strings) {
        char *value = NULL;
        std::string key = std::string("\\StringFileInfo\\041104b0\\") + s.key;
        ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), (void **)&value, &cb)) << s.key;
        if (s.value)
            EXPECT_STREQ(s.value, value) << s.key;
        else
            EXPECT_NE(nullptr, strstr(value, "Hueset")) << s.key;
    }
}

// Every resource of every type, with its language.
typedef std::vector<std::pair<std::string, WORD>> ResourceList;

static BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR list)
{
    std::string id = IS_INTRESOURCE(type) ? std::to_string((UINT_PTR)type) : type;
    id += "/";
    id += IS_INTRESOURCE(name) ? std::to_string((UINT_PTR)name) : name;
    ((ResourceList *)list)->emplace_back(id, language);
    return TRUE;
}

static BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR list)
{
    EnumResourceLanguagesA(module, type, name, AddLanguage, list);
    return TRUE;
}

static BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR list)
{
    EnumResourceNamesA(module, type, AddName, list);
    return TRUE;
}

TEST_P(ResourcesTest, EveryResourceIsJapaneseAndThereIsNoManifest)
{
    ResourceList list;
    EnumResourceTypesA(module_, AddType, (LONG_PTR)&list);
    ASSERT_FALSE(list.empty());
    for (const auto &resource : list) {
        EXPECT_EQ(JAPANESE, resource.second) << resource.first;
        EXPECT_NE(0u, resource.first.rfind("24/", 0)) << "a manifest: " << resource.first;
    }
}

INSTANTIATE_FOR_BOTH_BUILDS(ResourcesTest);
