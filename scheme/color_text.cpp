// Conversions between color text and packed colors.
#include "color_text.h"

void FormatColorText(COLORREF color, char *text)
{
    wsprintfA(text, "%d %d %d", GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF ParseColorText(const char *text)
{
    BYTE rgb[3] = { 0, 0, 0 };
    int current = 0;

    for (const BYTE *p = (const BYTE *)text; *p; p++) {
        if (*p == ' ') {
            if (++current == 3)
                break;
        } else {
            // Wraps in 8 bits, also when a byte below '0' takes the sum negative.
            rgb[current] = (BYTE)(rgb[current] * 10 + *p - '0');
        }
    }
    return RGB(rgb[0], rgb[1], rgb[2]);
}
