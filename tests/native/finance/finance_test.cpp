// The six page formulas against the same annuities worked out independently
// in quadruple precision (113-bit __float128, through log1p and expm1 rather
// than pow), on a grid of terms and amounts, compared as the two-decimal
// texts the pages show. Also the overflow results at the largest terms, and
// the texts the term boxes and the output fields show, the two-word
// arithmetic against 128-bit integers, and the month-by-month statements
// against the same rules in exact integer arithmetic.
#include <float.h>
#include <math.h>
#include <quadmath.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "finance/formulas.h"
#include "finance/statement.h"
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

static unsigned long long XorShift(unsigned long long* state)
{
    *state ^= *state << 13, *state ^= *state >> 7, *state ^= *state << 17;
    return *state;
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

// The statement's interest in 128-bit integers: balance * rate over 1200
// percent-months in units of 10^-10 percent, half up.
constexpr Wide InterestUnits = static_cast<Wide>(1200) * 10000000000ull;

static long long ExactInterest(long long balance, long long rate)
{
    Wide product = static_cast<Wide>(balance) * static_cast<Wide>(rate);
    return static_cast<long long>((2 * product + InterestUnits) / (2 * InterestUnits));
}

static void CheckInterest()
{
    struct Case {
        long long balance, rate, cents;
    };
    const Case cases[] = {
        // The worked example's ties at 8 %: 23190.75, 68952.27 and 66382.25
        // (before months 315, 130 and 149) give 154.605, 460.525 and 443.505.
        {2319075, 80000000000, 15461},
        {6895227 + 58701 - 46053, 80000000000, 46053},
        {6638225 + 58701 - 44351, 80000000000, 44351},
        {2319075, 79999999999, 15460},  // a hair below the tie
        {0, 10000000000000, 0},
        {1, 6000000000000, 1},          // 0.01 at 600 %: half a cent exactly
        {1, 5999999999999, 0},
        {999999999999999999, 10000000000000, 833333333333333333},
        {999999999999999999, 1, 83333},
        {12000000000000, 1234567891, 1234567891},
    };
    for (const Case& c : cases) {
        CHECK_INT(ExactInterest(c.balance, c.rate), c.cents, "the table's own figure");
        CHECK_INT(InterestCents(c.balance, c.rate), c.cents, "interest");
    }
    unsigned long long state = 0x13198A2E03707344ull;
    int failures = 0;
    for (int n = 0; n < 100000 && failures < 5; ++n) {
        long long balance = static_cast<long long>(XorShift(&state) % 1000000000000000000ull);
        balance >>= XorShift(&state) % 60;
        long long rate = static_cast<long long>(XorShift(&state) % 10000000000001ull);
        if (!CHECK_INT(InterestCents(balance, rate), ExactInterest(balance, rate), "interest"))
            ++failures;
    }
}

// The statement rules, written out once more from their description: the
// interest exact and half up; a loan's last payment settles it; from 10^16
// on (10^18 cents) a balance, and what follows from it, is not known, nor a
// total that includes an amount not known or reaches the limit.
struct ExpectedRow {
    long long payment, interest, principal, balance, extra;
    unsigned unknown;
};

// The extra of a month: the monthly one from its month, the one-off in its.
static long long ExpectedExtra(const StatementExtras& e, int month)
{
    return (month >= e.from ? e.monthly : 0) + (month == e.onceMonth ? e.once : 0);
}

static int ExpectStatement(const StatementTerms& t, ExpectedRow* rows, ExpectedRow* total)
{
    const long long limit = 1000000000000000000LL;
    bool loan = t.kind == LoanKind;
    long long balance = t.kind == SavingKind ? 0 : t.left;
    bool known = !t.leftTooLarge && !t.rateUnreadable && !(loan && t.rightTooLarge);
    bool paymentKnown = loan ? !t.rightTooLarge : !t.leftTooLarge;
    Wide sums[4] = {};  // payment, interest, principal, extra
    const unsigned bits[4] = {PaymentUnknown, InterestUnknown, PrincipalUnknown, ExtraUnknown};
    *total = ExpectedRow{};
    int count = 0;
    bool ended = false;
    for (int month = 1; month <= t.months && !ended; ++month) {
        ExpectedRow& r = rows[count++];
        r = ExpectedRow{};
        bool last = month == t.months;
        if (!paymentKnown || (loan && !known && last))
            r.unknown |= PaymentUnknown;
        r.payment = loan ? t.right : t.kind == SavingKind ? t.left : 0;
        r.extra = ExpectedExtra(t.extras, month);
        if (!known) {
            r.unknown |= InterestUnknown | PrincipalUnknown | BalanceUnknown;
            if (loan && last)
                r.unknown |= ExtraUnknown;
        } else {
            r.interest = ExactInterest(balance, t.rate);
            if (loan) {
                // The month that can settle the loan pays exactly what is
                // owed; of that, only what passes the payment is extra.
                if (balance + r.interest <= t.right + r.extra || last) {
                    long long owed = balance + r.interest;
                    r.extra = owed <= t.right ? 0 : owed - t.right < r.extra ? owed - t.right
                                                                              : r.extra;
                    r.payment = owed - r.extra;
                    ended = true;
                }
                r.principal = r.payment + r.extra - r.interest;
                balance -= r.principal;
            } else {
                balance += r.interest + r.payment + r.extra;
            }
            if (balance >= limit) {
                known = false;
                r.unknown |= BalanceUnknown;
            }
        }
        r.balance = balance;
        if (r.payment >= limit)
            r.unknown |= PaymentUnknown;
        const long long amounts[4] = {r.payment, r.interest, r.principal, r.extra};
        for (int k = 0; k < 4; ++k) {
            sums[k] += static_cast<Wide>(amounts[k]);
            Wide shifted = sums[k] + static_cast<Wide>(limit);  // limit + sum, at least 0
            if ((r.unknown & bits[k]) || shifted >= 2 * static_cast<Wide>(limit) ||
                shifted <= 0)
                total->unknown |= bits[k];
        }
    }
    total->payment = static_cast<long long>(sums[0]);
    total->interest = static_cast<long long>(sums[1]);
    total->principal = static_cast<long long>(sums[2]);
    total->extra = static_cast<long long>(sums[3]);
    total->balance = balance;
    if (!known)
        total->unknown |= BalanceUnknown;
    return count;
}

// The columns a statement shows: only their cells are compared.
static unsigned ShownBits(const StatementTerms& t)
{
    unsigned extra = t.extras.monthly > 0 || t.extras.once > 0 ? ExtraUnknown : 0u;
    switch (t.kind) {
    case LoanKind:
        return PaymentUnknown | InterestUnknown | PrincipalUnknown | BalanceUnknown | extra;
    case InvestmentKind:
        return InterestUnknown | BalanceUnknown | extra;
    default:
        return PaymentUnknown | InterestUnknown | BalanceUnknown | extra;
    }
}

static bool SameRow(const StatementTerms& t, const StatementRow& row, const ExpectedRow& e)
{
    unsigned shown = ShownBits(t);
    if ((row.unknown & shown) != (e.unknown & shown))
        return false;
    unsigned known = shown & ~e.unknown;
    return (!(known & PaymentUnknown) || row.payment == e.payment) &&
           (!(known & ExtraUnknown) || row.extra == e.extra) &&
           (!(known & InterestUnknown) || row.interest == e.interest) &&
           (!(known & PrincipalUnknown) || row.principal == e.principal) &&
           (!(known & BalanceUnknown) || row.balance == e.balance);
}

struct StatementCase {
    const char* what;
    int kind;
    int direction;
    int months;
    const char* rate;     // the Interest Rate box and the page's two fields
    const char* left;
    const char* right;
    int rows;             // months in the statement
    const char* lastRow;  // the last month's copied line
    const char* totalRow;
    const char* heading;  // or null: not compared
    const char* note;
};

static const StatementCase StatementCases[] = {
    // The worked example: the payment shown is 0.0018 below the exact one,
    // which over the term adds up to a last payment 2.70 above the others.
    {"loan, last payment differs", LoanKind, LeftToRight, 360, "8.00", "80000.00", "587.01", 360,
     "360\t589.71\t3.91\t585.80\t0.00\r\n", "Total\t211326.30\t131326.30\t80000.00\r\n",
     "Loan of 80000.00 at 8.00 % over 360 months, paying 587.01 a month",
     "Total interest 131326.30. The last payment is 589.71, not 587.01: it settles the "
     "balance the other payments leave."},
    {"one month", LoanKind, LeftToRight, 1, "8.00", "80000.00", "80533.33", 1,
     "1\t80533.33\t533.33\t80000.00\t0.00\r\n", "Total\t80533.33\t533.33\t80000.00\r\n",
     "Loan of 80000.00 at 8.00 % over 1 month, paying 80533.33 a month",
     "Total interest 533.33. Every payment is 80533.33."},
    {"loan of 0", LoanKind, LeftToRight, 360, "8.00", "0.00", "0.00", 1, "1\t0.00\t0.00\t0.00\t0.00\r\n",
     "Total\t0.00\t0.00\t0.00\r\n", nullptr, nullptr},
    // 1.00 over 200 months at 0.1 percent: the payment of 0.00504 shows as
    // 0.01, which pays the loan off in half the term.
    {"early payoff", LoanKind, LeftToRight, 200, "0.10", "1.00", "0.01", 100,
     "100\t0.01\t0.00\t0.01\t0.00\r\n", "Total\t1.00\t0.00\t1.00\r\n", nullptr,
     "Total interest 0.00. The loan is paid off in month 100, with a last payment of 0.01."},
    // A payment below the interest: the balance grows, the last month pays it.
    {"principal below zero", LoanKind, LeftToRight, 3, "8.00", "80000.00", "500.00", 3,
     "3\t80600.67\t533.78\t80066.89\t0.00\r\n", "Total\t81600.67\t1600.67\t80000.00\r\n",
     nullptr, nullptr},
    // The largest loan the page shows (a payment of the cap at the lowest
    // rate over the longest term), and a loan of the bound 1200 times the cap.
    {"largest loan shown", LoanKind, LeftToRight, 1200, "0.10", "11419057441179.47", "10000000000.00", 1200,
     "1200\t10000000014.72\t833263.90\t9999166750.82\t0.00\r\n",
     "Total\t12000000000014.72\t580942558835.25\t11419057441179.47\r\n",
     "Loan of 11419057441179.47 at 0.10 % over 1200 months, paying 10000000000.00 a month",
     nullptr},
    {"loan of 1200 times the cap", LoanKind, LeftToRight, 1200, "0.10", "12000000000000.00",
     "10000000000.00", 1200, "1200\t652038146079.61\t54331984.51\t651983814095.10\t0.00\r\n",
     "Total\t12642038146079.61\t642038146079.61\t12000000000000.00\r\n", nullptr, nullptr},
    // Past the limit in the first month: the payments stay known, but for
    // the last, which settles a balance not known.
    {"loan past the limit", LoanKind, LeftToRight, 3, "1000.00", "9999999999999999.99", "1.00", 3,
     "3\tValue is too large\tValue is too large\tValue is too large\tValue is too large\r\n",
     "Total\tValue is too large\tValue is too large\tValue is too large\r\n", nullptr,
     "The balance reaches 10000000000000000.00 in month 1, the most the statement keeps in "
     "whole cents: from that month on it is not shown, nor are the interest on it, the "
     "principal and the last payment."},
    // The last payment passes the limit: it reads as too large in its row
    // as in its total. The total of payments that each stay below it can
    // still pass it.
    {"last payment past the limit", LoanKind, LeftToRight, 1, "1000.00",
     "9999999999999999.99", "1.00", 1,
     "1\tValue is too large\t8333333333333333.33\t9999999999999999.99\t0.00\r\n",
     "Total\tValue is too large\t8333333333333333.33\t9999999999999999.99\r\n", nullptr,
     "Total interest 8333333333333333.33. The last payment is too large to show: it settles "
     "the balance the other payments leave."},
    {"payments past the limit", LoanKind, LeftToRight, 2, "0.10", "9999999999999999.99",
     "6000000000000000.00", 2,
     "2\t4001166736111111.10\t333402777777.78\t4000833333333333.32\t0.00\r\n",
     "Total\tValue is too large\t1166736111111.11\t9999999999999999.99\r\n", nullptr, nullptr},
    {"investment of 0", InvestmentKind, LeftToRight, 360, "7.80", "0.00", "0.00", 360, "360\t0.00\t0.00\r\n",
     "Total\t0.00\t0.00\r\n", nullptr,
     "Each month's interest is credited in whole cents: the statement ends at 0.00, as does "
     "the future worth the page worked out."},
    {"saving of 0", SavingKind, LeftToRight, 12, "7.80", "0.00", "0.00", 12, "12\t0.00\t0.00\t0.00\r\n",
     "Total\t0.00\t0.00\t0.00\r\n", nullptr, nullptr},
    // The rounded statement ends 0.42 above the page's future worth.
    {"saving example", SavingKind, LeftToRight, 360, "7.80", "200.00", "286243.83", 360,
     "360\t200.00\t1847.28\t286244.25\r\n", "Total\t72000.00\t214244.25\t286244.25\r\n",
     "Saving 200.00 a month at 7.80 % over 360 months, growing to 286243.83",
     "Each month's interest is credited in whole cents: the statement ends at 286244.25, 0.42 "
     "more than the future worth the page worked out, 286243.83, which keeps every fraction of "
     "a cent."},
    // The other way: a future worth of 1000000 over 30 years at 6 % needs
    // 995.5052 a month; the page shows, and the statement saves, 995.51.
    {"saving for a future worth", SavingKind, RightToLeft, 360, "6.00", "995.51", "1000000.00",
     360, nullptr, nullptr, nullptr,
     "The monthly saving of 995.51 is the page's answer rounded to the cent, and each month's "
     "interest is credited in whole cents: the statement ends at 1000004.59, 4.59 more than the "
     "future worth given, 1000000.00."},
    {"present worth of a future worth", InvestmentKind, RightToLeft, 2, "6.00", "990.07",
     "1000.00", 2, "2\t4.98\t1000.00\r\n", "Total\t9.93\t1000.00\r\n", nullptr,
     "The present worth of 990.07 is the page's answer rounded to the cent, and each month's "
     "interest is credited in whole cents: the statement ends at 1000.00, as does the future "
     "worth given."},
    // Ten places of rate; the exact annuity is 9429322190175.8882.
    {"rate of ten places", SavingKind, LeftToRight, 900, "0.1234567891", "9999999999.99", "9429322190177.36",
     900, nullptr, nullptr,
     "Saving 9999999999.99 a month at 0.1234567891 % over 900 months, growing to "
     "9429322190177.36",
     "Each month's interest is credited in whole cents: the statement ends at "
     "9429322190175.94, 1.42 less than the future worth the page worked out, 9429322190177.36, "
     "which keeps every fraction of a cent."},
    // The limit on each side: a worth of 9999999999999999.99 is stated, one
    // of 10000000000000000.00 is not.
    {"below the limit", InvestmentKind, LeftToRight, 1, "12.00", "9900990099009900.98",
     "9999999999999999.99", 1, "1\t99009900990099.01\t9999999999999999.99\r\n",
     "Total\t99009900990099.01\t9999999999999999.99\r\n", nullptr, nullptr},
    {"at the limit", InvestmentKind, LeftToRight, 1, "12.00", "9900990099009900.99", "10000000000000000.00",
     1, "1\t99009900990099.01\tValue is too large\r\n",
     "Total\t99009900990099.01\tValue is too large\r\n",
     "Investment of 9900990099009900.99 at 12.00 % over 1 month, growing to "
     "10000000000000000.00",
     "The worth reaches 10000000000000000.00 in month 1, the most the statement keeps in whole "
     "cents: from that month on it is not shown, nor is the interest on it."},
    // At 1000 percent 10000000000.00 passes 10^16 in month 23; the page's
    // future worth there is past it as well.
    {"investment past the limit", InvestmentKind, LeftToRight, 24, "1000.00", "10000000000.00",
     "21222027286254240.00", 24, "24\tValue is too large\tValue is too large\r\n",
     "Total\tValue is too large\tValue is too large\r\n", nullptr,
     "The worth reaches 10000000000000000.00 in month 23, the most the statement keeps in "
     "whole cents: from that month on it is not shown, nor is the interest on it."},
    {"saving, future worth too large", SavingKind, LeftToRight, 30, "1000.00", "10000000000.00",
     "Value is too large", 30, "30\t10000000000.00\tValue is too large\tValue is too large\r\n",
     "Total\t300000000000.00\tValue is too large\tValue is too large\r\n",
     "Saving 10000000000.00 a month at 1000.00 % over 30 months, growing to Value is too "
     "large",
     nullptr},
};

// The statement of a case against the rules, its last and total lines, its
// heading and note.
static void CheckTerms(const StatementCase& c, const StatementTerms& terms)
{
    static ExpectedRow expected[1200];
    ExpectedRow expectedTotal;
    int count = ExpectStatement(terms, expected, &expectedTotal);
    CHECK_INT(count, c.rows, c.what);

    Statement s;
    StartStatement(&s, terms);
    StatementRow row;
    int n = 0;
    char line[StatementLineSize] = "";
    int mismatches = 0;
    while (NextStatementRow(&s, &row)) {
        if (n >= count) {
            ++n;  // one row too many: counted, not compared
            continue;
        }
        const ExpectedRow& e = expected[n++];
        if ((row.month != n || !SameRow(terms, row, e)) && mismatches++ < 3)
            printf("  %s, month %d: payment %lld extra %lld interest %lld balance %lld unknown "
                   "%u, expected %lld %lld %lld %lld %u\n",
                   c.what, n, row.payment, row.extra, row.interest, row.balance, row.unknown,
                   e.payment, e.extra, e.interest, e.balance, e.unknown);
        StatementLine(terms, row, line);
    }
    CHECK_INT(mismatches, 0, c.what);
    CHECK_INT(n, count, c.what);
    if (c.lastRow)
        CHECK_TEXT(line, c.lastRow, c.what);
    StatementRow total;
    FinishStatement(s, &total);
    if (!CHECK(SameRow(terms, total, expectedTotal)))
        printf("  %s, total: payment %lld interest %lld unknown %u, expected %lld %lld %u\n",
               c.what, total.payment, total.interest, total.unknown, expectedTotal.payment,
               expectedTotal.interest, expectedTotal.unknown);
    StatementLine(terms, total, line);
    if (c.totalRow)
        CHECK_TEXT(line, c.totalRow, c.what);
    char text[StatementTextSize];
    if (c.heading) {
        StatementHeading(terms, text);
        CHECK_TEXT(text, c.heading, c.what);
    }
    if (c.note) {
        StatementNote(s, text);
        CHECK_TEXT(text, c.note, c.what);
    }
}

static void CheckStatement(const StatementCase& c)
{
    CheckTerms(c, TermsOfPage(c.kind, c.direction, c.months, c.rate, c.left, c.right));
}

// Extra payments, or extra savings: the fields' texts as typed, then the
// statement against the rules, its last and total lines, heading and note.
struct ExtrasCase {
    StatementCase statement;
    const char* monthly;
    const char* from;
    const char* once;
    const char* onceMonth;
};

static const ExtrasCase ExtrasCases[] = {
    // 100.00 more a month on the worked example: month 1 pays 587.01 and
    // 100.00, principal 153.68; the loan ends in month 226.
    {{"100 more a month", LoanKind, LeftToRight, 360, "8.00", "80000.00", "587.01", 226,
      "226\t256.43\t0.00\t1.70\t254.73\t0.00\r\n",
      "Total\t132333.68\t22500.00\t74833.68\t80000.00\r\n",
      "Loan of 80000.00 at 8.00 % over 360 months, paying 587.01 a month; extra 100.00 a month "
      "from month 1",
      "With the extras the loan is paid off in month 226, 134 months sooner, with a last "
      "payment of 256.43. Total interest 74833.68, 56492.62 less than without them."},
     "100", "1", "", "1"},
    // A one-off of 5000 in month 12 instead.
    {{"5000 once", LoanKind, LeftToRight, 360, "8.00", "80000.00", "587.01", 292,
      "292\t464.84\t0.00\t3.08\t461.76\t0.00\r\n",
      "Total\t171284.75\t5000.00\t96284.75\t80000.00\r\n",
      "Loan of 80000.00 at 8.00 % over 360 months, paying 587.01 a month; one-off 5000.00 in "
      "month 12",
      "With the extras the loan is paid off in month 292, 68 months sooner, with a last "
      "payment of 464.84. Total interest 96284.75, 35041.55 less than without them."},
     "", "1", "5000", "12"},
    // The extra in the last month: the month pays what is owed, and the
    // extra only what passes the payment.
    {{"extra in the last month", LoanKind, LeftToRight, 3, "12.00", "100.00", "34.00", 3,
      "3\t34.00\t0.01\t0.34\t33.67\t0.00\r\n", "Total\t102.00\t0.01\t2.01\t100.00\r\n",
      nullptr,
      "With the extras the loan is paid off in month 3, as without them, with a last payment "
      "of 34.01. Total interest 2.01, 0.00 less than without them."},
     "50", "3", "", "1"},
    // An extra larger than the balance pays it off; the extra is what passes
    // the payment. A one-off in month 1 and the monthly extra from a month
    // past the term, held to it.
    {{"one-off larger than the loan", LoanKind, LeftToRight, 12, "6.00", "1000.00", "86.07",
      1, "1\t86.07\t918.93\t5.00\t1000.00\t0.00\r\n",
      "Total\t86.07\t918.93\t5.00\t1000.00\r\n",
      "Loan of 1000.00 at 6.00 % over 12 months, paying 86.07 a month; extra 1.00 a month "
      "from month 12; one-off 2000.00 in month 1",
      nullptr},
     "1", "5000", "2000", "0"},
    {{"one-off in the last month", LoanKind, LeftToRight, 12, "6.00", "1000.00", "80.00", 12,
      "12\t80.00\t74.85\t0.77\t154.08\t0.00\r\n",
      "Total\t960.00\t74.85\t34.85\t1000.00\r\n", nullptr, nullptr},
     "", "1", "1000", "12 (1 Yr)"},
    // A saving and an investment with extras: added at each month's end.
    {{"saving with extras", SavingKind, LeftToRight, 3, "12.00", "100.00", "303.01", 3,
      "3\t100.00\t10.00\t2.01\t313.01\r\n", "Total\t300.00\t10.00\t3.01\t313.01\r\n",
      "Saving 100.00 a month at 12.00 % over 3 months, growing to 303.01; extra 10.00 a month "
      "from month 3",
      "Each month's interest is credited in whole cents: with the extras the statement ends at "
      "313.01, 10.00 more than without them; the extras add 10.00 in all."},
     "10", "3", "", "1"},
    {{"investment with extras", InvestmentKind, LeftToRight, 2, "12.00", "1000.00", "1020.10",
      2, "2\t0.00\t15.10\t1525.10\r\n", "Total\t500.00\t25.10\t1525.10\r\n", nullptr,
      "Each month's interest is credited in whole cents: with the extras the statement ends at "
      "1525.10, 505.00 more than without them; the extras add 500.00 in all."},
     "abc", "1", "500.00 $", "1"},
};

// The year rows: twelve months each, the last what is left, summed from the
// month rows by the rules; they add up to the total row.
static void CheckYears(const StatementTerms& monthly, const char* what)
{
    static ExpectedRow expected[1200];
    ExpectedRow total;
    int months = ExpectStatement(monthly, expected, &total);
    StatementTerms terms = monthly;
    terms.byYear = true;
    static StatementRow rows[MaxStatementRows];
    Statement s;
    int count = StatementRows(terms, rows, &s);
    CHECK_INT(count, (months + 11) / 12 + 1, what);
    for (int y = 0; y < count - 1; ++y) {
        ExpectedRow sum = {};
        for (int m = 12 * y; m < 12 * y + 12 && m < months; ++m) {
            sum.payment += expected[m].payment;
            sum.extra += expected[m].extra;
            sum.interest += expected[m].interest;
            sum.principal += expected[m].principal;
            sum.balance = expected[m].balance;
        }
        CHECK_INT(rows[y].month, y + 1, what);
        CHECK(SameRow(terms, rows[y], sum));
    }
    CHECK(SameRow(terms, rows[count - 1], total) && rows[count - 1].month == 0);
    CHECK_TEXT(StatementColumnName(terms, 0), "Year", what);
}

// The worked example by year: year 1 pays 6375.86 of interest and 668.26 of
// principal, leaving 79331.74; year 2 pays 6320.37 of interest. 30 months
// make two years and a half.
static void CheckYearExample()
{
    StatementTerms terms = TermsOfPage(LoanKind, LeftToRight, 360, "8.00", "80000.00", "587.01");
    terms.byYear = true;
    static StatementRow rows[MaxStatementRows];
    Statement s;
    CHECK_INT(StatementRows(terms, rows, &s), 31, "years of the worked example");
    char line[StatementLineSize];
    StatementLine(terms, rows[0], line);
    CHECK_TEXT(line, "1\t7044.12\t6375.86\t668.26\t79331.74\r\n", "year 1");
    CHECK_TEXT(CellText(terms, rows[1], 2), "6320.37", "year 2");
    terms.months = 30;
    CheckYears(terms, "30 months by year");
}

// The statement on the calendar. Serial numbers of months' first days, as
// worked out by hand (and as a spreadsheet shows them); a year as the box
// reads its field.
static void CheckDates()
{
    struct Serial {
        int year, month;
        long serial;
    };
    const Serial serials[] = {{1900, 1, 1},       {1900, 2, 32},       {1900, 3, 61},
                              {1900, 12, 336},    {2000, 1, 36526},    {2024, 1, 45292},
                              {2025, 10, 45931},  {2026, 2, 46054},    {2125, 12, 82516},
                              {9999, 12, 2958435}};
    for (const Serial& d : serials)
        CHECK_INT(DateSerial(d.year, d.month), d.serial, "date serial");
    struct Year {
        const char* text;
        int year;
    };
    const Year years[] = {{"2025", 2025}, {"", 1900},        {"12", 1900},
                          {"99999", 9999}, {"2030 AD", 2030}, {"-2026.7", 2026}};
    for (const Year& y : years)
        CHECK_INT(YearOfText(y.text), y.year, y.text);
}

// A statement whose first payment is in a month of a year: each month's
// date, the calendar years (the first from the first payment to December,
// the last up to the last payment), summed from the month rows by the
// rules and adding up to the total; the Date column in the copied text and
// SYLK; the heading.
static void CheckCalendar(int months, int first, int year, const char* what)
{
    StatementTerms terms = TermsOfPage(LoanKind, LeftToRight, months, "8.00", "80000.00",
                                       "587.01");
    terms.firstMonth = first;
    terms.firstYear = year;
    static ExpectedRow expected[1200];
    ExpectedRow total;
    int count = ExpectStatement(terms, expected, &total);
    static StatementRow rows[MaxStatementRows];
    Statement s;
    CHECK_INT(StatementRows(terms, rows, &s), count + 1, what);
    static const char* const shortNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m < count; m += 37) {
        char date[16];
        snprintf(date, sizeof date, "%s %d", shortNames[(first - 1 + m) % 12],
                 year + (first - 1 + m) / 12);
        CHECK_TEXT(CellText(terms, rows[m], 1), date, what);
    }
    CHECK_TEXT(CellText(terms, rows[count], 1), "", what);

    terms.byYear = true;
    int groups = StatementRows(terms, rows, &s);
    int m = 0;
    for (int g = 0; g < groups - 1; ++g) {
        ExpectedRow sum = {};
        int calendarYear = year + (first - 1 + m) / 12;
        for (; m < count && year + (first - 1 + m) / 12 == calendarYear; ++m) {
            sum.payment += expected[m].payment;
            sum.interest += expected[m].interest;
            sum.principal += expected[m].principal;
            sum.balance = expected[m].balance;
        }
        CHECK_INT(rows[g].month, calendarYear, what);
        CHECK(SameRow(terms, rows[g], sum));
    }
    CHECK_INT(m, count, what);
    CHECK(SameRow(terms, rows[groups - 1], total) && rows[groups - 1].month == 0);
}

static void CheckCalendars()
{
    CheckDates();
    // The worked example with its first payment in October 2025: three
    // payments in 2025, 1598.93 of interest; 6362.40 in 2026.
    StatementTerms terms = TermsOfPage(LoanKind, LeftToRight, 360, "8.00", "80000.00", "587.01");
    terms.firstMonth = 10;
    terms.firstYear = 2025;
    terms.byYear = true;
    static StatementRow rows[MaxStatementRows];
    Statement s;
    CHECK_INT(StatementRows(terms, rows, &s), 32, "31 calendar years");
    char line[StatementLineSize];
    StatementLine(terms, rows[0], line);
    CHECK_TEXT(line, "2025\t1761.03\t1598.93\t162.10\t79837.90\r\n", "2025");
    CHECK_TEXT(CellText(terms, rows[1], 2), "6362.40", "2026");
    StatementLine(terms, rows[30], line);
    CHECK_TEXT(line, "2055\t5285.79\t172.04\t5113.75\t0.00\r\n", "2055");
    char text[StatementTextSize];
    StatementHeading(terms, text);
    CHECK_TEXT(text,
               "Loan of 80000.00 at 8.00 % over 360 months, paying 587.01 a month; first "
               "payment October 2025",
               "heading on the calendar");
    // The monthly view: the Date column after the month, as the list shows
    // it in the text and as a date in SYLK; the total leaves it empty.
    terms.byYear = false;
    terms.months = 4;
    static char table[8192];
    StatementTable(terms, TabSeparatedTable, table);
    CHECK(strstr(table, "Month\tDate\tPayment\tInterest\tPrincipal\tBalance\r\n"
                        "1\tOct 2025\t") != nullptr);
    CHECK(strstr(table, "\r\n4\tJan 2026\t") != nullptr);
    CHECK(strstr(table, "\r\nTotal\t\t") != nullptr);
    StatementTable(terms, SylkTable, table);
    CHECK(strstr(table, "P;Pmmm yyyy\r\n") != nullptr);
    CHECK(strstr(table, "F;P3;FG0G;Y3;X2\r\nC;Y3;X2;K45931\r\n") != nullptr);
    CHECK(strstr(table, "C;Y6;X2;K46023\r\n") != nullptr);
    CHECK(!strstr(table, "Y7;X2"));

    CheckCalendar(360, 1, 2026, "first payment in January");
    CheckCalendar(360, 12, 2025, "first payment in December");
    CheckCalendar(30, 10, 2025, "ending in March");
    CheckCalendar(1200, 1, 2026, "1200 months to 2125");
    CheckCalendar(1200, 7, 9950, "past the year 9999");
}

// The worked example's three ties of exactly half a cent, each rounded up.
static void CheckWorkedTies()
{
    struct Tie {
        int month;
        const char* interest;
    };
    const Tie ties[] = {{130, "460.53"}, {149, "443.51"}, {315, "154.61"}};
    StatementTerms terms = TermsOfPage(LoanKind, LeftToRight, 360, "8.00", "80000.00", "587.01");
    Statement s;
    StartStatement(&s, terms);
    StatementRow row;
    for (const Tie& tie : ties) {
        while (NextStatementRow(&s, &row) && row.month < tie.month) {
        }
        CHECK_TEXT(CellText(terms, row, 2), tie.interest, "tie of the worked example");
    }
}

// The amounts and rates a statement reads and the amounts it writes.
static void CheckStatementTexts()
{
    struct Amount {
        const char* text;
        bool read;
        long long cents;
    };
    const Amount amounts[] = {
        {"587.01", true, 58701},
        {"80000", true, 8000000},
        {"0.5", true, 50},
        {"9999999999999999.99", true, 999999999999999999},
        {"10000000000000000.00", false, 0},
        {"99999999999999999999.99", false, 0},
        {"Value is too large", false, 0},
        {"1.#J", false, 0},
        {"", false, 0},
        {"1.234", false, 0},
        {"-1.00", false, 0},
    };
    for (const Amount& a : amounts) {
        long long cents = -7;
        CHECK_INT(ParseCents(a.text, &cents), a.read, a.text);
        if (a.read)
            CHECK_INT(cents, a.cents, a.text);
    }
    const Amount rates[] = {
        {"8.00", true, 80000000000},
        {"0.10", true, 1000000000},
        {"0.1234567891", true, 1234567891},
        {"1000.00", true, 10000000000000},
        {"1000.0000000001", false, 0},
        {"0.12345678901", false, 0},
        {"", false, 0},
    };
    for (const Amount& r : rates) {
        long long rate = -7;
        CHECK_INT(ParseRate(r.text, &rate), r.read, r.text);
        if (r.read)
            CHECK_INT(rate, r.cents, r.text);
    }
    // SYLK from end to end: the opening record and the formats it names,
    // each number preceded by its format (whole months, two-place amounts),
    // texts quoted, the end record last; the size counted is the size written.
    StatementTerms terms = TermsOfPage(LoanKind, LeftToRight, 3, "12.00", "100.00", "34.00");
    static char sylk[4096];
    unsigned long size = StatementTable(terms, SylkTable, nullptr);
    CHECK(size <= sizeof sylk);
    CHECK_INT(StatementTable(terms, SylkTable, sylk), size, "SYLK size");
    CHECK_INT(strlen(sylk) + 1, size, "SYLK size written");
    const char* opening = "ID;PLedgerly\r\nP;PGeneral\r\nP;P0\r\nP;P0.00\r\nP;Pmmm yyyy\r\n"
                          "C;Y1;X1;K\"Loan of 100.00 at 12.00 % over 3 months, paying 34.00 a "
                          "month\"\r\nC;Y2;X1;K\"Month\"\r\n";
    CHECK(strncmp(sylk, opening, strlen(opening)) == 0);
    CHECK(strstr(sylk, "\r\nF;P1;FF0G;Y3;X1\r\nC;Y3;X1;K1\r\nF;P2;FF2G;Y3;X2\r\n"
                       "C;Y3;X2;K34.00\r\n") != nullptr);
    const char* end = "C;Y6;X1;K\"Total\"\r\nF;P2;FF2G;Y6;X2\r\nC;Y6;X2;K102.01\r\n"
                      "F;P2;FF2G;Y6;X3\r\nC;Y6;X3;K2.01\r\nF;P2;FF2G;Y6;X4\r\nC;Y6;X4;K100.00\r\n"
                      "E\r\n";
    CHECK(strlen(sylk) > strlen(end) && strcmp(sylk + strlen(sylk) - strlen(end), end) == 0);
    // A semicolon in the heading is written twice.
    terms.extras = ExtrasOfTexts("5", "2", "", "1", 3);
    StatementTable(terms, SylkTable, sylk);
    CHECK(strstr(sylk, "paying 34.00 a month;; extra 5.00 a month from month 2\"\r\n") != nullptr);
    terms.extras = StatementExtras{};

    CHECK_TEXT(CentsText(-1), "-0.01", "cents");
    CHECK_TEXT(CentsText(0), "0.00", "cents");
    CHECK_TEXT(CentsText(105), "1.05", "cents");
    CHECK_TEXT(CentsText(999999999999999999), "9999999999999999.99", "cents");
    CHECK_TEXT(CentsText(9223372036854775807LL), "92233720368547758.07", "cents");
    CHECK_TEXT(CentsText(-9223372036854775807LL - 1), "-92233720368547758.08", "cents");
}

// With a decimal comma the statement reads the page's texts and writes its
// list, copied text, heading and note with the comma; its SYLK keeps the
// point. The term texts follow the mark too.
static void CheckCommaTexts()
{
    UseDecimalMark(",", ".");
    long long cents = 0;
    CHECK(ParseCents("587,01", &cents) && cents == 58701);
    CHECK(!ParseCents("587.01", &cents));
    long long rate = 0;
    CHECK(ParseRate("6,125", &rate) && rate == 61250000000);
    CHECK_TEXT(CentsText(-1), "-0,01", "comma cents");
    CHECK_TEXT(RateText(7.8), "7,80", "comma rate");
    CHECK_TEXT(RateText(6.125), "6,125", "comma rate");
    CHECK_TEXT(RateText(0.5), "0,50", "comma rate below 1");
    CHECK_DOUBLE(RateUsed(6.125), 6.125, "comma rate used");

    StatementTerms terms = TermsOfPage(LoanKind, LeftToRight, 360, "8,00", "80000,00", "587,01");
    static char table[150000];
    CHECK(StatementTable(terms, SylkTable, nullptr) <= sizeof table);
    StatementTable(terms, TabSeparatedTable, table);
    CHECK(strstr(table, "360\t589,71\t3,91\t585,80\t0,00\r\n") != nullptr);
    CHECK(strstr(table, "Total\t211326,30\t131326,30\t80000,00\r\n") != nullptr);
    StatementTable(terms, SylkTable, table);
    CHECK(strstr(table, ";K211326.30\r\n") != nullptr && !strstr(table, ";K211326,30"));
    char text[StatementTextSize];
    StatementHeading(terms, text);
    CHECK_TEXT(text, "Loan of 80000,00 at 8,00 % over 360 months, paying 587,01 a month",
               "comma heading");
    UseDecimalMark(".", ",");
}

// The pages solved for the term or the rate (solve_cases.cpp).
void CheckSolving();
// The cost of a loan with fees and points (loancost_cases.cpp).
void CheckLoanCosts();

int main(int argc, char** argv)
{
    Verbose = argc > 1 && strcmp(argv[1], "-v") == 0;
    HarnessStart();
    CheckGrid();
    CheckOverflow();
    CheckTermTexts();
    CheckTermTextsSettle();
    CheckResultTexts();
    CheckTwoWords();
    CheckInterest();
    for (const StatementCase& c : StatementCases)
        CheckStatement(c);
    for (const ExtrasCase& c : ExtrasCases) {
        const StatementCase& t = c.statement;
        StatementTerms terms = TermsOfPage(t.kind, t.direction, t.months, t.rate, t.left, t.right);
        terms.extras = ExtrasOfTexts(c.monthly, c.from, c.once, c.onceMonth, t.months);
        CheckTerms(t, terms);
        CheckYears(terms, t.what);
    }
    CheckYearExample();
    CheckCalendars();
    CheckWorkedTies();
    CheckStatementTexts();
    CheckCommaTexts();
    CheckSolving();
    CheckLoanCosts();
    return HarnessFinish("finance");
}
