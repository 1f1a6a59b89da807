// What a solve that did not solve says: why, the nearest term or rate and
// its result, and what would give the target there; nothing is written.
#include "finance/formulas.h"
#include "finance/solveparts.h"
#include "finance/solver.h"
#include "finance/statement.h"
#include "finance/terms.h"
#include "numtext/numtext.h"

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

void CopyText(char* to, const char* from)
{
    int i = 0;
    for (; from[i] && i < FormatResultSize - 1; ++i)
        to[i] = from[i];
    to[i] = '\0';
}

// The fields of each page, left and right: as their labels name them, as a
// sentence does, and as a sentence names them again ("the payment is").
struct FieldNames {
    const char* label;
    const char* words;
    const char* again;
};

const FieldNames Fields[PageKindCount][2] = {
    {{"Loan", "loan", "loan"}, {"Monthly Payment", "monthly payment", "payment"}},
    {{"Present Worth", "present worth", "present worth"},
     {"Future Worth", "future worth", "future worth"}},
    {{"Monthly Saving", "monthly saving", "monthly saving"},
     {"Future Worth", "future worth", "future worth"}},
};

// What an input amount comes to, by kind and direction: "a loan of
// 80000.00 takes a payment of 533.52".
const char* const ComesTo[PageKindCount][2] = {
    {"takes a payment of", "pays off a loan of"},
    {"grows to a future worth of", "has a present worth of"},
    {"grows to a future worth of", "takes a monthly saving of"},
};

// A rate's smallest step: its tenth place.
constexpr double TenthPlace = 1e-10;

int Side(int direction)
{
    return direction == LeftToRight ? 0 : 1;
}

int Reverse(int direction)
{
    return direction == LeftToRight ? RightToLeft : LeftToRight;
}

const FieldNames& InputOf(const SolveInput& input)
{
    return Fields[input.kind][Side(input.direction)];
}

const FieldNames& TargetOf(const SolveInput& input)
{
    return Fields[input.kind][Side(Reverse(input.direction))];
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

// A target that says a result is too large to show, or words that read as
// no amount.
void PutUnusable(Writer& out, const SolveInput& input, int unknown, int outcome)
{
    const FieldNames& target = TargetOf(input);
    out.Put("The ");
    out.Put(target.label);
    if (outcome == TargetTooLarge) {
        out.Put(" field shows \"");
        out.Put(TooLargeText);
        out.Put("\": that ");
        out.Put(target.words);
        out.Put(" is too large to solve for.");
    } else {
        out.Put(" field holds \"");
        out.Put(input.target);
        out.Put("\", which is not an amount to solve for.");
    }
    out.Put(" Type the ");
    out.Put(target.words);
    out.Put(" to reach, then choose ");
    out.Put(CommandName(unknown));
    out.Put(" again.");
}

// "A monthly payment of 1000.00 on a loan of 300000.00 at 6.125 % does not
// cover the first month's interest of 1531.25": a loan whose payment pays no
// more than its first month's interest, which no term pays off. Worked out
// exactly, as the statement does.
bool PutInterestNotCovered(Writer& out, const Problem& p, double annualRate)
{
    if (p.kind != LoanKind)
        return false;
    long long amountCents = 0, targetCents = 0, rate = 0;
    char rateText[FormatResultSize];
    CopyText(rateText, RateText(annualRate));
    if (!ParseCents(FormatNumber(p.amount, 2), &amountCents) ||
        !ParseCents(p.goal, &targetCents) || !ParseRate(rateText, &rate))
        return false;
    bool fromLoan = p.direction == LeftToRight;
    long long loanCents = fromLoan ? amountCents : targetCents;
    long long paymentCents = fromLoan ? targetCents : amountCents;
    long long interest = InterestCents(loanCents, rate);
    if (paymentCents > interest)
        return false;
    out.Put("A monthly payment of ");
    out.Put(CentsText(paymentCents));
    out.Put(" on a loan of ");
    out.Put(CentsText(loanCents));
    out.Put(" at ");
    out.Put(rateText);
    out.Put(paymentCents < interest ? " % does not cover the first month's interest of "
                                    : " % pays only the first month's interest of ");
    out.Put(CentsText(interest));
    return true;
}

// " gives a future worth of [exactly] 1000.00 from a monthly saving of 80.00"
void PutAsked(Writer& out, const SolveInput& input, const Problem& p, bool exactly)
{
    out.Put(" gives a ");
    out.Put(TargetOf(input).words);
    out.Put(exactly ? " of exactly " : " of ");
    out.Put(p.goal);
    out.Put(" from a ");
    out.Put(InputOf(input).words);
    out.Put(" of ");
    out.Put(FormatNumber(p.amount, 2));
}

void PutResult(Writer& out, const Problem& p, int months, double annualRate)
{
    out.Put(PageResultText(p.kind, p.direction, p.amount, months, annualRate,
                           MonthlyRateOf(annualRate)));
}

// "the payment is 1534.66": the result at the nearest term or rate.
void PutResultThere(Writer& out, const SolveInput& input, const Problem& p, int months,
                    double annualRate)
{
    out.Put("the ");
    out.Put(TargetOf(input).again);
    out.Put(" is ");
    PutResult(out, p, months, annualRate);
}

// ", and a payment of 1000.00 pays off a loan of 195912.34": what the target
// comes to the other way at the same terms, the input that would give it
// there; nothing where that is no amount above 0.
void PutWhatGivesTarget(Writer& out, const SolveInput& input, const Problem& p, int months,
                        double annualRate)
{
    int reverse = Reverse(p.direction);
    char other[FormatResultSize];
    CopyText(other, PageResultText(p.kind, reverse, p.target, months, annualRate,
                                   MonthlyRateOf(annualRate)));
    bool above0 = false;
    for (const char* c = other; *c; ++c)
        above0 = above0 || (*c >= '1' && *c <= '9');
    if (!IsAmountText(other) || !above0)
        return;
    out.Put(", and a ");
    out.Put(TargetOf(input).again);
    out.Put(" of ");
    out.Put(p.goal);
    out.Put(" ");
    out.Put(ComesTo[p.kind][Side(reverse)]);
    out.Put(" ");
    out.Put(other);
}

// ", and at 27.951590737 % it is 10000000000.31": the neighbouring rate of
// ten places on the target's other side, where the range has one.
void PutOtherSide(Writer& out, const Problem& p, int months, double annualRate)
{
    int side = CompareShown(p, months, annualRate);
    bool below = p.moves.upWithRate ? side < 0 : side > 0;  // short of the target
    double other = RateWithPlaces(annualRate + (below ? TenthPlace : -TenthPlace), RatePlaces);
    if (side == 0 || other == annualRate)
        return;
    out.Put(", and at ");
    out.Put(RateText(other));
    out.Put(" % it is ");
    PutResult(out, p, months, other);
}

void PutNothingChanged(Writer& out)
{
    out.Put(". Nothing was changed.");
}

} // namespace

void SolveMessage(const SolveInput& input, int unknown, int outcome, int months,
                  double annualRate, char* text)
{
    Writer out{text, 0};
    text[0] = '\0';
    Problem p;
    Pose(input, &p);
    switch (outcome) {
    case AmountMissing:
    case TargetMissing:
    case BothMissing:
        PutMissing(out, input, unknown, outcome);
        return;
    case TargetTooLarge:
    case TargetNotAmount:
        PutUnusable(out, input, unknown, outcome);
        return;
    case NoTermReaches:
        if (PutInterestNotCovered(out, p, annualRate)) {
            out.Put(";");
        } else {
            out.Put("No term of up to ");
            PutMonths(out, static_cast<int>(MaxMonths));
            PutAsked(out, input, p, false);
            out.Put(" at ");
            out.Put(RateText(annualRate));
            out.Put(" %:");
        }
        out.Put(" over ");
        PutMonths(out, months);
        out.Put(" ");
        PutResultThere(out, input, p, months, annualRate);
        PutWhatGivesTarget(out, input, p, months, annualRate);
        PutNothingChanged(out);
        return;
    case NoRateReaches:
        out.Put("No rate from ");
        out.Put(RateText(MinRate));
        out.Put(" to ");
        out.Put(RateText(MaxRate));
        out.Put(" %");
        PutAsked(out, input, p, false);
        out.Put(" over ");
        PutMonths(out, months);
        out.Put(annualRate == MinRate ? ": at the lowest rate, " : ": at the highest rate, ");
        out.Put(RateText(annualRate));
        out.Put(" %, ");
        PutResultThere(out, input, p, months, annualRate);
        PutWhatGivesTarget(out, input, p, months, annualRate);
        PutNothingChanged(out);
        return;
    case NoRateGivesExactly:
        out.Put("No rate of up to ten decimals");
        PutAsked(out, input, p, true);
        out.Put(" over ");
        PutMonths(out, months);
        out.Put(": at the nearest rate, ");
        out.Put(RateText(annualRate));
        out.Put(" %, ");
        PutResultThere(out, input, p, months, annualRate);
        PutOtherSide(out, p, months, annualRate);
        PutNothingChanged(out);
        return;
    case NoRateChangesIt:
        out.Put("Over ");
        PutMonths(out, months);
        out.Put(" a ");
        out.Put(TargetOf(input).words);
        out.Put(" is the ");
        out.Put(InputOf(input).words);
        out.Put(" itself, whatever the rate, so no rate");
        PutAsked(out, input, p, true);
        out.Put(": at every rate ");
        PutResultThere(out, input, p, months, annualRate);
        PutWhatGivesTarget(out, input, p, months, annualRate);
        PutNothingChanged(out);
        return;
    default:
        return;
    }
}
