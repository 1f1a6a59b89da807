// Two-word products and quotients from 32-bit halves and shifts.
#include "finance/twoword.h"

// Each product of two 32-bit halves is one 32 x 32 -> 64-bit multiply, which
// every x86 processor has as one instruction; the four are added up in
// 32-bit columns.
TwoWord MultiplyWords(unsigned long long a, unsigned long long b)
{
    unsigned int a0 = static_cast<unsigned int>(a), a1 = static_cast<unsigned int>(a >> 32);
    unsigned int b0 = static_cast<unsigned int>(b), b1 = static_cast<unsigned int>(b >> 32);
    unsigned long long low = static_cast<unsigned long long>(a0) * b0;
    unsigned long long cross1 = static_cast<unsigned long long>(a0) * b1;
    unsigned long long cross2 = static_cast<unsigned long long>(a1) * b0;
    unsigned long long high = static_cast<unsigned long long>(a1) * b1;
    // The middle column: below 3 * 2^32, so it cannot overflow.
    unsigned long long middle = (low >> 32) + (cross1 & 0xFFFFFFFFu) + (cross2 & 0xFFFFFFFFu);
    TwoWord product;
    product.low = (middle << 32) | (low & 0xFFFFFFFFu);
    product.high = high + (cross1 >> 32) + (cross2 >> 32) + (middle >> 32);
    return product;
}

// Long division in base 2: shifts the bits of a word, highest first, into
// the remainder (below the divisor), and gives the quotient's bits for that
// word. A remainder of 2^63 or more shifted left passes 2^64: the bit that
// leaves it makes it larger than any divisor, and the subtraction modulo
// 2^64 still gives the true remainder.
static unsigned long long ShiftIn(unsigned long long word, unsigned long long divisor,
                                  unsigned long long* remainder)
{
    unsigned long long quotient = 0;
    unsigned long long r = *remainder;
    for (int bit = 63; bit >= 0; --bit) {
        bool carry = (r >> 63) != 0;
        r = (r << 1) | ((word >> bit) & 1);
        quotient <<= 1;
        if (carry || r >= divisor) {
            r -= divisor;
            quotient |= 1;
        }
    }
    *remainder = r;
    return quotient;
}

// A high word below the divisor is already the remainder of the first step
// (the statement's products always have one), which halves the work.
TwoWord DivideWords(TwoWord dividend, unsigned long long divisor, unsigned long long* remainder)
{
    TwoWord quotient;
    unsigned long long r = 0;
    if (dividend.high < divisor) {
        r = dividend.high;
        quotient.high = 0;
    } else {
        quotient.high = ShiftIn(dividend.high, divisor, &r);
    }
    quotient.low = ShiftIn(dividend.low, divisor, &r);
    *remainder = r;
    return quotient;
}
