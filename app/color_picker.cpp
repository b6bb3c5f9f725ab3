// The platform's color dialog, with the user's custom colors kept for the life of the process.
#include "main_dialog.h"

#include <commdlg.h>

static_assert(sizeof(void *) != 4 || sizeof(CHOOSECOLORA) == 36, "the 32-bit picker record is 36 bytes");

static CHOOSECOLORA g_cc;          // the picker's settings; prepared by the first call
static COLORREF g_custColors[16];  // the custom colors the user defines, never stored
static BOOL g_ccInitialized;       // whether g_cc has been prepared

typedef BOOL(WINAPI *ChooseColorProc)(CHOOSECOLORA *);

// Opens the picker on color; returns 1 with color set to the user's choice, or 0 when the
// user cancelled or the picker cannot be had (color is then unchanged).
int PickColor(HWND hwndOwner, COLORREF &color)
{
    // The picker's DLL brings the shell's along: it is loaded at the first double-click rather
    // than at every start.
    ChooseColorProc chooseColor = (ChooseColorProc)(void *)FindSystemFunction("comdlg32.dll", "ChooseColorA");
    if (!chooseColor)
        return 0;
    if (!g_ccInitialized) {
        ZeroMemory(&g_cc, sizeof g_cc);
        g_cc.lStructSize = sizeof g_cc;
        for (COLORREF &custom : g_custColors)
            custom = RGB(255, 255, 255);
        g_cc.lpCustColors = g_custColors;
        g_cc.Flags = CC_RGBINIT | CC_FULLOPEN;
        g_ccInitialized = TRUE;
    }
    g_cc.hwndOwner = hwndOwner;
    g_cc.rgbResult = color;
    if (!chooseColor(&g_cc))
        return 0;
    color = g_cc.rgbResult;
    return 1;
}
