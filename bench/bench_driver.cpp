// Measures Hueset against two reference programs under Wine: start-up time and peak memory of
// the three, run in turn; and the cost of one LoadColors and one SaveColors call (none when
// CALLS is 0). The list reference shows the same dialog with the list filled as Hueset fills it;
// the minimal reference is one dialog template and one throw and catch.
//
// Usage: bench_driver HUESET.EXE LIST_REFERENCE.EXE MINIMAL_REFERENCE.EXE RUNS CALLS
//        bench_driver --phases HUESET.EXE TRACE_FILE   (one traced start of Hueset, divided into
//        phases; run with standard error sent to TRACE_FILE)
#include "color_list_window.h"
#include "import_patch.h"
#include "resource.h"
#include "scheme.h"
#include "scratch_registry.h"
#include "test_windows.h"

#include <commctrl.h>
#include <psapi.h>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

static double Now()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return (double)count.QuadPart / frequency.QuadPart;
}

static double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Run {
    double seconds; // process creation to ready
    double peakBytes;
};

// Waits until a process shows its dialog and, with a list, the list holds its rows; returns the
// dialog, or NULL after five minutes.
static HWND WaitUntilReady(DWORD processId, const char *caption, bool hasList)
{
    for (double start = Now(); Now() - start < 300; Sleep(1)) {
        HWND dialog = FindCaptionedWindow(processId, caption);
        if (dialog && (!hasList || SendMessageA(GetDlgItem(dialog, IDC_LIST), LVM_GETITEMCOUNT, 0, 0) > 0))
            return dialog;
    }
    return NULL;
}

// Starts exe and waits until it is ready: its dialog shown and, with a list, the list filled.
static Run StartAndMeasure(const char *exe, const char *caption, bool hasList)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    double start = Now();
    if (!CreateProcessA(exe, NULL, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        fprintf(stderr, "bench: cannot start %s\n", exe);
        exit(1);
    }
    HWND dialog = WaitUntilReady(process.dwProcessId, caption, hasList);
    if (!dialog) {
        fprintf(stderr, "bench: %s did not get ready\n", exe);
        exit(1);
    }
    Run run = { Now() - start, 0 };
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
        run.peakBytes = (double)memory.PeakPagefileUsage;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

static BOOL WINAPI RecordOnly(int, const INT *, const COLORREF *)
{
    return TRUE;
}

// Median seconds of one call of fn over the given number of calls.
template <class F> static double PerCall(int calls, F fn)
{
    std::vector<double> times;
    for (int i = 0; i < calls; i++) {
        double start = Now();
        fn();
        times.push_back(Now() - start);
    }
    return Median(times);
}

// One start of Hueset with Wine's relay and loader traces on, time-stamped in milliseconds on
// the clock that GetTickCount reads: the calls that begin and end each phase of its start-up.
static const char RELAYED[] = "comctl32.InitCommonControls;user32.DialogBoxParamA;user32.RegisterClipboardFormatA;"
                              "advapi32.RegOpenKeyExA;advapi32.RegQueryValueExA;advapi32.RegCloseKey;user32.EndPaint";

struct TraceLine {
    double ms;
    std::string text;
};

// Closes the traced dialog once its list has filled and painted; returns the list's handle.
static DWORD WINAPI CloseWhenPainted(void *processId)
{
    HWND dialog = WaitUntilReady((DWORD)(ULONG_PTR)processId, "Hueset", true);
    Sleep(2000);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return (DWORD)(ULONG_PTR)GetDlgItem(dialog, IDC_LIST);
}

// Wine writes a program's traces to the standard error it inherits, which for this driver is
// the file tracePath; it is read once the traced program has ended.
static std::vector<TraceLine> TracedStart(const char *exe, const char *tracePath, DWORD *started, HWND *list)
{
    HKEY debug;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Debug", 0, NULL, 0, KEY_SET_VALUE, NULL, &debug, NULL);
    RegSetValueExA(debug, "RelayInclude", 0, REG_SZ, (const BYTE *)RELAYED, sizeof RELAYED);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    SetEnvironmentVariableA("WINEDEBUG", "+timestamp,+relay,+loaddll");
    *started = GetTickCount();
    BOOL ok = CreateProcessA(exe, NULL, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process);
    SetEnvironmentVariableA("WINEDEBUG", NULL);
    if (!ok) {
        fprintf(stderr, "bench: cannot start %s\n", exe);
        exit(1);
    }
    HANDLE closer = CreateThread(NULL, 0, CloseWhenPainted, (void *)(ULONG_PTR)process.dwProcessId, 0, NULL);
    WaitForSingleObject(closer, INFINITE);
    DWORD listHandle = 0;
    GetExitCodeThread(closer, &listHandle);
    *list = (HWND)(ULONG_PTR)listHandle;
    CloseHandle(closer);
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    RegDeleteValueA(debug, "RelayInclude");
    RegCloseKey(debug);

    std::ifstream in(tracePath, std::ios::binary);
    std::string trace((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<TraceLine> lines;
    size_t at = 0;
    while (at < trace.size()) {
        size_t end = trace.find('\n', at);
        if (end == std::string::npos)
            end = trace.size();
        std::string line = trace.substr(at, end - at);
        at = end + 1;
        char *rest;
        double seconds = strtod(line.c_str(), &rest);
        if (rest != line.c_str() && *rest == ':')
            lines.push_back({ seconds * 1e3, rest });
    }
    return lines;
}

static void PrintStartupPhases(const char *exe, const char *tracePath)
{
    DWORD started;
    HWND list;
    std::vector<TraceLine> lines = TracedStart(exe, tracePath, &started, &list);
    auto first = [&](const char *what, double after) {
        for (const TraceLine &l : lines)
            if (l.ms >= after && l.text.find(what) != std::string::npos)
                return l.ms;
        return -1.0;
    };
    double firstLoad = first("Loaded", 0), winMain = first("Call comctl32.InitCommonControls", 0);
    double lastLoad = firstLoad;
    for (const TraceLine &l : lines)
        if (l.ms <= winMain && l.text.find("Loaded") != std::string::npos)
            lastLoad = l.ms;
    double dialog = first("Call user32.DialogBoxParamA", winMain);
    double initDialog = first("Call user32.RegisterClipboardFormatA", dialog);
    double open = first("Call advapi32.RegOpenKeyExA", initDialog);
    double closed = first("Ret  advapi32.RegCloseKey", open);
    // Registry time: every relayed registry call, from its Call line to its Ret line.
    double registry = 0, callAt = -1;
    for (const TraceLine &l : lines) {
        if (l.ms < open || l.ms > closed)
            continue;
        if (l.text.find("Call advapi32.Reg") != std::string::npos)
            callAt = l.ms;
        else if (l.text.find("Ret  advapi32.Reg") != std::string::npos && callAt >= 0)
            registry += l.ms - callAt, callAt = -1;
    }
    char listArg[32];
    snprintf(listArg, sizeof listArg, "EndPaint(%08lx", (unsigned long)(ULONG_PTR)list);
    double painted = first(listArg, closed);
    if (firstLoad < 0 || winMain < 0 || dialog < 0 || initDialog < 0 || open < 0 || closed < 0 || painted < 0) {
        printf("phases     not found in the trace (%zu lines)\n", lines.size());
        return;
    }
    printf("phases of one traced start (relay tracing slows each traced call):\n");
    printf("  process start to the first DLL load  %7.1f ms\n", firstLoad - started);
    printf("  DLL loads before WinMain             %7.1f ms\n", lastLoad - firstLoad);
    printf("  last DLL load to WinMain             %7.1f ms\n", winMain - lastLoad);
    printf("  WinMain to the dialog's creation     %7.1f ms\n", dialog - winMain);
    printf("  dialog creation to WM_INITDIALOG     %7.1f ms\n", initDialog - dialog);
    printf("  icons, menu, subclass, columns       %7.1f ms\n", open - initDialog);
    printf("  registry read                        %7.1f ms\n", registry);
    printf("  list fill                            %7.1f ms\n", closed - open - registry);
    printf("  list filled to its first paint       %7.1f ms\n", painted - closed);
}

struct Program {
    const char *label;
    const char *exe;
    const char *caption;
    bool hasList;
    std::vector<double> seconds, peakBytes;
};

static void PrintFigure(const char *figure, const Program &p, const std::vector<double> &v, double scale, const char *unit)
{
    printf("%-9s %-17s median %8.1f %s  (min %.1f, max %.1f)\n", figure, p.label, Median(v) * scale, unit,
           *std::min_element(v.begin(), v.end()) * scale, *std::max_element(v.begin(), v.end()) * scale);
}

int main(int argc, char **argv)
{
    if (argc == 4 && !strcmp(argv[1], "--phases")) {
        PrintStartupPhases(argv[2], argv[3]);
        return 0;
    }
    if (argc != 6) {
        fprintf(stderr, "usage: bench_driver HUESET.EXE LIST_REFERENCE.EXE MINIMAL_REFERENCE.EXE RUNS CALLS\n");
        return 2;
    }
    int runs = atoi(argv[4]), calls = atoi(argv[5]);

    Program programs[] = {
        { "Hueset", argv[1], "Hueset", true, {}, {} },
        { "list reference", argv[2], "Hueset", true, {}, {} },
        { "minimal reference", argv[3], "Reference", false, {}, {} },
    };
    for (Program &p : programs) // warm the caches of all before measuring
        StartAndMeasure(p.exe, p.caption, p.hasList);
    for (int i = 0; i < runs; i++) {
        for (Program &p : programs) {
            Run run = StartAndMeasure(p.exe, p.caption, p.hasList);
            p.seconds.push_back(run.seconds);
            p.peakBytes.push_back(run.peakBytes);
        }
    }
    for (const Program &p : programs)
        PrintFigure("start-up", p, p.seconds, 1e3, "ms ");
    for (const Program &p : programs)
        PrintFigure("peak mem", p, p.peakBytes, 1.0 / 1024, "KiB");
    for (int r = 1; r < 3; r++)
        printf("Hueset / %-17s start-up %.3f, peak memory %.3f (medians)\n", programs[r].label,
               Median(programs[0].seconds) / Median(programs[r].seconds),
               Median(programs[0].peakBytes) / Median(programs[r].peakBytes));
    if (calls <= 0)
        return 0;

    ScratchRegistry registry;
    ColorListWindow list;
    LoadColors(list.hwnd());
    for (int row = 0; row < CountRows(list.hwnd()); row++)
        SetRowText(list.hwnd(), row, "255 128 0");
    ImportPatch record("user32.dll", "SetSysColors", (const void *)RecordOnly);
    double save = PerCall(calls, [&] { SaveColors(list.hwnd()); });
    double load = PerCall(calls, [&] { LoadColors(list.hwnd()); });
    printf("LoadColors %.3f ms per call, SaveColors %.3f ms per call (median of %d, %d rows)\n",
           load * 1e3, save * 1e3, calls, CountRows(list.hwnd()));
    return 0;
}
