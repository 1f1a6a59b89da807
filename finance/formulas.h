// The three pages, their six formulas, and the limits of terms and amounts.
#ifndef LEDGERLY_FORMULAS_H
#define LEDGERLY_FORMULAS_H

// The pages, in the tab strip's order. The panel's tabs and pages, their
// formulas and the columns of their statements are all looked up by it.
enum PageKind : int { LoanKind = 0, InvestmentKind = 1, SavingKind = 2 };
constexpr int PageKindCount = 3;

// Direction of a page: LeftToRight makes its left field the input (the
// loan, the present worth, the monthly saving), RightToLeft the right one.
enum Direction : int { LeftToRight = 1, RightToLeft = 2 };

// Term limits and the constants of the term boxes.
constexpr double MinMonths = 1.0, MaxMonths = 1200.0;
constexpr double MinRate = 0.1, MaxRate = 1000.0;
// Places a rate is shown and used with: at least two, like every amount,
// and at most ten, like the calculator.
constexpr int RateMinPlaces = 2, RatePlaces = 10;
// Step of the rate list, and the number of steps listed on each side.
constexpr double RateStep = 0.05;
constexpr int RateSteps = 6;

// The monthly rate is the annual percentage times this factor, one unit in
// the last place below the double nearest 1/1200 (1/12 / 100 in double).
constexpr double MonthlyRateFactor = 0.0008333333333333333;
// The double nearest 1/1200, used by the payment formulas.
constexpr double MonthFactor = 0.0008333333333333334;
// Twelve months times one hundred percent.
constexpr double PercentMonths = 1200.0;
// Cap on an input amount.
constexpr double MaxAmount = 1e10;

// Month value m: above 1200 becomes 1200, then below 1 becomes 1.
double ClampMonths(double m);
// Rate R: above 1000 becomes 1000, then below 0.1 becomes 0.1.
double ClampRate(double rate);
// Amount x: above 1e10 becomes 1e10.
double CapAmount(double amount);
double MonthlyRateOf(double annualRate);

// A page formula: amount x, n months, annual rate R in percent, monthly
// rate i. Each formula uses the operands it needs, in a fixed order.
using Formula = double (*)(double x, double n, double rate, double monthly);

// Loan -> monthly payment: (x * R * c) / (1 - 1 / (1 + i)^n)
double LoanPayment(double x, double n, double rate, double monthly);
// Monthly payment -> loan: (1 - 1 / (1 + i)^n) * x * 1200 / R
double LoanAmount(double x, double n, double rate, double monthly);
// Present worth -> future worth: (1 + i)^n * x
double FutureWorth(double x, double n, double rate, double monthly);
// Future worth -> present worth: (1 / (1 + i)^n) * x
double PresentWorth(double x, double n, double rate, double monthly);
// Monthly saving -> future worth: ((1 + i)^n - 1) * (x / i); x for n = 1
double SavingFutureWorth(double x, double n, double rate, double monthly);
// Future worth -> monthly saving: (x * R * c) / ((1 + R * c)^n - 1); x for n = 1
double SavingPayment(double x, double n, double rate, double monthly);

// A page's formula for a direction; any kind but a loan's or an
// investment's is a saving's, any direction but LeftToRight is RightToLeft.
Formula PageFormula(int kind, int direction);

#endif
