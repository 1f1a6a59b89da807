// The solvers' benchmark cases, natively and under Wine: random pages,
// directions, amounts and terms, each solve timed three times to find the
// slowest cases of each command, which are then timed again and again.
#ifndef LEDGERLY_SOLVE_SWEEP_H
#define LEDGERLY_SOLVE_SWEEP_H

#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "finance/formulas.h"
#include "finance/solver.h"
#include "finance/terms.h"
#include "numtext/numtext.h"

// One solve: the page, the command, the fields' amounts as read, the terms.
struct SweepCase {
    int kind;
    int direction;
    int unknown;  // a SolveFor
    double amount;
    double target;
    int months;
    double rate;
};

// A clock in microseconds.
using Clock = double (*)();

inline unsigned long long SweepState = 0x9E3779B97F4A7C15ull;

inline double Uniform()
{
    SweepState ^= SweepState << 13, SweepState ^= SweepState >> 7, SweepState ^= SweepState << 17;
    return static_cast<double>(SweepState >> 11) * (1.0 / 9007199254740992.0);
}

// Amounts spread evenly in their logarithm from a cent to twice the cap,
// in whole cents; months every count alike; rates spread evenly in their
// logarithm over the box's range, at two places.
inline SweepCase RandomCase(int unknown)
{
    SweepCase c;
    c.kind = static_cast<int>(Uniform() * PageKindCount);
    c.direction = Uniform() < 0.5 ? LeftToRight : RightToLeft;
    c.unknown = unknown;
    c.amount = round(exp(Uniform() * log(2e12))) / 100;
    c.target = round(exp(Uniform() * log(2e12))) / 100;
    c.months = 1 + static_cast<int>(Uniform() * MaxMonths);
    c.rate = RateWithPlaces(MinRate * exp(Uniform() * log(MaxRate / MinRate)), 2);
    return c;
}

inline void Solve(const SweepCase& c)
{
    char target[FormatResultSize];
    snprintf(target, sizeof target, "%s", FormatNumber(c.target, 2));
    SolveInput input = {c.kind, c.direction, c.amount, target};
    int months = c.months;
    double rate = c.rate;
    if (c.unknown == SolveForMonths)
        SolveMonths(input, c.rate, &months);
    else
        SolveRate(input, c.months, &rate);
}

// Fixed cases: the worked examples, and a rate that no rate of ten places
// gives, for which every number of places is tried.
struct NamedCase {
    const char* name;
    SweepCase c;
};

constexpr NamedCase NamedCases[] = {
    {"worked example", {LoanKind, LeftToRight, SolveForMonths, 80000, 700, 360, 8}},
    {"worked example", {LoanKind, LeftToRight, SolveForRate, 80000, 587.01, 360, 7.8}},
    {"every place tried", {InvestmentKind, LeftToRight, SolveForRate, 0.01, 1e10, 1200, 8}},
};

constexpr int SweepKept = 5;

// Times `cases` random solves of a command; keeps the slowest, slowest
// first.
inline void Sweep(int unknown, long cases, Clock now, SweepCase kept[SweepKept])
{
    double keptTimes[SweepKept] = {};
    for (long k = 0; k < cases; ++k) {
        SweepCase c = RandomCase(unknown);
        double time = 1e300;
        for (int r = 0; r < 3; ++r) {  // the least of three: an interruption aside
            double start = now();
            Solve(c);
            double t = now() - start;
            time = t < time ? t : time;
        }
        int at = SweepKept;
        while (at > 0 && time > keptTimes[at - 1])
            --at;
        if (at == SweepKept)
            continue;
        for (int i = SweepKept - 1; i > at; --i) {
            keptTimes[i] = keptTimes[i - 1];
            kept[i] = kept[i - 1];
        }
        keptTimes[at] = time;
        kept[at] = c;
    }
}

inline int CompareTimes(const void* a, const void* b)
{
    double x = *static_cast<const double*>(a), y = *static_cast<const double*>(b);
    return x < y ? -1 : x > y;
}

// The median of `runs` timings of one solve, in microseconds.
inline double MedianTime(const SweepCase& c, int runs, Clock now)
{
    static double times[1001];
    if (runs > 1001)
        runs = 1001;
    for (int r = 0; r < runs; ++r) {
        double start = now();
        Solve(c);
        times[r] = now() - start;
    }
    qsort(times, runs, sizeof(double), CompareTimes);
    return times[runs / 2];
}

inline const char* KindName(int kind)
{
    return kind == LoanKind ? "Loan" : kind == InvestmentKind ? "Investment" : "Saving";
}

inline void PrintCase(const SweepCase& c)
{
    printf("%s %s, %.2f -> %.2f, %d months at %.2f %%", KindName(c.kind),
           c.direction == LeftToRight ? "left to right" : "right to left", c.amount, c.target,
           c.months, c.rate);
}

// Times each fixed case and prints the medians.
inline void TimeNamedCases(int runs, Clock now)
{
    printf("The solver alone, median of %d runs:\n", runs);
    for (const NamedCase& n : NamedCases) {
        printf("  %8.1f us  %s: ", MedianTime(n.c, runs, now), n.name);
        PrintCase(n.c);
        printf("\n");
    }
}

// Sweeps each command and prints its slowest cases timed again; returns the
// slowest of each in `slowest` (months, then rate).
inline void SweepBoth(long cases, int runs, Clock now, SweepCase slowest[2])
{
    const int commands[2] = {SolveForMonths, SolveForRate};
    for (int k = 0; k < 2; ++k) {
        SweepCase kept[SweepKept];
        Sweep(commands[k], cases, now, kept);
        printf("Solve for %s, %ld random cases; the slowest five, median of %d runs each:\n",
               k == 0 ? "Months" : "Rate", cases, runs);
        double worst = -1;
        for (const SweepCase& c : kept) {
            double median = MedianTime(c, runs, now);
            printf("  %8.1f us  ", median);
            PrintCase(c);
            printf("\n");
            if (median > worst) {
                worst = median;
                slowest[k] = c;
            }
        }
    }
}

#endif
