// The shipped 32-bit Hueset.exe, end to end under Wine's 32-bit loader, as a person uses it.
// Where the kernel runs no 32-bit code the program runs under emulation, whose memory Wine
// cannot read from outside: rows are chosen with the keys, and the registry, the clipboard and
// the live colors show what the program did.
#include "color_catalog.h"
#include "hueset_process.h"
#include "live_colors.h"
#include "real_input.h"
#include "resource.h"
#include "saved_scheme.h"
#include "test_clipboard.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <stdlib.h>
#include <string>
#include <vector>

// Under emulation a 32-bit program answers in seconds, not milliseconds.
static const int PATIENCE_MS = 5 * 60 * 1000;

// The row a name has in the list: its place among the catalog's names in sorted order.
static int RowOfName(const char *name)
{
    std::vector<std::string> names;
    for (const ColorEntry *e = ColorCatalog; e->name[0]; e++)
        names.push_back(e->name);
    std::sort(names.begin(), names.end());
    return (int)(std::find(names.begin(), names.end(), name) - names.begin());
}

TEST(ShippedProgram, CopiesPastesAppliesAndClosesWithZero)
{
    if (const char *why = getenv("HUESET_NO_32BIT")) {
        const char *ci = getenv("CI");
        if (ci && !strcmp(ci, "true"))
            FAIL() << "the shipped program must run in CI, but " << why;
        GTEST_SKIP() << why;
    }
    ASSERT_STRNE("", HUESET_SHIPPED_EXE) << "no shipped build was configured";

    SavedScheme scheme;
    scheme.SetDistinctTexts(REG_EXPAND_SZ); // what the program writes comes back as REG_SZ
    scheme.Set("Hilight", REG_EXPAND_SZ, "300 0 0", 8);
    ClearClipboard();

    HuesetProcess app(HUESET_SHIPPED_EXE, PATIENCE_MS);
    ASSERT_TRUE(app.Started());
    EXPECT_EQ(31, app.Rows());

    app.SelectRowWithKeys(RowOfName("Hilight"));
    PressWithCtrl('C');
    COLORREF copied = 0;
    EXPECT_TRUE(WaitUntil([&] { return ReadClipboardColor(&copied) && copied == RGB(44, 0, 0); }, PATIENCE_MS));
    EXPECT_FALSE(app.ApplyEnabled());
    app.SelectRowWithKeys(RowOfName("Window"));
    PressWithCtrl('V');
    EXPECT_TRUE(WaitUntil([&] { return app.ApplyEnabled(); }, PATIENCE_MS)) << "the paste did not enable Apply";

    ClickWindow(app.Item(IDC_APPLY));
    EXPECT_TRUE(WaitUntil([&] { return !app.ApplyEnabled(); }, PATIENCE_MS));
    EXPECT_EQ("44 0 0", scheme.Text("Window"));
    EXPECT_EQ("300 0 0", scheme.Text("Hilight"));
    for (const ColorEntry *e = ColorCatalog; e->name[0]; e++)
        EXPECT_EQ((DWORD)REG_SZ, scheme.Type(e->name)) << e->name << " was not listed or not written";
    std::vector<COLORREF> live = LiveColors();
    ASSERT_EQ(31u, live.size());
    EXPECT_EQ(RGB(44, 0, 0), live[COLOR_WINDOW]);
    EXPECT_EQ(RGB(44, 0, 0), live[COLOR_HIGHLIGHT]);
    EXPECT_EQ(RGB(10 + COLOR_MENU, 100 + COLOR_MENU, 200 + COLOR_MENU), live[COLOR_MENU]);

    ClickWindow(app.Item(IDOK));
    EXPECT_EQ(0u, app.WaitForExit(PATIENCE_MS));
    ClearClipboard();
}
