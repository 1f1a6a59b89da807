// Time to solve a page for its term or its rate under Wine: first the solvers
// alone, as built for Windows, on random cases to find the slowest of each
// command; then those and the fixed cases through the menu command on
// the program's real windows, in this process: from the command to the
// page idle with its boxes and fields rewritten and painted. Also the Loan
// Cost box's rate search for 1200 months, as built for Windows. A solve that
// does not solve answers with a message box: it is timed to the box shown
// and idle, then closed.
// Usage: solve_bench [cases] [runs]
#include "bench/loancost_timing.h"
#include "bench/solve_sweep.h"
#include "tests/win/winharness.h"

static double Frequency;

static double Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e6 / Frequency;
}

// The page of the case shown, with its terms, its amounts and its direction.
static HWND SetUp(const SweepCase& c)
{
    SelectTab(c.kind);
    HWND page = PageOf(c.kind);
    bool left = c.direction == LeftToRight;
    SetItemText(MainPanel, IDC_MONTHBOX, MonthText(c.months));
    SetItemText(MainPanel, IDC_RATEBOX, RateText(c.rate));
    SetItemText(page, left ? IDC_LEFTFIELD : IDC_RIGHTFIELD, FormatNumber(c.amount, 2));
    SetItemText(page, left ? IDC_RIGHTFIELD : IDC_LEFTFIELD, FormatNumber(c.target, 2));
    Click(page, left ? IDC_LEFTTORIGHT : IDC_RIGHTTOLEFT);
    Pump();
    return page;
}

// The moment the message box of a solve that did not solve is activated,
// made and about to be shown (a message box sends its owner no idle
// message); it is closed at once.
static double AnsweredAt;

static LRESULT CALLBACK WatchAnswer(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && AnsweredAt == 0 &&
        GetWindow(reinterpret_cast<HWND>(wParam), GW_OWNER) == MainWindow) {
        AnsweredAt = Now();
        PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

static double CommandTimes[200];

// The median of `runs` timings in milliseconds, with the least and the most.
static void PrintTimes(int runs, const char* what)
{
    qsort(CommandTimes, runs, sizeof(double), CompareTimes);
    printf("  %6.2f ms (min %6.2f, max %6.2f)  %s", CommandTimes[runs / 2], CommandTimes[0],
           CommandTimes[runs - 1], what);
}

// The menu command, timed `runs` times from a fresh set-up each; then, for
// comparison, "Calculate It" clicked on the same set-up, which is how the
// command ends.
static void TimeCommand(const SweepCase& c, int runs, const char* what)
{
    WORD command = c.unknown == SolveForMonths ? IDM_SOLVEMONTHS : IDM_SOLVERATE;
    for (int r = -1; r < runs; ++r) {  // the first run warms the caches
        SetUp(c);
        double start = Now();
        AnsweredAt = 0;
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        double end = AnsweredAt;
        Pump();
        if (r >= 0)
            CommandTimes[r] = ((end ? end : Now()) - start) / 1000;
    }
    PrintTimes(runs, what);
    printf(": ");
    PrintCase(c);
    printf("\n");
    for (int r = -1; r < runs; ++r) {
        HWND page = SetUp(c);
        double start = Now();
        SendMessageA(GetDlgItem(page, IDC_CALCULATE), BM_CLICK, 0, 0);
        Pump();
        if (r >= 0)
            CommandTimes[r] = (Now() - start) / 1000;
    }
    PrintTimes(runs, "  \"Calculate It\" on the same\n");
}

int main(int argc, char** argv)
{
    HarnessStart();
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    Frequency = static_cast<double>(frequency.QuadPart);
    long cases = argc > 1 ? atol(argv[1]) : 100000;
    int runs = argc > 2 ? atoi(argv[2]) : 21;
    if (cases < 1)
        cases = 100000;
    if (runs < 1 || runs > 200)
        runs = 21;

    TimeNamedCases(101, Now);
    SweepCase slowest[2];
    SweepBoth(cases, 101, Now, slowest);
    TimeLoanCosts(101, Now);

    if (!StartLedgerly()) {
        printf("could not start\n");
        return 1;
    }
    SetWindowsHookExA(WH_CBT, WatchAnswer, nullptr, GetCurrentThreadId());
    printf("The menu command on the real windows, median of %d runs (goal: under 20 ms):\n",
           runs);
    for (const NamedCase& n : NamedCases)
        TimeCommand(n.c, runs, n.name);
    TimeCommand(slowest[0], runs, "slowest months");
    TimeCommand(slowest[1], runs, "slowest rate");
    DestroyWindow(MainWindow);
    return 0;
}
