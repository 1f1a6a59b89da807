// The six page formulas, each page's pair of them, and the term limits, on plain doubles.
#include "finance/formulas.h"

#include "runtime/runtime.h"

// Above the highest becomes the highest, then below the lowest the lowest.
static double Clamp(double value, double lowest, double highest)
{
    if (value > highest)
        value = highest;
    if (value < lowest)
        value = lowest;
    return value;
}

double ClampMonths(double m)
{
    return Clamp(m, MinMonths, MaxMonths);
}

double ClampRate(double rate)
{
    return Clamp(rate, MinRate, MaxRate);
}

double CapAmount(double amount)
{
    return amount > MaxAmount ? MaxAmount : amount;
}

double MonthlyRateOf(double annualRate)
{
    return annualRate * MonthlyRateFactor;
}

// Products and quotients run left to right as written; each power has its
// base worked out first. Power is correctly rounded on every build (the
// runtime's pow is not everywhere, and the program links no runtime). Past
// the double range it gives infinity, and the formulas carry it on:
// 1 / infinity is 0.

double LoanPayment(double x, double n, double rate, double monthly)
{
    double growth = Power(1.0 + monthly, n);
    return (x * rate * MonthFactor) / (1.0 - 1.0 / growth);
}

double LoanAmount(double x, double n, double rate, double monthly)
{
    double growth = Power(1.0 + monthly, n);
    return (1.0 - 1.0 / growth) * x * PercentMonths / rate;
}

double FutureWorth(double x, double n, double, double monthly)
{
    return Power(1.0 + monthly, n) * x;
}

double PresentWorth(double x, double n, double, double monthly)
{
    return (1.0 / Power(1.0 + monthly, n)) * x;
}

// Over one month a saving's future worth is the saving itself, paid at the
// month's end, and the saving for a future worth the worth itself, at every
// rate. The formulas would round the growth and take 1 from it: the
// difference is the monthly rate only to the growth's last bit, which
// moves a large amount by a cent (a saving of 9999999999.99 would come to
// 10000000000.00 at 0.1 %). So one month gives the amount as it is.
double SavingFutureWorth(double x, double n, double, double monthly)
{
    if (n == 1.0)
        return x;
    return (Power(1.0 + monthly, n) - 1.0) * (x / monthly);
}

double SavingPayment(double x, double n, double rate, double)
{
    if (n == 1.0)
        return x;
    double growth = Power(1.0 + rate * MonthFactor, n);
    return (x * rate * MonthFactor) / (growth - 1.0);
}

// Each page's two formulas, one for each direction, in the order of the kinds.
struct PageFormulas {
    Formula leftToRight;
    Formula rightToLeft;
};

static const PageFormulas FormulasOfPage[PageKindCount] = {
    {LoanPayment, LoanAmount},
    {FutureWorth, PresentWorth},
    {SavingFutureWorth, SavingPayment},
};

Formula PageFormula(int kind, int direction)
{
    const PageFormulas& page =
        FormulasOfPage[kind == LoanKind || kind == InvestmentKind ? kind : SavingKind];
    return direction == LeftToRight ? page.leftToRight : page.rightToLeft;
}
