// Start-up time, from process creation to the window idle in its message
// loop, of Ledgerly and of a minimal window program, measured alternately;
// then both running side by side: private memory once idle, and CPU time
// used over 10 idle seconds.
// Usage: startup_bench ledgerly.exe minimal_window.exe [runs]
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include "tests/win/winpath.h"

static BOOL CALLBACK FindVisible(HWND window, LPARAM lParam)
{
    if (IsWindowVisible(window) && !GetParent(window)) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

// A started program, idle with its window shown.
struct Running {
    PROCESS_INFORMATION process;
    HWND window;
};

// Starts the program and waits until it is idle with its window shown.
static bool Launch(const char* path, Running& run)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    run.process = {};
    run.window = nullptr;
    if (!CreateProcessA(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &run.process))
        return false;
    WaitForInputIdle(run.process.hProcess, 10000);
    for (int i = 0; i < 2000 && !run.window; ++i) {
        EnumThreadWindows(run.process.dwThreadId, FindVisible,
                          reinterpret_cast<LPARAM>(&run.window));
        if (!run.window)
            Sleep(1);
    }
    return run.window != nullptr;
}

static void Close(Running& run)
{
    if (run.window)
        PostMessageA(run.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(run.process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(run.process.hProcess, 1);
    CloseHandle(run.process.hThread);
    CloseHandle(run.process.hProcess);
}

// Milliseconds until the program is idle with its window shown; -1 on failure.
static double StartOnce(const char* path)
{
    LARGE_INTEGER frequency, start, idle;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    Running run;
    bool shown = Launch(path, run);
    QueryPerformanceCounter(&idle);
    if (run.process.hProcess)
        Close(run);
    if (!shown)
        return -1;
    return 1000.0 * static_cast<double>(idle.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// User plus kernel time of a process, in milliseconds.
static double CpuMilliseconds(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    ULARGE_INTEGER k, u;
    k.LowPart = kernel.dwLowDateTime;
    k.HighPart = kernel.dwHighDateTime;
    u.LowPart = user.dwLowDateTime;
    u.HighPart = user.dwHighDateTime;
    return static_cast<double>(k.QuadPart + u.QuadPart) / 10000.0;  // 100 ns units
}

// Committed private memory of a process, in bytes, from its address space
// (Wine leaves the PrivateUsage counter at zero).
static double PrivateCommitted(HANDLE process)
{
    double total = 0;
    MEMORY_BASIC_INFORMATION info;
    char* address = nullptr;
    while (VirtualQueryEx(process, address, &info, sizeof info) == sizeof info) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += static_cast<double>(info.RegionSize);
        char* next = static_cast<char*>(info.BaseAddress) + info.RegionSize;
        if (next <= address)
            break;
        address = next;
    }
    return total;
}

// Both programs running side by side: memory once idle, CPU time while idle.
static int MeasureIdle(char paths[2][MAX_PATH], const char* const names[2])
{
    constexpr DWORD IdleSeconds = 10;
    Running runs[2];
    for (int p = 0; p < 2; ++p) {
        if (!Launch(paths[p], runs[p])) {
            printf("could not start %s\n", paths[p]);
            return 1;
        }
    }
    Sleep(500);  // let both settle after the first paint
    PROCESS_MEMORY_COUNTERS_EX memory[2] = {};
    double before[2], after[2], committed[2];
    for (int p = 0; p < 2; ++p) {
        committed[p] = PrivateCommitted(runs[p].process.hProcess);
        memory[p].cb = sizeof memory[p];
        GetProcessMemoryInfo(runs[p].process.hProcess,
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory[p]),
                             sizeof memory[p]);
        before[p] = CpuMilliseconds(runs[p].process.hProcess);
    }
    Sleep(IdleSeconds * 1000);
    for (int p = 0; p < 2; ++p)
        after[p] = CpuMilliseconds(runs[p].process.hProcess);
    for (int p = 0; p < 2; ++p) {
        printf("private memory once idle, %-24s %7.0f KiB  (PrivateUsage %.0f KiB, "
               "working set %.0f KiB)\n",
               names[p], committed[p] / 1024.0, memory[p].PrivateUsage / 1024.0,
               memory[p].WorkingSetSize / 1024.0);
    }
    for (int p = 0; p < 2; ++p) {
        printf("CPU time over %lu idle seconds, %-15s %7.1f ms  (goal: none; %.1f ms "
               "from start to idle)\n",
               static_cast<unsigned long>(IdleSeconds), names[p], after[p] - before[p],
               before[p]);
    }
    for (int p = 0; p < 2; ++p)
        Close(runs[p]);
    return 0;
}

static int Compare(const void* a, const void* b)
{
    double x = *static_cast<const double*>(a), y = *static_cast<const double*>(b);
    return x < y ? -1 : x > y;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        printf("usage: startup_bench ledgerly.exe minimal_window.exe [runs]\n");
        return 2;
    }
    char paths[2][MAX_PATH];
    ToWindowsPath(argv[1], paths[0], MAX_PATH);
    ToWindowsPath(argv[2], paths[1], MAX_PATH);
    int runs = argc > 3 ? atoi(argv[3]) : 15;
    if (runs < 1 || runs > 200)
        runs = 15;
    static double times[2][200];
    StartOnce(paths[0]);  // warm the caches once
    StartOnce(paths[1]);
    for (int r = 0; r < runs; ++r) {
        for (int p = 0; p < 2; ++p) {
            times[p][r] = StartOnce(paths[p]);
            if (times[p][r] < 0) {
                printf("could not start %s\n", paths[p]);
                return 1;
            }
        }
    }
    const char* const names[2] = {"ledgerly", "minimal window (floor)"};
    double medians[2];
    for (int p = 0; p < 2; ++p) {
        qsort(times[p], runs, sizeof(double), Compare);
        medians[p] = times[p][runs / 2];
        printf("start-up to idle, %-24s median %7.1f ms  (min %7.1f, max %7.1f, %d runs)\n",
               names[p], medians[p], times[p][0], times[p][runs - 1], runs);
    }
    printf("start-up ratio ledgerly / floor: %.2f (goal: 1.20 or less)\n",
           medians[0] / medians[1]);
    return MeasureIdle(paths, names);
}
