// Color text: lenient parsing and formatting.
#include "color_text.h"

#include <gtest/gtest.h>
#include <string.h>

struct ParseCase { const char *text; int red, green, blue; };

TEST(ParseColorText, ReadsComponentsLeniently)
{
    static const ParseCase cases[] = {
        { "255 128 0",     255, 128, 0 },
        { "1 2 3",         1, 2, 3 },
        { "300 0 0",       44, 0, 0 },    // wraps modulo 256
        { "256 257 511",   0, 1, 255 },
        { "",              0, 0, 0 },
        { "12",            12, 0, 0 },
        { "1  2",          1, 0, 2 },     // two spaces skip green
        { " 5 6",          0, 5, 6 },     // a leading space leaves red at 0
        { "a",             49, 0, 0 },    // a letter counts by its code
        { "/",             255, 0, 0 },   // below '0': -1 wraps to 255
        { "0 !",           0, 241, 0 },   // '!' - '0' = -15
        { "1 2 3 4",       1, 2, 3 },     // nothing after blue counts
        { "1 2 3     9 9 9 9 9 9", 1, 2, 3 },
        { "7 8 9 ",        7, 8, 9 },
        { "\xff",          207, 0, 0 },   // a byte above 127 enters the same formula
    };
    for (const ParseCase &c : cases) {
        COLORREF color = ParseColorText(c.text);
        EXPECT_EQ(RGB(c.red, c.green, c.blue), color) << "text \"" << c.text << "\"";
        EXPECT_EQ(0u, color >> 24) << "text \"" << c.text << "\"";
    }
}

TEST(FormatColorText, WritesRedGreenBlueAndNothingMore)
{
    static const struct { COLORREF color; const char *text; } cases[] = {
        { RGB(255, 128, 0),   "255 128 0" },
        { RGB(1, 2, 3),       "1 2 3" },
        { 0,                  "0 0 0" },
        { 0xFFFFFFFF,         "255 255 255" }, // bits 24-31 play no part
        { 0x12030201,         "1 2 3" },
    };
    for (const auto &c : cases) {
        char text[TEXT_BUFFER_SIZE];
        memset(text, 0x5A, sizeof text);
        FormatColorText(c.color, text);
        EXPECT_STREQ(c.text, text);
        size_t end = strlen(c.text) + 1;
        for (size_t i = end; i < sizeof text; i++)
            ASSERT_EQ(0x5A, text[i]) << "byte " << i << " written past the text " << c.text;
    }
}

TEST(ColorText, FormatThenParseGivesTheColorBack)
{
    // Every value of each component, and a spread of mixed colors.
    char text[TEXT_BUFFER_SIZE];
    for (int v = 0; v < 256; v++) {
        const COLORREF colors[] = { RGB(v, 0, 0), RGB(0, v, 0), RGB(0, 0, v), RGB(v, 255 - v, v / 2) };
        for (COLORREF color : colors) {
            FormatColorText(color, text);
            ASSERT_EQ(color, ParseColorText(text)) << text;
        }
    }
    unsigned seed = 12345;
    for (int i = 0; i < 20000; i++) {
        seed = seed * 1103515245u + 12345u;
        COLORREF color = (seed >> 4) & 0xFFFFFF;
        FormatColorText(color, text);
        ASSERT_EQ(color, ParseColorText(text)) << text;
    }
}
