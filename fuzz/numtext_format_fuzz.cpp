// FormatNumber on any 64-bit pattern with -1 to 10 decimals: the text fits
// its buffer, has the fixed-point form, and reads back close to the value.
#include <math.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include "numtext/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 9)
        return 0;
    double value;
    memcpy(&value, data, sizeof value);
    const int decimals = data[8] % 12 - 1;
    const char* text = FormatNumber(value, decimals);
    const size_t length = strlen(text);
    if (length >= static_cast<size_t>(FormatResultSize))
        abort();

    // Digit records for any place count stay within their cap.
    if (size >= 11) {
        const int places = data[9] | (data[10] << 8);
        if (strlen(FixedDigits(value, places).digits) > 348)
            abort();
    }
    if (!isfinite(value))
        return 0;

    // Form: optional minus, whole digits, then a point and the places.
    size_t i = text[0] == '-' ? 1 : 0;
    const size_t wholeStart = i;
    while (text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == wholeStart)
        abort();
    if (decimals < 0) {
        if (text[i] != '\0')
            abort();
    } else {
        if (text[i] != '.')
            abort();
        const size_t placesStart = ++i;
        while (text[i] >= '0' && text[i] <= '9')
            ++i;
        const size_t places = i - placesStart;
        if (text[i] != '\0' || places > static_cast<size_t>(decimals))
            abort();
        if (decimals != 10 && places != static_cast<size_t>(decimals))
            abort();
    }
    // Within half a place, plus the rounding to 17 significant digits and
    // the spacing of doubles where the text is read back.
    const double back = strtod(text, nullptr);
    const double place = pow(10.0, decimals < 0 ? 0 : -decimals);
    const double allowed = 0.5 * place * (1 + 1e-9) + fabs(value) * 1e-15;
    if (!(fabs(back - value) <= allowed))
        abort();
    return 0;
}
