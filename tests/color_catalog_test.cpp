// The catalog against the platform's own facts: value names as the registry spells them, indices
// from the platform's headers, and the version that first has each color.
#include "color_catalog.h"

#include <gtest/gtest.h>
#include <string>

TEST(ColorCatalog, HoldsThePlatformsNamesIndicesAndVersionsInInsertionOrder)
{
    static const struct { const char *name; int index; VersionCode minVersion; } expected[] = {
        { "ActiveBorder",          COLOR_ACTIVEBORDER,            40000 },
        { "ActiveTitle",           COLOR_ACTIVECAPTION,           40000 },
        { "AppWorkSpace",          COLOR_APPWORKSPACE,            40000 },
        { "Background",            COLOR_BACKGROUND,              40000 },
        { "ButtonAlternateFace",   25,                            40000 },
        { "ButtonDkShadow",        COLOR_3DDKSHADOW,              40000 },
        { "ButtonFace",            COLOR_BTNFACE,                 40000 },
        { "ButtonHilight",         COLOR_BTNHIGHLIGHT,            40000 },
        { "ButtonLight",           COLOR_3DLIGHT,                 40000 },
        { "ButtonShadow",          COLOR_BTNSHADOW,               40000 },
        { "ButtonText",            COLOR_BTNTEXT,                 40000 },
        { "GradientActiveTitle",   COLOR_GRADIENTACTIVECAPTION,   40010 },
        { "GradientInactiveTitle", COLOR_GRADIENTINACTIVECAPTION, 40010 },
        { "GrayText",              COLOR_GRAYTEXT,                40000 },
        { "Hilight",               COLOR_HIGHLIGHT,               40000 },
        { "HilightText",           COLOR_HIGHLIGHTTEXT,           40000 },
        { "HotTrackingColor",      COLOR_HOTLIGHT,                40010 },
        { "InactiveBorder",        COLOR_INACTIVEBORDER,          40000 },
        { "InactiveTitle",         COLOR_INACTIVECAPTION,         40000 },
        { "InactiveTitleText",     COLOR_INACTIVECAPTIONTEXT,     40000 },
        { "InfoText",              COLOR_INFOTEXT,                40000 },
        { "InfoWindow",            COLOR_INFOBK,                  40000 },
        { "Menu",                  COLOR_MENU,                    40000 },
        { "MenuHilight",           COLOR_MENUHILIGHT,             50001 },
        { "MenuBar",               COLOR_MENUBAR,                 50001 },
        { "MenuText",              COLOR_MENUTEXT,                40000 },
        { "Scrollbar",             COLOR_SCROLLBAR,               40000 },
        { "TitleText",             COLOR_CAPTIONTEXT,             40000 },
        { "Window",                COLOR_WINDOW,                  40000 },
        { "WindowFrame",           COLOR_WINDOWFRAME,             40000 },
        { "WindowText",            COLOR_WINDOWTEXT,              40000 },
    };
    // The headers' values, as published, for the constants whose spelling is easiest to mix up.
    static_assert(COLOR_SCROLLBAR == 0 && COLOR_WINDOW == 5 && COLOR_HIGHLIGHT == 13 && COLOR_BTNTEXT == 18 &&
                  COLOR_INFOBK == 24 && COLOR_HOTLIGHT == 26 && COLOR_MENUHILIGHT == 29 && COLOR_MENUBAR == 30,
                  "the platform's color indices");

    size_t n = 0;
    bool seen[31] = {};
    for (const ColorEntry *e = ColorCatalog; e->name[0]; e++, n++) {
        ASSERT_LT(n, sizeof expected / sizeof expected[0]) << "more entries than the platform has";
        EXPECT_STREQ(expected[n].name, e->name) << "entry " << n;
        EXPECT_EQ(expected[n].index, e->index) << e->name;
        EXPECT_EQ(expected[n].minVersion, e->minVersion) << e->name;
        ASSERT_TRUE(e->index >= 0 && e->index < 31) << e->name;
        EXPECT_FALSE(seen[e->index]) << "index " << e->index << " twice";
        seen[e->index] = true;
    }
    EXPECT_EQ(31u, n);
}
