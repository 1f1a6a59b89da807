// The finance test's solving section: a table of pages solved for the term
// or the rate, each answer checked against the same rules worked out again
// on the exact annuities in quadruple precision (annuity.h: exact decimal
// rates and amounts, every month tried, the rate bisected in 113 bits), and
// the way each result moves with the term and the rate over their range.
#include <float.h>
#include <math.h>
#include <quadmath.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "finance/formulas.h"
#include "finance/solver.h"
#include "finance/terms.h"
#include "numtext/numtext.h"
#include "tests/harness.h"
#include "tests/native/finance/annuity.h"

// Which way each result moves, as the pages' meaning says: with the term, a
// payment, a present worth and a monthly saving fall, a loan and a future
// worth rise; with the rate, a payment and a future worth rise, a loan, a
// present worth and a monthly saving fall.
struct PageMoves {
    int kind;
    int direction;
    Kind formula;
    bool upWithMonths;
    bool upWithRate;
};

constexpr PageMoves Moves[] = {
    {LoanKind, LeftToRight, Payment, false, true},
    {LoanKind, RightToLeft, Loan, true, false},
    {InvestmentKind, LeftToRight, Grow, true, true},
    {InvestmentKind, RightToLeft, Discount, false, false},
    {SavingKind, LeftToRight, SavingGrow, true, true},
    {SavingKind, RightToLeft, SavingPay, false, false},
};

static const PageMoves& MovesOf(int kind, int direction)
{
    for (const PageMoves& m : Moves)
        if (m.kind == kind && m.direction == direction)
            return m;
    return Moves[0];
}

// ---------------------------------------------------------------------------
// The rules once more, on the exact annuity of decimal amounts and rates.

struct Exact {
    const PageMoves* moves;
    Quad amount;   // x as its field shows it: capped, whole cents
    Quad goal;     // the target in cents, not capped
};

static Quad ShownAmount(const char* typed, bool capped)
{
    Quad q = strtoflt128(typed, nullptr);
    if (capped && q > static_cast<Quad>(MaxAmount))
        q = MaxAmount;
    return roundq(q * 100) / 100;
}

// The cents the field would show for the exact result.
static Quad ExactCents(const Exact& e, int months, Quad rate)
{
    return roundq(Reference(e.moves->formula, e.amount, months, rate) * 100);
}

static bool ExactReaches(const Exact& e, int months, Quad rate)
{
    Quad cents = ExactCents(e, months, rate);
    return e.moves->upWithMonths ? cents >= e.goal : cents <= e.goal;
}

// The fewest months that reach the target, every month tried.
static int ExactMonths(const Exact& e, Quad rate)
{
    for (int n = 1; n <= 1200; ++n)
        if (ExactReaches(e, n, rate))
            return n;
    return 1200;
}

static bool Short(const Exact& e, int months, Quad rate)
{
    Quad y = Reference(e.moves->formula, e.amount, months, rate);
    Quad target = e.goal / 100;
    return e.moves->upWithRate ? y < target : y > target;
}

// A decimal rate of `places` places written as the box writes a rate: the
// places given, trailing zeros beyond two dropped.
static const char* DecimalText(Quad rate, int places)
{
    static char text[64];
    quadmath_snprintf(text, sizeof text, "%.*Qf", places, rate);
    char* end = text + strlen(text);
    while (end[-1] == '0' && end[-3] != '.')
        *--end = '\0';
    return text;
}

static bool Gives(const Exact& e, int months, Quad rate)
{
    return rate >= static_cast<Quad>(1) / 10 && rate <= 1000 &&
           ExactCents(e, months, rate) == e.goal;
}

// The rate text the box should show, found on exact values: the box's own
// where every rate gives the same (a saving over one month); the bounds; or
// the fewest places at which a decimal rate near the exact one gives the
// target: the nearest, then outward, the side of the exact rate first, as
// far as a step of the places or 160 steps of the tenth place; or the exact
// one to ten places.
static const char* ExactRateText(const Exact& e, int months, const char* box)
{
    if (e.moves->kind == SavingKind && months == 1)
        return box;
    if (!Short(e, months, static_cast<Quad>(1) / 10))
        return "0.10";
    if (Short(e, months, 1000))
        return "1000.00";
    Quad low = static_cast<Quad>(1) / 10, high = 1000;
    for (int k = 0; k < 200; ++k) {
        Quad middle = (low + high) / 2;
        if (Short(e, months, middle))
            low = middle;
        else
            high = middle;
    }
    Quad exact = low;
    Quad scale = 1;
    for (int places = 1; places <= 10; ++places) {
        scale *= 10;
        if (places < 2)
            continue;
        Quad step = 1 / scale;
        Quad reach = fmaxq(step, static_cast<Quad>(160) / 10000000000);
        Quad nearest = roundq(exact * scale) / scale;
        if (Gives(e, months, nearest))
            return DecimalText(nearest, places);
        Quad toward = nearest >= exact ? -step : step;
        for (int k = 1; k * step <= reach + step; ++k) {
            Quad first = nearest + k * toward;
            Quad second = nearest - k * toward;
            if (fabsq(first - exact) <= reach && Gives(e, months, first))
                return DecimalText(first, places);
            if (fabsq(second - exact) <= reach && Gives(e, months, second))
                return DecimalText(second, places);
        }
    }
    Quad ten = 10000000000;
    return DecimalText(roundq(exact * ten) / ten, 10);
}

// ---------------------------------------------------------------------------
// The table: the fields and boxes as typed, then the box of the term solved
// and the output field after the calculation at it; where it did not solve,
// the nearest term and the result there, which the message gives.

struct SolveCase {
    const char* what;
    int kind;
    int direction;
    int unknown;         // SolveForMonths or SolveForRate
    const char* months;  // the Month box
    const char* rate;    // the Interest Rate box
    const char* amount;  // the input field
    const char* target;  // the output field
    const char* solved;  // the term solved for, as its box writes it; null: left alone
    const char* shown;   // the output field at that term
    int outcome;         // a SolveOutcome: Solved unless told
};

constexpr int L = LeftToRight;
constexpr int R = RightToLeft;
constexpr int M = SolveForMonths;
constexpr int Rate = SolveForRate;

static const SolveCase SolveCases[] = {
    // Months: the fewest at which the result reaches the target.
    {"loan at 700 a month", LoanKind, L, M, "360", "8", "80000", "700", "216", "699.97", Solved},
    {"the first month pays it", LoanKind, L, M, "360", "8", "80000", "80533.33", "1",
     "80533.33", Solved},
    {"a cent short at one month", LoanKind, L, M, "360", "8", "80000", "80533.32", "2",
     "40400.44", Solved},
    {"no term before the last", LoanKind, L, M, "12", "1", "80000", "105.49", "1200",
     "105.49", Solved},
    {"the interest never paid", LoanKind, L, M, "360", "8", "80000", "500", "1200", "533.52",
     NoTermReaches},
    {"loan from its payment", LoanKind, R, M, "12", "8", "587.01", "79999.77", "360",
     "79999.77", Solved},
    {"future worth", InvestmentKind, L, M, "12", "7.80", "10000", "103029.25", "360",
     "103029.25", Solved},
    {"present worth", InvestmentKind, R, M, "12", "6", "1000000", "100000", "462", "99834.23",
     Solved},
    {"a million saved", SavingKind, L, M, "360", "7.80", "500", "1000000", "408",
     "1004706.54", Solved},
    {"monthly saving", SavingKind, R, M, "12", "7.80", "1000000", "698.71", "360", "698.71",
     Solved},
    {"target above the cap", InvestmentKind, L, M, "12", "100", "1000", "25000000000", "213",
     "25370477033.75", Solved},
    {"an amount of 0", LoanKind, L, M, "360", "8", "0", "700", nullptr, "0.00", AmountMissing},
    {"a target of 0", LoanKind, L, M, "360", "8", "80000", "0.004", nullptr, "587.01",
     TargetMissing},
    {"a present worth never reached", InvestmentKind, R, M, "12", "0.1", "1000000", "900000",
     "1200", "904841.19", NoTermReaches},
    // Rates: the fewest places that give the target.
    {"the worked example", LoanKind, L, Rate, "360", "7.80", "80000", "587.01", "8.00",
     "587.01", Solved},
    {"three places", LoanKind, L, Rate, "360", "7.80", "300000", "1822.83", "6.125",
     "1822.83", Solved},
    {"below the lowest rate", LoanKind, L, Rate, "360", "8", "80000", "200", "0.10", "225.58",
     NoRateReaches},
    {"beyond the highest rate", LoanKind, L, Rate, "360", "8", "80000", "70000", "1000.00",
     "66666.67", NoRateReaches},
    {"the lowest rate itself", LoanKind, L, Rate, "360", "8", "80000", "225.58", "0.10",
     "225.58", Solved},
    {"a loan of 80000", LoanKind, R, Rate, "360", "7.80", "587.01", "80000", "7.99997",
     "80000.00", Solved},
    {"doubled in ten years", InvestmentKind, L, Rate, "120", "7.80", "1", "2", "6.95", "2.00",
     Solved},
    {"halved in ten years", InvestmentKind, R, Rate, "120", "7.80", "2", "1", "6.95", "1.00",
     Solved},
    {"a saving's worth", SavingKind, L, Rate, "360", "5", "200", "286243.83", "7.80",
     "286243.83", Solved},
    {"a saving for a million", SavingKind, R, Rate, "360", "5", "1000000", "698.71", "7.80",
     "698.71", Solved},
    {"no rate of ten places", InvestmentKind, L, Rate, "1200", "8", "0.01", "10000000000",
     "27.9515907369", "9999999999.95", NoRateGivesExactly},
    {"a loan above the cap", LoanKind, R, Rate, "2", "7.80", "10000000000", "19389142043.32",
     "25.11741", "19389142043.32", Solved},
    {"the nearer of two rates misses", InvestmentKind, R, Rate, "1128", "5", "238.36", "1.07",
     "5.77", "1.07", Solved},
    {"every rate gives it", SavingKind, L, Rate, "1", "7.80", "100", "100", "7.80", "100.00",
     Solved},
    {"no rate changes it", SavingKind, R, Rate, "1", "7.80", "100", "200", "7.80", "100.00",
     NoRateChangesIt},
    // At the cap too: no rate moves a one-month saving by a cent.
    {"a one-month saving at the cap", SavingKind, L, Rate, "1", "0.10", "9999999999.99",
     "10000000000.00", "0.10", "9999999999.99", NoRateChangesIt},
    {"a one-month worth at the cap", SavingKind, R, Rate, "1", "7.80", "9999999999.99",
     "9999999999.98", "7.80", "9999999999.99", NoRateChangesIt},
    {"the saving itself at the cap", SavingKind, L, Rate, "1", "0.10", "9999999999.99",
     "9999999999.99", "0.10", "9999999999.99", Solved},
    {"an amount of 0", SavingKind, L, Rate, "360", "7.80", "", "1000", nullptr, "0.00",
     AmountMissing},
    // A target that is no amount: nothing to solve for, whatever the amount.
    {"a target too large to show", InvestmentKind, L, Rate, "1200", "1000", "1000",
     "Value is too large", nullptr, "Value is too large", TargetTooLarge},
    {"too large, and no amount", InvestmentKind, L, M, "1200", "1000", "", "Value is too large",
     nullptr, "0.00", TargetTooLarge},
    {"words for a target", LoanKind, L, M, "360", "8", "80000", "Cannot divide by 0", nullptr,
     "587.01", TargetNotAmount},
    {"words around a target", LoanKind, L, M, "360", "8", "80000", "700 a month", "216",
     "699.97", Solved},
    {"nothing given", SavingKind, R, Rate, "360", "7.80", "", " - ", nullptr, "0.00",
     BothMissing},
};

static double Typed(const char* text, int mode)
{
    char copy[FieldTextSize];
    snprintf(copy, sizeof copy, "%s", text);
    return ParseNumber(copy, mode);
}

static void CheckSolveCase(const SolveCase& c)
{
    int months = MonthsUsed(Typed(c.months, ParseFirstWord));
    double rate = RateUsed(Typed(c.rate, ParseUnsigned));
    SolveInput input = {c.kind, c.direction, Typed(c.amount, ParseUnsigned), c.target};
    char box[FormatResultSize] = "";
    int outcome;
    if (c.unknown == SolveForMonths) {
        outcome = SolveMonths(input, rate, &months);
        snprintf(box, sizeof box, "%s", MonthText(months));
    } else {
        outcome = SolveRate(input, months, &rate);
        snprintf(box, sizeof box, "%s", RateText(rate));
    }
    CHECK_INT(outcome, c.outcome, c.what);
    if (c.solved)
        CHECK_TEXT(box, c.solved, c.what);
    // The calculation at the solved term, as "Calculate It" reads the input
    // field.
    double x = FieldAmount(input.amount);
    CHECK_TEXT(PageResultText(c.kind, c.direction, x, months, rate, MonthlyRateOf(rate)),
               c.shown, c.what);

    // The table's answer by the rules on exact values.
    Exact e = {&MovesOf(c.kind, c.direction), ShownAmount(c.amount, true),
               roundq(ShownAmount(c.target, false) * 100)};
    if (!c.solved) {
        CHECK(e.amount == 0 || e.goal == 0);
        return;
    }
    if (c.unknown == SolveForMonths) {
        char exact[16];
        snprintf(exact, sizeof exact, "%d", ExactMonths(e, strtoflt128(c.rate, nullptr)));
        CHECK_TEXT(c.solved, exact, c.what);
    } else {
        CHECK_TEXT(c.solved, ExactRateText(e, atoi(c.months), c.rate), c.what);
    }
    Quad rateUsed = strtoflt128(c.unknown == SolveForRate ? c.solved : c.rate, nullptr);
    int monthsUsed = atoi(c.unknown == SolveForMonths ? c.solved : c.months);
    CHECK_TEXT(c.shown, QuadText(Reference(e.moves->formula, e.amount, monthsUsed, rateUsed)),
               c.what);
}

// ---------------------------------------------------------------------------
// Where a large result's last bits go up and down from one rate to the next,
// the rate found shows the target too, and the exact result there lies
// within half a cent and that unsteadiness (3 parts in 10^12) of it. First
// the figures of pages found so, then calculating at random rates the box
// can show and solving for the rate with the result as the target.

struct Unsteady {
    const char* what;
    int kind;
    int direction;
    int months;
    const char* rate;    // the Interest Rate box
    const char* amount;  // the input field
    const char* target;  // the output field
};

static const Unsteady UnsteadyCases[] = {
    // The loans "Calculate It" shows at these rates.
    {"a payment of 10^10 over one month", LoanKind, R, 1, "0.1000246914", "10000000000",
     "9999166530.37"},
    {"a payment of 9439311190.64", LoanKind, R, 1, "0.1664630858", "9439311190.64",
     "9438001958.20"},
    // Over one month a saving's result is the amount itself at every rate.
    {"a saving of 10^10 over one month", SavingKind, L, 1, "0.10", "10000000000",
     "10000000000.00"},
    {"a worth of 10^10 over one month", SavingKind, R, 1, "0.10", "10000000000",
     "10000000000.00"},
};

// Solves for the rate and checks the page shows the target there.
static void CheckGivesTarget(const char* what, int kind, int direction, int months,
                             double rate, const char* amount, const char* target)
{
    double x = FieldAmount(Typed(amount, ParseUnsigned));
    SolveInput input = {kind, direction, x, target};
    double solved = rate;
    CHECK_INT(SolveRate(input, months, &solved), Solved, what);
    CHECK_TEXT(PageResultText(kind, direction, x, months, solved, MonthlyRateOf(solved)), target,
               what);
    Quad wanted = strtoflt128(target, nullptr);
    Quad exact = Reference(MovesOf(kind, direction).formula, ShownAmount(amount, true), months,
                           strtoflt128(RateText(solved), nullptr));
    if (!CHECK(fabsq(exact - wanted) <= static_cast<Quad>(0.005) + wanted * 3e-12))
        printf("  %s: at %s %% the exact result is %s\n", what, RateText(solved),
               QuadText(exact));
}

// Random terms and amounts, half of them where the unsteadiness is
// greatest: 10^10 or just below, 1 to 4 months, rates below 0.2.
static void CheckRoundTrips()
{
    unsigned long long state = 0x2545F4914F6CDD1Dull;
    auto next = [&state](unsigned long long range) {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        return state % range;
    };
    for (const Unsteady& c : UnsteadyCases)
        CheckGivesTarget(c.what, c.kind, c.direction, c.months,
                         RateUsed(Typed(c.rate, ParseUnsigned)), c.amount, c.target);
    for (int k = 0; k < 10000; ++k) {
        bool corner = next(2);
        int kind = static_cast<int>(next(PageKindCount));
        int direction = next(2) ? LeftToRight : RightToLeft;
        int months = corner ? 1 + static_cast<int>(next(4)) : 1 + static_cast<int>(next(1200));
        double units = corner ? 1e9 + next(1000000000) : 1e9 + next(9999000000000ull);
        double rate = RateWithPlaces(units / 1e10, RateMinPlaces + static_cast<int>(next(9)));
        char amount[32];
        snprintf(amount, sizeof amount, "%llu.%02llu",
                 corner ? 9999000000 + next(1000000) : next(10000000000), next(100));
        char shown[FormatResultSize];
        snprintf(shown, sizeof shown, "%s",
                 PageResultText(kind, direction, FieldAmount(Typed(amount, ParseUnsigned)),
                                months, rate, MonthlyRateOf(rate)));
        if (!strcmp(shown, TooLargeText) || !strcmp(shown, "0.00"))
            continue;
        char what[96];
        snprintf(what, sizeof what, "round trip: %d/%d, %s over %d months at %s %%", kind,
                 direction, amount, months, RateText(rate));
        CheckGivesTarget(what, kind, direction, months, rate, amount, shown);
    }
}

// ---------------------------------------------------------------------------
// Each result in double precision, as the page works it out, moves one way
// with the term (every month count at rates across the range) and with the
// rate (rates across the range, spaced a factor 1.0025 apart, at terms across
// the range): never against its direction. At one month a saving's worth is
// the saving, whatever the rate; there only its two places are held to it.

constexpr double MoveAmounts[] = {0.01, 80000, 1e10};
constexpr int MoveMonths[] = {1, 2, 3, 12, 60, 120, 360, 600, 900, 1199, 1200};

static double ResultAt(const PageMoves& m, double x, int months, double rate)
{
    return PageFormula(m.kind, m.direction)(x, months, rate, MonthlyRateOf(rate));
}

static bool Against(bool up, double before, double after)
{
    return up ? after < before : after > before;
}

static void CheckMoves()
{
    int checked = 0;
    for (const PageMoves& m : Moves) {
        for (double x : MoveAmounts) {
            int faults = 0;
            // With the term.
            for (double r = MinRate;; r *= 1.2) {
                double rate = RateUsed(r);
                double before = ResultAt(m, x, 1, rate);
                for (int n = 2; n <= 1200; ++n, ++checked) {
                    double after = ResultAt(m, x, n, rate);
                    if (Against(m.upWithMonths, before, after) && faults++ < 3)
                        printf("  %d/%d, %.17g at %.17g %%: %.17g at %d months, then %.17g\n",
                               m.kind, m.direction, x, rate, before, n - 1, after);
                    before = after;
                }
                if (rate == MaxRate)
                    break;
            }
            // With the rate.
            for (int n : MoveMonths) {
                double before = ResultAt(m, x, n, MinRate);
                double beforeRate = MinRate;
                for (double r = MinRate * 1.0025;; r *= 1.0025, ++checked) {
                    double rate = RateUsed(r);
                    double after = ResultAt(m, x, n, rate);
                    bool against = Against(m.upWithRate, before, after);
                    if (n == 1 && m.kind == SavingKind)
                        against = strcmp(FormatNumber(after, 2), FormatNumber(x, 2)) != 0;
                    if (against && faults++ < 3)
                        printf("  %d/%d, %.17g over %d months: %.17g at %.17g %%, then %.17g at "
                               "%.17g %%\n", m.kind, m.direction, x, n, before, beforeRate,
                               after, rate);
                    before = after;
                    beforeRate = rate;
                    if (rate == MaxRate)
                        break;
                }
            }
            CHECK_INT(faults, 0, "a result moving against its direction");
        }
    }
    CHECK(checked > 1000000);
}

// What a solve that did not solve says, written out by hand.
struct MessageCase {
    int kind;
    int direction;
    int unknown;
    const char* months;
    const char* rate;
    const char* amount;
    const char* target;
    const char* message;
};

// Every figure as the exact annuity gives it (the result at the nearest
// term or rate, and what the target comes to the other way there), but the
// future worth at 27.951590737 %, the double result's.
static const MessageCase MessageCases[] = {
    {LoanKind, L, M, "360", "6.125", "300000", "1000",
     "A monthly payment of 1000.00 on a loan of 300000.00 at 6.125 % does not cover the first "
     "month's interest of 1531.25; over 1200 months the payment is 1534.66, and a payment of "
     "1000.00 pays off a loan of 195483.07. Nothing was changed."},
    {LoanKind, R, M, "360", "8", "533.33", "80000",
     "A monthly payment of 533.33 on a loan of 80000.00 at 8.00 % pays only the first month's "
     "interest of 533.33; over 1200 months the loan is 79971.94, and a loan of 80000.00 takes "
     "a payment of 533.52. Nothing was changed."},
    {SavingKind, L, M, "360", "0.10", "1", "10000",
     "No term of up to 1200 months gives a future worth of 10000.00 from a monthly saving of "
     "1.00 at 0.10 %: over 1200 months the future worth is 1262.00, and a future worth of "
     "10000.00 takes a monthly saving of 7.92. Nothing was changed."},
    {SavingKind, R, M, "360", "0.10", "1000000", "100",
     "No term of up to 1200 months gives a monthly saving of 100.00 from a future worth of "
     "1000000.00 at 0.10 %: over 1200 months the monthly saving is 792.40, and a monthly "
     "saving of 100.00 grows to a future worth of 126199.58. Nothing was changed."},
    {InvestmentKind, R, M, "12", "0.1", "1000000", "900000",
     "No term of up to 1200 months gives a present worth of 900000.00 from a future worth of "
     "1000000.00 at 0.10 %: over 1200 months the present worth is 904841.19, and a present "
     "worth of 900000.00 grows to a future worth of 994649.68. Nothing was changed."},
    {LoanKind, L, M, "360", "8", "80000", "",
     "There is nothing to solve: the Monthly Payment field is empty or 0. Type the loan and "
     "the monthly payment, then choose Solve for Months again."},
    {InvestmentKind, R, M, "360", "8", "0.001", "100",
     "There is nothing to solve: the Future Worth field is empty or 0. Type the present "
     "worth and the future worth, then choose Solve for Months again."},
    {SavingKind, R, Rate, "360", "8", "", "0",
     "There is nothing to solve: the Monthly Saving and Future Worth fields are empty or 0. "
     "Type the monthly saving and the future worth, then choose Solve for Rate again."},
    {InvestmentKind, L, Rate, "1200", "1000", "1000", " Value is too large",
     "The Future Worth field shows \"Value is too large\": that future worth is too large to "
     "solve for. Type the future worth to reach, then choose Solve for Rate again."},
    {LoanKind, L, M, "360", "8", "", "Cannot divide by 0",
     "The Monthly Payment field holds \"Cannot divide by 0\", which is not an amount to solve "
     "for. Type the monthly payment to reach, then choose Solve for Months again."},
    {LoanKind, L, Rate, "360", "8", "80000", "200",
     "No rate from 0.10 to 1000.00 % gives a monthly payment of 200.00 from a loan of 80000.00 "
     "over 360 months: at the lowest rate, 0.10 %, the payment is 225.58, and a payment of "
     "200.00 pays off a loan of 70927.81. Nothing was changed."},
    {LoanKind, L, Rate, "360", "8", "80000", "70000",
     "No rate from 0.10 to 1000.00 % gives a monthly payment of 70000.00 from a loan of "
     "80000.00 over 360 months: at the highest rate, 1000.00 %, the payment is 66666.67, and "
     "a payment of 70000.00 pays off a loan of 84000.00. Nothing was changed."},
    {InvestmentKind, L, Rate, "1200", "8", "0.01", "10000000000",
     "No rate of up to ten decimals gives a future worth of exactly 10000000000.00 from a "
     "present worth of 0.01 over 1200 months: at the nearest rate, 27.9515907369 %, the future "
     "worth is 9999999999.95, and at 27.951590737 % it is 10000000000.93. Nothing was "
     "changed."},
    {SavingKind, L, Rate, "1", "7.80", "100", "200",
     "Over 1 month a future worth is the monthly saving itself, whatever the rate, so no rate "
     "gives a future worth of exactly 200.00 from a monthly saving of 100.00: at every rate the "
     "future worth is 100.00, and a future worth of 200.00 takes a monthly saving of 200.00. "
     "Nothing was changed."},
    {LoanKind, L, Rate, "360", "7.80", "80000", "587.01", ""},
};

static void CheckSolveMessages()
{
    for (const MessageCase& c : MessageCases) {
        int months = MonthsUsed(Typed(c.months, ParseFirstWord));
        double rate = RateUsed(Typed(c.rate, ParseUnsigned));
        SolveInput input = {c.kind, c.direction, Typed(c.amount, ParseUnsigned), c.target};
        int outcome = c.unknown == SolveForMonths ? SolveMonths(input, rate, &months)
                                                  : SolveRate(input, months, &rate);
        char text[SolveMessageSize];
        SolveMessage(input, c.unknown, outcome, months, rate, text);
        CHECK_TEXT(text, c.message, "solve message");
    }
}

void CheckSolving()
{
    for (const SolveCase& c : SolveCases)
        CheckSolveCase(c);
    CheckSolveMessages();
    CheckRoundTrips();
    CheckMoves();
}
