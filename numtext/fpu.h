// The floating-point control state every build computes under: IEEE double
// precision, round to nearest, every exception masked.
#ifndef LEDGERLY_FPU_H
#define LEDGERLY_FPU_H

// Bits 8-9 of the x87 control word: 0x200 selects a 53-bit significand.
constexpr unsigned short FpuPrecisionMask = 0x300;
constexpr unsigned short FpuPrecision53 = 0x200;
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
// only the x86_64 build touches the SSE register.
inline void LoadFpuControl()
{
#if defined(__i386__) || defined(__x86_64__)
    unsigned short cw = FpuControlWord;
    __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(cw));
#endif
#if defined(__x86_64__)
    unsigned int csr = SseControlWord;
    __asm__ volatile("ldmxcsr %0" : : "m"(csr));
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

// The current SSE control and status register, or 0 without one.
inline unsigned int ReadSseControl()
{
#if defined(__x86_64__)
    unsigned int csr;
    __asm__ volatile("stmxcsr %0" : "=m"(csr));
    return csr;
#else
    return 0;
#endif
}

#endif
