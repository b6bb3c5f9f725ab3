// Measures Hueset against two reference programs under Wine: start-up time and peak memory of
// the three, run in turn; and the cost of one LoadColors and one SaveColors call (none when
// CALLS is 0). The list reference shows the same dialog with the list filled as Hueset fills it;
// the minimal reference is one dialog template and one throw and catch.
//
// Usage: bench_driver HUESET.EXE LIST_REFERENCE.EXE MINIMAL_REFERENCE.EXE RUNS CALLS
#include "color_list_window.h"
#include "import_patch.h"
#include "resource.h"
#include "scheme.h"
#include "scratch_registry.h"
#include "test_windows.h"

#include <commctrl.h>
#include <psapi.h>
#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
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
    HWND dialog;
    for (;;) {
        dialog = FindCaptionedWindow(process.dwProcessId, caption);
        if (dialog && (!hasList || SendMessageA(GetDlgItem(dialog, IDC_LIST), LVM_GETITEMCOUNT, 0, 0) > 0))
            break;
        if (Now() - start > 300) {
            fprintf(stderr, "bench: %s did not get ready\n", exe);
            exit(1);
        }
        Sleep(1);
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
