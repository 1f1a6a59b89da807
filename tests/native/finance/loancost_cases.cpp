// The finance test's loan cost section: the fees and points read and
// written back, the worked figures, and each shown rate checked against the
// statement's payments in quadruple precision: the payments' worth at the
// two ends of the shown rate's rounding interval must bracket the amount
// financed; the amounts against exact integer arithmetic on the decimal
// texts.
#include <quadmath.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "finance/formulas.h"
#include "finance/loancost.h"
#include "finance/terms.h"
#include "numtext/numtext.h"
#include "tests/harness.h"

using Quad = __float128;
using Wide = __int128;

// The field texts read and written back once left.
struct FieldCase {
    const char* typed;
    long long fees;  // cents
    const char* feesShown;
    long long points;  // units of 10^-10 percent
    const char* pointsShown;
};

static const FieldCase FieldCases[] = {
    {"750", 75000, "750.00", 1000000000000, "100.00"},
    {"2", 200, "2.00", 20000000000, "2.00"},
    {"1.125", 113, "1.13", 11250000000, "1.125"},
    {" 1,234.5 ", 123450, "1234.50", 1000000000000, "100.00"},
    {"99999999999", 1000000000000, "10000000000.00", 1000000000000, "100.00"},
    {"2.000000000049", 200, "2.00", 20000000000, "2.00"},
    {"0.00000000006", 0, "", 1, "0.0000000001"},
    {"0.00000000004", 0, "", 0, ""},
    {"0.004", 0, "", 40000000, "0.004"},
    {"-5", 500, "5.00", 50000000000, "5.00"},
    {"two", 0, "", 0, ""},
    {"", 0, "", 0, ""},
};

static void CheckFields()
{
    for (const FieldCase& c : FieldCases) {
        char what[64];
        snprintf(what, sizeof what, "fees \"%s\"", c.typed);
        CHECK_INT(FeesOfText(c.typed), c.fees, what);
        CHECK_TEXT(FeesText(FeesOfText(c.typed)), c.feesShown, what);
        snprintf(what, sizeof what, "points \"%s\"", c.typed);
        CHECK_INT(PointsOfText(c.typed), c.points, what);
        CHECK_TEXT(PointsText(PointsOfText(c.typed)), c.pointsShown, what);
    }
}

// ---------------------------------------------------------------------------
// The rules once more: the statement's payments, the amounts in exact
// integers, and the worth of the payments at a rate in 113 bits.

struct Loan {
    StatementTerms terms;
    long long payments[1200];
    int count;
    Wide total;
};

static Loan Followed;

static void Follow(const StatementTerms& terms)
{
    Followed.terms = terms;
    Followed.count = 0;
    Followed.total = 0;
    Statement s;
    StartStatement(&s, terms);
    StatementRow row;
    while (NextStatementRow(&s, &row)) {
        Followed.payments[Followed.count++] = row.payment + row.extra;
        Followed.total += row.payment + row.extra;
    }
}

// The payments' worth at a monthly rate, month k's discounted by (1 + i)^-k.
static Quad Worth(Quad i)
{
    Quad worth = 0;
    for (int k = Followed.count; k-- > 0;)
        worth = (worth + Followed.payments[k]) / (1 + i);
    return worth;
}

static Quad MonthlyOfApr(Quad apr)
{
    return apr / 1200;
}

static Quad MonthlyOfEffective(Quad effective)
{
    return expm1q(log1pq(effective / 100) / 12);
}

// Half a unit of the third place.
static const Quad HalfThousandth = static_cast<Quad>(5) / 10000;

// Shown rates that lie closer to an end of their rounding interval than
// double arithmetic can tell apart: allowed either way, counted.
static int Ties;

// A shown rate ("5.543 %") against the exact worth: at or above the lower
// end of its interval, below the upper end; "Value is too large" only from
// 10^9 on.
static void CheckRate(const char* shown, Quad (*monthly)(Quad), Quad financed, const char* what)
{
    if (strcmp(shown, TooLargeText) == 0) {
        if (!CHECK(Worth(monthly(static_cast<Quad>(1e9) - HalfThousandth)) >= financed))
            printf("  %s: too large to show, but below 10^9 %%\n", what);
        return;
    }
    size_t length = strlen(shown);
    if (!CHECK(length > 2 && strcmp(shown + length - 2, " %") == 0 &&
               shown[length - 6] == '.')) {
        printf("  %s: \"%s\" is no rate with three places\n", what, shown);
        return;
    }
    Quad rate = strtoflt128(shown, nullptr);
    Quad low = Worth(monthly(rate - HalfThousandth)) - financed;
    Quad high = Worth(monthly(rate + HalfThousandth)) - financed;
    Quad close = financed * static_cast<Quad>(1e-12);
    if (fabsq(low) <= close || fabsq(high) <= close) {
        ++Ties;
        return;
    }
    if (!CHECK(low >= 0 && high < 0)) {
        char lowText[64], highText[64];
        quadmath_snprintf(lowText, sizeof lowText, "%.6Qg", low);
        quadmath_snprintf(highText, sizeof highText, "%.6Qg", high);
        printf("  %s: shown %s, worth less the amount financed at its ends %s and %s\n", what,
               shown, lowText, highText);
    }
}

// Cents of a two-place text as the page writes it.
static Wide CentsOf(const char* text)
{
    Wide cents = 0;
    for (const char* c = text; *c; ++c)
        if (*c >= '0' && *c <= '9')
            cents = cents * 10 + (*c - '0');
    return text[0] == '-' ? -cents : cents;
}

static const char* Text(Wide cents)
{
    static char text[64];
    Wide magnitude = cents < 0 ? -cents : cents;
    snprintf(text, sizeof text, "%s%lld.%02lld", cents < 0 ? "-" : "",
             static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
    return text;
}

// Every figure of a cost against the rules: points the loan times the points
// over 100 rounded half up, the amounts, both rates, the note.
static void CheckCost(const StatementTerms& terms, long long fees, long long points,
                      const char* what)
{
    LoanCost cost;
    WorkOutLoanCost(terms, fees, points, &cost);
    Follow(terms);
    Wide loan = CentsOf(terms.leftText);
    Wide pointsCents = (static_cast<Wide>(loan) * points + 500000000000LL) / 1000000000000LL;
    Wide financed = loan - fees - pointsCents;
    CHECK_TEXT(cost.financed, Text(financed), what);
    CHECK_TEXT(cost.total, Text(Followed.total), what);
    CHECK_TEXT(cost.charge, Text(Followed.total - financed), what);
    if (financed <= 0) {
        CHECK_TEXT(cost.apr, "", what);
        CHECK_TEXT(cost.effective, "", what);
        CHECK(strstr(cost.note, "take the whole loan") != nullptr);
        return;
    }
    CHECK(strstr(cost.note, "The APR is") == cost.note);
    char where[160];
    snprintf(where, sizeof where, "%s, APR", what);
    CheckRate(cost.apr, MonthlyOfApr, static_cast<Quad>(financed), where);
    snprintf(where, sizeof where, "%s, effective rate", what);
    CheckRate(cost.effective, MonthlyOfEffective, static_cast<Quad>(financed), where);
}

// The Loan page's statement as it shows a loan calculated in a direction:
// the amount typed, the other field the page's result.
static StatementTerms LoanTerms(int months, const char* rate, int direction, const char* amount)
{
    char rateText[FieldTextSize];
    snprintf(rateText, sizeof rateText, "%s", RateText(RateUsed(atof(rate))));
    double annual = atof(rateText);
    double typed = FieldAmount(atof(amount));
    char input[FormatResultSize], output[FormatResultSize];
    snprintf(input, sizeof input, "%s", FormatNumber(typed, 2));
    snprintf(output, sizeof output, "%s",
             PageResultText(LoanKind, direction, typed, months, annual, MonthlyRateOf(annual)));
    return direction == LeftToRight ? TermsOfPage(LoanKind, direction, months, rateText, input,
                                                  output)
                                    : TermsOfPage(LoanKind, direction, months, rateText, output,
                                                  input);
}

// The worked figures and the edges: no fees or points, fees the whole loan
// or more, points of 100, one month, 1200 months at 1000 %, the largest
// loan the page shows, a rate too large to show, a loan repaid with no
// interest at all.
struct CostCase {
    int months;
    const char* rate;
    int direction;
    const char* amount;
    const char* fees;
    const char* points;
    const char* financed;
    const char* charge;
    const char* total;
    const char* apr;
    const char* effective;
};

static const CostCase CostCases[] = {
    {360, "5.50", LeftToRight, "160000", "", "", "160000.00", "167047.79", "327047.79",
     "5.500 %", "5.641 %"},
    {360, "5.50", LeftToRight, "160000", "750", "", "159250.00", "167797.79", "327047.79",
     "5.543 %", "5.686 %"},
    {360, "5.50", LeftToRight, "160000", "750", "2", "156050.00", "170997.79", "327047.79",
     "5.728 %", "5.881 %"},
    {360, "8", LeftToRight, "80000", "0", "0", "80000.00", "131326.30", "211326.30", "8.000 %",
     "8.300 %"},
    {360, "8", LeftToRight, "80000", "80000", "", "0.00", "211326.30", "211326.30", "", ""},
    {360, "8", LeftToRight, "80000", "85000", "", "-5000.00", "216326.30", "211326.30", "", ""},
    {360, "8", LeftToRight, "80000", "", "100", "0.00", "211326.30", "211326.30", "", ""},
    {360, "8", LeftToRight, "80000", "79999.99", "", "0.01", "211326.29", "211326.30",
     "70441200.000 %", TooLargeText},
    {1, "8", LeftToRight, "80000", "100", "0.5", "79500.00", "1033.33", "80533.33", "15.597 %",
     "16.762 %"},
    {1200, "1000", LeftToRight, "10000000000", "", "", "10000000000.00", "9999999999996.00",
     "10009999999996.00", "1000.000 %", "144077.409 %"},
    {1200, "1000", LeftToRight, "10000000000", "10000000000", "", "0.00", "10009999999996.00",
     "10009999999996.00", "", ""},
    {1200, "0.1", RightToLeft, "10000000000", "10000000000", "99.9999999999", "-9999999988.58",
     "12010000000003.30", "12000000000014.72", "", ""},
    {1200, "0.1", LeftToRight, "0.01", "", "", "0.01", "0.00", "0.01", "0.000 %", "0.000 %"},
};

static void CheckCostCases()
{
    for (const CostCase& c : CostCases) {
        char what[160];
        snprintf(what, sizeof what, "%s at %s over %d, fees \"%s\", points \"%s\"", c.amount,
                 c.rate, c.months, c.fees, c.points);
        StatementTerms terms = LoanTerms(c.months, c.rate, c.direction, c.amount);
        LoanCost cost;
        WorkOutLoanCost(terms, FeesOfText(c.fees), PointsOfText(c.points), &cost);
        CHECK_TEXT(cost.financed, c.financed, what);
        CHECK_TEXT(cost.charge, c.charge, what);
        CHECK_TEXT(cost.total, c.total, what);
        CHECK_TEXT(cost.apr, c.apr, what);
        CHECK_TEXT(cost.effective, c.effective, what);
        CheckCost(terms, FeesOfText(c.fees), PointsOfText(c.points), what);
    }
    // A loan the page could not show: nothing can be worked out.
    StatementTerms unknown = TermsOfPage(LoanKind, RightToLeft, 360, "8.00", TooLargeText, "1.00");
    LoanCost cost;
    WorkOutLoanCost(unknown, 0, 0, &cost);
    const char* figures[] = {cost.financed, cost.charge, cost.total};
    for (const char* figure : figures)
        CHECK_TEXT(figure, TooLargeText, "a loan too large to read");
    CHECK_TEXT(cost.apr, "", "no rate for a loan too large to read");
    CHECK(strstr(cost.note, "no cost can be worked out") != nullptr);
}

// Random loans, terms, fees and points, in both directions.
static unsigned long long Seed = 0x9E3779B97F4A7C15ull;

static unsigned long long Next(unsigned long long below)
{
    Seed ^= Seed << 13;
    Seed ^= Seed >> 7;
    Seed ^= Seed << 17;
    return Seed % below;
}

static void CheckRandomCosts()
{
    const char* amounts[] = {"1", "99.99", "1000", "80000", "250000", "1234567.89", "10000000000"};
    for (int n = 0; n < 300; ++n) {
        int months = 1 + static_cast<int>(Next(1200));
        char rate[32];
        snprintf(rate, sizeof rate, "%.3f", 0.1 + Next(100000) / 1000.0);
        int direction = Next(2) ? LeftToRight : RightToLeft;
        StatementTerms terms = LoanTerms(months, rate, direction, amounts[Next(7)]);
        long long loan = static_cast<long long>(CentsOf(terms.leftText));
        long long fees = Next(4) ? static_cast<long long>(Next(static_cast<unsigned long long>(
                                       loan / 5 + 1)))
                                 : 0;
        long long points = Next(3) ? static_cast<long long>(Next(500000)) * 100000 : 0;
        char what[160];
        snprintf(what, sizeof what, "%.40s at %s over %d, fees %lld, points %lld", terms.leftText,
                 rate, months, fees, points);
        CheckCost(terms, fees, points, what);
    }
}

// With a decimal comma: read, written back and shown with it.
static void CheckCommaCost()
{
    UseDecimalMark(",", ".");
    CHECK_INT(FeesOfText("1.234,5"), 123450, "fees with a decimal comma");
    CHECK_TEXT(FeesText(123450), "1234,50", "fees written with a decimal comma");
    CHECK_INT(PointsOfText("2,5"), 25000000000, "points with a decimal comma");
    CHECK_TEXT(PointsText(25000000000), "2,50", "points written with a decimal comma");
    StatementTerms terms = TermsOfPage(LoanKind, LeftToRight, 360, "5,50", "160000,00", "908,46");
    LoanCost cost;
    WorkOutLoanCost(terms, 75000, 20000000000, &cost);
    CHECK_TEXT(cost.financed, "156050,00", "amount financed with a decimal comma");
    CHECK_TEXT(cost.apr, "5,728 %", "APR with a decimal comma");
    CHECK_TEXT(cost.effective, "5,881 %", "effective rate with a decimal comma");
    UseDecimalMark(".", ",");
}

void CheckLoanCosts()
{
    CheckFields();
    CheckCostCases();
    CheckRandomCosts();
    CheckCommaCost();
    CHECK_INT(Ties, 0, "shown rates too close to an end of their interval to tell");
}
