// How often a shown result is the exact cent, by the size of the result,
// over random terms and amounts as typed (rates with two places in a range,
// amounts in cents up to the cap, both spread evenly in their logarithm;
// every month count equally), against the exact annuity of those decimal
// terms. A measurement, not a test: it prints what it finds.
//   build/bench/bench/exact_cents [cases]      (make bench-build first)
#include <float.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "finance/formulas.h"
#include "numtext/numtext.h"
#include "runtime/runtime.h"
#include "tests/native/finance/annuity.h"

static void SweepExactCents(long cases, long lowestRate, long highestRate)
{
    constexpr int Decades = 24;  // results below 10^-2, then one per decade
    long seen[Decades] = {}, missed[Decades] = {}, ties[Decades] = {};
    double firstMiss = HUGE_VAL;
    unsigned long long state = 0x2545F4914F6CDD1Dull;
    auto next = [&state]() {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        return state;
    };
    auto uniform = [&next]() { return (next() >> 11) * (1.0 / 9007199254740992.0); };
    for (long k = 0; k < cases; ++k) {
        const FormulaCase& f = Formulas[next() % 6];
        int n = static_cast<int>(next() % static_cast<int>(MaxMonths)) + 1;
        double spread = log(static_cast<double>(highestRate) / lowestRate);
        long rateHundredths = lround(lowestRate * exp(uniform() * spread));
        long long cents = llround(exp(uniform() * log(1e12)));  // 0.01 ... 10^10
        char text[64];
        snprintf(text, sizeof text, "%ld.%02ld", rateHundredths / 100, rateHundredths % 100);
        double rate = ParseNumber(text, ParseUnsigned);
        snprintf(text, sizeof text, "%lld.%02lld", cents / 100, cents % 100);
        double x = ParseNumber(text, ParseUnsigned);
        Quad exact = Reference(f.kind, static_cast<Quad>(cents) / 100, n,
                               static_cast<Quad>(rateHundredths) / 100);
        if (!(exact < static_cast<Quad>(DBL_MAX)))
            continue;
        double y = f.formula(x, n, rate, MonthlyRateOf(rate));
        if (!isfinite(y))
            continue;
        int decade =
            exact < static_cast<Quad>(0.01) ? 0 : static_cast<int>(floorq(log10q(exact))) + 3;
        if (decade >= Decades)
            decade = Decades - 1;
        ++seen[decade];
        if (strcmp(FormatNumber(y, 2), QuadText(exact)) == 0)
            continue;
        // Within a unit in the last place of a half cent, no double can
        // tell the two cents apart.
        if (TieDistance(exact) <= DBL_EPSILON * fabs(y) && DBL_EPSILON * fabs(y) < 0.005) {
            ++ties[decade];
            continue;
        }
        ++missed[decade];
        if (static_cast<double>(exact) < firstMiss) {
            firstMiss = static_cast<double>(exact);
            char digits[64];
            quadmath_snprintf(digits, sizeof digits, "%.8Qf", exact);
            printf("smallest result so far with another cent: %s(%s, %d, %ld.%02ld) shows %s, "
                   "exact %s (%.17g computed)\n", f.name, text, n, rateHundredths / 100,
                   rateHundredths % 100, FormatNumber(y, 2), digits, y);
        }
    }
    printf("%ld cases, rates %ld.%02ld to %ld.%02ld; results by size: cases, not the exact "
           "cent, of these on a half cent within the double's last unit\n",
           cases, lowestRate / 100, lowestRate % 100, highestRate / 100, highestRate % 100);
    for (int d = 0; d < Decades; ++d) {
        if (!seen[d])
            continue;
        long other = missed[d] + ties[d];
        if (d == 0)
            printf("  below 1e-2: %ld, %ld, %ld\n", seen[d], other, ties[d]);
        else if (d == Decades - 1)
            printf("  1e%d and above: %ld, %ld, %ld\n", d - 3, seen[d], other, ties[d]);
        else
            printf("  1e%d to 1e%d: %ld, %ld, %ld%s\n", d - 3, d - 2, seen[d], other, ties[d],
                   missed[d] ? "" : " (every other one exact)");
    }
}

int main(int argc, char** argv)
{
    LoadFpuControl();
    long cases = argc > 1 ? atol(argv[1]) : 2000000;
    SweepExactCents(cases, 10, 100000);  // every rate the box takes
    SweepExactCents(cases, 100, 2500);   // everyday rates, 1 to 25 percent
    return 0;
}
