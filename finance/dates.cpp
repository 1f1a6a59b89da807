// Month names, payment months, years and date serials.
#include "finance/dates.h"

#include "finance/amounttext.h"
#include "numtext/numtext.h"

// The user's month names, full and short, the English ones until told:
// those are written in from one text at the first use (names in rooms of
// their own would fill the exe with empty room).
constexpr int MonthNameSize = 32;
static char FullMonths[12][MonthNameSize];
static char ShortMonths[12][MonthNameSize];
static bool MonthNamesKnown;
constexpr char EnglishMonths[] = "January\0February\0March\0April\0May\0June\0July\0August\0"
                                 "September\0October\0November\0December";

static void KnowMonthNames()
{
    if (MonthNamesKnown)
        return;
    MonthNamesKnown = true;
    const char* name = EnglishMonths;
    for (int m = 0; m < 12; ++m) {
        CopyText(FullMonths[m], MonthNameSize, name);
        CopyText(ShortMonths[m], 4, name);
        while (*name++) {
        }
    }
}

void UseMonthNames(const char* const full[12], const char* const abbreviated[12])
{
    MonthNamesKnown = true;
    for (int m = 0; m < 12; ++m) {
        CopyText(FullMonths[m], MonthNameSize, full[m]);
        CopyText(ShortMonths[m], MonthNameSize, abbreviated[m]);
    }
}

// A month's place in the names, any number taken as January.
static int MonthIndex(int month)
{
    KnowMonthNames();
    return (month >= 1 && month <= 12 ? month : 1) - 1;
}

const char* MonthName(int month)
{
    return FullMonths[MonthIndex(month)];
}

const char* ShortMonthName(int month)
{
    return ShortMonths[MonthIndex(month)];
}

// Payments are counted from January of the first payment's year: the first
// payment's index is its month less one.
CalendarMonth PaymentMonth(int firstMonth, int firstYear, int payment)
{
    int index = firstMonth - 1 + payment - 1;
    return CalendarMonth{firstYear + index / 12, index % 12 + 1};
}

int YearOfText(const char* text)
{
    char copy[FieldTextSize];
    CopyText(copy, sizeof copy, text);
    double year = ParseNumber(copy, ParseFirstWord);
    return year < 1900 ? 1900 : year > 9999 ? 9999 : static_cast<int>(year);
}

// Days from 1 March of year 0 (of the calendar carried back) to the first
// of a month: whole 400-, 100- and 4-year cycles, then the months from
// March, each of the lengths 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31,
// 28 or 29, which from March on add up to (153 * m + 2) / 5 days.
static long DaysToMonth(int year, int month)
{
    if (month < 3)
        --year;
    long m = month < 3 ? month + 9 : month - 3;
    long y = year;
    return 365 * y + y / 4 - y / 100 + y / 400 + (153 * m + 2) / 5;
}

long DateSerial(int year, int month)
{
    // 1 March 1900 is serial 61: the spreadsheets' 29 February 1900 before it.
    long serial = DaysToMonth(year, month) - DaysToMonth(1900, 3) + 61;
    return year == 1900 && month < 3 ? serial - 1 : serial;
}
