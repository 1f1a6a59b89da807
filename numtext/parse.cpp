// Lenient parsing of field texts.
#include <stddef.h>
#include "numtext/numtext.h"
#include "numtext/charclass.h"
#include "runtime/runtime.h"

namespace {

constexpr char Blank = ' ';
constexpr char Minus = '-';

// The double nearest to 10^k: up to 10^22 a product of tens, each exact in
// a double; above, Power's nearest double (infinite from 10^309 on).
double TenToThe(size_t k)
{
    if (k > 22)
        return Power(10.0, static_cast<double>(k));
    double power = 1.0;
    for (; k > 0; --k)
        power *= 10.0;
    return power;
}

// On the x87 unit (i686 build) every step goes through memory as a double,
// so the registers' wider exponent range never changes a result. Elsewhere
// doubles are plain SSE2 doubles already.
#if defined(__i386__) && !defined(__SSE2_MATH__)
using Accumulator = volatile double;
#else
using Accumulator = double;
#endif

// Digits text[from] .. text[to - 1], accumulated as W = W * 10 + digit.
double AccumulateDigits(const char* text, size_t from, size_t to)
{
    Accumulator sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum = sum * 10.0 + static_cast<double>(text[i] - '0');
    return sum;
}

char Mark = '.';

// A character the filter could keep or that ends a first word.
bool BelongsToNumbers(char c)
{
    return (c >= '0' && c <= '9') || c == Minus || c == Blank;
}

} // namespace

void UseDecimalMark(const char* decimal, const char* grouping)
{
    Mark = '.';
    if (!decimal || !decimal[0] || decimal[1])
        return;
    const char c = decimal[0];
    if (static_cast<unsigned char>(c) < ' ' || BelongsToNumbers(c))
        return;
    if (grouping && grouping[0] == c && !grouping[1])
        return;
    Mark = c;
}

char DecimalMark()
{
    return Mark;
}

char* TrimLeadingBlanks(char* text)
{
    if (!text)
        return text;
    size_t skip = 0;
    while (text[skip] == Blank)
        ++skip;
    if (skip > 0) {
        size_t i = 0;
        do {
            text[i] = text[i + skip];
        } while (text[i++] != '\0');
    }
    return text;
}

char* TrimTrailingBlanks(char* text)
{
    if (!text)
        return text;
    size_t length = 0;
    while (text[length] != '\0')
        ++length;
    while (length > 0 && text[length - 1] == Blank)
        text[--length] = '\0';
    return text;
}

double ParseNumber(char* text, int mode)
{
    if (!text)
        return 0.0;
    TrimLeadingBlanks(text);
    TrimTrailingBlanks(text);

    if (mode == ParseFirstWord) {
        mode = ParseUnsigned;
        for (char* c = text; *c != '\0'; ++c) {
            if (*c == Blank) {
                *c = '\0';
                break;
            }
        }
    }
    const bool keepsSign = mode != ParseUnsigned && mode != ParseUnsignedWhole;
    const bool keepsPoint = mode != ParseSignedWhole && mode != ParseUnsignedWhole;

    // The kept characters are a subset of the text, in order, so they are
    // written over the text itself: the write index never passes the read index.
    size_t kept = 0;
    size_t point = 0;
    bool hasPoint = false;
    bool negative = false;
    for (size_t i = 0; text[i] != '\0'; ++i) {
        const char c = text[i];
        if (IsDecimalDigit(c)) {
            text[kept++] = c;
        } else if (c == Mark && keepsPoint && !hasPoint) {
            hasPoint = true;
            point = kept;
            text[kept++] = c;
        } else if (c == Minus && i == 0 && keepsSign) {
            negative = true;
            text[kept++] = c;
        }
    }
    text[kept] = '\0';
    if (!hasPoint)
        point = kept;

    double whole = AccumulateDigits(text, negative ? 1 : 0, point);
    double fraction = 0.0;
    if (hasPoint) {
        const size_t places = kept - point - 1;
        Accumulator scaled = AccumulateDigits(text, point + 1, kept);
        scaled = scaled / TenToThe(places);
        fraction = scaled;
    }
    if (negative) {
        whole = -whole;
        fraction = -fraction;
    }
    Accumulator value = whole + fraction;
    return value;
}

double ParseRateNumber(char* text)
{
    if (text && Mark != '.') {
        char* point = nullptr;
        int points = 0;
        bool marked = false;
        for (char* c = text; *c != '\0'; ++c) {
            if (*c == Mark) {
                marked = true;
            } else if (*c == '.') {
                point = c;
                ++points;
            }
        }
        if (!marked && points == 1)
            *point = Mark;
    }
    return ParseNumber(text, ParseUnsigned);
}
