// The shipped 32-bit Hueset.exe, end to end under Wine's 32-bit loader, along every path a person
// takes: the picker, copy and paste by keys and by the context menu, a color from another running
// copy, Apply, Refresh, OK, Cancel and Escape. Rows are chosen with the keys, and a row's color
// is read by copying it, or from the registry and the live colors, as a user sees them.
#include "hueset_process.h"
#include "live_colors.h"
#include "picker_window.h"
#include "platform_colors.h"
#include "real_input.h"
#include "resource.h"
#include "saved_scheme.h"
#include "test_clipboard.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <iterator>
#include <stdlib.h>
#include <string>
#include <vector>

// Under an emulator older than qemu 10 a 32-bit program answers in seconds, not milliseconds.
static const int PATIENCE_MS = 5 * 60 * 1000;

// Runs where Wine's 32-bit loader runs; must, in CI.
class ThirtyTwoBit : public ::testing::Test {
protected:
    void SetUp() override { SkipWithout32BitCode(); }
};

// The exception that carries a failed save out of a row works in 32-bit code: the save tests,
// built for i686, run under Wine's 32-bit loader.
TEST_F(ThirtyTwoBit, SaveFailuresTravelAsExceptionsIn32BitCode)
{
    ASSERT_STRNE("", HUESET_SCHEME_TESTS_X86) << "no 32-bit build of the scheme tests was configured";
    std::string output;
    DWORD code = RunProgram(std::string("\"") + HUESET_SCHEME_TESTS_X86 + "\" --gtest_filter=SaveColorsTest.*", &output, PATIENCE_MS);
    EXPECT_EQ(0u, code) << output;
    EXPECT_NE(std::string::npos, output.find("NoMemoryForEitherArrayAppliesNothing")) << output;
}

// Every function of the shipped program's runtime does its part, a failed save's exception among
// them, and the program ends at once with the code 3 when an exception is not caught
// (runtime_check.cpp says how); the argument must not reach WinMain.
TEST_F(ThirtyTwoBit, EveryFunctionOfTheShippedRuntimeHoldsAndAnUncaughtExceptionEndsIt)
{
    std::string output;
    EXPECT_EQ(3u, RunProgram(std::string("\"") + HUESET_RUNTIME_CHECK + "\" an-argument", &output, PATIENCE_MS))
        << "any other code is the line of the check that failed";
    EXPECT_EQ("every check held", output) << "an exception ended the program before the last check";
}

// The DLLs that Hueset loads, or that those load by the ordinary search order, which Windows
// does not keep as KnownDLLs: a copy of one beside the program or in its current folder would be
// found first. Wine is told to prefer such a copy, as Windows does. Not msvcrt.dll: the program
// imports no C runtime, and a planted one would import itself (the planted DLL links the C
// runtime) and never leave a mark, while Wine's own DLLs, which load it, would fail to start.
static const char *const PLANTED[] = { "comctl32.dll", "comdlg32.dll", "shell32.dll", "shlwapi.dll", "winspool.drv",
                                       "compstui.dll", "uxtheme.dll", "imm32.dll", "ole32.dll", "rpcrt4.dll" };

// The shipped program is run as people run it from their downloads folder: a copy there, beside
// a DLL of every such name that only marks that it was loaded, and started in another folder
// that holds them too.
class ShippedProgram : public ThirtyTwoBit {
protected:
    void SetUp() override
    {
        ThirtyTwoBit::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_STRNE("", HUESET_SHIPPED_EXE) << "no shipped build was configured";
        std::string overrides = oldOverrides_.empty() ? "" : oldOverrides_ + ";";
        for (std::string folder : { downloads_, current_ }) {
            CreateDirectoryA(folder.c_str(), NULL);
            for (const char *dll : PLANTED) {
                DeleteFileA((folder + "\\" + dll + ".loaded").c_str()); // left by a run that was stopped
                ASSERT_TRUE(CopyFileA(HUESET_PLANTED_DLL_X86, (folder + "\\" + dll).c_str(), FALSE)) << dll;
            }
        }
        for (const char *dll : PLANTED)
            overrides += std::string(dll) + (dll == PLANTED[std::size(PLANTED) - 1] ? "=n,b" : ",");
        ASSERT_TRUE(CopyFileA(HUESET_SHIPPED_EXE, exe_.c_str(), FALSE));
        SetEnvironmentVariableA("WINEDLLOVERRIDES", overrides.c_str());
        scheme_.StoreTestScheme(REG_EXPAND_SZ); // what the program writes comes back as REG_SZ
        ClearClipboard();
    }
    void TearDown() override
    {
        ClearClipboard();
        SetEnvironmentVariableA("WINEDLLOVERRIDES", oldOverrides_.empty() ? NULL : oldOverrides_.c_str());
        DeleteFileA(exe_.c_str());
        for (std::string folder : { downloads_, current_ }) {
            for (const char *dll : PLANTED) {
                EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder + "\\" + dll + ".loaded").c_str()))
                    << "the planted " << folder << "\\" << dll << " was loaded";
                DeleteFileA((folder + "\\" + dll + ".loaded").c_str());
                DeleteFileA((folder + "\\" + dll).c_str());
            }
            RemoveDirectoryA(folder.c_str());
        }
    }

    SavedScheme scheme_;
    const std::string downloads_ = BesideThisProgram("downloads"), current_ = BesideThisProgram("current");
    const std::string exe_ = downloads_ + "\\Hueset.exe";
    const std::string oldOverrides_ = getenv("WINEDLLOVERRIDES") ? getenv("WINEDLLOVERRIDES") : "";
};

TEST_F(ShippedProgram, EveryPathAUserTakes)
{
    HuesetProcess app(exe_.c_str(), PATIENCE_MS, current_.c_str());
    ASSERT_TRUE(app.Started());
    EXPECT_EQ(31, app.Rows());
    SetWindowPos(app.hwnd(), NULL, 500, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const COLORREF picked = RGB(255, 128, 7);

    // The picker, on the first row: cancelled with its button after adding a custom color, then
    // with Escape, then confirmed.
    app.SelectRowWithKeys("ActiveBorder");
    DoubleClick(app.TopRowPoint());
    {
        Picker picker(app);
        ASSERT_TRUE(picker.hwnd()) << "a double-click on a row did not open the picker";
        EXPECT_EQ("20 110 210", picker.Rgb()) << "not on ActiveBorder's color";
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(picker.hwnd(), PICKER_GRAPH))) << "not fully open";
        picker.Type("1", "2", "3");
        picker.Press(PICKER_ADD_CUSTOM);
        picker.Press(IDCANCEL);
    }
    DoubleClick(app.TopRowPoint());
    {
        Picker picker(app);
        ASSERT_TRUE(picker.hwnd());
        EXPECT_EQ("20 110 210", picker.Rgb()) << "a cancelled choice reached the row";
        picker.ClickCustom(0);
        EXPECT_TRUE(WaitUntil([&] { return picker.Rgb() == "1 2 3"; }, PATIENCE_MS)) << "the custom color was lost";
        picker.Press(PICKER_ESCAPE);
    }
    EXPECT_FALSE(app.ApplyEnabled()) << "cancelling the picker enabled Apply";
    DoubleClick(app.TopRowPoint());
    {
        Picker picker(app);
        ASSERT_TRUE(picker.hwnd());
        EXPECT_EQ("20 110 210", picker.Rgb());
        picker.Type("255", "128", "7");
        picker.Press(IDOK);
    }
    EXPECT_TRUE(WaitUntil([&] { return app.ApplyEnabled(); }, PATIENCE_MS)) << "a confirmed color did not enable Apply";
    app.ExpectCopied(picked);

    // Copy and paste with the keys: "300 0 0" travels as red 44.
    app.SelectRowWithKeys("Hilight");
    app.ExpectCopied(RGB(44, 0, 0));
    app.PasteOnRow("Window");

    // The context menu: Copy by a right-click on the first row, Paste by Shift+F10.
    app.SelectRowWithKeys("ActiveBorder");
    POINT top = app.TopRowPoint();
    app.ExpectCopied(picked, [&] {
        app.OpenMenu([&] { RightClick(top); });
        app.ChooseFromMenu(1);
    });
    app.SelectRowWithKeys("Scrollbar");
    app.OpenMenu([] { PressWithShift(VK_F10); });
    app.ChooseFromMenu(2);

    // A color copied in another running copy, the 64-bit build, pasted here.
    {
        HuesetProcess other;
        ASSERT_TRUE(other.Started());
        SetWindowPos(other.hwnd(), NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        other.ClickRow("InfoText");
        other.ExpectCopied(DistinctColor(IndexOfColor("InfoText")));
        ClickWindow(other.Item(IDCANCEL));
        EXPECT_EQ(0u, other.WaitForExit());
    }
    ClickWindow(app.list());
    app.PasteOnRow("InfoWindow");

    // Apply writes every row as it stands and applies them all.
    ClickWindow(app.Item(IDC_APPLY));
    EXPECT_TRUE(WaitUntil([&] { return !app.ApplyEnabled(); }, PATIENCE_MS));
    EXPECT_EQ("255 128 7", scheme_.Text("ActiveBorder"));
    EXPECT_EQ("300 0 0", scheme_.Text("Hilight"));
    EXPECT_EQ("44 0 0", scheme_.Text("Window"));
    EXPECT_EQ("255 128 7", scheme_.Text("Scrollbar"));
    EXPECT_EQ("33 123 223", scheme_.Text("InfoWindow"));
    for (const PlatformColor &c : PlatformColors)
        EXPECT_EQ((DWORD)REG_SZ, scheme_.Type(c.name)) << c.name << " was not listed or not written";
    std::vector<COLORREF> live = LiveColors();
    EXPECT_EQ(picked, live[IndexOfColor("ActiveBorder")]);
    EXPECT_EQ(picked, live[IndexOfColor("Scrollbar")]);
    EXPECT_EQ(RGB(44, 0, 0), live[IndexOfColor("Window")]);
    EXPECT_EQ(RGB(44, 0, 0), live[IndexOfColor("Hilight")]);
    EXPECT_EQ(DistinctColor(IndexOfColor("InfoText")), live[IndexOfColor("InfoWindow")]);
    EXPECT_EQ(DistinctColor(IndexOfColor("Menu")), live[IndexOfColor("Menu")]);

    // Refresh drops an edit and brings back what is stored, also a text changed meanwhile; Apply
    // stays enabled.
    app.PasteOnRow("Menu");
    scheme_.SetText("Menu", "7 8 9");
    ClickWindow(app.Item(IDC_REFRESH));
    EXPECT_TRUE(WaitUntil([&] { return app.Selected() < 0; }, PATIENCE_MS)) << "Refresh kept the selection";
    app.SelectRowWithKeys("Menu");
    app.ExpectCopied(RGB(7, 8, 9));
    EXPECT_TRUE(app.ApplyEnabled());

    // A save that cannot open the key (gone) says so and keeps the edit; OK then waits until
    // the key can be written again.
    app.PasteOnRow("GrayText");
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteTreeA(HKEY_CURRENT_USER, "Control Panel\\Colors"));
    ClickWindow(app.Item(IDOK));
    app.ExpectSaveFailureMessage();
    EXPECT_EQ((DWORD)STILL_ACTIVE, app.WaitForExit(0)) << "OK closed the dialog although nothing was saved";
    scheme_.StoreTestScheme(REG_EXPAND_SZ);

    // OK writes, applies and ends the program with 0.
    ClickWindow(app.Item(IDOK));
    EXPECT_EQ(0u, app.WaitForExit(PATIENCE_MS));
    EXPECT_EQ("7 8 9", scheme_.Text("GrayText"));
    EXPECT_EQ(RGB(7, 8, 9), LiveColors()[IndexOfColor("GrayText")]);

    // Cancel and Escape after an edit write and apply nothing, and end the program with 0.
    for (const char *way : { "Cancel", "Escape" }) {
        HuesetProcess again(exe_.c_str(), PATIENCE_MS, current_.c_str());
        ASSERT_TRUE(again.Started());
        again.PasteOnRow("ButtonText");
        if (!strcmp(way, "Cancel"))
            ClickWindow(again.Item(IDCANCEL));
        else
            PressKey(VK_ESCAPE);
        EXPECT_EQ(0u, again.WaitForExit(PATIENCE_MS)) << way;
        EXPECT_EQ((DWORD)REG_SZ, scheme_.Type("ButtonText")) << way;
        EXPECT_EQ("28 118 218", scheme_.Text("ButtonText")) << way;
        EXPECT_EQ(DistinctColor(IndexOfColor("ButtonText")), LiveColors()[IndexOfColor("ButtonText")]) << way;
    }
}
