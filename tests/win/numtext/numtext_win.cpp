// Number text under Windows: the shared edge cases with the system's
// character classification, high ANSI characters that are no digits, and
// double (not extended) arithmetic on the i686 build.
#include <windows.h>
#include "tests/harness.h"
#include "tests/numtext_cases.h"
#include "numtext/charclass.h"

namespace {

void CheckTables()
{
    for (const ParseCase& c : ParseCases) {
        for (int mode : AllModes) {
            if (c.mode != AnyMode && mode != c.mode)
                continue;
            char text[64];
            lstrcpyA(text, c.text);
            CHECK_DOUBLE(ParseNumber(text, mode), c.value, c.text);
            CHECK_TEXT(text, c.after, c.text);
        }
    }
    for (const FormatCase& c : FormatCases)
        CHECK_TEXT(FormatNumber(c.value, c.decimals), c.text, "FormatNumber table");
}

void CheckHighCharacters()
{
    // The system may call superscripts and fractions letters-or-digits that
    // are no letters; they have no digit value here.
    int systemDigits = 0;
    for (int code = 0x80; code <= 0xFF; ++code) {
        const char c = static_cast<char>(code);
        if (IsCharAlphaNumericA(c) && !IsCharAlphaA(c))
            ++systemDigits;
        CHECK(!IsDecimalDigit(c));
    }
    printf("high ANSI characters the system calls digits: %d\n", systemDigits);
    for (char c = '0'; c <= '9'; ++c)
        CHECK(IsDecimalDigit(c));

    char text[] = "\xB2" "1\xB3\xB9.\xBC" "5\xBD\xBE";
    CHECK_DOUBLE(ParseNumber(text, ParseSigned), 1.5, "superscripts and fractions dropped");
    CHECK_TEXT(text, "1.5", "superscripts and fractions dropped");
    char letters[] = "\xC4" "7\xE9,\xDF" "8";  // letters of other alphabets
    CHECK_DOUBLE(ParseNumber(letters, ParseUnsigned), 78.0, "accented letters dropped");
}

void CheckDoublePrecision()
{
#if defined(__i386__)
    CHECK_INT(ReadFpuControl() & FpuPrecisionMask, FpuPrecision53, "x87 precision after start");
#endif
    // Summed in doubles, each step rounds; in extended precision the sum
    // would be exact and round once, to 12345678901234567168.
    char text[] = "12345678901234567891";
    const double value = ParseNumber(text, ParseSigned);
    CHECK_DOUBLE(value, 12345678901234569216.0, "whole part summed in doubles");
    CHECK(value != 12345678901234567168.0);
    char fraction[] = "0.1234567890123456789";
    CHECK_DOUBLE(ParseNumber(fraction, ParseSigned), 0.1234567890123457, "fraction in doubles");
    CHECK_TEXT(FormatNumber(10.0 / 3.0, 10), "3.3333333333", "10/3 at run time");
#if defined(__i386__)
    CHECK_INT(ReadFpuControl() & FpuPrecisionMask, FpuPrecision53, "x87 precision kept");
#endif
}

} // namespace

int main()
{
    HarnessStart();
    CheckTables();
    CheckHighCharacters();
    CheckDoublePrecision();
    return HarnessFinish("numtext_win");
}
