// Unsigned numbers of two 64-bit words, for the statement's exact interest:
// the whole product of two words and its division by one word, worked out
// from 32-bit halves and shifts (the i686 build has no 128-bit type).
#ifndef LEDGERLY_TWOWORD_H
#define LEDGERLY_TWOWORD_H

// high * 2^64 + low.
struct TwoWord {
    unsigned long long high;
    unsigned long long low;
};

// The product of two words, whole.
TwoWord MultiplyWords(unsigned long long a, unsigned long long b);

// The quotient of a two-word number by a divisor (not zero), and the
// remainder into *remainder.
TwoWord DivideWords(TwoWord dividend, unsigned long long divisor, unsigned long long* remainder);

#endif
