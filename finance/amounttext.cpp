// Amounts in whole cents and rates in whole units, read and written as text.
#include "finance/amounttext.h"

#include <stdarg.h>

#include "finance/formulas.h"
#include "numtext/numtext.h"

// Reads a decimal number with at most `places` places (fewer, or none, are
// taken too), written with the decimal mark, as a whole number of units of
// 10^-places. Returns false for any other text and for a number above
// `highest` units.
static bool ParseUnits(const char* text, int places, unsigned long long highest, long long* units)
{
    // Each step keeps the value at most `highest` (below 2^63), so ten times
    // it and a digit stay within the unsigned word.
    const char mark = DecimalMark();
    unsigned long long value = 0;
    int digits = 0;
    int shown = -1;  // places after the point, once there is one
    for (const char* c = text; *c; ++c) {
        if (*c == mark && shown < 0) {
            shown = 0;
            continue;
        }
        if (*c < '0' || *c > '9' || shown == places)
            return false;
        value = value * 10 + static_cast<unsigned>(*c - '0');
        ++digits;
        if (shown >= 0)
            ++shown;
        if (value > highest)
            return false;
    }
    if (!digits)
        return false;
    for (int p = shown < 0 ? 0 : shown; p < places; ++p) {
        value *= 10;
        if (value > highest)
            return false;
    }
    *units = static_cast<long long>(value);
    return true;
}

bool ParseCents(const char* text, long long* cents)
{
    return ParseUnits(text, 2, StatementLimitCents - 1, cents);
}

bool ParseRate(const char* text, long long* rate)
{
    return ParseUnits(text, RatePlaces, MaxRateUnits, rate);
}

static char CentsBuffer[24];

// Written from the last digit, each what a division by ten leaves (one
// runtime helper on i686, the one the program already uses).
const char* DigitsText(long long value, int places, char mark)
{
    unsigned long long magnitude = value < 0 ? 0 - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    char reversed[24];
    int count = 0;
    do {
        unsigned long long tenth = magnitude / 10;
        reversed[count++] = static_cast<char>('0' + (magnitude - tenth * 10));
        magnitude = tenth;
    } while (magnitude || count < places + 1);
    int length = 0;
    if (value < 0)
        CentsBuffer[length++] = '-';
    while (count > 0) {
        if (count == places)
            CentsBuffer[length++] = mark;
        CentsBuffer[length++] = reversed[--count];
    }
    CentsBuffer[length] = '\0';
    return CentsBuffer;
}

const char* CentsText(long long cents)
{
    return DigitsText(cents, 2, DecimalMark());
}

const char* CountText(long long count)
{
    return DigitsText(count, 0, DecimalMark());
}

void CopyText(char* to, int size, const char* from)
{
    int i = 0;
    for (; from[i] && i < size - 1; ++i)
        to[i] = from[i];
    to[i] = '\0';
}

void Compose(TextWriter& out, const char* pattern, ...)
{
    va_list parts;
    va_start(parts, pattern);
    for (const char* p = pattern; *p; ++p) {
        char part = *p == '^' && p[1] ? *++p : 0;
        char plain[2] = {*p, 0};
        if (!part) {
            out.Put(plain);
        } else if (part == 's') {
            out.Put(va_arg(parts, const char*));
        } else if (part == 'n') {
            out.Put(CountText(va_arg(parts, int)));
        } else {
            long long cents = va_arg(parts, long long);
            out.Put(cents == UnknownCents ? TooLargeText : CentsText(cents));
        }
    }
    va_end(parts);
}
