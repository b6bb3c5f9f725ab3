// The stored values at the edges of loading.
#include "stored_texts.h"

static const char thirtyOne[] = "1234567890123456789012345678901";
static const char thirtyTwo[] = "12345678901234567890123456789012";
static const DWORD dwordText = 0x00333231, dwordFull = 0x34333231;

const StoredText StoredTexts[] = {
    { "ActiveBorder",   REG_SZ,        "101 102 103 104 105 106 107", 28, "101 102 103 104 105 106 107" },
    { "ActiveTitle",    REG_BINARY,    "7 8",         3,  "7 8" },       // no zero, after a longer row
    { "AppWorkSpace",   REG_SZ,        "201 202 203 204 205 206 207", 28, "201 202 203 204 205 206 207" },
    { "Background",     REG_SZ,        "9 9",         3,  "9 9" },       // REG_SZ without its zero
    { "ButtonFace",     REG_SZ,        "212 208 200", 12, "212 208 200" },
    { "ButtonText",     REG_SZ,        thirtyOne,     32, thirtyOne },   // 31 characters: whole
    { "ButtonShadow",   REG_SZ,        thirtyTwo,     33, "" },          // 33 bytes: unreadable
    { "ButtonLight",    REG_BINARY,    thirtyTwo,     32, "" },          // 32 bytes, no zero
    { "ButtonHilight",  REG_BINARY,    thirtyOne,     32, thirtyOne },   // 32 bytes ending in zero
    { "GrayText",       REG_BINARY,    "1 2\0junk",   8,  "1 2" },
    { "Hilight",        REG_DWORD,     &dwordText,    4,  "123" },
    { "HilightText",    REG_DWORD,     &dwordFull,    4,  "1234" },
    { "InfoText",       REG_SZ,        "",            1,  "" },
    { "Menu",           REG_EXPAND_SZ, "4 5 6",       6,  "4 5 6" },
};
const int STORED_TEXTS = sizeof StoredTexts / sizeof StoredTexts[0];
