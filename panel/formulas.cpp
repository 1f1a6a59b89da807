// The six page formulas and the term limits, on plain doubles.
#include "panel/formulas.h"

#include "panel/power.h"

double ClampMonths(double m)
{
    if (m > MaxMonths)
        m = MaxMonths;
    if (m < MinMonths)
        m = MinMonths;
    return m;
}

double ClampRate(double rate)
{
    if (rate > MaxRate)
        rate = MaxRate;
    if (rate < MinRate)
        rate = MinRate;
    return rate;
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

double SavingFutureWorth(double x, double n, double, double monthly)
{
    return (Power(1.0 + monthly, n) - 1.0) * (x / monthly);
}

double SavingPayment(double x, double n, double rate, double)
{
    double growth = Power(1.0 + rate * MonthFactor, n);
    return (x * rate * MonthFactor) / (growth - 1.0);
}
