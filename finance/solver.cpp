// Solving a page for its term or its rate, each candidate judged by the text
// its output field would show.
#include "finance/solver.h"

#include "finance/formulas.h"
#include "finance/statement.h"
#include "finance/terms.h"
#include "numtext/numtext.h"

// Which way a page's result moves as the term grows and as the rate grows.
struct Moves {
    bool upWithMonths;
    bool upWithRate;
};

// Both solvers rely on this table: each page's result moves with the term,
// and with the rate, always the same way over the whole range of both, in
// the double-precision result and so in the cents shown (checked natively
// for every month count and across the range of rates). By kind, then
// LeftToRight and RightToLeft.
static const Moves MovesOfPage[PageKindCount][2] = {
    {{false, true}, {true, false}},  // loan -> payment; payment -> loan
    {{true, true}, {false, false}},  // present worth -> future worth; and back
    {{true, true}, {false, false}},  // monthly saving -> future worth; and back
};

// A solve under way: the page, x and the target as their fields show them,
// and the target in cents.
struct Problem {
    int kind;
    int direction;
    Formula formula;
    Moves moves;
    double amount;
    double target;
    long long goal;
};

// Takes the amounts as their fields show them; false where x or the target
// is 0.
static bool Pose(const SolveInput& input, Problem* p)
{
    p->kind = input.kind;
    p->direction = input.direction;
    p->formula = PageFormula(input.kind, input.direction);
    p->moves = MovesOfPage[input.kind][input.direction == LeftToRight ? 0 : 1];
    p->amount = FieldAmount(input.amount);
    p->target = FieldAmount(input.target);
    if (p->amount == 0 || p->target == 0)
        return false;
    p->goal = 0;
    ParseCents(FormatNumber(p->target, 2), &p->goal);  // any capped amount reads
    return true;
}

// The output field's text at these terms against the target, in cents: -1
// below it, 0 on it, 1 above. A text that is no amount in cents ("Value is
// too large", or 10^13 and more) lies above every target.
static int CompareShown(const Problem& p, int months, double rate)
{
    long long cents = 0;
    const char* shown = PageResultText(p.kind, p.direction, p.amount, months, rate,
                                       MonthlyRateOf(rate));
    if (!ParseCents(shown, &cents))
        return 1;
    return cents < p.goal ? -1 : cents > p.goal ? 1 : 0;
}

static bool Reaches(const Problem& p, int months, double rate)
{
    int side = CompareShown(p, months, rate);
    return p.moves.upWithMonths ? side >= 0 : side <= 0;
}

bool SolveMonths(const SolveInput& input, double annualRate, int* months)
{
    Problem p;
    if (!Pose(input, &p))
        return false;
    // The result moves one way with the term (MovesOfPage), so every term
    // from the first that reaches the target on reaches it too, and
    // bisection finds that first one. Between the two ends: low does not
    // reach the target; high does, or is the longest term.
    int low = static_cast<int>(MinMonths);
    int high = static_cast<int>(MaxMonths);
    if (Reaches(p, low, annualRate)) {
        *months = low;
        return true;
    }
    while (high - low > 1) {
        int middle = low + (high - low) / 2;
        if (Reaches(p, middle, annualRate))
            high = middle;
        else
            low = middle;
    }
    *months = high;
    return true;
}

// Whether a rate lies below the exact rate: its result, in double precision,
// falls short of the target (below it for a result that rises with the rate,
// above it for one that falls).
static bool ShortOf(const Problem& p, int months, double rate)
{
    double result = p.formula(p.amount, months, rate, MonthlyRateOf(rate));
    return p.moves.upWithRate ? result < p.target : result > p.target;
}

// The rate at which the result meets the target, between the bounds, where
// the lower falls short and the upper does not. The result moves one way
// with the rate (MovesOfPage), so the rates short of the target lie below
// it, the others above, and bisection closes in on it down to two
// neighbouring doubles.
static double ExactRate(const Problem& p, int months)
{
    double low = MinRate;
    double high = MaxRate;
    for (;;) {
        double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            return low;
        if (ShortOf(p, months, middle))
            low = middle;
        else
            high = middle;
    }
}

// Of the two rates with the given places nearest the exact rate, the one
// that gives the target, the nearer if both do, with the fewest places;
// the exact rate to ten places where no such rate gives it.
static double FewestPlaces(const Problem& p, int months, double exact)
{
    double step = 0.01;
    for (int places = RateMinPlaces; places <= RatePlaces; ++places, step /= 10) {
        double nearest = RateWithPlaces(exact, places);
        if (CompareShown(p, months, nearest) == 0)
            return nearest;
        double other = RateWithPlaces(nearest <= exact ? nearest + step : nearest - step, places);
        if (CompareShown(p, months, other) == 0)
            return other;
    }
    return RateUsed(exact);
}

bool SolveRate(const SolveInput& input, int months, double* annualRate)
{
    Problem p;
    if (!Pose(input, &p))
        return false;
    if (!ShortOf(p, months, MinRate))
        *annualRate = RateUsed(MinRate);  // the target is met at the lowest rate or below
    else if (ShortOf(p, months, MaxRate))
        *annualRate = RateUsed(MaxRate);  // the target lies beyond the highest
    else
        *annualRate = FewestPlaces(p, months, ExactRate(p, months));
    return true;
}
