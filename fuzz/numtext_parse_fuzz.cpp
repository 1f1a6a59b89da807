// ParseNumber on any bytes of any length in every mode, with a decimal point
// or a decimal comma: it stays inside the text, and what it leaves is the
// kept characters of the text, in order.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include "numtext/numtext.h"

namespace {

// The first byte picks the mode (the five named ones and a few others) and,
// with its high bit, the decimal comma.
const int Modes[] = {1, 2, 3, 4, 12, 0, -1, 5, 11, 13, 255, -2147483647 - 1};
constexpr size_t ModeCount = sizeof Modes / sizeof Modes[0];

bool Kept(char c)
{
    return (c >= '0' && c <= '9') || c == DecimalMark() || c == '-';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int mode = Modes[(data[0] & 0x7F) % ModeCount];
    UseDecimalMark(data[0] & 0x80 ? "," : ".", data[0] & 0x80 ? "." : ",");
    // A heap copy of exactly the text's size, so any access past it is caught.
    const size_t length = size - 1;
    char* text = static_cast<char*>(malloc(length + 1));
    char* original = static_cast<char*>(malloc(length + 1));
    memcpy(text, data + 1, length);
    text[length] = '\0';
    memcpy(original, text, length + 1);

    const double value = ParseNumber(text, mode);

    // The result is a subsequence of the original text.
    size_t from = 0;
    int points = 0;
    bool digits = false;
    for (size_t i = 0; text[i] != '\0'; ++i) {
        const char c = text[i];
        if (!Kept(c) || (c == '-' && i != 0))
            abort();
        points += c == DecimalMark();
        digits = digits || (c >= '0' && c <= '9');
        while (original[from] != '\0' && original[from] != c)
            ++from;
        if (original[from] == '\0')
            abort();
        ++from;
    }
    if (points > 1)
        abort();
    const bool unsignedMode = mode == 2 || mode == 4 || mode == 12;
    const bool wholeMode = mode == 3 || mode == 4;
    if ((unsignedMode && text[0] == '-') || (wholeMode && points != 0))
        abort();
    // No digit: zero, negative exactly when the sign was kept.
    if (!digits && (value != 0.0 || __builtin_signbit(value) != (text[0] == '-')))
        abort();
    // The sign of the value is the kept sign (a fraction of over 308 digits
    // can make it not-a-number: infinity over infinity).
    if (value == value && value != 0.0 && (value < 0) != (text[0] == '-'))
        abort();
    free(original);
    free(text);
    return 0;
}
