// Amounts in whole cents and rates in whole units of 10^-10 percent, read
// from the texts the program writes and written as text without doubles;
// and bounded text writing for the statement's texts.
#ifndef LEDGERLY_AMOUNTTEXT_H
#define LEDGERLY_AMOUNTTEXT_H

// Cents are kept in 64-bit integers (up to about 9.2 * 10^18): an amount of
// 10^16 (10^18 cents) or more is too large for the statement. Every sum it
// makes of amounts below that stays within the integers.
constexpr long long StatementLimitCents = 1000000000000000000LL;

// A rate is kept as a whole number of units of 10^-10 percent a year: the
// box shows at most ten places (RatePlaces), and at most 1000 percent.
constexpr long long RateUnitsPerPercent = 10000000000LL;
constexpr long long MaxRateUnits = 1000 * RateUnitsPerPercent;

// Reads a two-place amount as a page writes it ("587.01", "80000.00", with
// the user's decimal mark; a whole number or one place is taken too).
// Returns false for any other text and for an amount at the limit or above.
bool ParseCents(const char* text, long long* cents);

// Reads a rate as the Interest Rate box writes it ("8.00", "6.125",
// "0.1234567891", with the user's decimal mark) in units of 10^-10 percent.
// Returns false for any other text and for a rate above 1000.
bool ParseRate(const char* text, long long* rate);

// A whole number's digits with a decimal mark before the last `places` (at
// least one digit before it), and a minus sign where it is negative. Every
// text of this file is written into one buffer, which the next call
// overwrites.
const char* DigitsText(long long value, int places, char mark);
// An amount of cents as two-place text ("587.01", "-0.01"), with the user's
// decimal mark.
const char* CentsText(long long cents);
// A month's number, or any count: the whole number, as the number text
// writes it, without its work on doubles.
const char* CountText(long long count);

// Copies a text into a buffer of the given size, cut to fit.
void CopyText(char* to, int size, const char* from);

// Bounded text writing: parts put one after another, cut where the buffer
// of `size` bytes is full, always closed.
struct TextWriter {
    char* text;
    int size;
    int length;
    void Put(const char* part)
    {
        for (; *part && length < size - 1; ++part)
            text[length++] = *part;
        text[length] = '\0';
    }
};

// An amount of cents that is not known: written as "Value is too large".
constexpr long long UnknownCents = -0x7FFFFFFFFFFFFFFFLL - 1;

// Puts a pattern's text with its parts put in where it says: "^s" a text,
// "^n" a count (an int), "^c" an amount of cents (a long long; UnknownCents
// for one not known). One call writes a sentence of parts that would each
// take a call of their own.
void Compose(TextWriter& out, const char* pattern, ...);

#endif
