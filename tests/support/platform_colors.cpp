// The system colors as published: indices 0 to 30 as the GetSysColor documentation numbers them.
#include "platform_colors.h"

#include <algorithm>

const PlatformColor PlatformColors[31] = {
    { "ActiveBorder", 10, 40000 },          { "ActiveTitle", 2, 40000 },
    { "AppWorkSpace", 12, 40000 },          { "Background", 1, 40000 },
    { "ButtonAlternateFace", 25, 40000 },   { "ButtonDkShadow", 21, 40000 },
    { "ButtonFace", 15, 40000 },            { "ButtonHilight", 20, 40000 },
    { "ButtonLight", 22, 40000 },           { "ButtonShadow", 16, 40000 },
    { "ButtonText", 18, 40000 },            { "GradientActiveTitle", 27, 40010 },
    { "GradientInactiveTitle", 28, 40010 }, { "GrayText", 17, 40000 },
    { "Hilight", 13, 40000 },               { "HilightText", 14, 40000 },
    { "HotTrackingColor", 26, 40010 },      { "InactiveBorder", 11, 40000 },
    { "InactiveTitle", 3, 40000 },          { "InactiveTitleText", 19, 40000 },
    { "InfoText", 23, 40000 },              { "InfoWindow", 24, 40000 },
    { "Menu", 4, 40000 },                   { "MenuHilight", 29, 50001 },
    { "MenuBar", 30, 50001 },               { "MenuText", 7, 40000 },
    { "Scrollbar", 0, 40000 },              { "TitleText", 9, 40000 },
    { "Window", 5, 40000 },                 { "WindowFrame", 6, 40000 },
    { "WindowText", 8, 40000 },
};

int IndexOfColor(const char *name)
{
    for (const PlatformColor &c : PlatformColors)
        if (!strcmp(c.name, name))
            return c.index;
    return -1;
}

std::vector<std::string> ListedNames(int version)
{
    std::vector<std::string> names;
    for (const PlatformColor &c : PlatformColors)
        if (c.minVersion <= version)
            names.push_back(c.name);
    std::sort(names.begin(), names.end());
    return names;
}
