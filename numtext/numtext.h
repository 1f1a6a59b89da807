// Number text: lenient parsing of field texts and exact fixed-point formatting.
#ifndef LEDGERLY_NUMTEXT_H
#define LEDGERLY_NUMTEXT_H

// Which of the minus sign and the decimal point survive parsing.
enum ParseMode : int {
    ParseSigned = 1,         // calculator display
    ParseUnsigned = 2,       // interest rate, page amounts
    ParseSignedWhole = 3,
    ParseUnsignedWhole = 4,
    ParseFirstWord = 12      // month box: cut at the first blank, then as 2
};

// Every control text is read into this many bytes, terminator included.
constexpr int FieldTextSize = 30;

// What stands in place of a number too large to show: in the calculator
// display, in a page's output field and in the month-by-month statement.
constexpr const char* TooLargeText = "Value is too large";

// The decimal mark: "." unless the user's language writes another single
// character, which every number text then uses in place of the point. It is
// chosen once, at start-up; the rest of the program writes and reads numbers
// through this unit only, and asks for the mark where it builds a number
// text of its own.
//
// Takes the language's decimal mark and digit grouping mark as the system
// gives them. A mark that is not one character, or one that could be read
// as part of a number otherwise (a digit, a minus sign, a blank, a control
// character) or that is also the grouping mark, is not used: the point stays.
void UseDecimalMark(const char* decimal, const char* grouping);
// The same with the user's own marks, asked of the system (Windows build).
void UseUserDecimalMark();
char DecimalMark();

char* TrimLeadingBlanks(char* text);
char* TrimTrailingBlanks(char* text);

// Reads any text as a number; rewrites the text in place to the kept
// characters. The first decimal mark is the point; with a mark other than
// ".", a point is dropped like any other character that is not a digit.
double ParseNumber(char* text, int mode);

// Reads the Interest Rate box's text: as ParseNumber in ParseUnsigned mode,
// but with a mark other than ".", a text without that mark and with exactly
// one "." takes the "." for the mark, as a rate has no thousands to group
// ("6.5" is 6.5 in German, as "6,5" is; "7.125" 7.125). With the mark ".",
// exactly as ParseNumber ("7,80" is 780).
double ParseRateNumber(char* text);

// Rounded decimal digits of a value: the point stands after the first
// `exponent` digits; for exponent <= 0, -exponent zeros follow the point first.
struct DigitRecord {
    const char* digits;
    int exponent;
    bool negative;
};

DigitRecord FixedDigits(double value, int places);

// The first 18 significant digits of the exact decimal value of |value|,
// truncated, with zeros after the last digit the value has; `digits` gets
// them and a terminator. Returns the point position as for DigitRecord.
// Zero and non-finite values give 18 zeros and 0.
constexpr int SignificantDigitCount = 18;
int SignificantDigits18(double value, char digits[SignificantDigitCount + 1]);

// Room for the longest result: a sign, the 309 whole digits of the largest
// double, the point, ten places and the terminator.
constexpr int FormatResultSize = 1 + 309 + 1 + 10 + 1;

// Fixed-point text of a value with `decimals` places (0 to 10), or a whole
// number without point for -1; the places follow the decimal mark. Returns
// a shared buffer that the next call overwrites.
const char* FormatNumber(double value, int decimals);

#endif
