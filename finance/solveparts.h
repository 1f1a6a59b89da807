// What the solver's two files share (solver.cpp, solvemessage.cpp): a solve
// under way, its target, and the output field's text against it.
#ifndef LEDGERLY_SOLVEPARTS_H
#define LEDGERLY_SOLVEPARTS_H

#include "finance/formulas.h"
#include "finance/solver.h"
#include "numtext/numtext.h"

// Which way a page's result moves as the term grows and as the rate grows.
struct Moves {
    bool upWithMonths;
    bool upWithRate;
};

// A solve under way: the page, x as its field shows it, and the target as
// its field shows it: its text (goal) and its value.
struct Problem {
    int kind;
    int direction;
    Formula formula;
    Moves moves;
    double amount;
    double target;
    char goal[FormatResultSize];
};

// Takes the amounts as their fields show them; Solved where both are given
// and the target is an amount, else what is wrong with them (the target
// first). Only where it returns Solved does p hold the whole problem.
int Pose(const SolveInput& input, Problem* p);

// The output field's text at these terms against the target, compared as
// numbers: -1 below it, 0 on it, 1 above.
int CompareShown(const Problem& p, int months, double rate);

// Whether a text is an amount as a page writes it: whole digits without a
// leading zero (but a lone one), the decimal mark and two places.
bool IsAmountText(const char* text);

#endif
