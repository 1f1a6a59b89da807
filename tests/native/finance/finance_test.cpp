// The six page formulas against the same annuities worked out independently
// in quadruple precision (113-bit __float128, through log1p and expm1 rather
// than pow), on a grid of terms and amounts, compared as the two-decimal
// texts the pages show. Also the overflow results at the largest terms, and
// the texts the term boxes and the output fields show, and the month-by-month
// statements against the same rules in exact integer arithmetic.
#include <float.h>
#include <math.h>
#include <quadmath.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "finance/formulas.h"
#include "finance/statement.h"
#include "finance/terms.h"
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


// The statement's interest, in exact integer arithmetic: the product of the
// balance and the monthly rate rounded to the nearest double (53 bits, ties
// to even), its decimal expansion cut to 18 significant digits, rounded half
// up to 17, then half up to a whole number of cents.
using Wide = unsigned __int128;

static Wide TenTo(int exponent)
{
    Wide p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

static long long ExactInterest(long long balance, double rate)
{
    int e2;
    double f = frexp(rate, &e2);
    Wide m = static_cast<Wide>(static_cast<long long>(ldexp(f, 53)));
    Wide p = static_cast<Wide>(balance) * m;
    int shift = 53 - e2;  // the product is p / 2^shift
    if (p == 0)
        return 0;
    int bits = 0;
    for (Wide q = p; q; q >>= 1)
        ++bits;
    if (bits > 53) {
        int drop = bits - 53;
        Wide q = p >> drop;
        Wide rest = p & ((static_cast<Wide>(1) << drop) - 1);
        Wide half = static_cast<Wide>(1) << (drop - 1);
        if (rest > half || (rest == half && (q & 1)))
            ++q;
        p = q << drop;  // the double's value, still over 2^shift
    }
    Wide whole = p >> shift;
    Wide fraction = p & ((static_cast<Wide>(1) << shift) - 1);
    int wholeDigits = 0;
    for (Wide w = whole; w; w /= 10)
        ++wholeDigits;
    // 18 significant digits: the whole digits, then fraction digits (leading
    // zeros of a value below 1 do not count).
    Wide t = whole;
    int kept = wholeDigits;
    int places = 0;
    while (kept < 18) {
        fraction *= 10;
        int digit = static_cast<int>(fraction >> shift);
        fraction &= (static_cast<Wide>(1) << shift) - 1;
        t = t * 10 + digit;
        ++places;
        if (t)
            ++kept;
    }
    Wide t17 = t / 10 + (t % 10 >= 5 ? 1 : 0);
    int places17 = places - 1;  // fraction digits of t17
    Wide result = t17 / TenTo(places17);
    if ((t17 / TenTo(places17 - 1)) % 10 >= 5)
        ++result;
    return static_cast<long long>(result);
}

// The statement rules, written out once more from their description.
struct ExpectedRow {
    long long payment, interest, principal, balance;
    bool tooLarge;
};

static int ExpectStatement(const StatementTerms& t, ExpectedRow* rows, ExpectedRow* total)
{
    const long long limit = 1000000000000000LL;
    long long balance = t.kind == SavingKind ? 0 : t.left;
    bool tooLarge = false;
    *total = ExpectedRow{};
    int count = 0;
    for (int month = 1; month <= t.months; ++month) {
        ExpectedRow& r = rows[count++];
        r = ExpectedRow{};
        if (!tooLarge) {
            long long interest = ExactInterest(balance, t.monthlyRate);
            r.interest = interest;
            if (t.kind == LoanKind) {
                bool last = balance + interest <= t.right || month == t.months;
                r.payment = last ? balance + interest : t.right;
                r.principal = r.payment - interest;
                balance -= r.principal;
                total->principal += r.principal;
            } else {
                r.payment = t.kind == SavingKind ? t.left : 0;
                balance += interest + r.payment;
            }
            total->payment += r.payment;
            total->interest += interest;
            tooLarge = balance >= limit;
        } else if (t.kind == SavingKind) {
            r.payment = t.left;
            total->payment += t.left;
        }
        r.balance = balance;
        r.tooLarge = tooLarge;
        if (t.kind == LoanKind && balance == 0)
            break;
    }
    total->balance = balance;
    total->tooLarge = tooLarge;
    return count;
}

struct StatementCase {
    const char* what;
    int kind;
    int months;
    double rate;
    const char* left;     // the page's two amounts as it shows them
    const char* right;
    int rows;             // months in the statement
    const char* lastRow;  // the last month's copied line
    const char* totalRow;
};

static const StatementCase StatementCases[] = {
    // The worked example: the payment shown is 0.0018 below the exact one,
    // which over the term adds up to a last payment 2.69 above the others.
    {"loan, last payment differs", LoanKind, 360, 8, "80000.00", "587.01", 360,
     "360\t589.70\t3.91\t585.79\t0.00\r\n", "Total\t211326.29\t131326.29\t80000.00\r\n"},
    {"one month", LoanKind, 1, 8, "80000.00", "80533.33", 1,
     "1\t80533.33\t533.33\t80000.00\t0.00\r\n", "Total\t80533.33\t533.33\t80000.00\r\n"},
    {"loan of 0", LoanKind, 360, 8, "0.00", "0.00", 1, "1\t0.00\t0.00\t0.00\t0.00\r\n",
     "Total\t0.00\t0.00\t0.00\r\n"},
    // 1.00 over 200 months at 0.1 percent: the payment of 0.00504 shows as
    // 0.01, which pays the loan off in half the term.
    {"early payoff", LoanKind, 200, 0.1, "1.00", "0.01", 100, "100\t0.01\t0.00\t0.01\t0.00\r\n",
     "Total\t1.00\t0.00\t1.00\r\n"},
    // A payment below the interest: the balance grows, the last month pays it.
    {"principal below zero", LoanKind, 3, 8, "80000.00", "500.00", 3,
     "3\t80600.67\t533.78\t80066.89\t0.00\r\n", "Total\t81600.67\t1600.67\t80000.00\r\n"},
    {"investment of 0", InvestmentKind, 360, 7.8, "0.00", "0.00", 360, "360\t0.00\t0.00\r\n",
     "Total\t0.00\t0.00\r\n"},
    {"saving of 0", SavingKind, 12, 7.8, "0.00", "0.00", 12, "12\t0.00\t0.00\t0.00\r\n",
     "Total\t0.00\t0.00\t0.00\r\n"},
    // The rounded statement ends 0.42 above the page's exact future worth.
    {"saving example", SavingKind, 360, 7.8, "200.00", "286243.83", 360,
     "360\t200.00\t1847.28\t286244.25\r\n", "Total\t72000.00\t214244.25\t286244.25\r\n"},
    // At 1000 percent 10000000000.00 passes 10^13 in month 12; the page's
    // future worth there is past it as well.
    {"investment at the limit", InvestmentKind, 24, 1000, "10000000000.00",
     "21222027286254240.00", 24, "24\tValue is too large\tValue is too large\r\n",
     "Total\tValue is too large\tValue is too large\r\n"},
    {"saving at the limit", SavingKind, 30, 1000, "10000000000.00", "Value is too large",
     30, "30\t10000000000.00\tValue is too large\tValue is too large\r\n",
     "Total\t300000000000.00\tValue is too large\tValue is too large\r\n"},
};

static void CheckStatement(const StatementCase& c)
{
    StatementTerms terms = {};
    terms.kind = c.kind;
    terms.months = c.months;
    terms.annualRate = c.rate;
    terms.monthlyRate = MonthlyRateOf(c.rate);
    terms.leftTooLarge = !ParseCents(c.left, &terms.left);
    terms.rightTooLarge = !ParseCents(c.right, &terms.right);
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
        if (n >= count)
            break;
        const ExpectedRow& e = expected[n++];
        bool same = row.month == n && row.tooLarge == e.tooLarge &&
                    (e.tooLarge || (row.interest == e.interest && row.balance == e.balance)) &&
                    row.payment == e.payment &&
                    (c.kind != LoanKind || row.principal == e.principal);
        if (!same && mismatches++ < 3)
            printf("  %s, month %d: interest %lld balance %lld, expected %lld %lld\n", c.what, n,
                   row.interest, row.balance, e.interest, e.balance);
        StatementLine(c.kind, row, line);
    }
    CHECK_INT(mismatches, 0, c.what);
    CHECK_INT(n, count, c.what);
    CHECK_TEXT(line, c.lastRow, c.what);
    StatementRow total;
    FinishStatement(s, &total);
    CHECK(total.tooLarge == expectedTotal.tooLarge);
    if (!expectedTotal.tooLarge)
        CHECK(total.interest == expectedTotal.interest && total.balance == expectedTotal.balance);
    CHECK(total.payment == expectedTotal.payment);
    StatementLine(c.kind, total, line);
    CHECK_TEXT(line, c.totalRow, c.what);
}

// The amounts a statement reads and writes, and the note under it.
static void CheckStatementTexts()
{
    struct Amount {
        const char* text;
        bool read;
        long long cents;
    };
    const Amount amounts[] = {
        {"587.01", true, 58701},        {"80000", true, 8000000},
        {"0.5", true, 50},              {"9999999999999.99", true, 999999999999999},
        {"10000000000000.00", false, 0}, {"Value is too large", false, 0},
        {"1.#J", false, 0},             {"", false, 0},
        {"1.234", false, 0},            {"-1.00", false, 0},
    };
    for (const Amount& a : amounts) {
        long long cents = -7;
        CHECK_INT(ParseCents(a.text, &cents), a.read, a.text);
        if (a.read)
            CHECK_INT(cents, a.cents, a.text);
    }
    CHECK_TEXT(CentsText(-1), "-0.01", "cents");
    CHECK_TEXT(CentsText(0), "0.00", "cents");
    CHECK_TEXT(CentsText(105), "1.05", "cents");
    CHECK_TEXT(CentsText(999999999999999), "9999999999999.99", "cents");

    // The note of a statement that ends away from the page's future worth.
    StatementTerms terms = {SavingKind, 360, 7.8, MonthlyRateOf(7.8), 20000, false, 28624383,
                           false};
    char text[StatementTextSize];
    Statement s;
    StartStatement(&s, terms);
    StatementRow row;
    while (NextStatementRow(&s, &row)) {
    }
    StatementNote(s, text);
    CHECK_TEXT(text,
               "Each month's interest is rounded to the cent, so the statement ends at "
               "286244.25, 0.42 more than the page's exact future worth of 286243.83.",
               "saving note");
}

// The pages solved for the term or the rate (solve_cases.cpp).
void CheckSolving();

int main(int argc, char** argv)
{
    Verbose = argc > 1 && strcmp(argv[1], "-v") == 0;
    HarnessStart();
    CheckGrid();
    CheckOverflow();
    CheckTermTexts();
    CheckTermTextsSettle();
    CheckResultTexts();
    for (const StatementCase& c : StatementCases)
        CheckStatement(c);
    CheckStatementTexts();
    CheckSolving();
    return HarnessFinish("finance");
}
