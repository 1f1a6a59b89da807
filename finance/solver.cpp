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

static const Moves& MovesOf(int kind, int direction)
{
    return MovesOfPage[kind][direction == LeftToRight ? 0 : 1];
}

// Takes the amounts as their fields show them; Solved where both are given,
// else which one is missing.
static int Pose(const SolveInput& input, Problem* p)
{
    p->kind = input.kind;
    p->direction = input.direction;
    p->formula = PageFormula(input.kind, input.direction);
    p->moves = MovesOf(input.kind, input.direction);
    p->amount = FieldAmount(input.amount);
    p->target = FieldAmount(input.target);
    if (p->amount == 0 || p->target == 0)
        return p->amount != 0 ? TargetMissing : p->target != 0 ? AmountMissing : BothMissing;
    p->goal = 0;
    ParseCents(FormatNumber(p->target, 2), &p->goal);  // any capped amount reads
    return Solved;
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
static int FewestPlaces(const Problem& p, int months, double exact, double* rate)
{
    double step = 0.01;
    for (int places = RateMinPlaces; places <= RatePlaces; ++places, step /= 10) {
        double nearest = RateWithPlaces(exact, places);
        if (CompareShown(p, months, nearest) == 0) {
            *rate = nearest;
            return Solved;
        }
        double other = RateWithPlaces(nearest <= exact ? nearest + step : nearest - step, places);
        if (CompareShown(p, months, other) == 0) {
            *rate = other;
            return Solved;
        }
    }
    *rate = RateUsed(exact);
    return NoRateGivesExactly;
}

// A bound of the rates, and whether it gives the target itself.
static int AtBound(const Problem& p, int months, double bound, double* rate)
{
    *rate = RateUsed(bound);
    return CompareShown(p, months, *rate) == 0 ? Solved : NoRateReaches;
}

int SolveRate(const SolveInput& input, int months, double* annualRate)
{
    Problem p;
    int posed = Pose(input, &p);
    if (posed != Solved)
        return posed;
    if (!ShortOf(p, months, MinRate))
        return AtBound(p, months, MinRate, annualRate);  // met at the lowest rate or below
    if (ShortOf(p, months, MaxRate))
        return AtBound(p, months, MaxRate, annualRate);  // beyond the highest
    return FewestPlaces(p, months, ExactRate(p, months), annualRate);
}

// ---------------------------------------------------------------------------
// What a solve that did not solve says.

namespace {

// Bounded text writing.
struct Writer {
    char* text;
    int length;
    void Put(const char* part)
    {
        for (; *part && length < SolveMessageSize - 1; ++part)
            text[length++] = *part;
        text[length] = '\0';
    }
};

// The fields of each page, left and right, as their labels name them and
// as a sentence does.
struct FieldNames {
    const char* label;
    const char* words;
};

const FieldNames Fields[PageKindCount][2] = {
    {{"Loan", "loan"}, {"Monthly Payment", "monthly payment"}},
    {{"Present Worth", "present worth"}, {"Future Worth", "future worth"}},
    {{"Monthly Saving", "monthly saving"}, {"Future Worth", "future worth"}},
};

const FieldNames& InputOf(const SolveInput& input)
{
    return Fields[input.kind][input.direction == LeftToRight ? 0 : 1];
}

const FieldNames& TargetOf(const SolveInput& input)
{
    return Fields[input.kind][input.direction == LeftToRight ? 1 : 0];
}

const char* CommandName(int unknown)
{
    return unknown == SolveForMonths ? "Solve for Months" : "Solve for Rate";
}

void PutMonths(Writer& out, int months)
{
    out.Put(MonthText(months));
    out.Put(months == 1 ? " month" : " months");
}

void PutMissing(Writer& out, const SolveInput& input, int unknown, int outcome)
{
    const FieldNames& left = Fields[input.kind][0];
    const FieldNames& right = Fields[input.kind][1];
    out.Put("There is nothing to solve: the ");
    if (outcome == BothMissing) {
        out.Put(left.label);
        out.Put(" and ");
        out.Put(right.label);
        out.Put(" fields are empty or 0.");
    } else {
        out.Put(outcome == AmountMissing ? InputOf(input).label : TargetOf(input).label);
        out.Put(" field is empty or 0.");
    }
    out.Put(" Type the ");
    out.Put(left.words);
    out.Put(" and the ");
    out.Put(right.words);
    out.Put(", then choose ");
    out.Put(CommandName(unknown));
    out.Put(" again.");
}

// A loan whose payment pays no more than its first month's interest: no
// term pays it off. Worked out exactly, as the statement does.
bool PutInterestNotCovered(Writer& out, const SolveInput& input, double annualRate)
{
    if (input.kind != LoanKind)
        return false;
    double loan = FieldAmount(input.direction == LeftToRight ? input.amount : input.target);
    double payment = FieldAmount(input.direction == LeftToRight ? input.target : input.amount);
    long long loanCents = 0, paymentCents = 0, rate = 0;
    char rateText[FormatResultSize];
    const char* shownRate = RateText(annualRate);
    int i = 0;
    for (; shownRate[i] && i < FormatResultSize - 1; ++i)
        rateText[i] = shownRate[i];
    rateText[i] = '\0';
    if (!ParseCents(FormatNumber(loan, 2), &loanCents) ||
        !ParseCents(FormatNumber(payment, 2), &paymentCents) || !ParseRate(rateText, &rate))
        return false;
    long long interest = InterestCents(loanCents, rate);
    if (paymentCents > interest)
        return false;
    out.Put("A monthly payment of ");
    out.Put(CentsText(paymentCents));
    out.Put(" does not pay more than the first month's interest of ");
    out.Put(CentsText(interest));
    out.Put(" on a loan of ");
    out.Put(CentsText(loanCents));
    out.Put(" at ");
    out.Put(rateText);
    out.Put(" %, so no term pays the loan off. ");
    return true;
}

void PutResult(Writer& out, const SolveInput& input, int months, double annualRate)
{
    out.Put(PageResultText(input.kind, input.direction, FieldAmount(input.amount), months,
                           annualRate, MonthlyRateOf(annualRate)));
}

} // namespace

void SolveMessage(const SolveInput& input, int unknown, int outcome, int months,
                  double annualRate, char* text)
{
    Writer out{text, 0};
    text[0] = '\0';
    const FieldNames& target = TargetOf(input);
    switch (outcome) {
    case AmountMissing:
    case TargetMissing:
    case BothMissing:
        PutMissing(out, input, unknown, outcome);
        return;
    case NoTermReaches:
        PutInterestNotCovered(out, input, annualRate);
        out.Put("Over ");
        PutMonths(out, months);
        out.Put(", the longest term, the ");
        out.Put(target.words);
        out.Put(" at ");
        out.Put(RateText(annualRate));
        out.Put(MovesOf(input.kind, input.direction).upWithMonths ? " % comes only to "
                                                                   : " % is still ");
        PutResult(out, input, months, annualRate);
        out.Put(MovesOf(input.kind, input.direction).upWithMonths ? ", less than the "
                                                                   : ", more than the ");
        out.Put(FormatNumber(FieldAmount(input.target), 2));
        out.Put(" asked for. The page shows that nearest term.");
        return;
    case NoRateReaches:
    case NoRateGivesExactly:
        out.Put(outcome == NoRateReaches ? "No rate from " : "No rate of up to ten decimals");
        if (outcome == NoRateReaches) {
            out.Put(RateText(MinRate));
            out.Put(" to ");
            out.Put(RateText(MaxRate));
            out.Put(" %");
        }
        out.Put(" gives a ");
        out.Put(target.words);
        out.Put(outcome == NoRateReaches ? " of " : " of exactly ");
        out.Put(FormatNumber(FieldAmount(input.target), 2));
        out.Put(" over ");
        PutMonths(out, months);
        if (outcome == NoRateReaches) {
            out.Put(": at ");
            out.Put(annualRate == MinRate ? "the lowest rate, " : "the highest rate, ");
            out.Put(RateText(annualRate));
            out.Put(" %, it is ");
            PutResult(out, input, months, annualRate);
            out.Put(". The page shows that nearest rate.");
        } else {
            out.Put(". The page shows the nearest rate, ");
            out.Put(RateText(annualRate));
            out.Put(" %, which gives ");
            PutResult(out, input, months, annualRate);
            out.Put(".");
        }
        return;
    default:
        return;
    }
}
