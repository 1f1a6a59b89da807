// The solvers on any page, direction, amounts, term and rate within the
// program's limits, and any target text: one that is no amount is not solved
// for; otherwise the months found are the first that reach the target;
// the rate found gives the target to the cent, or is a bound the target lies
// beyond, or lies where no rate of ten places gives it (its two neighbours
// of ten places fall either side of the target); texts fit their buffers.
// And the round trip: the result at any rate the box can show, taken as
// the target, is what the page shows at the rate solved for.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "finance/formulas.h"
#include "finance/solver.h"
#include "finance/terms.h"
#include "numtext/numtext.h"
#include "runtime/runtime.h"

static uint64_t Take(const uint8_t*& data, size_t& size, int bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < bytes && size; ++i, --size)
        value = value << 8 | *data++;
    return value;
}

// An amount as a field may hold it: whole cents up to a little above the
// cap, or any finite double that is not negative.
static double Amount(uint64_t bits, bool cents)
{
    if (cents)
        return static_cast<double>(bits % 1200000000001ull) / 100;
    double value;
    memcpy(&value, &bits, sizeof value);
    value = __builtin_fabs(value);
    return __builtin_isfinite(value) ? value : 0;
}

// The whole digits of an amount written with two places, or 0.
static int AmountDigits(const char* text)
{
    size_t whole = strspn(text, "0123456789");
    if (whole == 0 || (whole > 1 && text[0] == '0') || text[whole] != '.' ||
        strspn(text + whole + 1, "0123456789") != 2 || text[whole + 3])
        return 0;
    return static_cast<int>(whole);
}

// The whole digits of an output text, which must be an amount with two
// places or the words for one too large (-1: above every target).
static int WholeDigits(const char* text)
{
    if (!strcmp(text, TooLargeText))
        return -1;
    int whole = AmountDigits(text);
    if (!whole)
        abort();
    return whole;
}

// Two output texts compared as numbers: -1, 0 or 1.
static int Compare(const char* a, const char* b)
{
    int da = WholeDigits(a), db = WholeDigits(b);
    if (da != db)
        return da < 0 ? 1 : db < 0 ? -1 : da < db ? -1 : 1;
    int order = strcmp(a, b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

struct Case {
    int kind;
    int direction;
    double x;
    char goal[FormatResultSize];  // the target with two places
};

// The output text at these terms against the target: -1, 0 or 1.
static int Shown(const Case& c, int months, double rate)
{
    const char* text =
        PageResultText(c.kind, c.direction, c.x, months, rate, MonthlyRateOf(rate));
    if (strlen(text) >= static_cast<size_t>(FormatResultSize))
        abort();
    return Compare(text, c.goal);
}

// Which way the result moves with the term and with the rate.
static bool UpWithMonths(const Case& c)
{
    return c.kind == LoanKind ? c.direction == RightToLeft : c.direction == LeftToRight;
}

static bool UpWithRate(const Case& c)
{
    return c.direction == LeftToRight;
}

static bool Reaches(const Case& c, int months, double rate)
{
    int shown = Shown(c, months, rate);
    return UpWithMonths(c) ? shown >= 0 : shown <= 0;
}

static void CheckMonths(const Case& c, int months, double rate)
{
    if (months < 1 || months > 1200)
        abort();
    if (strlen(MonthText(months)) > 4)
        abort();
    bool reaches = Reaches(c, months, rate);
    if (months < 1200 && !reaches)
        abort();
    if (reaches && months > 1 && Reaches(c, months - 1, rate))
        abort();
}

// Below the target for a result that rises with the rate, above for one
// that falls.
static bool Short(const Case& c, int shown)
{
    return UpWithRate(c) ? shown < 0 : shown > 0;
}

static void CheckRate(const Case& c, int months, double rate)
{
    if (!(rate >= MinRate && rate <= MaxRate) || RateUsed(rate) != rate)
        abort();
    if (strlen(RateText(rate)) > 15)
        abort();
    int shown = Shown(c, months, rate);
    if (shown == 0)
        return;
    if (rate == MinRate) {
        if (Short(c, shown))
            abort();
        return;
    }
    if (rate == MaxRate) {
        if (!Short(c, shown))
            abort();
        return;
    }
    int below = Shown(c, months, RateWithPlaces(rate - 1e-10, 10));
    int above = Shown(c, months, RateWithPlaces(rate + 1e-10, 10));
    if (below == 0 || above == 0 || !Short(c, below) || Short(c, above))
        abort();
}

// The target as the solver takes it: an amount with two places as it is,
// any other text as a calculation writes it back (beyond every double, the
// largest).
static void Goal(const char* text, char* goal)
{
    snprintf(goal, FormatResultSize, "%s", text);
    if (AmountDigits(text))
        return;
    double value = ParseNumber(goal, ParseUnsigned);
    value = value > __DBL_MAX__ ? __DBL_MAX__ : value;
    snprintf(goal, FormatResultSize, "%s", FormatNumber(value, 2));
}

// Calculating at a rate the box shows and then solving for the rate with
// the result as the target shows that result again, wherever there is one.
static void CheckRoundTrip(int kind, int direction, double x, int months, double rate)
{
    char shown[FormatResultSize];
    snprintf(shown, sizeof shown, "%s",
             PageResultText(kind, direction, FieldAmount(x), months, rate, MonthlyRateOf(rate)));
    if (FieldAmount(x) == 0 || !strcmp(shown, TooLargeText) || !strcmp(shown, "0.00"))
        return;
    SolveInput input = {kind, direction, x, shown};
    double solved = rate;
    if (SolveRate(input, months, &solved) != Solved ||
        strcmp(PageResultText(kind, direction, FieldAmount(x), months, solved,
                              MonthlyRateOf(solved)),
               shown))
        abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    LoadFpuControl();
    if (size < 2)
        return 0;
    unsigned flags = static_cast<unsigned>(Take(data, size, 1));
    int kind = static_cast<int>(flags % 3);
    int direction = flags & 4 ? RightToLeft : LeftToRight;
    bool forRate = flags & 8;
    double x = Amount(Take(data, size, 8), !(flags & 16));
    double target = Amount(Take(data, size, 8), !(flags & 32));
    int months = static_cast<int>(Take(data, size, 2) % 1200) + 1;
    double rate = RateUsed(static_cast<double>(Take(data, size, 8) % 11000000000000ull) / 1e10);

    // The target: a number's text, or with the high flag whatever text the
    // rest of the input makes, as a user may type or send into the field.
    char targetText[FormatResultSize];
    snprintf(targetText, sizeof targetText, "%s", FormatNumber(target, flags & 64 ? 10 : 2));
    if (flags & 128) {
        size_t length = size < sizeof targetText - 1 ? size : sizeof targetText - 1;
        memcpy(targetText, data, length);
        targetText[length] = '\0';
    }
    SolveInput input = {kind, direction, x, targetText};
    Case c = {kind, direction, FieldAmount(x), ""};
    Goal(targetText, c.goal);
    bool nothing = c.x == 0 || !strcmp(c.goal, "0.00");
    int solvedMonths = months;
    double solvedRate = rate;
    int outcome = forRate ? SolveRate(input, months, &solvedRate)
                          : SolveMonths(input, rate, &solvedMonths);
    // What it says: nothing where it solved, something that fits otherwise.
    static char message[SolveMessageSize + 1];
    message[SolveMessageSize] = 'x';
    SolveMessage(input, forRate ? SolveForRate : SolveForMonths, outcome, solvedMonths,
                 solvedRate, message);
    if (message[SolveMessageSize] != 'x' || (outcome == Solved) != (message[0] == '\0'))
        abort();
    // The words for a result too large to show are no target; nor are words
    // that read as no amount. Either way the term is left alone.
    if ((!(flags & 128) && TargetUnusable(outcome)) ||
        (!strcmp(targetText, TooLargeText) && outcome != TargetTooLarge))
        abort();
    if (TargetUnusable(outcome)) {
        if ((outcome == TargetNotAmount && strcmp(c.goal, "0.00")) || solvedMonths != months ||
            solvedRate != rate)
            abort();
        return 0;
    }
    bool missing = AmountsMissing(outcome);
    if (missing != nothing || (nothing && (solvedMonths != months || solvedRate != rate)))
        abort();
    if (forRate)
        CheckRoundTrip(kind, direction, x, months, rate);
    if (nothing)
        return 0;
    if (forRate) {
        // Over one month a saving's result is the same at every rate: where
        // no rate gives the target the box's rate stays.
        if (outcome == NoRateChangesIt) {
            if (kind != SavingKind || months != 1 || solvedRate != rate ||
                Shown(c, months, rate) == 0)
                abort();
            return 0;
        }
        CheckRate(c, months, solvedRate);
        if ((outcome == Solved) != (Shown(c, months, solvedRate) == 0))
            abort();
    } else {
        CheckMonths(c, solvedMonths, rate);
        if ((outcome == Solved) != Reaches(c, solvedMonths, rate))
            abort();
    }
    return 0;
}
