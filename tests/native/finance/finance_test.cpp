// The six page formulas against the same annuities worked out independently
// in quadruple precision (113-bit __float128, through log1p and expm1 rather
// than pow), on a grid of terms and amounts, compared as the two-decimal
// texts the pages show. Also the overflow results at the largest terms, and
// the texts the term boxes and the output fields show, and the two-word
// arithmetic against 128-bit integers.
#include <float.h>
#include <math.h>
#include <quadmath.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "finance/formulas.h"
#include "finance/terms.h"
#include "finance/twoword.h"
#include "numtext/numtext.h"
#include "tests/harness.h"
#include "tests/native/finance/annuity.h"

// The same formulas with the program's two constants taken as they are
// (c, the double nearest 1/1200, which lies above it, and the factor one unit
// below c for the monthly rate) but worked out without rounding: what the
// constants alone make of the result.
static Quad WithConstants(Kind kind, double x, int n, double rate)
{
    Quad r = rate;
    Quad i = r * MonthlyRateFactor;
    Quad rc = r * MonthFactor;
    Quad logGrowth = n * log1pq(i);
    Quad amount = x;
    switch (kind) {
    case Payment:
        return amount * rc / -expm1q(-logGrowth);
    case Loan:
        return -expm1q(-logGrowth) * amount * 1200 / r;
    case Grow:
        return expq(logGrowth) * amount;
    case Discount:
        return expq(-logGrowth) * amount;
    case SavingGrow:
        return expm1q(logGrowth) * (amount / i);
    case SavingPay:
        return amount * rc / expm1q(n * log1pq(rc));
    }
    return 0;
}

// How far the double result may stray from the exact annuity, relative:
// the rounded base 1 + i carries its error into the n-th power (n units),
// the monthly rate's factor lies one unit below 1/1200 (up to n units more
// in the power), and pow and the other operations add a few units. The
// formulas with 1 - 1 / (1 + i)^n or (1 + i)^n - 1 lose more where these
// cancel: their error grows by (1 + i)^n / ((1 + i)^n - 1), about 1 / (n i).
static double ErrorBound(Kind kind, int n, double rate)
{
    double units = 2.0 * n + 16;
    if (kind != Grow && kind != Discount) {
        double remaining = -expm1(-n * log1p(rate / 1200));
        units += (2.0 * n + 4) / remaining;
    }
    return units * DBL_EPSILON;
}

constexpr int GridMonths[] = {1, 2, 3, 6, 12, 24, 36, 60, 84, 120, 180,
                              240, 300, 360, 480, 600, 900, 1199, 1200};
constexpr double GridRates[] = {0.1, 0.25, 0.5, 1, 2.5, 3.75, 4.99, 6, 7.8, 8,
                                9.99, 12.5, 18, 25, 50, 100, 250, 999.99, 1000};
constexpr double GridAmounts[] = {0, 0.01, 0.05, 1, 3.14, 99.99, 100, 587.01, 1000,
                                  12345.67, 80000, 250000, 1e6, 9876543.21, 1e8, 1e10};

// Texts are compared where the error bound is below a hundredth of a cent,
// so that the double result decides its cents; larger results (long terms
// with big amounts) are held to the relative bound only.
constexpr double CentPrecision = 0.0001;

struct GridCount {
    int compared;      // texts compared
    int differing;     // texts that differ: all tie cases
    int exactTies;     //   of these, exact results on a half cent
    int byConstants;   //   of these, shown as the constants alone make it
    int imprecise;     // results held to the relative bound only
    int overflowed;    // (1 + i)^n or the result past the double range
};

// With -v every tie case is listed.
static bool Verbose;

static unsigned int Seed = 12345;

// Amounts with random cents up to 10^7, on top of the fixed grid.
static double RandomAmount()
{
    Seed = Seed * 1103515245u + 12345u;
    unsigned int cents = (Seed >> 1) % 1000000000u;
    return cents / 100.0;
}

static void CompareOne(const FormulaCase& f, double x, int n, double rate, GridCount& count)
{
    double y = f.formula(x, n, rate, MonthlyRateOf(rate));
    Quad exact = Reference(f.kind, x, n, rate);
    // Where (1 + i)^n or the result itself passes the double range, the
    // formulas give what infinity makes of them (CheckOverflow).
    bool growthOverflows = n * log1pq(static_cast<Quad>(rate) / 1200) > logq(DBL_MAX);
    if (growthOverflows || exact > static_cast<Quad>(DBL_MAX)) {
        ++count.overflowed;
        return;
    }
    CHECK(isfinite(y));
    double bound = ErrorBound(f.kind, n, rate);
    double relative = exact == 0 ? fabs(y) : static_cast<double>(fabsq((y - exact) / exact));
    if (!CHECK(relative <= bound))
        printf("  %s(%.17g, %d, %.17g): %.17g, relative error %.3g over %.3g\n", f.name, x,
               n, rate, y, relative, bound);
    if (bound * fabs(y) > CentPrecision) {
        ++count.imprecise;
        return;
    }
    ++count.compared;
    char shown[FormatResultSize];
    strcpy(shown, FormatNumber(y, 2));
    const char* wanted = QuadText(exact);
    if (strcmp(shown, wanted) == 0)
        return;

    // A differing text must be a tie case: the exact value lies on a half
    // cent, or closer to one than the double computation (and the rounding
    // to 17 digits before the places) can tell apart. Such ties are common
    // where amounts of whole cents meet rates whose twelfth has few
    // decimals: 1000 at 9.99 percent grows in a month to 1008.325 exactly.
    ++count.differing;
    double distance = TieDistance(exact);
    double allowed = (bound + 1e-16) * fabs(y);
    if (!CHECK(distance <= allowed))
        printf("  %s(%.17g, %d, %.17g): shows %s, exact %s, %.3g from a half cent\n", f.name,
               x, n, rate, shown, wanted, distance);
    if (distance <= 1e-25 * fabs(y))
        ++count.exactTies;
    // Do the constants alone put the value on the shown side of the half
    // cent, or the rounding of the operations in their order (and the
    // rounding to 17 digits before the places)?
    bool byConstants = strcmp(QuadText(WithConstants(f.kind, x, n, rate)), shown) == 0;
    count.byConstants += byConstants;
    if (Verbose)
        printf("  %s(%.17g, %d, %.17g) = %.17g shows %s, exact %s, %.3g from a half cent; %s\n",
               f.name, x, n, rate, y, shown, wanted, distance,
               byConstants ? "constants" : "rounding");
}

static void CheckGrid()
{
    GridCount count = {};
    for (const FormulaCase& f : Formulas) {
        for (int n : GridMonths) {
            for (double rate : GridRates) {
                for (double x : GridAmounts)
                    CompareOne(f, x, n, rate, count);
                for (int k = 0; k < 40; ++k)
                    CompareOne(f, RandomAmount(), n, rate, count);
            }
        }
    }
    printf("grid: %d texts compared, %d differ at a tie (%d exact half cents, %d decided by "
           "the constants, the rest by rounding); %d held to the relative bound, %d overflow\n",
           count.compared, count.differing, count.exactTies, count.byConstants,
           count.imprecise, count.overflowed);
    CHECK(count.compared > 90000);
    // Ties stay rare: about one in a thousand.
    CHECK(count.differing * 200 <= count.compared);
}

// At the largest terms (1 + i)^n passes the double range: pow gives
// infinity and the formulas carry it on.
struct OverflowCase {
    Formula formula;
    double x;
    double expected;
};

static void CheckOverflow()
{
    const double inf = HUGE_VAL;
    const double nan = NAN;
    const OverflowCase cases[] = {
        {LoanPayment, 1000, 1000 * 1000 * MonthFactor},   // x R c
        {LoanAmount, 1000, 1200},                         // x 1200 / R
        {FutureWorth, 1000, inf},
        {PresentWorth, 1000, 0},
        {SavingFutureWorth, 1000, inf},
        {SavingPayment, 1000, 0},
        {FutureWorth, 0, nan},                            // infinity times 0
        {SavingFutureWorth, 0, nan},
        {LoanPayment, 0, 0},
        {PresentWorth, 0, 0},
    };
    double i = MonthlyRateOf(MaxRate);
    for (const OverflowCase& row : cases)
        CHECK_DOUBLE(fabs(row.formula(row.x, MaxMonths, MaxRate, i)), fabs(row.expected),
                     "result at 1200 months and 1000 percent");
    CHECK_TEXT(FormatNumber(LoanPayment(1000, MaxMonths, MaxRate, i), 2), "833.33",
               "payment at overflow");
    // The threshold: 1170 months at 1000 percent still fit, 1171 do not.
    CHECK(isfinite(FutureWorth(1, 1170, MaxRate, i)));
    CHECK(isinf(FutureWorth(1, 1171, MaxRate, i)));
}

// Over one month a saving's worth is the saving itself, and the saving for
// a worth the worth, at every rate: the exact annuity to the cent, also for
// amounts at the cap, where the growth's rounding once moved it a cent.
static void CheckOneMonthSavings()
{
    const double amounts[] = {0.01, 99.99, 1234567890.12, 9999999999.99, 1e10};
    int faults = 0;
    for (double r = MinRate;; r *= 1.01) {
        double rate = RateUsed(r);
        for (const FormulaCase& f : Formulas) {
            if (f.kind != SavingGrow && f.kind != SavingPay)
                continue;
            for (double x : amounts) {
                char shown[FormatResultSize];
                strcpy(shown, FormatNumber(f.formula(x, 1, rate, MonthlyRateOf(rate)), 2));
                const char* wanted = QuadText(Reference(f.kind, x, 1, rate));
                if (strcmp(shown, wanted) != 0 && faults++ < 3)
                    printf("  %s(%.17g, 1, %.17g) shows %s, exact %s\n", f.name, x, rate,
                           shown, wanted);
            }
        }
        if (rate == MaxRate)
            break;
    }
    CHECK_INT(faults, 0, "a one-month saving or worth another cent");
}

// What the term boxes show after a calculation, and the terms used.
struct TermTextCase {
    const char* typed;
    int months;            // the Month box holding the text
    const char* monthText;
    double rate;           // the Interest Rate box holding the text
    const char* rateText;
};

constexpr TermTextCase TermTextCases[] = {
    {"360", 360, "360", 360, "360.00"},
    {"7.8", 7, "7", 7.8, "7.80"},
    {"8", 8, "8", 8, "8.00"},
    {"12.7", 12, "12", 12.7, "12.70"},
    {"360.9999", 360, "360", 360.9999, "360.9999"},
    {"1199.5", 1199, "1199", 1000, "1000.00"},
    {"0.5", 1, "1", 0.5, "0.50"},
    {"0.1", 1, "1", 0.1, "0.10"},
    {"0.05", 1, "1", 0.1, "0.10"},
    {"6.125", 6, "6", 6.125, "6.125"},
    {"12.3456789", 12, "12", 12.3456789, "12.3456789"},
    {"12.34567890125", 12, "12", 12.3456789013, "12.3456789013"},  // rounded to ten
    {"0.10000000004", 1, "1", 0.1, "0.10"},
    {"999.99999999996", 999, "999", 1000, "1000.00"},
    {"1.235", 1, "1", 1.2349999999999999, "1.235"},
    {"", 1, "1", 0.1, "0.10"},
    {"abc", 1, "1", 0.1, "0.10"},
    {"-7.5", 7, "7", 7.5, "7.50"},
    {"5000", 1200, "1200", 1000, "1000.00"},
    {"99999999999999999999999999999", 1200, "1200", 1000, "1000.00"},
    {"360 (30 Yrs)", 360, "360", 1000, "1000.00"},
};

static double Parsed(const char* text, int mode)
{
    char copy[FormatResultSize + 8];
    snprintf(copy, sizeof copy, "%s", text);
    return ParseNumber(copy, mode);
}

static void CheckTermTexts()
{
    for (const TermTextCase& row : TermTextCases) {
        int months = MonthsUsed(Parsed(row.typed, ParseFirstWord));
        CHECK_INT(months, row.months, row.typed);
        CHECK_TEXT(MonthText(months), row.monthText, row.typed);
        double rate = RateUsed(Parsed(row.typed, ParseUnsigned));
        CHECK_DOUBLE(rate, row.rate, row.typed);
        CHECK_TEXT(RateText(rate), row.rateText, row.typed);
    }
    // List items are written as the box writes a rate, unclamped.
    CHECK_TEXT(RateText(6.125 - 6 * 0.05), "5.825", "rate item");
    CHECK_TEXT(RateText(7.8 - 6 * 0.05), "7.50", "rate item");
    CHECK_TEXT(RateText(2000.3), "2000.30", "rate item");
}

// Reading the shown texts again gives the same terms, bit for bit, and the
// same texts: random texts of the characters users type, up to 29 long.
static void CheckTermTextsSettle()
{
    static const char alphabet[] = "0123456789012345678901234567890123456789.. -a,%";
    unsigned long long state = 0x9E3779B97F4A7C15ull;
    int failures = 0;
    for (int n = 0; n < 100000 && failures < 10; ++n) {
        char typed[FieldTextSize];
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        int length = static_cast<int>(state % FieldTextSize);
        for (int k = 0; k < length; ++k) {
            state ^= state << 13, state ^= state >> 7, state ^= state << 17;
            typed[k] = alphabet[state % (sizeof alphabet - 1)];
        }
        typed[length] = '\0';

        char shown[FormatResultSize + 8];
        int months = MonthsUsed(Parsed(typed, ParseFirstWord));
        snprintf(shown, sizeof shown, "%s", MonthText(months));
        int again = MonthsUsed(Parsed(shown, ParseFirstWord));
        bool ok = again == months && strcmp(MonthText(again), shown) == 0;

        double rate = RateUsed(Parsed(typed, ParseUnsigned));
        snprintf(shown, sizeof shown, "%s", RateText(rate));
        double read = Parsed(shown, ParseUnsigned);
        double rateAgain = RateUsed(read);
        ok = ok && memcmp(&read, &rate, sizeof rate) == 0 &&
             memcmp(&rateAgain, &rate, sizeof rate) == 0 && strcmp(RateText(rateAgain), shown) == 0;
        if (!CheckTrue(ok, "term texts settle", __FILE__, __LINE__)) {
            printf("    typed \"%s\": months %d, rate %.17g shown \"%s\", read again %.17g\n",
                   typed, months, rate, shown, rateAgain);
            ++failures;
        }
    }
}

// An output field shows a number, or says a result is too large for one.
static void CheckResultTexts()
{
    const double inf = HUGE_VAL;
    CHECK_TEXT(ResultText(inf, 1000), "Value is too large", "infinite result");
    CHECK_TEXT(ResultText(inf, 0.01), "Value is too large", "infinite result of a cent");
    CHECK_TEXT(ResultText(NAN, 0), "0.00", "infinity times an amount of 0");
    CHECK_TEXT(ResultText(-NAN, 0), "0.00", "the processor's default not-a-number");
    CHECK_TEXT(ResultText(20283868028.9, 1000000), "20283868028.90", "finite result");
    CHECK_INT(strlen(ResultText(DBL_MAX, 1)), 309 + 3, "largest finite result in full");
}


// The two-word arithmetic against the compiler's 128-bit integers, at the
// extremes of each half and on random words.
using Wide = unsigned __int128;

static Wide WideOf(TwoWord w)
{
    return (static_cast<Wide>(w.high) << 64) | w.low;
}

static bool CheckWords(unsigned long long a, unsigned long long b, unsigned long long divisor)
{
    Wide product = static_cast<Wide>(a) * b;
    unsigned long long rest = 0;
    TwoWord quotient = DivideWords(MultiplyWords(a, b), divisor, &rest);
    bool ok = WideOf(MultiplyWords(a, b)) == product && WideOf(quotient) == product / divisor &&
              rest == product % divisor;
    if (!CheckTrue(ok, "two-word product and quotient", __FILE__, __LINE__))
        printf("    %llu * %llu / %llu\n", a, b, divisor);
    return ok;
}

static void CheckTwoWords()
{
    const unsigned long long top = ~0ull;
    const unsigned long long words[] = {0, 1, 2, 3, 10, 0xFFFFFFFFull, 0x100000000ull,
                                        0x100000001ull, 0x7FFFFFFFFFFFFFFFull,
                                        0x8000000000000000ull, 0xFFFFFFFF00000000ull,
                                        12000000000000ull, 999999999999999999ull, top - 1, top};
    for (unsigned long long a : words) {
        for (unsigned long long b : words) {
            for (unsigned long long d : words) {
                if (d)
                    CheckWords(a, b, d);
            }
        }
    }
    unsigned long long state = 0x243F6A8885A308D3ull;
    int failures = 0;
    for (int n = 0; n < 200000 && failures < 5; ++n) {
        unsigned long long a = XorShift(&state) >> (XorShift(&state) % 64);
        unsigned long long b = XorShift(&state) >> (XorShift(&state) % 64);
        unsigned long long d = XorShift(&state) >> (XorShift(&state) % 64);
        if (d && !CheckWords(a, b, d))
            ++failures;
    }
}

// The month-by-month statement (statement_cases.cpp), its printed pages
// (print_cases.cpp) and the pages solved for the term or the rate
// (solve_cases.cpp).
void CheckStatements();
void CheckPrintedPages();
void CheckSolving();
// The cost of a loan with fees and points (loancost_cases.cpp).
void CheckLoanCosts();

int main(int argc, char** argv)
{
    Verbose = argc > 1 && strcmp(argv[1], "-v") == 0;
    HarnessStart();
    CheckGrid();
    CheckOverflow();
    CheckOneMonthSavings();
    CheckTermTexts();
    CheckTermTextsSettle();
    CheckResultTexts();
    CheckTwoWords();
    CheckStatements();
    CheckPrintedPages();
    CheckSolving();
    CheckLoanCosts();
    return HarnessFinish("finance");
}
