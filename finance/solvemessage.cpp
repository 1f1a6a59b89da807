// What a solve that did not solve says: why, the nearest term or rate and
// its result, and what would give the target there; nothing is written.
#include "finance/formulas.h"
#include "finance/solveparts.h"
#include "finance/solver.h"
#include "finance/statement.h"
#include "finance/terms.h"
#include "numtext/numtext.h"

namespace {

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

// "1200 months", "1 month".
void PutMonths(TextWriter& out, int months)
{
    Compose(out, months == 1 ? "^n month" : "^n months", months);
}

void PutMissing(TextWriter& out, const SolveInput& input, int unknown, int outcome)
{
    const FieldNames& left = Fields[input.kind][0];
    const FieldNames& right = Fields[input.kind][1];
    if (outcome == BothMissing)
        Compose(out, "There is nothing to solve: the ^s and ^s fields are empty or 0.",
                left.label, right.label);
    else
        Compose(out, "There is nothing to solve: the ^s field is empty or 0.",
                outcome == AmountMissing ? InputOf(input).label : TargetOf(input).label);
    Compose(out, " Type the ^s and the ^s, then choose ^s again.", left.words, right.words,
            CommandName(unknown));
}

// A target that says a result is too large to show, or words that read as
// no amount.
void PutUnusable(TextWriter& out, const SolveInput& input, int unknown, int outcome)
{
    const FieldNames& target = TargetOf(input);
    if (outcome == TargetTooLarge)
        Compose(out, "The ^s field shows \"^s\": that ^s is too large to solve for.",
                target.label, TooLargeText, target.words);
    else
        Compose(out, "The ^s field holds \"^s\", which is not an amount to solve for.",
                target.label, input.target);
    Compose(out, " Type the ^s to reach, then choose ^s again.", target.words,
            CommandName(unknown));
}

// "A monthly payment of 1000.00 on a loan of 300000.00 at 6.125 % does not
// cover the first month's interest of 1531.25": a loan whose payment pays no
// more than its first month's interest, which no term pays off. Worked out
// exactly, as the statement does.
bool PutInterestNotCovered(TextWriter& out, const Problem& p, double annualRate)
{
    if (p.kind != LoanKind)
        return false;
    long long amountCents = 0, targetCents = 0, rate = 0;
    char rateText[FormatResultSize];
    CopyText(rateText, sizeof rateText, RateText(annualRate));
    if (!ParseCents(FormatNumber(p.amount, 2), &amountCents) ||
        !ParseCents(p.goal, &targetCents) || !ParseRate(rateText, &rate))
        return false;
    bool fromLoan = p.direction == LeftToRight;
    long long loanCents = fromLoan ? amountCents : targetCents;
    long long paymentCents = fromLoan ? targetCents : amountCents;
    long long interest = InterestCents(loanCents, rate);
    if (paymentCents > interest)
        return false;
    Compose(out,
            paymentCents < interest ? "A monthly payment of ^c on a loan of ^c at ^s % does not "
                                      "cover the first month's interest of ^c"
                                    : "A monthly payment of ^c on a loan of ^c at ^s % pays "
                                      "only the first month's interest of ^c",
            paymentCents, loanCents, rateText, interest);
    return true;
}

// " gives a future worth of [exactly] 1000.00 from a monthly saving of 80.00"
void PutAsked(TextWriter& out, const SolveInput& input, const Problem& p, bool exactly)
{
    Compose(out, exactly ? " gives a ^s of exactly ^s from a ^s of ^s" : " gives a ^s of ^s from a ^s of ^s",
            TargetOf(input).words, p.goal, InputOf(input).words, FormatNumber(p.amount, 2));
}

const char* ResultAt(const Problem& p, int months, double annualRate)
{
    return PageResultText(p.kind, p.direction, p.amount, months, annualRate,
                          MonthlyRateOf(annualRate));
}

// "the payment is 1534.66": the result at the nearest term or rate.
void PutResultThere(TextWriter& out, const SolveInput& input, const Problem& p, int months,
                    double annualRate)
{
    Compose(out, "the ^s is ^s", TargetOf(input).again, ResultAt(p, months, annualRate));
}

// ", and a payment of 1000.00 pays off a loan of 195912.34": what the target
// comes to the other way at the same terms, the input that would give it
// there; nothing where that is no amount above 0.
void PutWhatGivesTarget(TextWriter& out, const SolveInput& input, const Problem& p, int months,
                        double annualRate)
{
    int reverse = Reverse(p.direction);
    char other[FormatResultSize];
    CopyText(other, sizeof other, PageResultText(p.kind, reverse, p.target, months, annualRate,
                                                 MonthlyRateOf(annualRate)));
    bool above0 = false;
    for (const char* c = other; *c; ++c)
        above0 = above0 || (*c >= '1' && *c <= '9');
    if (!IsAmountText(other) || !above0)
        return;
    Compose(out, ", and a ^s of ^s ^s ^s", TargetOf(input).again, p.goal,
            ComesTo[p.kind][Side(reverse)], other);
}

// ", and at 27.951590737 % it is 10000000000.31": the neighbouring rate of
// ten places on the target's other side, where the range has one.
void PutOtherSide(TextWriter& out, const Problem& p, int months, double annualRate)
{
    int side = CompareShown(p, months, annualRate);
    bool below = p.moves.upWithRate ? side < 0 : side > 0;  // short of the target
    double other = RateWithPlaces(annualRate + (below ? TenthPlace : -TenthPlace), RatePlaces);
    if (side == 0 || other == annualRate)
        return;
    // The rate's text and the result's may share the number text's buffer.
    Compose(out, ", and at ^s % it is ", RateText(other));
    out.Put(ResultAt(p, months, other));
}

// " over 1200 months: at the lowest rate, 0.10 %, "
void PutOver(TextWriter& out, int months, const char* where)
{
    out.Put(" over ");
    PutMonths(out, months);
    out.Put(where);
}

} // namespace

void SolveMessage(const SolveInput& input, int unknown, int outcome, int months,
                  double annualRate, char* text)
{
    TextWriter out{text, SolveMessageSize, 0};
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
            Compose(out, "No term of up to ^n months", static_cast<int>(MaxMonths));
            PutAsked(out, input, p, false);
            Compose(out, " at ^s %:", RateText(annualRate));
        }
        PutOver(out, months, " ");
        PutResultThere(out, input, p, months, annualRate);
        PutWhatGivesTarget(out, input, p, months, annualRate);
        break;
    case NoRateReaches:
        Compose(out, "No rate from ^s", RateText(MinRate));
        Compose(out, " to ^s %", RateText(MaxRate));
        PutAsked(out, input, p, false);
        PutOver(out, months, annualRate == MinRate ? ": at the lowest rate, "
                                                   : ": at the highest rate, ");
        Compose(out, "^s %, ", RateText(annualRate));
        PutResultThere(out, input, p, months, annualRate);
        PutWhatGivesTarget(out, input, p, months, annualRate);
        break;
    case NoRateGivesExactly:
        out.Put("No rate of up to ten decimals");
        PutAsked(out, input, p, true);
        PutOver(out, months, ": at the nearest rate, ");
        Compose(out, "^s %, ", RateText(annualRate));
        PutResultThere(out, input, p, months, annualRate);
        PutOtherSide(out, p, months, annualRate);
        break;
    case NoRateChangesIt:
        out.Put("Over ");
        PutMonths(out, months);
        Compose(out, " a ^s is the ^s itself, whatever the rate, so no rate",
                TargetOf(input).words, InputOf(input).words);
        PutAsked(out, input, p, true);
        out.Put(": at every rate ");
        PutResultThere(out, input, p, months, annualRate);
        PutWhatGivesTarget(out, input, p, months, annualRate);
        break;
    default:
        return;
    }
    out.Put(". Nothing was changed.");
}
