// Solving a page for its term or its rate: the months or the rate at which
// the page's result from its input amount is the amount in its output field.
#ifndef LEDGERLY_SOLVER_H
#define LEDGERLY_SOLVER_H

// Which of the two terms a solve finds: the menu's Solve for Months and
// Solve for Rate.
enum SolveFor : int { SolveForMonths = 1, SolveForRate = 2 };

// A page to solve: its kind and direction, and its two amounts as read
// from their fields. Each amount is taken as its field shows it once written
// back (FieldAmount: capped, two places): the input field's is x, the output
// field's the target.
struct SolveInput {
    int kind;       // a PageKind
    int direction;  // a Direction
    double amount;  // the input field's
    double target;  // the output field's
};

// Both solvers judge a term by the output field's text at that term, as
// "Calculate It" would show it (PageResultText), in whole cents, and return
// false, leaving the term alone, where x or the target is 0: there is
// nothing to solve.

// The fewest months, 1 to 1200, at which the result at the rate used
// annualRate reaches the target: at most the target for a result that falls
// as the term grows (a payment, a present worth, a monthly saving), at least
// the target for one that rises (a loan, a future worth; a result too large
// to show reaches any target); 1200 where no term reaches it.
bool SolveMonths(const SolveInput& input, double annualRate, int* months);

// The rate, 0.1 to 1000 as the Interest Rate box uses it (its text is
// RateText), at which the result over `months` is the target: with the
// fewest places, 2 to 10, at which one of the two rates nearest the exact
// rate gives the target, the nearer if both do; the exact rate to ten places
// where none does; 0.1 or 1000, the nearer, where the target lies beyond
// what the rates between them give.
bool SolveRate(const SolveInput& input, int months, double* annualRate);

#endif
