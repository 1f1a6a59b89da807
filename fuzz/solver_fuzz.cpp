// The solvers on any page, direction, amounts, term and rate within the
// program's limits: the months found are the first that reach the target;
// the rate found gives the target to the cent, or is a bound the target lies
// beyond, or lies where no rate of ten places gives it (its two neighbours
// of ten places fall either side of the target); texts fit their buffers.
#include <stdint.h>
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

// An output text in cents; too large (no digits first, or 10^15 cents and
// more) counts as above every target.
constexpr long long TooLarge = 1000000000000000000ll;

static long long Cents(const char* text)
{
    if (text[0] < '0' || text[0] > '9')
        return TooLarge;
    long long cents = 0;
    const char* c = text;
    for (; *c >= '0' && *c <= '9'; ++c) {
        cents = cents * 10 + (*c - '0');
        if (cents >= 10000000000000ll)
            return TooLarge;
    }
    if (c[0] != '.' || c[1] < '0' || c[1] > '9' || c[2] < '0' || c[2] > '9' || c[3])
        abort();
    return cents * 100 + (c[1] - '0') * 10 + (c[2] - '0');
}

struct Case {
    int kind;
    int direction;
    double x;
    long long goal;
};

static long long Shown(const Case& c, int months, double rate)
{
    const char* text =
        PageResultText(c.kind, c.direction, c.x, months, rate, MonthlyRateOf(rate));
    if (strlen(text) >= static_cast<size_t>(FormatResultSize))
        abort();
    return Cents(text);
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
    long long shown = Shown(c, months, rate);
    return UpWithMonths(c) ? shown >= c.goal : shown <= c.goal;
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
static bool Short(const Case& c, long long shown)
{
    return UpWithRate(c) ? shown < c.goal : shown > c.goal;
}

static void CheckRate(const Case& c, int months, double rate)
{
    if (!(rate >= MinRate && rate <= MaxRate) || RateUsed(rate) != rate)
        abort();
    if (strlen(RateText(rate)) > 15)
        abort();
    long long shown = Shown(c, months, rate);
    if (shown == c.goal)
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
    long long below = Shown(c, months, RateWithPlaces(rate - 1e-10, 10));
    long long above = Shown(c, months, RateWithPlaces(rate + 1e-10, 10));
    if (below == c.goal || above == c.goal || !Short(c, below) || Short(c, above))
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

    SolveInput input = {kind, direction, x, target};
    Case c = {kind, direction, FieldAmount(x), Cents(FormatNumber(FieldAmount(target), 2))};
    bool nothing = c.x == 0 || c.goal == 0;
    int solvedMonths = months;
    double solvedRate = rate;
    int outcome = forRate ? SolveRate(input, months, &solvedRate)
                          : SolveMonths(input, rate, &solvedMonths);
    bool missing = outcome == AmountMissing || outcome == TargetMissing || outcome == BothMissing;
    if (missing != nothing || (nothing && (solvedMonths != months || solvedRate != rate)))
        abort();
    // What it says: nothing where it solved, something that fits otherwise.
    static char message[SolveMessageSize + 1];
    message[SolveMessageSize] = 'x';
    SolveMessage(input, forRate ? SolveForRate : SolveForMonths, outcome, solvedMonths,
                 solvedRate, message);
    if (message[SolveMessageSize] != 'x' || (outcome == Solved) != (message[0] == '\0'))
        abort();
    if (nothing)
        return 0;
    if (forRate) {
        CheckRate(c, months, solvedRate);
        if ((outcome == Solved) != (Shown(c, months, solvedRate) == c.goal))
            abort();
    } else {
        CheckMonths(c, solvedMonths, rate);
        if ((outcome == Solved) != Reaches(c, solvedMonths, rate))
            abort();
    }
    return 0;
}
