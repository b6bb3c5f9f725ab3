// The save's stand-ins.
#include "save_stand_ins.h"

SaveCalls g_seen;

static decltype(&RegOpenKeyExA) g_realRegOpenKeyExA;
static decltype(&RegSetValueExA) g_realRegSetValueExA;
static decltype(&RegCloseKey) g_realRegCloseKey;
static decltype(&HeapAlloc) g_realHeapAlloc;
static decltype(&HeapFree) g_realHeapFree;
static decltype(&SetSysColors) g_realSetSysColors;

static LONG WINAPI FakeRegOpenKeyExA(HKEY hkey, LPCSTR sub, DWORD options, REGSAM sam, PHKEY result)
{
    if (g_seen.armed && g_seen.denyWriteAccess && (sam & KEY_SET_VALUE)) {
        g_seen.refusals++;
        return ERROR_ACCESS_DENIED;
    }
    LONG rc = g_realRegOpenKeyExA(hkey, sub, options, sam, result);
    g_seen.opens += g_seen.armed && rc == ERROR_SUCCESS;
    return rc;
}

static LONG WINAPI FakeRegSetValueExA(HKEY hkey, LPCSTR name, DWORD reserved, DWORD type, const BYTE *data, DWORD cb)
{
    if (!g_seen.armed)
        return g_realRegSetValueExA(hkey, name, reserved, type, data, cb);
    if (g_seen.refuseValue == name) {
        g_seen.refusals++;
        return ERROR_ACCESS_DENIED;
    }
    g_seen.written.push_back(name);
    return g_realRegSetValueExA(hkey, name, reserved, type, data, cb);
}

static LONG WINAPI FakeRegCloseKey(HKEY hkey)
{
    g_seen.closes += g_seen.armed;
    return g_realRegCloseKey(hkey);
}

static LPVOID WINAPI FakeHeapAlloc(HANDLE heap, DWORD flags, SIZE_T cb)
{
    if (!g_seen.armed)
        return g_realHeapAlloc(heap, flags, cb);
    if (++g_seen.allocations == g_seen.failAllocation) {
        g_seen.refusals++;
        return NULL;
    }
    void *block = g_realHeapAlloc(heap, flags, cb);
    g_seen.liveBlocks.insert(block);
    return block;
}

static BOOL WINAPI FakeHeapFree(HANDLE heap, DWORD flags, LPVOID block)
{
    g_seen.liveBlocks.erase(block);
    return g_realHeapFree(heap, flags, block);
}

static BOOL WINAPI FakeSetSysColors(int n, const INT *elements, const COLORREF *values)
{
    g_seen.appliedElements.emplace_back(elements, elements + n);
    g_seen.appliedValues.emplace_back(values, values + n);
    return g_seen.realSetSysColors ? g_realSetSysColors(n, elements, values) : TRUE;
}

SaveStandIns::SaveStandIns()
    : openKey_("advapi32.dll", "RegOpenKeyExA", (const void *)FakeRegOpenKeyExA, &g_realRegOpenKeyExA),
      setValue_("advapi32.dll", "RegSetValueExA", (const void *)FakeRegSetValueExA, &g_realRegSetValueExA),
      closeKey_("advapi32.dll", "RegCloseKey", (const void *)FakeRegCloseKey, &g_realRegCloseKey),
      heapAlloc_("kernel32.dll", "HeapAlloc", (const void *)FakeHeapAlloc, &g_realHeapAlloc),
      heapFree_("kernel32.dll", "HeapFree", (const void *)FakeHeapFree, &g_realHeapFree),
      setSysColors_("user32.dll", "SetSysColors", (const void *)FakeSetSysColors, &g_realSetSysColors)
{
    g_seen = {};
}

void SaveStandIns::Arm()
{
    g_seen.opens = g_seen.closes = g_seen.allocations = g_seen.refusals = 0;
    g_seen.written.clear();
    g_seen.appliedElements.clear();
    g_seen.appliedValues.clear();
    g_seen.armed = true;
}
