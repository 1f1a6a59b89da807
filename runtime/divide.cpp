// Division of unsigned 64-bit numbers from 32-bit steps, for the i686
// program, whose processor divides at most 64 bits by 32 (memory.cpp gives
// the compiler its helpers through these).
#include "runtime/runtime.h"

unsigned long long DivideLong(unsigned long long dividend, unsigned long long divisor,
                              unsigned long long* remainder)
{
    unsigned long long quotient = 0;
    if (!(divisor >> 32)) {
        // A divisor of 32 bits: the high word divided, then what it leaves
        // with the low word, each a single division of the processor's.
        unsigned small = static_cast<unsigned>(divisor);
        unsigned high = static_cast<unsigned>(dividend >> 32);
        unsigned low = static_cast<unsigned>(dividend);
        unsigned highQuotient = high / small;
        unsigned rest = high - highQuotient * small;
        unsigned lowQuotient;
        __asm__("divl %4" : "=a"(lowQuotient), "=d"(rest) : "0"(low), "1"(rest), "rm"(small));
        quotient = static_cast<unsigned long long>(highQuotient) << 32 | lowQuotient;
        dividend = rest;
    } else {
        // A longer divisor leaves a quotient of at most 32 bits: the divisor
        // is shifted up under the dividend and taken away bit by bit.
        int shift = 0;
        while (divisor <= dividend && !(divisor >> 63)) {
            divisor <<= 1;
            ++shift;
        }
        for (; shift >= 0; --shift) {
            quotient <<= 1;
            if (dividend >= divisor) {
                dividend -= divisor;
                quotient |= 1;
            }
            divisor >>= 1;
        }
    }
    if (remainder)
        *remainder = dividend;
    return quotient;
}

int TrailingZeros(unsigned long long value)
{
    unsigned low = static_cast<unsigned>(value);
    return low ? __builtin_ctz(low) : 32 + __builtin_ctz(static_cast<unsigned>(value >> 32));
}
