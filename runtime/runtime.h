// What the program supplies instead of a C runtime: memory routines, the
// floating-point control state, a double's bits, and raising to a power.
//
// The program links no C runtime: a retail Windows 95 has no msvcrt.dll,
// and mingw's own start-up code and even its static pow import it. So
// nothing here, nor anything that includes this header, may call into a C
// or C++ library: no <math.h>, no <string.h> functions, no <stdio.h>, no
// operator new. The compiler's own builtins (__builtin_memcpy on a fixed
// size) are folded into plain moves and call nothing.
//
// - memory.cpp: memset, memcpy, memmove, memcmp and strlen, which the
//   compiler emits calls to for copies and clears of structures. Linked into
//   the product only; test programs keep their C runtime's.
// - The floating-point control below: every computing entry point loads it,
//   because the i686 start-up leaves the x87 unit at 64-bit precision and
//   code that Windows loads into every GUI process may change it.
// - A double's bits, for the number text and the power function.
// - power.cpp: Power, in place of the C runtime's pow.
// - divide.cpp: 64-bit division from 32-bit steps, which memory.cpp hands
//   to the compiler's calls on i686 in place of libgcc's helpers (libgcc
//   would bring unwinding tables the program has no use for).
#ifndef LEDGERLY_RUNTIME_H
#define LEDGERLY_RUNTIME_H

// ---------------------------------------------------------------------------
// The floating-point control state every build computes under: IEEE double
// precision, round to nearest, every exception masked.

// Bits 8-9 of the x87 control word: 0x200 selects a 53-bit significand,
// 0x300 a 64-bit one.
constexpr unsigned short FpuPrecisionMask = 0x300;
constexpr unsigned short FpuPrecision53 = 0x200;
constexpr unsigned short FpuPrecision64 = 0x300;
// The six exception masks (invalid, denormal, zero divide, overflow,
// underflow, precision) in bits 0-5, the reserved bit 6 as FNINIT leaves
// it, 53 bits, round to nearest (bits 10-11 clear): the word Windows gives
// a new thread.
constexpr unsigned short FpuExceptionMasks = 0x3F;
constexpr unsigned short FpuControlWord = 0x27F;
// The SSE control and status register: the six masks (bits 7-12), round to
// nearest, no flush to zero, no denormals read as zero, no flags.
constexpr unsigned int SseControlWord = 0x1F80;

// Loads the whole control state, not only the bits the program cares for.
// The i686 start-up code leaves the x87 unit at 64-bit extended precision,
// under which sums and products of doubles round differently. And Windows
// loads other code into every GUI process (hooks, input methods,
// accessibility and mouse utilities); some of it unmasks floating-point
// exceptions on the thread it runs on, and then the next overflow (a growth
// past the double range, which the program shows as "Value is too large")
// or division raises an exception that nothing handles, and Windows ends
// the program. So the program loads this state at start-up and before each
// piece of work that computes. Pending exception flags are cleared first:
// loading masks over a set flag is harmless, but a later unmask by such
// code would fire it. The i686 build runs on processors without SSE, so
// only the x86_64 build touches the SSE register. Each load says it touches
// memory, so the compiler moves no load or store of a computed value across
// it.
inline void LoadFpuControl()
{
#if defined(__i386__) || defined(__x86_64__)
    unsigned short cw = FpuControlWord;
    __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(cw) : "memory");
#endif
#if defined(__x86_64__)
    unsigned int csr = SseControlWord;
    __asm__ volatile("ldmxcsr %0" : : "m"(csr) : "memory");
#endif
}

// The current x87 control word, or 0 on processors without one.
inline unsigned short ReadFpuControl()
{
#if defined(__i386__) || defined(__x86_64__)
    unsigned short cw;
    __asm__ volatile("fnstcw %0" : "=m"(cw));
    return cw;
#else
    return 0;
#endif
}

#if defined(__i386__) || defined(__x86_64__)
// Sets the x87 unit's precision (FpuPrecision53 or FpuPrecision64) and
// returns the control word before, for RestoreFpuControl.
inline unsigned short SetFpuPrecision(unsigned short precision)
{
    unsigned short old = ReadFpuControl();
    unsigned short cw = static_cast<unsigned short>((old & ~FpuPrecisionMask) | precision);
    __asm__ volatile("fldcw %0" : : "m"(cw) : "memory");
    return old;
}

inline void RestoreFpuControl(unsigned short cw)
{
    __asm__ volatile("fldcw %0" : : "m"(cw) : "memory");
}
#endif

// ---------------------------------------------------------------------------
// A double's bits: the sign, 11 exponent bits, 52 fraction bits.

using DoubleBits = unsigned long long;
constexpr DoubleBits DoubleSignBit = 1ULL << 63;
constexpr DoubleBits DoubleExponentField = 0x7FFULL << 52;
constexpr DoubleBits DoubleFractionField = (1ULL << 52) - 1;
constexpr DoubleBits DoubleHiddenBit = 1ULL << 52;
constexpr DoubleBits DoubleQuietBit = 1ULL << 51;
constexpr int DoubleFractionBits = 52;
// The exponent field of 1.0; the field of infinity and NaN.
constexpr int DoubleExponentBias = 1023;
constexpr int DoubleMaxExponentField = 2047;

inline DoubleBits BitsOf(double x)
{
    DoubleBits b;
    __builtin_memcpy(&b, &x, sizeof b);
    return b;
}

inline double DoubleFromBits(DoubleBits b)
{
    double x;
    __builtin_memcpy(&x, &b, sizeof x);
    return x;
}

// ---------------------------------------------------------------------------
// Raising to a power (power.cpp).

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

// ---------------------------------------------------------------------------
// Unsigned 64-bit division: the quotient, and the remainder where asked; the
// divisor is not zero. And the trailing zero bits of a word that is not zero.
unsigned long long DivideLong(unsigned long long dividend, unsigned long long divisor,
                              unsigned long long* remainder);
int TrailingZeros(unsigned long long value);

#endif
