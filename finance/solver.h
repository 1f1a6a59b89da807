// Solving a page for its term or its rate: the months or the rate at which
// the page's result from its input amount is the amount in its output field.
#ifndef LEDGERLY_SOLVER_H
#define LEDGERLY_SOLVER_H

// Which of the two terms a solve finds: the menu's Solve for Months and
// Solve for Rate.
enum SolveFor : int { SolveForMonths = 1, SolveForRate = 2 };

// A page to solve: its kind and direction, the input field's amount as
// read and the output field's text. The amount is x as its field shows it
// once written back (FieldAmount: capped, two places). The text is the
// target as the field shows it, not capped (a result can pass the inputs'
// cap): an amount as the page writes it is taken as it is, any other text
// with two places as a calculation would write it back.
struct SolveInput {
    int kind;            // a PageKind
    int direction;       // a Direction
    double amount;       // the input field's
    const char* target;  // the output field's text
};

// What a solve came to. Only a solve that solved is written and calculated.
// Where an amount is missing or the target is none the term is left alone;
// otherwise the term comes back as the nearest to the target, which the
// message gives.
enum SolveOutcome : int {
    Solved = 0,          // the term found reaches the target; the rate gives it
    AmountMissing,       // the input field's amount is 0: nothing to solve
    TargetMissing,       // the output field's is 0
    BothMissing,
    TargetTooLarge,      // the output field says a result is too large to show
    TargetNotAmount,     // the output field holds words that read as no amount
    NoTermReaches,       // not even the longest term: 1200 months
    NoRateReaches,       // beyond what the lowest or the highest rate gives: that rate
    NoRateGivesExactly,  // between two neighbouring rates of ten places: the nearer
    NoRateChangesIt,     // every rate gives the same result, not the target: the rate kept
};

// Whether an outcome says an amount is missing, and whether it says the
// target is no amount to solve for: either way the term is left alone.
bool AmountsMissing(int outcome);
bool TargetUnusable(int outcome);

// Both solvers judge a term by the output field's text at that term, as
// "Calculate It" would show it (PageResultText), in whole cents, and return
// a SolveOutcome.

// The fewest months, 1 to 1200, at which the result at the rate used
// annualRate reaches the target: at most the target for a result that falls
// as the term grows (a payment, a present worth, a monthly saving), at least
// the target for one that rises (a loan, a future worth; a result too large
// to show reaches any target); 1200 where no term reaches it.
int SolveMonths(const SolveInput& input, double annualRate, int* months);

// The rate, 0.1 to 1000 as the Interest Rate box uses it (its text is
// RateText), at which the result over `months` is the target: with the
// fewest places, 2 to 10, at which a rate near the exact rate gives the
// target, the nearest to it of those; the exact rate to ten places where
// none does; 0.1 or 1000, the nearer, where the target lies beyond what the
// rates between them give. *annualRate holds the rate the box shows; where
// every rate gives the same result (a saving over one month) it stays.
int SolveRate(const SolveInput& input, int months, double* annualRate);

// What a solve that did not solve says, in plain words, with the figures
// that explain it, given the term solved (a SolveFor), the outcome, and the
// months and the rate it came to; empty where it solved. Where no term or
// rate gives the target: the nearest and its result, and what would give
// the target there (for a loan whose payment does not cover a month's
// interest, that interest too); and that nothing was written. Room for
// three results of 309 whole digits besides the words.
constexpr int SolveMessageSize = 2048;
void SolveMessage(const SolveInput& input, int unknown, int outcome, int months,
                  double annualRate, char* text);

#endif
