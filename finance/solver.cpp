// Solving a page for its term or its rate, each candidate judged by the text
// its output field would show.
#include "finance/solver.h"

#include "finance/amounttext.h"

#include "finance/formulas.h"
#include "finance/solveparts.h"
#include "finance/terms.h"
#include "numtext/numtext.h"

// Both solvers rely on this table: each page's result moves with the term,
// and with the rate, always the same way over the whole range of both, in
// the double-precision result and so in the cents shown (checked natively
// for every month count and across the range of rates), but for the last
// bits of a large result from one rate of ten places to the next (ExactRate).
// By kind, then LeftToRight and RightToLeft.
static const Moves MovesOfPage[PageKindCount][2] = {
    {{false, true}, {true, false}},  // loan -> payment; payment -> loan
    {{true, true}, {false, false}},  // present worth -> future worth; and back
    {{true, true}, {false, false}},  // monthly saving -> future worth; and back
};

static const Moves& MovesOf(int kind, int direction)
{
    return MovesOfPage[kind][direction == LeftToRight ? 0 : 1];
}

static bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsAmountText(const char* text)
{
    int whole = 0;
    while (IsDigit(text[whole]))
        ++whole;
    if (whole == 0 || (whole > 1 && text[0] == '0'))
        return false;
    const char* rest = text + whole;
    return rest[0] == DecimalMark() && IsDigit(rest[1]) && IsDigit(rest[2]) && !rest[3];
}

// Reads a copy of a text, which parsing rewrites.
static double ReadText(const char* text)
{
    char copy[FormatResultSize];
    CopyText(copy, FormatResultSize, text);
    return ParseNumber(copy, ParseUnsigned);
}

// The target as its field shows it, not capped: a result can be larger than
// any input. A text as a page writes it is kept as it is: read as a double,
// one of more than 16 digits can come back another number in its last
// digits. Any other text is taken as a calculation would write it back;
// one beyond every double as the largest. Returns its value.
static double TakeTarget(const char* shown, char* goal)
{
    CopyText(goal, FormatResultSize, shown);
    if (!IsAmountText(goal)) {
        double value = ReadText(goal);
        CopyText(goal, FormatResultSize, FormatNumber(value > __DBL_MAX__ ? __DBL_MAX__ : value, 2));
    }
    return ReadText(goal);
}

bool AmountsMissing(int outcome)
{
    return outcome == AmountMissing || outcome == TargetMissing || outcome == BothMissing;
}

bool TargetUnusable(int outcome)
{
    return outcome == TargetTooLarge || outcome == TargetNotAmount;
}

// Whether a text is the words for a result too large to show, blanks around
// it aside.
static bool SaysTooLarge(const char* text)
{
    while (*text == ' ')
        ++text;
    const char* words = TooLargeText;
    while (*words && *text == *words)
        ++text, ++words;
    while (*text == ' ')
        ++text;
    return !*words && !*text;
}

static bool HasLetter(const char* text)
{
    for (; *text; ++text) {
        if ((*text >= 'A' && *text <= 'Z') || (*text >= 'a' && *text <= 'z'))
            return true;
    }
    return false;
}

// Whether the target's text can be solved for: not where it says a result
// is too large to show, nor where it is words that read as no amount ("abc",
// the calculator's "Cannot divide by 0" sent into the field). Words around
// an amount ("700 a month") are read past, as in any field.
static int TargetUsable(const char* text)
{
    if (SaysTooLarge(text))
        return TargetTooLarge;
    if (HasLetter(text) && ReadText(text) == 0)
        return TargetNotAmount;
    return Solved;
}

int Pose(const SolveInput& input, Problem* p)
{
    p->kind = input.kind;
    p->direction = input.direction;
    p->formula = PageFormula(input.kind, input.direction);
    p->moves = MovesOf(input.kind, input.direction);
    p->amount = FieldAmount(input.amount);
    int usable = TargetUsable(input.target);
    if (usable != Solved)
        return usable;
    p->target = TakeTarget(input.target, p->goal);
    if (p->amount == 0 || p->target == 0)
        return p->amount != 0 ? TargetMissing : p->target != 0 ? AmountMissing : BothMissing;
    return Solved;
}

// Both are amounts as a page writes them, so the longer is the larger, and
// of two as long the first digit that differs decides; a text that is no
// amount ("Value is too large") lies above every target.
int CompareShown(const Problem& p, int months, double rate)
{
    const char* shown = PageResultText(p.kind, p.direction, p.amount, months, rate,
                                       MonthlyRateOf(rate));
    if (!IsAmountText(shown))
        return 1;
    int shownLength = 0, goalLength = 0;
    while (shown[shownLength])
        ++shownLength;
    while (p.goal[goalLength])
        ++goalLength;
    if (shownLength != goalLength)
        return shownLength < goalLength ? -1 : 1;
    for (int i = 0; i < shownLength; ++i) {
        if (shown[i] != p.goal[i])
            return shown[i] < p.goal[i] ? -1 : 1;
    }
    return 0;
}

static bool Reaches(const Problem& p, int months, double rate)
{
    int side = CompareShown(p, months, rate);
    return p.moves.upWithMonths ? side >= 0 : side <= 0;
}

int SolveMonths(const SolveInput& input, double annualRate, int* months)
{
    Problem p;
    int posed = Pose(input, &p);
    if (posed != Solved)
        return posed;
    // The result moves one way with the term (MovesOfPage), so every term
    // from the first that reaches the target on reaches it too, and
    // bisection finds that first one. Between the two ends: low does not
    // reach the target; high does, or is the longest term.
    int low = static_cast<int>(MinMonths);
    int high = static_cast<int>(MaxMonths);
    if (Reaches(p, low, annualRate)) {
        *months = low;
        return Solved;
    }
    while (high - low > 1) {
        int middle = low + (high - low) / 2;
        if (Reaches(p, middle, annualRate))
            high = middle;
        else
            low = middle;
    }
    *months = high;
    return Reaches(p, high, annualRate) ? Solved : NoTermReaches;
}

// Whether the output field at these terms shows the target.
static bool Gives(const Problem& p, int months, double rate)
{
    return CompareShown(p, months, rate) == 0;
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
// the lower falls short and the upper does not: bisection closes in on it
// down to two neighbouring doubles. In exact arithmetic the result moves one
// way with the rate (MovesOfPage), so the rates short of the target lie below
// it, the others above. In double precision a result's last bits do not: a
// large one at a low rate over a few months (10^10 over 1 to 4 months at
// 0.1 %) goes up and down by a few cents from one rate of ten places to the
// next, and the bisection finds one of the rates where it crosses the
// target.
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

// How unsteady a result's last bits are, at most, as a part of it (see
// ExactRate). Each rounding adds at most u = 2^-53: the growth (1 + i)^n
// takes n + 1 of them, and its difference from 1, which every formula but
// the investment's has, takes them as a part of that difference, at least
// n i; four more operations follow. Over one month at 0.1 % that is 2.6
// parts in 10^12, as much as measured.
constexpr double RoundingUnit = 1.1102230246251565e-16;

static double Unsteadiness(int months, double rate)
{
    double n = months;
    return RoundingUnit * ((n + 1) * (1 + 1 / (n * MonthlyRateOf(rate))) + 4);
}

// How far from the exact rate, at most, a rate that gives the target is
// looked for, in steps of the tenth place. The rates that show the target
// lie around the exact rate within as many steps as it takes to move the
// exact result by twice the unsteadiness and half a cent: with 10^10 at
// most 120, over 2 months at 0.1 % (a monthly saving for a future worth;
// a loan over one month 70). The farthest found in 6 million rates tried
// there was 37.
constexpr double Reach = 160 * 1e-10;

// How far a result lies from the target, in units of the room a result at
// a rate a few units in its last place from one that gives the target may
// take: half a cent, and four times the unsteadiness (two rates' worth,
// twice over), which also covers the 17 digits a long result is shown with
// and the target's own last bits. Up to 1 such a rate may give the target.
// Past 2, where the result moves away from the target as the rate moves
// away from the exact rate, no rate further on gives it: the unsteadiness
// cannot bring it back. No number at all lies beyond every room.
constexpr double HalfCent = 0.005;

static double Distance(const Problem& p, int months, double rate, double unsteadiness)
{
    double off = p.formula(p.amount, months, rate, MonthlyRateOf(rate)) - p.target;
    double distance = (off < 0 ? -off : off) / (HalfCent + p.target * 4 * unsteadiness);
    return distance <= 2 ? distance : 3;
}

// The rate with the fewest places that gives the target, the nearest to the
// exact rate of those: at each number of places the nearest such rate, then
// the others outward, nearer first, each way until the result has moved too
// far from the target, within Reach or a step of the places. Where none
// does, false. Those others are worked out in double precision first, and
// their text made and read back as the box's rate only where their result
// lies near the target.
//
// A step of the places keeps the nearest rate on the other side of the
// exact rate among those tried at every number of places. It gives the
// target where the nearest does not only where the exact rate lies about
// midway between the two and the result bends across the cent: a future
// worth of 238.36 in 1128 months has a present worth of 1.07 at 5.77 %,
// not at 5.76 %, the nearer to the exact 5.7649990 %. Once in 2 million
// solves of random amounts, terms and rates of two places; without it the
// answer there would have a third place.
static bool FewestPlaces(const Problem& p, int months, double exact, double* rate)
{
    double unsteadiness = Unsteadiness(months, exact);
    double step = 0.01;
    for (int places = RateMinPlaces; places <= RatePlaces; ++places, step /= 10) {
        double reach = step > Reach ? step : Reach;
        double nearest = RateWithPlaces(exact, places);
        if (Gives(p, months, nearest)) {
            *rate = nearest;
            return true;
        }
        int below = 1, above = 1;  // the next steps from the nearest each way
        bool downOpen = true, upOpen = true;
        for (;;) {
            double lower = nearest - below * step;
            double higher = nearest + above * step;
            downOpen = downOpen && lower > MinRate - step / 2 && exact - lower <= reach;
            upOpen = upOpen && higher < MaxRate + step / 2 && higher - exact <= reach;
            if (!downOpen && !upOpen)
                break;
            bool down = downOpen && (!upOpen || exact - lower <= higher - exact);
            double candidate = down ? lower : higher;
            double distance = Distance(p, months, candidate, unsteadiness);
            if (distance <= 1) {
                candidate = RateWithPlaces(candidate, places);
                if (Gives(p, months, candidate)) {
                    *rate = candidate;
                    return true;
                }
            }
            if (down) {
                ++below;
                downOpen = distance <= 2;
            } else {
                ++above;
                upOpen = distance <= 2;
            }
        }
    }
    return false;
}

// Over one month a saving's future worth is the saving itself, and the
// saving for a future worth the worth itself: every rate gives the same, to
// the bit (the formulas take the amount as it is), so no search finds another.
static bool RateChangesNothing(const Problem& p, int months)
{
    return p.kind == SavingKind && months == 1;
}

int SolveRate(const SolveInput& input, int months, double* annualRate)
{
    Problem p;
    int posed = Pose(input, &p);
    if (posed != Solved)
        return posed;
    // The rate the box shows stays, whether it gives the target or not.
    if (RateChangesNothing(p, months))
        return Gives(p, months, *annualRate) ? Solved : NoRateChangesIt;
    // Where the lowest rate's result reaches the target already, or the
    // highest's falls short, the target lies beyond them, unless a rate near
    // them gives it after all.
    double exact;
    int outcome;
    if (!ShortOf(p, months, MinRate)) {
        exact = MinRate;
        outcome = NoRateReaches;
    } else if (ShortOf(p, months, MaxRate)) {
        exact = MaxRate;
        outcome = NoRateReaches;
    } else {
        exact = ExactRate(p, months);
        outcome = NoRateGivesExactly;
    }
    if (FewestPlaces(p, months, exact, annualRate))
        return Solved;
    *annualRate = RateUsed(exact);
    return outcome;
}
