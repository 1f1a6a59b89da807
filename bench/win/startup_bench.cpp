// Start-up time, from process creation to the window idle in its message
// loop, of Ledgerly and of a minimal window program, measured alternately.
// Usage: startup_bench ledgerly.exe minimal_window.exe [runs]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

// Wine shows the Linux file system as drive Z:.
static void ToWindowsPath(const char* path, char* out, int size)
{
    int n = 0;
    if (path[0] == '/') {
        out[n++] = 'Z';
        out[n++] = ':';
    }
    for (const char* p = path; *p && n < size - 1; ++p)
        out[n++] = *p == '/' ? '\\' : *p;
    out[n] = '\0';
}

static BOOL CALLBACK FindVisible(HWND window, LPARAM lParam)
{
    if (IsWindowVisible(window) && !GetParent(window)) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds until the program is idle with its window shown; -1 on failure.
static double StartOnce(const char* path)
{
    LARGE_INTEGER frequency, start, idle;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    WaitForInputIdle(process.hProcess, 10000);
    HWND window = nullptr;
    for (int i = 0; i < 2000 && !window; ++i) {
        EnumThreadWindows(process.dwThreadId, FindVisible, reinterpret_cast<LPARAM>(&window));
        if (!window)
            Sleep(1);
    }
    QueryPerformanceCounter(&idle);
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!window)
        return -1;
    return 1000.0 * static_cast<double>(idle.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
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
    const char* names[2] = {"ledgerly", "minimal window (floor)"};
    double medians[2];
    for (int p = 0; p < 2; ++p) {
        qsort(times[p], runs, sizeof(double), Compare);
        medians[p] = times[p][runs / 2];
        printf("start-up to idle, %-24s median %7.1f ms  (min %7.1f, max %7.1f, %d runs)\n",
               names[p], medians[p], times[p][0], times[p][runs - 1], runs);
    }
    printf("start-up ratio ledgerly / floor: %.2f (goal: 1.20 or less)\n",
           medians[0] / medians[1]);
    return 0;
}
