// The month-by-month statement of a page's calculation, in whole cents, as
// an account shows it: each month's interest worked out exactly from the
// balance and the rate the Interest Rate box shows, rounded half up to the
// cent, every row adding up exactly. No window and no double take part; the
// Schedule box shows the rows and copies them as text.
#ifndef LEDGERLY_STATEMENT_H
#define LEDGERLY_STATEMENT_H

#include "finance/formulas.h"
#include "numtext/numtext.h"

// Cents are kept in 64-bit integers (up to about 9.2 * 10^18): an amount of
// 10^16 (10^18 cents) or more is too large for the statement. Every sum it
// makes of amounts below that stays within the integers.
constexpr long long StatementLimitCents = 1000000000000000000LL;

// A rate is kept as a whole number of units of 10^-10 percent a year: the
// box shows at most ten places (RatePlaces), and at most 1000 percent.
constexpr long long RateUnitsPerPercent = 10000000000LL;
constexpr long long MaxRateUnits = 1000 * RateUnitsPerPercent;

// Extra payments into a loan, or extra savings into a worth, in whole
// cents: an amount each month from a month on, and a one-off in a month.
// Months lie between 1 and the statement's term.
struct StatementExtras {
    long long monthly;
    int from;
    long long once;
    int onceMonth;
};

// The extras as the Schedule box reads its four fields: each amount as a
// page reads its input (lenient, capped, whole cents as its two-place text
// shows it), each month as the Month box is read (its first word, whole
// months), then held to 1 and the term.
StatementExtras ExtrasOfTexts(const char* monthly, const char* from, const char* once,
                              const char* onceMonth, int months);
bool HasExtras(const StatementExtras& extras);

// What a statement starts from: the terms and the two amounts the page
// shows, as numbers and as the texts shown. An amount that is no readable
// two-place text, or at the limit or above, is marked too large; a rate
// that is no readable text of at most ten places up to 1000, unreadable.
struct StatementTerms {
    int kind;             // a PageKind
    int direction;        // a Direction: which of the two amounts the page was given
    int months;
    long long rate;       // units of 10^-10 percent a year
    bool rateUnreadable;
    long long left;       // the left field: loan, present worth, or monthly saving
    bool leftTooLarge;
    long long right;      // the right field: monthly payment, or future worth
    bool rightTooLarge;
    char rateText[FieldTextSize];
    char leftText[FormatResultSize];
    char rightText[FormatResultSize];
    StatementExtras extras;  // none unless set
    bool byYear;             // shown a row a year
    int firstMonth;          // the first payment's month, 1 to 12, or 0: no dates
    int firstYear;           // and its year, 1900 to 9999
};

// The user's month names, full and short ("October", "Oct"), for the dates
// of a statement on the calendar; English until told. A name too long for
// its room is cut.
void UseMonthNames(const char* const full[12], const char* const abbreviated[12]);
const char* MonthName(int month);  // 1 to 12

// A year as the Schedule box reads its field: the first word, a whole
// number, held to 1900...9999.
int YearOfText(const char* text);

// The serial number of a month's first day in the 1900 date system that
// spreadsheets read from SYLK: 1 for 1 January 1900, which counts a 29
// February 1900 that never was, so from March 1900 on it is the days since
// 30 December 1899.
long DateSerial(int year, int month);

// The terms of a statement of a page of this kind, calculated in this
// direction, from the months used and the texts the Interest Rate box and
// the page's two fields show.
StatementTerms TermsOfPage(int kind, int direction, int months, const char* rateText,
                           const char* leftText, const char* rightText);

// Which amounts of a row are not known: the balance reached the limit (or
// the page's amounts could not be read), and what follows from it. Such a
// cell shows "Value is too large".
enum UnknownAmount : unsigned {
    PaymentUnknown = 1,
    InterestUnknown = 2,
    PrincipalUnknown = 4,
    BalanceUnknown = 8,
    ExtraUnknown = 16,
};

// One row of the statement: a month, or a year (its number in `month`, its
// amounts summed over its months, its balance at its end), or the total row
// (month 0). Payment is the payment of a loan or the saving of a month, extra
// what the extras paid or saved; principal only a loan's. Balance is a
// loan's balance or the worth.
struct StatementRow {
    int month;
    long long payment;
    long long extra;
    long long interest;
    long long principal;
    long long balance;
    unsigned unknown;      // UnknownAmount bits
};

// A statement being built, row by row.
struct Statement {
    StatementTerms terms;
    int month;             // months done
    bool ended;            // a loan paid off
    bool tooLarge;         // the balance or worth is not known
    int limitMonth;        // the month the balance or worth reached the limit, or 0
    long long balance;
    long long lastPayment;
    StatementRow total;    // the totals so far
};

// Reads a two-place amount as a page writes it ("587.01", "80000.00", with
// the user's decimal mark; a whole number or one place is taken too).
// Returns false for any other text and for an amount at the limit or above.
bool ParseCents(const char* text, long long* cents);

// Reads a rate as the Interest Rate box writes it ("8.00", "6.125",
// "0.1234567891", with the user's decimal mark) in units of 10^-10 percent.
// Returns false for any other text and for a rate above 1000.
bool ParseRate(const char* text, long long* rate);

// A month's interest on a balance of zero or more: balance * rate / 1200
// percent-months, exactly, rounded half up to a whole number of cents.
long long InterestCents(long long balanceCents, long long rate);

// An amount of cents as two-place text ("587.01", "-0.01"), with the user's
// decimal mark. Returns a buffer of its own that the next call overwrites.
const char* CentsText(long long cents);

void StartStatement(Statement* statement, const StatementTerms& terms);
// The next month's row; false once the statement has ended.
bool NextStatementRow(Statement* statement, StatementRow* row);
// The next year's row, its months summed: twelve months, or what is left;
// on the calendar the months of a calendar year, the first from the first
// payment to December. False once the statement has ended.
bool NextStatementYear(Statement* statement, StatementRow* row);
// The total row, after the last month.
void FinishStatement(const Statement& statement, StatementRow* total);

// The rows a statement is shown with, a month or a year each, then the total
// row, into an array of this many rows; returns their number. The statement
// is left as it ends, for its note.
constexpr int MaxStatementRows = 1201;
int StatementRows(const StatementTerms& terms, StatementRow* rows, Statement* ended);

// Columns of a statement, their names, and the text of one cell (amounts
// with the user's decimal mark; the total row says "Total" in its first
// column and nothing where a total means nothing): a month's or a year's
// number (on the calendar, the year's own), the date of a month's payment
// on the calendar ("Oct 2025"), a loan's payment or a saving, the extra
// where extras are set, the interest, a loan's principal, and the balance
// or worth. Cell texts share
// one buffer, overwritten by the next call.
constexpr int MaxStatementColumns = 7;
int StatementColumns(const StatementTerms& terms);
const char* StatementColumnName(const StatementTerms& terms, int column);
const char* CellText(const StatementTerms& terms, const StatementRow& row, int column);

// One line of the copied table, with its CR LF, into a buffer of this size;
// returns the length written.
constexpr int StatementLineSize = 512;
int StatementHeaderLine(const StatementTerms& terms, char* line);
int StatementLine(const StatementTerms& terms, const StatementRow& row, char* line);

// The forms the whole table is copied in: text with the fields between tabs,
// each line ended by CR LF, as a spreadsheet pastes it (amounts as the list
// shows them); and SYLK, a cell record per field (numbers with a point
// whatever the user's or the spreadsheet's language, each with the format
// the list shows it in: two places for an amount, none for a month; texts
// quoted), which spreadsheets read as cells of numbers.
enum TableForm : int { TabSeparatedTable, SylkTable };

// The whole table in a form, as the Schedule box shows it: the heading, the
// column names, one line or row per month or year, the total, and a closing
// zero. Writes it into text, or only counts its bytes
// when text is null; returns the size with the closing zero either way.
unsigned long StatementTable(const StatementTerms& terms, int form, char* text);

// The line above the table and the note below it, after the statement has
// ended, into a buffer of this size: room for the page's longest texts. The
// heading names the extras; the note says what they did, against the same
// statement without them.
constexpr int StatementTextSize = 2 * FormatResultSize;
void StatementHeading(const StatementTerms& terms, char* text);
void StatementNote(const Statement& statement, char* text);

#endif
