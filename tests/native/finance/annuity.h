// The annuities of the six page formulas, worked out independently in
// quadruple precision (113-bit __float128, through log1p and expm1 rather
// than pow), for the finance test and the exact-cents measurement.
#ifndef LEDGERLY_TEST_ANNUITY_H
#define LEDGERLY_TEST_ANNUITY_H

#include <math.h>
#include <quadmath.h>

#include "finance/formulas.h"

using Quad = __float128;

enum Kind { Payment, Loan, Grow, Discount, SavingGrow, SavingPay };

struct FormulaCase {
    const char* name;
    Formula formula;
    Kind kind;
};

inline constexpr FormulaCase Formulas[] = {
    {"LoanPayment", LoanPayment, Payment},
    {"LoanAmount", LoanAmount, Loan},
    {"FutureWorth", FutureWorth, Grow},
    {"PresentWorth", PresentWorth, Discount},
    {"SavingFutureWorth", SavingFutureWorth, SavingGrow},
    {"SavingPayment", SavingPayment, SavingPay},
};

// The annuity for the rate R / 1200 exactly, with L = n ln(1 + i):
// growth e^L, payment x i / (1 - e^-L), present value of payments
// x (1 - e^-L) / i, future value x (e^L - 1) / i, and the payment into it.
inline Quad Reference(Kind kind, Quad x, int n, Quad rate)
{
    Quad i = rate / 1200;
    Quad logGrowth = n * log1pq(i);
    Quad amount = x;
    switch (kind) {
    case Payment:
        return amount * i / -expm1q(-logGrowth);
    case Loan:
        return amount * -expm1q(-logGrowth) / i;
    case Grow:
        return amount * expq(logGrowth);
    case Discount:
        return amount * expq(-logGrowth);
    case SavingGrow:
        return amount * expm1q(logGrowth) / i;
    case SavingPay:
        return amount * i / expm1q(logGrowth);
    }
    return 0;
}

// Two-place text of a quad, rounded to nearest.
inline const char* QuadText(Quad value)
{
    static char text[400];
    quadmath_snprintf(text, sizeof text, "%.2Qf", value);
    return text;
}

// Distance of a value from the nearest half cent, where two-place rounding
// turns: 0 at a tie, 0.005 halfway between ties.
inline double TieDistance(Quad value)
{
    Quad cents = value * 100;
    Quad fraction = cents - floorq(cents);
    return static_cast<double>(fabsq(fraction - static_cast<Quad>(0.5))) / 100;
}

#endif
