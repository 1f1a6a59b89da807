// The few C runtime routines the program needs, so that it links no C
// runtime DLL (a retail Windows 95 has no msvcrt.dll). The compiler emits
// calls to the memory routines for copies and clears of structures. Built
// with -fno-builtin and without loop pattern distribution, so the loops
// below stay loops and do not turn into calls to themselves. On i686 also
// the helpers the compiler calls for 64-bit division (divide.cpp).
#include <stddef.h>
#include "runtime/runtime.h"

extern "C" {

void* memset(void* dest, int value, size_t size)
{
    unsigned char* d = static_cast<unsigned char*>(dest);
    while (size--)
        *d++ = static_cast<unsigned char>(value);
    return dest;
}

void* memcpy(void* dest, const void* src, size_t size)
{
    unsigned char* d = static_cast<unsigned char*>(dest);
    const unsigned char* s = static_cast<const unsigned char*>(src);
    while (size--)
        *d++ = *s++;
    return dest;
}

void* memmove(void* dest, const void* src, size_t size)
{
    unsigned char* d = static_cast<unsigned char*>(dest);
    const unsigned char* s = static_cast<const unsigned char*>(src);
    if (d < s) {
        while (size--)
            *d++ = *s++;
    } else {
        while (size--)
            d[size] = s[size];
    }
    return dest;
}

int memcmp(const void* a, const void* b, size_t size)
{
    const unsigned char* x = static_cast<const unsigned char*>(a);
    const unsigned char* y = static_cast<const unsigned char*>(b);
    for (; size; --size, ++x, ++y) {
        if (*x != *y)
            return *x < *y ? -1 : 1;
    }
    return 0;
}

size_t strlen(const char* text)
{
    size_t n = 0;
    while (text[n])
        ++n;
    return n;
}

#if defined(__i386__)
// The i686 compiler divides 64-bit numbers and counts their trailing zero
// bits by calls to these helpers of libgcc's.
unsigned long long __udivmoddi4(unsigned long long dividend, unsigned long long divisor,
                                unsigned long long* remainder)
{
    return DivideLong(dividend, divisor, remainder);
}

unsigned long long __udivdi3(unsigned long long dividend, unsigned long long divisor)
{
    return DivideLong(dividend, divisor, nullptr);
}

unsigned long long __umoddi3(unsigned long long dividend, unsigned long long divisor)
{
    unsigned long long remainder;
    DivideLong(dividend, divisor, &remainder);
    return remainder;
}

int __ctzdi2(unsigned long long value)
{
    return TrailingZeros(value);
}
#endif

}  // extern "C"
