// What a loan costs with the fees and points paid at the start: the amount
// financed, the finance charge, the total of payments, and the annual
// percentage rate and effective annual rate at which the statement's
// payments repay what was received, with the texts the Loan Cost box shows.
#ifndef LEDGERLY_LOANCOST_H
#define LEDGERLY_LOANCOST_H

#include "finance/statement.h"

// The fees, read as a page reads an amount: lenient, capped, in the whole
// cents its two-place text shows.
long long FeesOfText(const char* text);
// The points, read as the Interest Rate box reads a rate (as many places as
// typed, up to ten) but held to 0...100: in units of 10^-10 percent of the
// loan.
long long PointsOfText(const char* text);
// What a field shows once it is left: the fees with two places, the points
// as a rate is written (two to ten places); empty for none. Each returns a
// buffer that later calls overwrite.
const char* FeesText(long long cents);
const char* PointsText(long long units);

// The figures as the box shows them: amounts with two places, rates with
// three rounded half up and " %", empty where nothing is financed; an
// amount or rate that cannot be shown reads "Value is too large". The note
// says what the APR means, or why there is none.
constexpr int CostFigureSize = 32;
struct LoanCost {
    char financed[CostFigureSize];   // the loan less the fees and the points
    char charge[CostFigureSize];     // the total of payments less the amount financed
    char total[CostFigureSize];      // the statement's payments added up
    char apr[CostFigureSize];        // 1200 i
    char effective[CostFigureSize];  // ((1 + i)^12 - 1) x 100
    const char* note;
};

// The cost of the loan of a Loan page's statement (its loan and payment as
// the page shows them, no extras): the points are the loan times the points
// over 100, rounded half up to the cent; i is the monthly rate at which the
// statement's payments, month k's discounted by (1 + i)^-k, add up to the
// amount financed.
void WorkOutLoanCost(const StatementTerms& terms, long long fees, long long points,
                     LoanCost* cost);

#endif
