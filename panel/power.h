// Raising a double to a power without the C runtime's pow.
#ifndef LEDGERLY_POWER_H
#define LEDGERLY_POWER_H

// base raised to exponent, with the special cases of C's pow (x^0 = 1,
// 1^y = 1, NaN in, NaN out, a negative base to a non-whole exponent is NaN,
// zero to a negative power is infinity, past the double range is infinity
// or zero).
//
// Whole exponents (the only ones the program uses: (1 + i)^n with n months)
// are worked out by repeated squaring in double-double arithmetic, about
// 106 bits, and rounded once to double at the end: the result is the double
// nearest the exact power unless that power lies within about 2^-90 of its
// own size from a point halfway between two doubles. Exact halfway cases are
// carried exactly and rounded to even. Subnormal results are rounded once,
// at their own position.
//
// Other exponents go through the x87 unit's base-2 logarithm and exponential
// at 64-bit precision: within about one unit in the last place, not always
// the nearest double. Where there is no x87 unit they give NaN.
double Power(double base, double exponent);

#endif
