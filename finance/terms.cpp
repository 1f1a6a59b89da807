// What the term boxes and the page fields show, and the terms used.
#include "finance/terms.h"

#include "finance/formulas.h"
#include "numtext/numtext.h"

int MonthsUsed(double typed)
{
    return static_cast<int>(ClampMonths(typed));
}

const char* MonthText(int months)
{
    return FormatNumber(months, -1);
}

// Room for any double at ten places, and the two zeros a cut text gets back.
static char RateBuffer[FormatResultSize + RateMinPlaces];

const char* RateText(double rate)
{
    const char* text = FormatNumber(rate, RatePlaces);
    int length = 0;
    int point = -1;
    for (; text[length]; ++length) {
        RateBuffer[length] = text[length];
        if (text[length] == DecimalMark())
            point = length;
    }
    if (point < 0) {
        RateBuffer[length] = '\0';
        return RateBuffer;
    }
    // Values of 1 and above come with their trailing zeros cut ("8."), those
    // below 1 with all ten places ("0.5000000000").
    while (length - point - 1 > RateMinPlaces && RateBuffer[length - 1] == '0')
        --length;
    while (length - point - 1 < RateMinPlaces)
        RateBuffer[length++] = '0';
    RateBuffer[length] = '\0';
    return RateBuffer;
}

// Reads a text this program wrote, as a box or a page field reads it back.
static double ReadBack(const char* shown)
{
    char text[sizeof RateBuffer];
    int i = 0;
    for (; shown[i]; ++i)
        text[i] = shown[i];
    text[i] = '\0';
    return ParseNumber(text, ParseUnsigned);
}

// RateText writes the same ten places, only without trailing zeros, so
// its text reads back as the same number.
double RateUsed(double typed)
{
    return RateWithPlaces(typed, RatePlaces);
}

double RateWithPlaces(double rate, int places)
{
    return ReadBack(FormatNumber(ClampRate(rate), places));
}

double FieldAmount(double typed)
{
    return ReadBack(FormatNumber(CapAmount(typed), 2));
}

const char* ResultText(double result, double amount)
{
    if (__builtin_isfinite(result))
        return FormatNumber(result, 2);
    return amount == 0.0 ? FormatNumber(0.0, 2) : TooLargeText;
}

const char* PageResultText(int kind, int direction, double amount, int months,
                           double annualRate, double monthlyRate)
{
    Formula formula = PageFormula(kind, direction);
    return ResultText(formula(amount, months, annualRate, monthlyRate), amount);
}
