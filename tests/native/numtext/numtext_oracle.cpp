// Number formatting against an independent oracle, for random doubles over
// the whole range: the 18 truncated digits against glibc's exact expansion,
// and FormatNumber against a positional decimal rounding of that expansion.
#include <stdlib.h>
#include "tests/harness.h"
#include "numtext/numtext.h"

namespace {

constexpr int Samples = 1000000;
constexpr int MaxFailuresShown = 20;

unsigned long long RandomState = 0x9E3779B97F4A7C15ull;

unsigned long long Random64()
{
    // splitmix64
    unsigned long long z = (RandomState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double FromBits(unsigned long long bits)
{
    double d;
    memcpy(&d, &bits, sizeof d);
    return d;
}

unsigned long long ToBits(double d)
{
    unsigned long long bits;
    memcpy(&bits, &d, sizeof bits);
    return bits;
}

// A value near a tie halfway between two places: (k + 1/2) / 10^places,
// moved by a few units in the last place.
double NearTie(int places)
{
    const double scale = places == 2 ? 100.0 : 1e10;
    const unsigned long long limit = places == 2 ? 1000000000000ull : 100000000ull;
    const double k = static_cast<double>(Random64() % limit);
    double v = (k + 0.5) / scale;
    const long long step = static_cast<long long>(Random64() % 7) - 3;
    v = FromBits(ToBits(v) + step);
    return (Random64() & 1) ? -v : v;
}

double RandomFinite(int i)
{
    static const double specials[] = {
        1.7976931348623157e308, 2.2250738585072014e-308, 2.2250738585072009e-308,
        4.9406564584124654e-324, 18446744073709551616.0, 18446744073709549568.0,
        5.421010862427522e-20, 1e-5, 1e22, 1e23, 0.1, 0.5, 1.0, 123456.789};
    constexpr int specialCount = sizeof specials / sizeof specials[0];
    if (i < 2 * specialCount)
        return i < specialCount ? specials[i] : -specials[i - specialCount];
    for (;;) {
        double v;
        switch (i % 8) {
        case 0:
        case 1:  // any bit pattern
            v = FromBits(Random64());
            break;
        case 2:  // subnormals
            v = FromBits(Random64() & 0x800FFFFFFFFFFFFFull);
            break;
        case 3:
            v = NearTie(2);
            break;
        case 4:
            v = NearTie(10);
            break;
        case 5:  // amounts in cents
            v = static_cast<double>(Random64() % 1000000000001ull) / 100.0;
            break;
        case 6:  // whole numbers up to and past 2^64
            v = static_cast<double>(Random64() >> (Random64() % 64)) * ((Random64() & 1) ? 1.0 : 4096.0);
            break;
        default:  // the exponents near the point, with random mantissas
            v = FromBits((Random64() & 0x800FFFFFFFFFFFFFull) |
                         ((0x3FFull - 70 + Random64() % 140) << 52));
            break;
        }
        if (v - v == 0.0)  // finite
            return v;
    }
}

// The exact expansion: all significant digits of |value| and the point position.
struct Expansion {
    char digits[820];
    int length;
    int exponent;
};

// More digits than the exact expansion of m * 2^e can have: about e * log10(2)
// whole digits, or for e < 0 the digits of m * 5^-e. At most "%.800e".
int ExactPrecision(double value)
{
    int binaryExponent = static_cast<int>((ToBits(value) >> 52) & 0x7FF) - 1075;
    if (binaryExponent < -1074)
        binaryExponent = -1074;
    const int bound = binaryExponent >= 0 ? 20 + binaryExponent * 31 / 100
                                          : 20 + (-binaryExponent) * 70 / 100;
    return bound < 800 ? bound : 800;
}

int Inexact = 0;

void Expand(double value, Expansion& x)
{
    char text[900];
    snprintf(text, sizeof text, "%.*e", ExactPrecision(value), value < 0 ? -value : value);
    x.length = 0;
    const char* c = text;
    for (; *c != 'e'; ++c) {
        if (*c != '.')
            x.digits[x.length++] = *c;
    }
    x.exponent = atoi(c + 1) + 1;
    // The last printed digit lies past the end of the exact expansion.
    if (value != 0.0 && x.digits[x.length - 1] != '0')
        ++Inexact;
    while (x.length > 1 && x.digits[x.length - 1] == '0')
        --x.length;
    x.digits[x.length] = '\0';
}

// Adds one to the decimal integer text of `length` digits; returns false on a
// carry out of the first digit.
bool Increment(char* digits, int length)
{
    for (int i = length - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return true;
        }
        digits[i] = '0';
    }
    return false;
}

// The definition, positionally: round the expansion half up to 17
// significant digits (after truncating it to 18), write that value out with
// `places + 1` digits after the point, and round half up at the place.
void Reference(double value, const Expansion& x, int decimals, char* out)
{
    const int places = decimals < 0 ? 0 : decimals;
    char sig[20];
    for (int i = 0; i < 18; ++i)
        sig[i] = i < x.length ? x.digits[i] : '0';
    int e = x.exponent;
    if (value == 0.0) {
        memset(sig, '0', 18);
        e = 1;
    }
    if (sig[17] >= '5' && !Increment(sig, 17)) {
        sig[0] = '1';
        ++e;
    }
    // Units of 10^-places: the whole digits and the places, in one integer text
    // with a leading zero for a carry; `next` is the digit after the place.
    char units[400];
    int count = 0;
    units[count++] = '0';
    // Digit at decimal position p (p = 0 is the first whole digit when e > 0,
    // counting from the point: the digit of 10^(e-1-i) is sig[i]).
    auto digitOf = [&](int power) -> char {  // the digit of 10^power
        const int i = e - 1 - power;
        return i >= 0 && i < 17 ? sig[i] : '0';
    };
    const int top = e > 0 ? e - 1 : 0;
    for (int power = top; power >= -places; --power)
        units[count++] = digitOf(power);
    const char next = digitOf(-places - 1);
    if (next >= '5')
        Increment(units, count);
    // Text: sign, whole digits without leading zeros, point and places.
    int first = 0;
    while (first < count - places - 1 && units[first] == '0')
        ++first;
    int n = 0;
    if (value < 0)
        out[n++] = '-';
    for (int i = first; i < count - places; ++i)
        out[n++] = units[i];
    if (decimals >= 0) {
        out[n++] = '.';
        for (int i = count - places; i < count; ++i)
            out[n++] = units[i];
        const bool wholeNonZero = !(count - places - first == 1 && units[first] == '0');
        if (decimals == 10 && wholeNonZero) {
            while (out[n - 1] == '0')
                --n;
        }
    }
    out[n] = '\0';
}

int Shown = 0;

void Report(double value, const char* what, const char* expected, const char* actual)
{
    if (Shown++ < MaxFailuresShown)
        printf("  %a (%.17g) %s: expected \"%s\", got \"%s\"\n", value, value, what,
               expected, actual);
}

} // namespace

int main()
{
    HarnessStart();
    int digitFailures = 0;
    int formatFailures = 0;
    int formatChecks = 0;
    Expansion x;
    for (int i = 0; i < Samples; ++i) {
        const double value = RandomFinite(i);
        Expand(value, x);
        if (value != 0.0) {
            char expected[19];
            for (int k = 0; k < 18; ++k)
                expected[k] = k < x.length ? x.digits[k] : '0';
            expected[18] = '\0';
            char actual[SignificantDigitCount + 1];
            const int e = SignificantDigits18(value, actual);
            if (strcmp(expected, actual) != 0 || e != x.exponent) {
                ++digitFailures;
                Report(value, "18 digits", expected, actual);
            }
        }
        // Two and ten places for every value, one more count in turn.
        const int decimalsList[3] = {2, 10, static_cast<int>(i % 12) - 1};
        for (int decimals : decimalsList) {
            char expected[400];
            Reference(value, x, decimals, expected);
            const char* actual = FormatNumber(value, decimals);
            ++formatChecks;
            if (strcmp(expected, actual) != 0) {
                ++formatFailures;
                Report(value, decimals == 2 ? "at 2" : decimals == 10 ? "at 10" : "at n",
                       expected, actual);
            }
        }
    }
    printf("oracle: %d values, %d texts\n", Samples, formatChecks);
    CHECK_INT(Inexact, 0, "expansions printed with too few digits");
    CHECK_INT(digitFailures, 0, "18-digit truncations differing from the exact expansion");
    CHECK_INT(formatFailures, 0, "texts differing from the positional rounding");
    return HarnessFinish("numtext oracle");
}
