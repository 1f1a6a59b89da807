// Power against the exact power (320-bit bounds) and glibc's pow: the
// program's whole domain of (1 + i)^n, exact halfway cases, subnormal and
// overflowing results, the special values of C's pow, and the same code
// built for the x87 unit.
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include "finance/formulas.h"
#include "runtime/runtime.h"
#include "tests/harness.h"
#include "tests/native/runtime/power_reference.h"

// power.cpp built again with x87 arithmetic (see CMakeLists.txt).
double PowerX87(double base, double exponent);

namespace {

bool Same(double a, double b)
{
    return BitsOf(a) == BitsOf(b) || (a != a && b != b);
}

// Distance in units in the last place between two finite positive doubles.
int64_t UlpDistance(double a, double b)
{
    int64_t d = static_cast<int64_t>(BitsOf(a)) - static_cast<int64_t>(BitsOf(b));
    return d < 0 ? -d : d;
}

struct Tally {
    long cases = 0;
    long wrong = 0;           // Power differs from the exact rounding
    long unsettled = 0;       // the reference could not decide
    long glibc_wrong = 0;     // glibc's pow differs from the exact rounding
    long disagree = 0;        // Power and glibc differ
    long x87_differs = 0;     // the x87 build differs from the SSE2 build
};

void CheckOne(double base, unsigned n, Tally& t)
{
    bool settled;
    double exact = ReferencePower(base, n, settled);
    double mine = Power(base, n);
    double libm = pow(base, n);
    ++t.cases;
    t.unsettled += !settled;
    if (!Same(mine, exact)) {
        if (++t.wrong <= 5)
            printf("Power(%.17g, %u) = %a, exact rounding %a\n", base, n, mine, exact);
    }
    t.glibc_wrong += !Same(libm, exact);
    if (!Same(mine, libm)) {
        if (++t.disagree <= 5)
            printf("Power(%.17g, %u) = %a, glibc pow %a, exact rounding %a\n", base, n, mine,
                   libm, exact);
    }
    if (!Same(PowerX87(base, n), mine))
        ++t.x87_differs;
}

void Report(const char* what, const Tally& t)
{
    printf("%s: %ld cases, Power wrong %ld, glibc pow wrong %ld, Power vs glibc %ld, "
           "x87 build differs %ld, reference unsettled %ld\n",
           what, t.cases, t.wrong, t.glibc_wrong, t.disagree, t.x87_differs, t.unsettled);
    CHECK_INT(t.wrong, 0, what);
    CHECK_INT(t.unsettled, 0, what);
    CHECK_INT(t.x87_differs, 0, what);
    // Every disagreement with glibc must be glibc's miss.
    CHECK(t.disagree <= t.glibc_wrong);
}

// The bases the program raises: 1 + R * factor, both factors of the pages.
void ProgramDomain()
{
    static const unsigned SomeMonths[] = {1, 2, 3, 7, 12, 36, 60, 120, 180, 240,
                                          360, 480, 600, 719, 1000, 1199, 1200};
    Tally every_rate, every_month;
    // Every rate of the drop-down's 0.05 grid, at selected month counts.
    for (int k = 2; k <= 20000; ++k) {
        double rate = k * RateStep;
        for (unsigned n : SomeMonths) {
            CheckOne(1.0 + rate * MonthlyRateFactor, n, every_rate);
            CheckOne(1.0 + rate * MonthFactor, n, every_rate);
        }
    }
    Report("rates 0.1..1000 by 0.05", every_rate);
    // Every month count at spread rates, typed ones included.
    static const double SomeRates[] = {0.1, 0.25, 1.0, 3.3, 4.75, 5.0, 6.125, 7.77, 8.0,
                                       9.99, 12.5, 18.0, 24.99, 33.333, 50.0, 99.95,
                                       123.456, 250.0, 500.05, 777.7, 999.99, 1000.0};
    uint64_t state = 12345;
    for (int extra = 0; extra < 80; ++extra) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        double rate = MinRate + (MaxRate - MinRate) * static_cast<double>(state >> 11) * 0x1p-53;
        for (unsigned n = 1; n <= 1200; ++n)
            CheckOne(1.0 + rate * MonthlyRateFactor, n, every_month);
    }
    for (double rate : SomeRates)
        for (unsigned n = 1; n <= 1200; ++n)
            CheckOne(1.0 + rate * MonthlyRateFactor, n, every_month);
    Report("months 1..1200 at 102 rates", every_month);
}

// Results that are subnormal, near the top of the range, or exact halfway
// points between two doubles.
void RangeEdges()
{
    Tally t;
    uint64_t state = 99;
    for (int k = 0; k < 4000; ++k) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        double base = 0.5 + static_cast<double>(state >> 11) * 0x1p-54;  // [0.5, 1)
        // Exponent that lands the result near 2^-1060 (subnormal) or 2^1020.
        double lg = log2(base);
        unsigned low = static_cast<unsigned>(-1060.0 / lg);
        CheckOne(base, low, t);
        CheckOne(base, low + 3, t);
        CheckOne(1.0 / base, static_cast<unsigned>(1020.0 / -lg), t);
        CheckOne(1.0 / base, static_cast<unsigned>(1024.5 / -lg), t);
    }
    // Odd whole numbers whose powers need exactly 54 bits: halfway cases.
    static const struct {
        double base;
        unsigned n;
    } Halfway[] = {{3, 34}, {5, 23}, {7, 19}, {1.5, 34}, {0.75, 34}, {11, 15}, {2049, 5}, {10, 23}};
    for (const auto& h : Halfway)
        CheckOne(h.base, h.n, t);
    Report("subnormal, overflow and halfway results", t);
}

// The special cases of C's pow, and exact small results.
void SpecialValues()
{
    const double inf = INFINITY, nan = NAN, tiny = 0x1p-1074, huge = 1.7976931348623157e308;
    static const struct {
        double base, exponent, expected;
    } Cases[] = {
        {nan, 0.0, 1.0},       {0.0, -0.0, 1.0},      {1.0, nan, 1.0},
        {1.0, inf, 1.0},       {-1.0, inf, 1.0},      {-1.0, -inf, 1.0},
        {nan, 2.0, nan},       {2.0, nan, nan},       {0.5, inf, 0.0},
        {0.5, -inf, inf},      {2.0, inf, inf},       {2.0, -inf, 0.0},
        {-2.0, inf, inf},      {0.0, 3.0, 0.0},       {-0.0, 3.0, -0.0},
        {-0.0, 2.0, 0.0},      {0.0, -3.0, inf},      {-0.0, -3.0, -inf},
        {-0.0, -2.0, inf},     {-0.0, -0.5, inf},     {inf, 2.0, inf},
        {inf, -2.0, 0.0},      {-inf, 3.0, -inf},     {-inf, 2.0, inf},
        {-inf, -3.0, -0.0},    {-inf, -2.0, 0.0},     {-2.0, 0.5, nan},
        {-2.0, 3.0, -8.0},     {-2.0, -3.0, -0.125},  {-2.0, 2.0, 4.0},
        {2.0, 1023.0, 0x1p1023}, {2.0, 1024.0, inf},  {-2.0, 1025.0, -inf},
        {2.0, -1022.0, 0x1p-1022}, {2.0, -1074.0, tiny}, {2.0, -1075.0, 0.0},
        {0.5, 1074.0, tiny},   {0.5, 1075.0, 0.0},    {huge, 1.0, huge},
        {huge, 2.0, inf},      {tiny, 1.0, tiny},     {tiny, -1.0, inf},
        {10.0, 22.0, 1e22},    {10.0, -1.0, 0.1},
        {2.0, 1e300, inf},     {0.5, 1e300, 0.0},     {2.0, -1e300, 0.0},
        {-1.0, 1e300, 1.0},    {-1.0, 9007199254740991.0, -1.0},
        {-2.0, 4503599627370497.0, -inf},              {-0.5, 4503599627370497.0, -0.0},
        {4.0, 0.5, 2.0},       {0.25, 1.5, 0.125},
    };
    for (const auto& c : Cases) {
        char what[96];
        snprintf(what, sizeof what, "Power(%g, %g)", c.base, c.exponent);
        CHECK_DOUBLE(Power(c.base, c.exponent), c.expected, what);
        CHECK_DOUBLE(PowerX87(c.base, c.exponent), c.expected, what);
        CHECK_DOUBLE(pow(c.base, c.exponent), c.expected, what);  // the table is C's
    }
    // 10^23 = 2^23 * 5^23 lies exactly halfway between two doubles; the
    // even one is the literal 1e23. glibc 2.36 rounds it up.
    CHECK_DOUBLE(Power(10.0, 23.0), 1e23, "Power(10, 23)");
    CHECK_DOUBLE(PowerX87(10.0, 23.0), 1e23, "PowerX87(10, 23)");
    volatile double ten = 10.0;  // at run time, not folded by the compiler
    printf("glibc pow(10, 23) = %a, the exact halfway point rounded to even is %a\n",
           pow(ten, 23.0), 1e23);
}

// x^1, x^2 and x^-1 are single IEEE operations; exact roundings of those.
void SingleOperations()
{
    uint64_t state = 7;
    int wrong = 0;
    for (int k = 0; k < 100000; ++k) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        double x = ldexp(1.0 + static_cast<double>(state >> 12) * 0x1p-52,
                         static_cast<int>(state % 1000) - 500);
        volatile double square = x * x, inverse = 1.0 / x;
        wrong += !Same(Power(x, 1.0), x) + !Same(Power(x, 2.0), square) +
                 !Same(Power(x, -1.0), inverse) + !Same(Power(-x, 3.0), -Power(x, 3.0));
    }
    CHECK_INT(wrong, 0, "x^1, x^2, x^-1 and odd powers of -x");
}

// Negative whole exponents and fractional exponents have no exact reference
// here: glibc's pow within one unit in the last place.
void AgainstGlibc()
{
    uint64_t state = 3;
    long cases = 0, equal = 0;
    int64_t worst = 0;
    for (int k = 0; k < 20000; ++k) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        double base = 1.0 + static_cast<double>(state >> 11) * 0x1p-53;
        double fractional = static_cast<double>(state % 2000000) / 1000.0 - 1000.0 + 0.0005;
        double whole = -1.0 - static_cast<double>(state % 1200);
        const double exponents[] = {fractional, whole};
        for (double y : exponents) {
            double mine = Power(base, y), libm = pow(base, y);
            ++cases;
            equal += Same(mine, libm);
            if (isfinite(libm) && libm > 0x1p-1022) {
                int64_t d = UlpDistance(mine, libm);
                worst = d > worst ? d : worst;
            }
        }
    }
    printf("negative whole and fractional exponents: %ld cases, %ld equal to glibc, "
           "largest difference %lld ulp\n",
           cases, equal, static_cast<long long>(worst));
    CHECK(worst <= 1);
}

// The number parser scales by 10^k through Power: every power of ten a
// double holds is the double nearest to it, as glibc's strtod reads
// "1e<k>", on SSE2 and on the x87; 10^309 is infinite.
void PowersOfTen()
{
    int wrong = 0;
    for (int k = 0; k <= 308; ++k) {
        char text[16];
        snprintf(text, sizeof text, "1e%d", k);
        double nearest = strtod(text, nullptr);
        wrong += !Same(Power(10.0, k), nearest) + !Same(PowerX87(10.0, k), nearest);
    }
    CHECK_INT(wrong, 0, "powers of ten");
    CHECK(isinf(Power(10.0, 309.0)) && isinf(PowerX87(10.0, 309.0)));
}

// The i686 program's 64-bit division and trailing zero count against the
// processor's own 64-bit arithmetic: at the edges of each word and at
// random, divisors of one word and of two.
void LongDivision()
{
    const uint64_t words[] = {0, 1, 2, 3, 7, 10, 0xFFFFFFFFull, 0x100000000ull, 0x100000001ull,
                              0x7FFFFFFFFFFFFFFFull, 0x8000000000000000ull, 0xFFFFFFFF00000000ull,
                              999999999999999999ull, ~0ull - 1, ~0ull};
    unsigned long long state = 0x3243F6A8885A308Dull;
    int wrong = 0;
    for (int k = 0; k < 200000 + 225; ++k) {
        uint64_t n, d;
        if (k < 225) {
            n = words[k / 15];
            d = words[k % 15];
        } else {
            n = XorShift(&state) >> (XorShift(&state) % 64);
            d = XorShift(&state) >> (XorShift(&state) % 64);
        }
        if (!d)
            continue;
        unsigned long long rest = 0;
        wrong += DivideLong(n, d, &rest) != n / d || rest != n % d;
        if (n)
            wrong += TrailingZeros(n) != __builtin_ctzll(n);
    }
    CHECK_INT(wrong, 0, "64-bit quotients, remainders and trailing zeros");
}

}  // namespace

int main()
{
    HarnessStart();
    unsigned short control = ReadFpuControl();
    ProgramDomain();
    RangeEdges();
    SpecialValues();
    SingleOperations();
    AgainstGlibc();
    PowersOfTen();
    LongDivision();
    CHECK_INT(ReadFpuControl(), control, "x87 control word left as found");
    return HarnessFinish("power");
}
