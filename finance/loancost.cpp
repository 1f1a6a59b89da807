// What a loan costs with its fees and points: the figures in whole cents
// from the statement, and the monthly rate at which its payments repay the
// amount financed, found in double precision and checked at both ends of
// each shown rate's rounding interval.
#include "finance/loancost.h"

#include "finance/formulas.h"
#include "finance/terms.h"
#include "numtext/numtext.h"
#include "runtime/runtime.h"

long long FeesOfText(const char* text)
{
    return FieldCents(text);
}

long long PointsOfText(const char* text)
{
    char copy[FieldTextSize];
    CopyText(copy, sizeof copy, text);
    double typed = ParseNumber(copy, ParseUnsigned);
    double held = typed > 100 ? 100 : typed > 0 ? typed : 0;
    // Rounded to ten places as the rate box rounds a rate, and read as the
    // statement reads a rate's text, in units of 10^-10.
    long long units = 0;
    ParseRate(FormatNumber(held, RatePlaces), &units);
    return units;
}

const char* FeesText(long long cents)
{
    return cents > 0 ? CentsText(cents) : "";
}

const char* PointsText(long long units)
{
    // The double nearest the units' decimal writes the same ten places.
    return units > 0 ? RateText(static_cast<double>(units) / 1e10) : "";
}

// ---------------------------------------------------------------------------
// The rate.

// The statement's payments, month by month, and the amount financed, in
// cents, while a cost is worked out.
constexpr int MaxPayments = 1200;
static double Payments[MaxPayments];
static int PaymentCount;
static double Financed;

// The payments' worth at a monthly rate, month k's discounted by
// (1 + i)^-k, less the amount financed, from the last month back (Horner's
// rule in v = 1 / (1 + i)); and its slope, the worth's change with i.
static double Surplus(double i, double* slope)
{
    double v = 1 / (1 + i);
    double worth = 0, change = 0;
    for (int k = PaymentCount; k-- > 0;) {
        double sum = worth + Payments[k];
        change = change * v + sum;
        worth = sum * v;
    }
    *slope = -change * v * v;
    return worth - Financed;
}

// Whether a monthly rate lies at or below the one the payments repay the
// amount financed at: there their worth is at least that amount.
static bool AtOrBelow(double i)
{
    double slope;
    return Surplus(i, &slope) >= 0;
}

// The rate at which the worth is the amount financed. The worth falls as
// the rate rises and bends upward, so Newton's steps from 0 climb toward the
// rate without passing it; a step that leaves the bracket the rates seen so
// far give (rounding near the rate) is replaced by halving it. At
// 2 x total / financed + 1 the worth is below half the amount financed.
static double MonthlyRate(long long total, long long financed)
{
    if (total <= financed)
        return 0;
    double low = 0, high = 2.0 * static_cast<double>(total) / Financed + 1;
    double i = 0;
    for (int step = 0; step < 200; ++step) {
        double slope;
        double surplus = Surplus(i, &slope);
        if (surplus == 0)
            return i;
        if (surplus > 0)
            low = i;
        else
            high = i;
        double next = i - surplus / slope;
        if (!(next > low && next < high))
            next = low + (high - low) / 2;
        double moved = next > i ? next - i : i - next;
        i = next;
        if (moved <= next * 1e-14)
            break;
    }
    return i;
}

// The two shown rates, in percent: the APR, 1200 i, and the effective
// annual rate, ((1 + i)^12 - 1) x 100; and the monthly rate of each.
enum ShownRate : int { AprRate, EffectiveRate };

static double PercentOf(int rate, double i)
{
    return rate == AprRate ? 1200 * i : (Power(1 + i, 12) - 1) * 100;
}

// The inverse: for the effective rate, the twelfth root of 1 + r / 100 by
// Newton's steps from 1 + i near it.
static double MonthlyOf(int rate, double percent, double near)
{
    if (rate == AprRate)
        return percent / 1200;
    double growth = 1 + percent / 100;
    double x = 1 + near;
    for (int step = 0; step < 8; ++step)
        x -= (Power(x, 12) - growth) / (12 * Power(x, 11));
    return x - 1;
}

// A value as shown with three places, rounded half up, and read back.
static double Thousandths(double value)
{
    char text[FormatResultSize];
    CopyText(text, sizeof text, FormatNumber(value, 3));
    return ParseNumber(text, ParseSigned);
}

// Rates from here on have more whole digits than the box has room for, and
// a double no longer decides their third place.
constexpr double LargestShownRate = 1e9;
constexpr double HalfThousandth = 0.0005;

// A rate's text, three places and " %", where the rate found is i: the
// value rounded, then checked at both ends of its rounding interval (the
// rate lies at or above the lower end, below the upper one) and moved a
// thousandth while it is not, a few times at most.
static void ShowRate(int rate, double i, char* text)
{
    double percent = PercentOf(rate, i);
    double shown = percent < LargestShownRate ? Thousandths(percent) : percent;
    if (!(shown < LargestShownRate)) {
        CopyText(text, CostFigureSize, TooLargeText);
        return;
    }
    for (int tries = 0; tries < 4; ++tries) {
        if (!AtOrBelow(MonthlyOf(rate, shown - HalfThousandth, i)))
            shown = Thousandths(shown - 0.001);
        else if (AtOrBelow(MonthlyOf(rate, shown + HalfThousandth, i)))
            shown = Thousandths(shown + 0.001);
        else
            break;
    }
    TextWriter out{text, CostFigureSize, 0};
    Compose(out, "^s %", FormatNumber(shown, 3));
}

// ---------------------------------------------------------------------------
// The figures.

constexpr const char* AprNote =
    "The APR is the yearly rate at which these payments repay what was received, "
    "the loan less the fees and points; extra payments are not counted.";
constexpr const char* WholeLoanNote =
    "The fees and points take the whole loan: nothing is financed, so there is no rate.";
constexpr const char* TooLargeNote =
    "This loan's statement passes the largest amount it holds: no cost can be worked out.";

// Follows the statement, keeping its payments; the total of them, or false
// where an amount of it is not known.
static bool FollowPayments(const StatementTerms& terms, long long* total)
{
    Statement statement;
    StartStatement(&statement, terms);
    StatementRow row;
    PaymentCount = 0;
    while (PaymentCount < MaxPayments && NextStatementRow(&statement, &row))
        Payments[PaymentCount++] = static_cast<double>(row.payment + row.extra);
    FinishStatement(statement, &row);
    *total = row.payment + row.extra;
    return row.unknown == 0 && !terms.leftTooLarge;
}

void WorkOutLoanCost(const StatementTerms& terms, long long fees, long long points,
                     LoanCost* cost)
{
    LoadFpuControl();
    long long total = 0;
    bool followed = FollowPayments(terms, &total);
    // loan x points / 100 = loan x (12 x points) / 1200: a month's interest
    // at twelve times the points, exactly, rounded half up.
    long long financed = terms.left - fees - InterestCents(terms.left, 12 * points);
    Financed = static_cast<double>(financed);
    CopyText(cost->financed, CostFigureSize,
             terms.leftTooLarge ? TooLargeText : CentsText(financed));
    CopyText(cost->total, CostFigureSize, followed ? CentsText(total) : TooLargeText);
    CopyText(cost->charge, CostFigureSize, followed ? CentsText(total - financed) : TooLargeText);
    cost->apr[0] = '\0';
    cost->effective[0] = '\0';
    cost->note = !followed ? TooLargeNote : financed <= 0 ? WholeLoanNote : AprNote;
    if (cost->note != AprNote)
        return;
    double i = MonthlyRate(total, financed);
    ShowRate(AprRate, i, cost->apr);
    ShowRate(EffectiveRate, i, cost->effective);
}
