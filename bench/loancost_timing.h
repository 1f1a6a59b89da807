// The Loan Cost box's arithmetic for 1200 months, natively and as built for
// Windows: the whole of it (the statement followed, the figures, the rate
// found and both shown rates checked) against the statement alone; the
// difference is the rate search. Goal: under 1 ms.
#ifndef LEDGERLY_LOANCOST_TIMING_H
#define LEDGERLY_LOANCOST_TIMING_H

#include <stdio.h>
#include <stdlib.h>

#include "finance/formulas.h"
#include "finance/loancost.h"
#include "finance/terms.h"

struct CostCase {
    const char* name;
    int direction;
    const char* rate;
    const char* amount;
    const char* fees;
    const char* points;
};

// 1200 months each: the worked example's loan, the highest rate, an APR of
// some 70 million percent (the longest climb to the rate), the largest loan.
constexpr CostCase CostCases[] = {
    {"160000 at 5.50 %, fees 750, 2 points", LeftToRight, "5.50", "160000", "750", "2"},
    {"10000000000 at 1000 %", LeftToRight, "1000", "10000000000", "", ""},
    {"80000 at 8 %, fees 79999.99", LeftToRight, "8", "80000", "79999.99", ""},
    {"paying 10000000000 at 0.1 %, fees 1000", RightToLeft, "0.1", "10000000000", "1000", ""},
};

inline StatementTerms CostTerms(const CostCase& c)
{
    static char input[FormatResultSize], output[FormatResultSize], rate[FieldTextSize];
    snprintf(rate, sizeof rate, "%s", RateText(atof(c.rate)));
    double annual = atof(c.rate);
    snprintf(input, sizeof input, "%s", FormatNumber(atof(c.amount), 2));
    snprintf(output, sizeof output, "%s",
             PageResultText(LoanKind, c.direction, atof(c.amount), 1200, annual,
                            MonthlyRateOf(annual)));
    bool left = c.direction == LeftToRight;
    return TermsOfPage(LoanKind, c.direction, 1200, rate, left ? input : output,
                       left ? output : input);
}

inline int CompareCostTimes(const void* a, const void* b)
{
    double x = *static_cast<const double*>(a), y = *static_cast<const double*>(b);
    return x < y ? -1 : x > y;
}

// Medians of `runs` timings, in microseconds, with a clock in microseconds.
inline void TimeLoanCosts(int runs, double (*now)())
{
    static double whole[1001], statement[1001];
    runs = runs > 1001 ? 1001 : runs;
    printf("Loan Cost for 1200 months, median of %d runs (goal: the rate search under 1 ms):\n",
           runs);
    for (const CostCase& c : CostCases) {
        StatementTerms terms = CostTerms(c);
        long long fees = FeesOfText(c.fees), points = PointsOfText(c.points);
        LoanCost cost;
        for (int r = 0; r < runs; ++r) {
            double start = now();
            WorkOutLoanCost(terms, fees, points, &cost);
            whole[r] = now() - start;
            start = now();
            Statement s;
            StartStatement(&s, terms);
            StatementRow row;
            while (NextStatementRow(&s, &row)) {
            }
            statement[r] = now() - start;
        }
        qsort(whole, runs, sizeof(double), CompareCostTimes);
        qsort(statement, runs, sizeof(double), CompareCostTimes);
        printf("  %8.1f us in all, %8.1f us the statement, %8.1f us the rate search: %s "
               "(APR %s, effective %s)\n",
               whole[runs / 2], statement[runs / 2], whole[runs / 2] - statement[runs / 2],
               c.name, cost.apr, cost.effective);
    }
    fflush(stdout);
}

#endif
