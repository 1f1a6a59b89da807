// The calendar of a statement: the user's month names, the month and year of
// each payment, a year as the Schedule box reads it, and the date serials
// spreadsheets read.
#ifndef LEDGERLY_DATES_H
#define LEDGERLY_DATES_H

// The user's month names, full and short ("October", "Oct"), for the dates
// of a statement on the calendar; English until told. A name too long for
// its room is cut.
void UseMonthNames(const char* const full[12], const char* const abbreviated[12]);
const char* MonthName(int month);       // 1 to 12
const char* ShortMonthName(int month);  // 1 to 12

// The calendar month of a payment (1 for the first) of a statement whose
// first payment falls in firstMonth (1 to 12) of firstYear.
struct CalendarMonth {
    int year;
    int month;  // 1 to 12
};
CalendarMonth PaymentMonth(int firstMonth, int firstYear, int payment);

// A year as the Schedule box reads its field: the first word, a whole
// number, held to 1900...9999.
int YearOfText(const char* text);

// The serial number of a month's first day in the 1900 date system that
// spreadsheets read from SYLK: 1 for 1 January 1900, which counts a 29
// February 1900 that never was, so from March 1900 on it is the days since
// 30 December 1899.
long DateSerial(int year, int month);

#endif
