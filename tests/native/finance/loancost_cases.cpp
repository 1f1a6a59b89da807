// The finance test's loan cost section: the fields read and written back;
// each cost's amounts against exact integers on the decimal texts, and its
// shown rates against the statement's payments in quadruple precision: the
// payments' worth at the two ends of a shown rate's rounding interval must
// bracket the amount financed.
#include <quadmath.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "finance/formulas.h"
#include "finance/loancost.h"
#include "finance/terms.h"
#include "tests/harness.h"

using Quad = __float128;
using Wide = __int128;

struct FieldCase {
    const char* typed;
    const char* fees;  // written back once left
    const char* points;
};

static const FieldCase FieldCases[] = {
    {"750", "750.00", "100.00"},          {"1.125", "1.13", "1.125"},
    {" 1,234.5 ", "1234.50", "100.00"},   {"99999999999", "10000000000.00", "100.00"},
    {"2.000000000049", "2.00", "2.00"},   {"0.00000000006", "", "0.0000000001"},
    {"0.004", "", "0.004"},               {"two", "", ""},
};

// The statement's payments, and their worth at a monthly rate i, month k's
// discounted by (1 + i)^-k.
static long long Payments[1200];
static int PaymentCount;

static Quad Worth(Quad i)
{
    Quad worth = 0;
    for (int k = PaymentCount; k-- > 0;)
        worth = (worth + Payments[k]) / (1 + i);
    return worth;
}

// A shown rate ("5.543 %", percent a year) at or above the lower end of its
// interval and below the upper end; "Value is too large" only from 10^9 on.
static void CheckRate(const char* shown, bool effective, Quad financed, const char* what)
{
    bool large = strcmp(shown, TooLargeText) == 0;
    const char* mark = strstr(shown, " %");
    CHECK(large || (mark && mark - shown > 4 && mark[-4] == '.'));
    Quad rate = large ? static_cast<Quad>(1e9) : strtoflt128(shown, nullptr);
    for (int end = 0; end < 2 - large; ++end) {
        Quad at = rate + (end ? 1 : -1) * static_cast<Quad>(5) / 10000;
        Quad i = effective ? expm1q(log1pq(at / 100) / 12) : at / 1200;
        if (!CHECK((Worth(i) >= financed) == (end == 0)))
            printf("  %s: shown %s, the rate lies beyond its %s end\n", what, shown,
                   end ? "upper" : "lower");
    }
}

// Every figure of a cost against the rules; the rates where something is
// financed. The loan is the statement's, its text the page's.
static LoanCost CheckCost(const StatementTerms& terms, long long fees, long long points,
                          const char* what)
{
    LoanCost cost;
    WorkOutLoanCost(terms, fees, points, &cost);
    Statement s;
    StartStatement(&s, terms);
    StatementRow row;
    Wide total = 0;
    for (PaymentCount = 0; NextStatementRow(&s, &row); total += row.payment + row.extra)
        Payments[PaymentCount++] = row.payment + row.extra;
    Wide loan = static_cast<Wide>(atof(terms.leftText) * 100 + 0.5);
    Wide financed = loan - fees - (loan * points + 500000000000LL) / 1000000000000LL;
    char text[3][64];
    const Wide amounts[3] = {financed, total - financed, total};
    for (int k = 0; k < 3; ++k) {
        Wide a = amounts[k] < 0 ? -amounts[k] : amounts[k];
        snprintf(text[k], 64, "%s%lld.%02d", amounts[k] < 0 ? "-" : "",
                 static_cast<long long>(a / 100), static_cast<int>(a % 100));
    }
    CHECK_TEXT(cost.financed, text[0], what);
    CHECK_TEXT(cost.charge, text[1], what);
    CHECK_TEXT(cost.total, text[2], what);
    if (financed <= 0) {
        CHECK(!cost.apr[0] && !cost.effective[0] && strstr(cost.note, "whole loan"));
        return cost;
    }
    CheckRate(cost.apr, false, static_cast<Quad>(financed), what);
    CheckRate(cost.effective, true, static_cast<Quad>(financed), what);
    return cost;
}

// The Loan page's statement for a loan calculated in a direction.
static StatementTerms LoanTerms(int months, const char* rate, int direction, const char* amount)
{
    static char input[FormatResultSize], output[FormatResultSize], rateText[FieldTextSize];
    snprintf(rateText, sizeof rateText, "%s", RateText(RateUsed(atof(rate))));
    double annual = atof(rateText), typed = FieldAmount(atof(amount));
    snprintf(input, sizeof input, "%s", FormatNumber(typed, 2));
    snprintf(output, sizeof output, "%s",
             PageResultText(LoanKind, direction, typed, months, annual, MonthlyRateOf(annual)));
    bool left = direction == LeftToRight;
    return TermsOfPage(LoanKind, direction, months, rateText, left ? input : output,
                       left ? output : input);
}

// The worked figures and the edges: no fees or points, fees of the whole
// loan, one month, 1200 months at 1000 %, the largest loan with the
// largest fees and points, a rate too large to show, no interest at all.
struct CostCase {
    int months;
    const char* rate;
    int direction;
    const char* amount;
    const char* fees;
    const char* points;
    const char* charge;
    const char* apr;
    const char* effective;
};

static const CostCase CostCases[] = {
    {360, "5.50", LeftToRight, "160000", "750", "", "167797.79", "5.543 %", "5.686 %"},
    {360, "5.50", LeftToRight, "160000", "750", "2", "170997.79", "5.728 %", "5.881 %"},
    {360, "8", LeftToRight, "80000", "0", "0", "131326.30", "8.000 %", "8.300 %"},
    {360, "8", LeftToRight, "80000", "80000", "", "211326.30", "", ""},
    {360, "8", LeftToRight, "80000", "79999.99", "", "211326.29", "70441200.000 %", TooLargeText},
    {1, "8", LeftToRight, "80000", "100", "0.5", "1033.33", "15.597 %", "16.762 %"},
    {1200, "1000", LeftToRight, "10000000000", "", "", "9999999999996.00", "1000.000 %",
     "144077.409 %"},
    {1200, "0.1", RightToLeft, "10000000000", "10000000000", "99.9999999999",
     "12010000000003.30", "", ""},
    {1200, "0.1", LeftToRight, "0.01", "", "", "0.00", "0.000 %", "0.000 %"},
};

static unsigned long long Seed = 0x9E3779B97F4A7C15ull;

static unsigned long long Next(unsigned long long below)
{
    Seed ^= Seed << 13, Seed ^= Seed >> 7, Seed ^= Seed << 17;
    return Seed % below;
}

void CheckLoanCosts()
{
    for (const FieldCase& c : FieldCases) {
        CHECK_TEXT(FeesText(FeesOfText(c.typed)), c.fees, c.typed);
        CHECK_TEXT(PointsText(PointsOfText(c.typed)), c.points, c.typed);
    }
    CHECK_INT(PointsOfText("2.000000000049"), 20000000000, "points to ten places");
    for (const CostCase& c : CostCases) {
        StatementTerms terms = LoanTerms(c.months, c.rate, c.direction, c.amount);
        LoanCost cost = CheckCost(terms, FeesOfText(c.fees), PointsOfText(c.points), c.amount);
        CHECK_TEXT(cost.charge, c.charge, c.amount);
        CHECK_TEXT(cost.apr, c.apr, c.amount);
        CHECK_TEXT(cost.effective, c.effective, c.amount);
    }
    // Random loans, terms, fees and points, in both directions.
    const char* amounts[] = {"1", "99.99", "80000", "1234567.89", "10000000000"};
    for (int n = 0; n < 300; ++n) {
        char rate[32], what[80];
        snprintf(rate, sizeof rate, "%.3f", 0.1 + Next(100000) / 1000.0);
        int months = 1 + static_cast<int>(Next(1200));
        StatementTerms terms = LoanTerms(months, rate, Next(2) ? LeftToRight : RightToLeft,
                                         amounts[Next(5)]);
        double loan = atof(terms.leftText);
        long long fees = static_cast<long long>(Next(Next(2) ? 1 : 1 + loan * 20));
        long long points = static_cast<long long>(Next(3) ? Next(500000) * 100000 : 0);
        snprintf(what, sizeof what, "%.30s at %s over %d, %lld, %lld", terms.leftText, rate,
                 months, fees, points);
        CheckCost(terms, fees, points, what);
    }
    // A loan the page could not show; and the user's decimal comma.
    LoanCost cost;
    WorkOutLoanCost(TermsOfPage(LoanKind, RightToLeft, 360, "8.00", TooLargeText, "1.00"), 0, 0,
                    &cost);
    CHECK(!strcmp(cost.financed, TooLargeText) && !strcmp(cost.total, TooLargeText) &&
          !cost.apr[0] && strstr(cost.note, "no cost can be worked out"));
    UseDecimalMark(",", ".");
    CHECK_TEXT(FeesText(FeesOfText("1.234,5")), "1234,50", "fees with a decimal comma");
    CHECK_TEXT(PointsText(PointsOfText("2,5")), "2,50", "points with a decimal comma");
    WorkOutLoanCost(TermsOfPage(LoanKind, LeftToRight, 360, "5,50", "160000,00", "908,46"),
                    75000, 20000000000, &cost);
    CHECK_TEXT(cost.apr, "5,728 %", "APR with a decimal comma");
    UseDecimalMark(".", ",");
}
