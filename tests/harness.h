// Minimal check harness for the test programs, native and under Wine.
// Each failed check prints what was checked, the expected and the observed value.
#ifndef LEDGERLY_HARNESS_H
#define LEDGERLY_HARNESS_H

#include <stdio.h>
#include <string.h>
#include "runtime/runtime.h"

inline int HarnessPassed = 0;
inline int HarnessFailed = 0;

inline bool CheckTrue(bool ok, const char* what, const char* file, int line)
{
    if (ok) {
        ++HarnessPassed;
    } else {
        ++HarnessFailed;
        printf("%s:%d: FAILED: %s\n", file, line, what);
    }
    return ok;
}

inline bool CheckLong(long long actual, long long expected, const char* what,
                      const char* file, int line)
{
    if (actual == expected) {
        ++HarnessPassed;
        return true;
    }
    ++HarnessFailed;
    printf("%s:%d: FAILED: %s: expected %lld, got %lld\n", file, line, what,
           expected, actual);
    return false;
}

inline bool CheckText(const char* actual, const char* expected, const char* what,
                      const char* file, int line)
{
    if (actual && expected && strcmp(actual, expected) == 0) {
        ++HarnessPassed;
        return true;
    }
    ++HarnessFailed;
    printf("%s:%d: FAILED: %s: expected \"%s\", got \"%s\"\n", file, line, what,
           expected ? expected : "(null)", actual ? actual : "(null)");
    return false;
}

inline bool CheckDouble(double actual, double expected, const char* what,
                        const char* file, int line)
{
    // Same bits, or both NaN: exactness is the point of these checks.
    bool same = memcmp(&actual, &expected, sizeof actual) == 0 ||
                (actual != actual && expected != expected);
    if (same) {
        ++HarnessPassed;
        return true;
    }
    ++HarnessFailed;
    printf("%s:%d: FAILED: %s: expected %.17g, got %.17g\n", file, line, what,
           expected, actual);
    return false;
}

#define CHECK(cond) CheckTrue((cond), #cond, __FILE__, __LINE__)
#define CHECK_INT(actual, expected, what) \
    CheckLong((long long)(actual), (long long)(expected), (what), __FILE__, __LINE__)
#define CHECK_TEXT(actual, expected, what) \
    CheckText((actual), (expected), (what), __FILE__, __LINE__)
#define CHECK_DOUBLE(actual, expected, what) \
    CheckDouble((actual), (expected), (what), __FILE__, __LINE__)

// A step of a xorshift generator: repeatable random words for test cases.
inline unsigned long long XorShift(unsigned long long* state)
{
    *state ^= *state << 13, *state ^= *state >> 7, *state ^= *state << 17;
    return *state;
}

// Every test program starts with double precision arithmetic, like the program.
inline void HarnessStart()
{
    LoadFpuControl();
}

// Prints the closing line and gives the exit code.
inline int HarnessFinish(const char* name)
{
    printf("%s: %d passed, %d failed\n", name, HarnessPassed, HarnessFailed);
    fflush(stdout);
    return HarnessFailed == 0 ? 0 : 1;
}

#endif
