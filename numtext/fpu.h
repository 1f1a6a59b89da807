// x87 precision control: every build computes in IEEE double precision.
#ifndef LEDGERLY_FPU_H
#define LEDGERLY_FPU_H

// Bits 8-9 of the x87 control word: 0x200 selects a 53-bit significand.
constexpr unsigned short FpuPrecisionMask = 0x300;
constexpr unsigned short FpuPrecision53 = 0x200;

// The i686 start-up code leaves the x87 unit at 64-bit extended precision,
// under which sums and products of doubles round differently. Set it to 53
// bits, as Windows does for new threads. Builds whose doubles live in SSE2
// registers need nothing.
inline void SetDoublePrecision()
{
#if defined(__i386__) || defined(__x86_64__)
    unsigned short cw;
    __asm__ volatile("fnstcw %0" : "=m"(cw));
    cw = static_cast<unsigned short>((cw & ~FpuPrecisionMask) | FpuPrecision53);
    __asm__ volatile("fldcw %0" : : "m"(cw));
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

#endif
