// Editing a row with the platform's color picker: the real picker in the running program,
// and, in-process, the record the picker is handed.
#include "dialog_thread.h"
#include "hueset_process.h"
#include "import_patch.h"
#include "picker_window.h"
#include "real_input.h"
#include "resource.h"
#include "saved_scheme.h"
#include "scratch_registry.h"

#include <commctrl.h>
#include <commdlg.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class ColorPickerTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        scheme_.StoreTestScheme();
    }
    void OpenPickerOn(const HuesetProcess &app, const char *name)
    {
        DoubleClick(app.RowPoint(app.RowOf(name)));
    }

    SavedScheme scheme_;
};

TEST_P(ColorPickerTest, OpensFullyOpenOnTheRowsColorAndCancelChangesNothing)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());
    OpenPickerOn(app, "Hilight");
    Picker picker(app);
    ASSERT_TRUE(picker.hwnd());
    EXPECT_EQ("44 0 0", picker.Rgb()) << "300 0 0 is red 44";
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(picker.hwnd(), PICKER_GRAPH))) << "not fully open";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(picker.hwnd(), PICKER_DEFINE_CUSTOM)));

    picker.Type("1", "2", "3");
    picker.Press(IDCANCEL);
    app.ExpectCopied(RGB(44, 0, 0)); // handled once the picker's call has returned
    EXPECT_EQ("300 0 0", app.TextOf("Hilight"));
    EXPECT_FALSE(app.ApplyEnabled());
}

TEST_P(ColorPickerTest, ConfirmingWritesTheFormattedColorAndEnablesApply)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());

    // An empty row opens on black; confirming it unchanged still writes it.
    OpenPickerOn(app, "Window");
    Picker onEmpty(app);
    EXPECT_EQ("0 0 0", onEmpty.Rgb());
    onEmpty.Press(IDOK);
    EXPECT_TRUE(WaitUntil([&] { return app.TextOf("Window") == "0 0 0"; }));
    EXPECT_TRUE(app.ApplyEnabled());

    OpenPickerOn(app, "Hilight");
    Picker unchanged(app);
    unchanged.Press(IDOK);
    EXPECT_TRUE(WaitUntil([&] { return app.TextOf("Hilight") == "44 0 0"; }));

    OpenPickerOn(app, "Menu");
    Picker picked(app);
    picked.Type("255", "128", "7");
    picked.Press(IDOK);
    EXPECT_TRUE(WaitUntil([&] { return app.TextOf("Menu") == "255 128 7"; }));
    EXPECT_EQ(REG_SZ, scheme_.Type("Menu"));
    EXPECT_NE("255 128 7", scheme_.Text("Menu")) << "nothing is stored before Apply";

    // Cancelled with Apply enabled, the picker leaves it enabled.
    OpenPickerOn(app, "Menu");
    Picker(app).Press(PICKER_ESCAPE);
    app.ExpectCopied(RGB(255, 128, 7));
    EXPECT_TRUE(app.ApplyEnabled());
}

TEST_P(ColorPickerTest, CustomColorsStartWhiteAndAreOfferedAgainForAnotherRow)
{
    HuesetProcess app(GetParam());
    ASSERT_TRUE(app.Started());

    OpenPickerOn(app, "Menu");
    Picker first(app);
    first.ClickCustom(0);
    EXPECT_TRUE(WaitUntil([&] { return first.Rgb() == "255 255 255"; })) << first.Rgb();
    first.ClickCustom(15);
    EXPECT_TRUE(WaitUntil([&] { return first.Rgb() == "255 255 255"; })) << first.Rgb();
    first.Type("1", "2", "3");
    first.Press(PICKER_ADD_CUSTOM);
    first.Press(IDCANCEL);

    OpenPickerOn(app, "Scrollbar");
    Picker second(app);
    EXPECT_EQ("10 100 200", second.Rgb());
    second.ClickCustom(0);
    EXPECT_TRUE(WaitUntil([&] { return second.Rgb() == "1 2 3"; })) << second.Rgb();
    second.Press(IDOK);
    EXPECT_TRUE(WaitUntil([&] { return app.TextOf("Scrollbar") == "1 2 3"; }));
}

INSTANTIATE_FOR_BOTH_BUILDS(ColorPickerTest);

// What the program hands the picker at every call, seen in-process.
static struct {
    std::vector<CHOOSECOLORA> records;
    std::vector<std::vector<COLORREF>> custom;
    BOOL confirm;
    COLORREF choice;
} g_picker;

static BOOL WINAPI FakeChooseColorA(CHOOSECOLORA *cc)
{
    g_picker.records.push_back(*cc);
    g_picker.custom.emplace_back(cc->lpCustColors, cc->lpCustColors + 16);
    if (g_picker.confirm)
        cc->rgbResult = g_picker.choice;
    return g_picker.confirm;
}

// The program finds the picker in its DLL at first use; the stand-in is handed out instead.
static decltype(&GetProcAddress) g_realGetProcAddress;

static FARPROC WINAPI FindFakePicker(HMODULE hmod, LPCSTR name)
{
    if (HIWORD(name) && !strcmp(name, "ChooseColorA"))
        return (FARPROC)(void *)FakeChooseColorA;
    return g_realGetProcAddress(hmod, name);
}

// One system DLL neither loaded nor loadable; every load the program asks for is kept.
static decltype(&GetModuleHandleA) g_realGetModuleHandleA;
static const char *g_missingDll;
static std::vector<std::pair<std::string, DWORD>> g_loadsRequested;

static bool NamesMissingDll(LPCSTR name)
{
    int len = name ? lstrlenA(name) : 0, dll = lstrlenA(g_missingDll);
    return len >= dll && !lstrcmpiA(name + len - dll, g_missingDll);
}

static HMODULE WINAPI MissingDllNotLoaded(LPCSTR name)
{
    return NamesMissingDll(name) ? NULL : g_realGetModuleHandleA(name);
}

static HMODULE WINAPI MissingDllNotLoadable(LPCSTR name, HANDLE, DWORD flags)
{
    g_loadsRequested.emplace_back(name, flags);
    SetLastError(ERROR_MOD_NOT_FOUND);
    return NULL;
}

// Makes dll missing for as long as it lives.
struct MissingDll {
    explicit MissingDll(const char *dll) : ready_(Prepare(dll)) {}
    // Before the patches: the second looks for this program's module through the first.
    static bool Prepare(const char *dll)
    {
        g_missingDll = dll;
        g_loadsRequested.clear();
        return true;
    }
    // Only the system folder's copy is asked for, never one beside the program, and with its
    // own imports looked for in the system folder.
    static void ExpectAskedForOnceFromTheSystemFolder()
    {
        char expected[MAX_PATH];
        GetSystemDirectoryA(expected, sizeof expected);
        lstrcatA(expected, "\\");
        lstrcatA(expected, g_missingDll);
        ASSERT_EQ(1u, g_loadsRequested.size());
        EXPECT_STREQ(expected, g_loadsRequested[0].first.c_str());
        EXPECT_EQ((DWORD)LOAD_WITH_ALTERED_SEARCH_PATH, g_loadsRequested[0].second);
    }
    bool ready_;
    ImportPatch notLoaded_{ "kernel32.dll", "GetModuleHandleA", (const void *)MissingDllNotLoaded, &g_realGetModuleHandleA };
    ImportPatch notLoadable_{ "kernel32.dll", "LoadLibraryExA", (const void *)MissingDllNotLoadable };
};

static void SendDoubleClickNotification(const DialogWindow &dialog)
{
    NMHDR header = { dialog.list(), IDC_LIST, NM_DBLCLK };
    SendMessageA(dialog.hwnd(), WM_NOTIFY, IDC_LIST, (LPARAM)&header);
}

TEST(ColorPickerInProcess, IsHandedTheSelectedRowAndKeepsItsSettings)
{
    ScratchRegistry registry;
    registry.SetText("Menu", "255 128 0");
    ImportPatch patch("kernel32.dll", "GetProcAddress", (const void *)FindFakePicker, &g_realGetProcAddress);
    g_picker.records.clear(), g_picker.custom.clear(), g_picker.confirm = FALSE;
    DialogThread program;
    ASSERT_TRUE(program.hwnd());

    // No row selected: nothing opens.
    SendDoubleClickNotification(program);
    EXPECT_TRUE(g_picker.records.empty());

    program.ClickRow("Menu");
    SendDoubleClickNotification(program);
    EXPECT_EQ("255 128 0", program.TextOf("Menu")) << "cancelled";
    EXPECT_FALSE(program.ApplyEnabled());

    // A confirmed choice lands in the row.
    g_picker.confirm = TRUE;
    g_picker.choice = RGB(1, 2, 3);
    SendDoubleClickNotification(program);
    EXPECT_EQ("1 2 3", program.TextOf("Menu"));
    EXPECT_TRUE(program.ApplyEnabled());

    // Each call is handed the row's color and the same settings, with the same custom colors,
    // white at first.
    ASSERT_EQ(2u, g_picker.records.size());
    for (const CHOOSECOLORA &record : g_picker.records) {
        EXPECT_EQ(sizeof(CHOOSECOLORA), record.lStructSize);
        EXPECT_EQ(program.hwnd(), record.hwndOwner);
        EXPECT_EQ(RGB(255, 128, 0), record.rgbResult);
        EXPECT_EQ((DWORD)(CC_RGBINIT | CC_FULLOPEN), record.Flags);
        EXPECT_EQ(NULL, record.hInstance);
        EXPECT_EQ(NULL, record.lpfnHook);
        EXPECT_EQ(NULL, record.lpTemplateName);
        EXPECT_EQ(0, record.lCustData);
        EXPECT_EQ(g_picker.records[0].lpCustColors, record.lpCustColors);
    }
    EXPECT_EQ(std::vector<COLORREF>(16, RGB(255, 255, 255)), g_picker.custom[0]);
}

TEST(ColorPickerInProcess, WithoutItsDllADoubleClickDoesNoHarm)
{
    ScratchRegistry registry;
    registry.SetText("Menu", "255 128 0");
    DialogThread program;
    ASSERT_TRUE(program.hwnd());
    MissingDll missing("comdlg32.dll");

    program.ClickRow("Menu");
    SendDoubleClickNotification(program);
    MissingDll::ExpectAskedForOnceFromTheSystemFolder();
    EXPECT_EQ("255 128 0", program.TextOf("Menu"));
    EXPECT_FALSE(program.ApplyEnabled());
    ClickWindow(program.Item(IDOK));
    EXPECT_EQ(0, program.WaitForExit());
    EXPECT_EQ("255 128 0", registry.Text("Menu"));
}

// Without the common controls the program ends at once with 0, before any window.
TEST(ProgramEntry, WithoutTheCommonControlsTheProgramEndsAtOnceWithZero)
{
    MissingDll missing("comctl32.dll");
    DialogThread program(false);
    EXPECT_EQ(0, program.WaitForExit()) << "the program went on";
    EXPECT_EQ(NULL, FindWindowA("#32770", "Hueset"));
    MissingDll::ExpectAskedForOnceFromTheSystemFolder();
}
