// The exact power of a double to a whole exponent, for checking Power:
// bounds from below and above at 320 bits, each rounded to double.
#ifndef LEDGERLY_POWER_REFERENCE_H
#define LEDGERLY_POWER_REFERENCE_H

// base^n for base > 0 and n >= 1, rounded to the nearest double (ties to
// even, subnormals and overflow included). settled is false when the two
// bounds round apart, which 320 bits make happen only in theory.
double ReferencePower(double base, unsigned n, bool& settled);

#endif
