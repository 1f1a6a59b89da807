// Time to solve a page for its term or its rate, natively: fixed cases, then
// random cases of each command timed to find the slowest, those timed again
// (medians). Goal: under 20 ms for any input. Then the Loan Cost box's rate
// search for 1200 months (goal: under 1 ms).
//   build/bench/bench/bench_solver [cases] [runs]      (make bench-build first)
#include <time.h>

#include "bench/loancost_timing.h"
#include "bench/solve_sweep.h"
#include "runtime/runtime.h"

static double Now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

int main(int argc, char** argv)
{
    LoadFpuControl();
    long cases = argc > 1 ? atol(argv[1]) : 200000;
    int runs = argc > 2 ? atoi(argv[2]) : 101;
    if (cases < 1)
        cases = 200000;
    if (runs < 1)
        runs = 101;
    TimeNamedCases(runs, Now);
    SweepCase slowest[2];
    SweepBoth(cases, runs, Now, slowest);
    TimeLoanCosts(runs, Now);
    return 0;
}
