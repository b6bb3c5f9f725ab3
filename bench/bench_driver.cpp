// Measures Hueset against the reference program under Wine: start-up time and peak memory of
// the two programs, run alternately; and the cost of one LoadColors and one SaveColors call.
//
// Usage: bench_driver HUESET.EXE REFERENCE.EXE RUNS CALLS
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

int main(int argc, char **argv)
{
    if (argc != 5) {
        fprintf(stderr, "usage: bench_driver HUESET.EXE REFERENCE.EXE RUNS CALLS\n");
        return 2;
    }
    int runs = atoi(argv[3]), calls = atoi(argv[4]);

    std::vector<double> huesetTime, referenceTime, huesetPeak, referencePeak;
    StartAndMeasure(argv[1], "Hueset", true); // warm the caches of both before measuring
    StartAndMeasure(argv[2], "Reference", false);
    for (int i = 0; i < runs; i++) {
        Run hueset = StartAndMeasure(argv[1], "Hueset", true);
        Run reference = StartAndMeasure(argv[2], "Reference", false);
        huesetTime.push_back(hueset.seconds), huesetPeak.push_back(hueset.peakBytes);
        referenceTime.push_back(reference.seconds), referencePeak.push_back(reference.peakBytes);
    }
    printf("start-up   Hueset %.1f ms (list filled), reference %.1f ms (dialog shown), ratio %.3f\n",
           Median(huesetTime) * 1e3, Median(referenceTime) * 1e3, Median(huesetTime) / Median(referenceTime));
    printf("peak mem   Hueset %.0f KiB, reference %.0f KiB, ratio %.3f\n", Median(huesetPeak) / 1024,
           Median(referencePeak) / 1024, Median(huesetPeak) / Median(referencePeak));

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
