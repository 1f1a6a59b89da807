// Number text: the edge cases of parsing and formatting, non-finite values,
// double accumulation, and texts and place counts beyond what callers pass.
#include "tests/harness.h"
#include "tests/numtext_cases.h"

namespace {

void CheckParseTable()
{
    for (const ParseCase& c : ParseCases) {
        for (int mode : AllModes) {
            if (c.mode != AnyMode && mode != c.mode)
                continue;
            char text[64];
            strcpy(text, c.text);
            char label[96];
            snprintf(label, sizeof label, "ParseNumber(\"%s\", %d)", c.text, mode);
            CHECK_DOUBLE(ParseNumber(text, mode), c.value, label);
            CHECK_TEXT(text, c.after, label);
        }
    }
}

void CheckFormatTable()
{
    for (const FormatCase& c : FormatCases) {
        char label[64];
        snprintf(label, sizeof label, "FormatNumber(%.17g, %d)", c.value, c.decimals);
        CHECK_TEXT(FormatNumber(c.value, c.decimals), c.text, label);
    }
}

double BitsToDouble(unsigned long long bits)
{
    double d;
    memcpy(&d, &bits, sizeof d);
    return d;
}

void CheckNonFinite()
{
    const double infinity = BitsToDouble(0x7FF0000000000000ull);
    volatile double zero = 0.0;
    const double defaultNaN = zero * infinity;
    const double quietNaN = BitsToDouble(0x7FF8000000000001ull);
    const double signallingNaN = BitsToDouble(0x7FF0000000000001ull);
    struct {
        double value;
        int decimals;
        const char* text;
    } const cases[] = {
        {infinity, 2, "1.#J"},
        {infinity, 10, "1.#INF"},
        {infinity, -1, "1"},
        {infinity, 0, "1."},
        {infinity, 1, "1.$"},
        {infinity, 3, "1.#IO"},
        {infinity, 4, "1.#INF"},
        {-infinity, 2, "-1.#J"},
        {-infinity, 10, "-1.#INF"},
        {defaultNaN, 2, "-1.#J"},
        {defaultNaN, 10, "-1.#IND"},
        {-defaultNaN, 10, "1.#QNAN"},  // sign bit clear: not the default
        {quietNaN, 10, "1.#QNAN"},
        {quietNaN, 2, "1.#R"},
        {signallingNaN, 10, "1.#SNAN"},
        {-signallingNaN, 2, "-1.#T"},
    };
    CHECK_INT(memcmp(&defaultNaN, "\0\0\0\0\0\0\xF8\xFF", 8), 0, "0 * infinity bits");
    for (const auto& c : cases) {
        char label[64];
        snprintf(label, sizeof label, "FormatNumber(non-finite, %d) -> %s", c.decimals, c.text);
        CHECK_TEXT(FormatNumber(c.value, c.decimals), c.text, label);
    }
}

void CheckDigitRecords()
{
    struct {
        double value;
        int places;
        const char* digits;
        int exponent;
        bool negative;
    } const cases[] = {
        {0.05, 2, "5", -1, false},
        {-0.006, 2, "1", -1, true},
        {-0.001, 2, "", -2, true},
        {0.00001, 2, "", -4, false},        // N < 0: nothing, E unchanged
        {0.0, 2, "00", 0, false},
        {-0.0, 0, "", 0, false},
        {123.45, 1, "1235", 3, false},
        {0.996, 2, "100", 1, false},
        {99.5, 0, "100", 3, false},
        {1e22, 0, "10000000000000000000000", 23, false},
    };
    for (const auto& c : cases) {
        char label[64];
        snprintf(label, sizeof label, "FixedDigits(%.17g, %d)", c.value, c.places);
        const DigitRecord r = FixedDigits(c.value, c.places);
        CHECK_TEXT(r.digits, c.digits, label);
        CHECK_INT(r.exponent, c.exponent, label);
        CHECK_INT(r.negative, c.negative, label);
    }
    // The cap on the digit count holds for any place count.
    const DigitRecord big = FixedDigits(1.7976931348623157e308, 2147483647);
    CHECK_INT(strlen(big.digits), 347, "FixedDigits(DBL_MAX, INT_MAX) digits");
    CHECK_INT(strlen(FixedDigits(5e-324, 2147483647).digits), 347, "FixedDigits(min, INT_MAX)");
    CHECK_TEXT(FixedDigits(1.0, -5).digits, "1", "FixedDigits(1, -5) as 0 places");
}

void CheckLongResults()
{
    const double max = 1.7976931348623157e308;
    const char* text = FormatNumber(-max, 10);
    CHECK_INT(strlen(text), 1 + 309 + 1, "-DBL_MAX at 10: all whole digits, zeros cut");
    CHECK(strncmp(text, "-17976931348623157000", 21) == 0);
    text = FormatNumber(-max, 2);
    CHECK_INT(strlen(text), 1 + 309 + 1 + 2, "-DBL_MAX at 2");
    CHECK(strcmp(text + 311, "00") == 0);
    CHECK_TEXT(FormatNumber(9.9999999999999999e22, -1), "99999999999999992000000",
               "the double nearest 1e23 lies below it");
    // Place counts outside -1..10 are held to that range.
    CHECK_TEXT(FormatNumber(1.0 / 3.0, 25), "0.3333333333", "decimals 25 as 10");
    CHECK_TEXT(FormatNumber(2.5, -7), "3", "decimals -7 as -1");
}

void CheckDoubleAccumulation()
{
    // The whole part is summed in doubles, rounded at every step. Summed in
    // extended precision it would be exact (below 2^64) and round only once.
    const char digits[] = "12345678901234567891";
    volatile double expected = 0.0;
    for (const char* d = digits; *d; ++d)
        expected = expected * 10.0 + (*d - '0');
    char text[32];
    strcpy(text, digits);
    const double value = ParseNumber(text, ParseSigned);
    CHECK_DOUBLE(value, expected, "12345678901234567891 summed in doubles");
    CHECK_DOUBLE(value, 12345678901234569216.0, "12345678901234567891 value");
    CHECK(value != 12345678901234567891.0);  // the single rounding: ...567168
}

void CheckTextsOfAnyLength()
{
    // Far longer than a field: the kept characters still replace the text.
    static char text[5000];
    for (int i = 0; i < 4000; ++i)
        text[i] = "1x.2 -"[i % 6];
    text[4000] = '\0';
    ParseNumber(text, ParseSigned);
    CHECK_INT(strlen(text), 4000 / 6 * 2 + 2 + 1, "4000-character text kept digits and one point");
    CHECK(text[0] == '1' && text[1] == '.');

    // 400 whole digits overflow to infinity; 30 fraction digits still divide.
    memset(text, '9', 400);
    strcpy(text + 400, ".5");
    CHECK(ParseNumber(text, ParseUnsigned) == __builtin_inf());
    strcpy(text, "0.");
    memset(text + 2, '0', 29);
    strcpy(text + 31, "1");
    CHECK_DOUBLE(ParseNumber(text, ParseUnsigned), 1.0 / 1e30, "1 / 10^30");

    char blanks[] = "     ";
    CHECK(TrimLeadingBlanks(blanks) == blanks && blanks[0] == '\0');
    char inner[] = "  a b  ";
    CHECK_TEXT(TrimTrailingBlanks(TrimLeadingBlanks(inner)), "a b", "trims keep inner blanks");
    char tabs[] = "\t5\t";
    CHECK_TEXT(TrimTrailingBlanks(TrimLeadingBlanks(tabs)), "\t5\t", "tabs are not blanks");
}

// A language whose decimal mark is a comma: the comma is the point in every
// text read and written, and the point is skipped like any other character.
// Which marks are taken, and that the point's texts come back unchanged.
void CheckDecimalMark()
{
    struct {
        const char* decimal;
        const char* grouping;
        char mark;
    } const marks[] = {
        {".", ",", '.'}, {",", ".", ','}, {",", "\xA0", ','}, {"'", " ", '\''},
        {"", ",", '.'},  {",,", ".", '.'}, {"5", ",", '.'},   {"-", ",", '.'},
        {" ", ",", '.'}, {"\t", ",", '.'}, {",", ",", '.'},   {",", "", ','},
    };
    for (const auto& m : marks) {
        char label[64];
        snprintf(label, sizeof label, "decimal mark of \"%s\" and \"%s\"", m.decimal,
                 m.grouping);
        UseDecimalMark(m.decimal, m.grouping);
        CHECK_INT(DecimalMark(), m.mark, label);
    }

    UseDecimalMark(",", ".");
    const ParseCase reads[] = {
        {"6,5", 2, 6.5, "6,5"},
        {"1.822,83", 2, 1822.83, "1822,83"},
        {"80.000", 2, 80000.0, "80000"},
        {"80,000", 2, 80.0, "80,000"},
        {"7.80", 2, 780.0, "780"},
        {"-12,5", 1, -12.5, "-12,5"},
        {"-12,5", 2, 12.5, "12,5"},
        {"12,5", 4, 125.0, "125"},
        {"1,235", 2, Below1235, "1,235"},
        {"12,34,56", 2, 12.3456, "12,3456"},
        {"1.822,83 x", 12, 1822.83, "1822,83"},
        {"-,5", 1, -0.5, "-,5"},
    };
    for (const ParseCase& c : reads) {
        char text[32];
        strcpy(text, c.text);
        char label[64];
        snprintf(label, sizeof label, "comma: ParseNumber(\"%s\", %d)", c.text, c.mode);
        CHECK_DOUBLE(ParseNumber(text, c.mode), c.value, label);
        CHECK_TEXT(text, c.after, label);
    }
    const FormatCase writes[] = {
        {7.8, 2, "7,80"},         {-123.456, 2, "-123,46"},  {1822.83, 2, "1822,83"},
        {0.005, 2, "0,01"},       {2.0, 10, "2,"},           {10.0 / 3.0, 10, "3,3333333333"},
        {0.5, 10, "0,5000000000"}, {12.501, -1, "13"},       {__builtin_inf(), 2, "1,#J"},
    };
    for (const FormatCase& c : writes) {
        char label[64];
        snprintf(label, sizeof label, "comma: FormatNumber(%.17g, %d)", c.value, c.decimals);
        CHECK_TEXT(FormatNumber(c.value, c.decimals), c.text, label);
    }

    // The Interest Rate box: a lone point is the decimal mark where the
    // text has none of the language's own (an amount's groups: "80.000").
    struct RateRead {
        const char* decimal;
        const char* text;
        double value;
        const char* after;
    } const rates[] = {
        {",", "6.5", 6.5, "6,5"},          {",", "7.125", 7.125, "7,125"},
        {",", "6,5", 6.5, "6,5"},          {",", "1.234,5", 1234.5, "1234,5"},
        {",", "6.5.1", 651.0, "651"},      {",", " -7.80 %", 7.8, "7,80"},
        {",", ".5", 0.5, ",5"},            {",", "abc", 0.0, ""},
        {"'", "6.5", 6.5, "6'5"},          {".", "7,80", 780.0, "780"},
        {".", "6.5", 6.5, "6.5"},          {".", "1,234.5", 1234.5, "1234.5"},
    };
    for (const RateRead& r : rates) {
        UseDecimalMark(r.decimal, " ");
        char text[32];
        strcpy(text, r.text);
        char label[64];
        snprintf(label, sizeof label, "mark %s: ParseRateNumber(\"%s\")", r.decimal, r.text);
        CHECK_DOUBLE(ParseRateNumber(text), r.value, label);
        CHECK_TEXT(text, r.after, label);
    }

    // Back to the point: every text as before.
    UseDecimalMark(".", ",");
    CheckParseTable();
    CheckFormatTable();
}

} // namespace

int main()
{
    HarnessStart();
    CheckParseTable();
    CheckFormatTable();
    CheckNonFinite();
    CheckDigitRecords();
    CheckLongResults();
    CheckDoubleAccumulation();
    CheckTextsOfAnyLength();
    CheckDecimalMark();
    return HarnessFinish("numtext");
}
