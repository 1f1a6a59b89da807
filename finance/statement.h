// The month-by-month statement of a page's calculation, in whole cents, as
// an account shows it: each month's interest rounded to the cent, every row
// adding up exactly. No window is needed; the Schedule box shows the rows
// and copies them as text.
#ifndef LEDGERLY_STATEMENT_H
#define LEDGERLY_STATEMENT_H

#include "finance/formulas.h"

// From 10^13 (10^15 cents) on a double no longer holds every cent: a worth
// that reaches it is too large for the statement.
constexpr long long StatementLimitCents = 1000000000000000LL;

// What a statement starts from: the terms and the two amounts the page shows,
// in cents. An amount that is no readable two-place text, or at the limit or
// above, is marked too large.
struct StatementTerms {
    int kind;             // a PageKind
    int months;
    double annualRate;
    double monthlyRate;
    long long left;       // the left field: loan, present worth, or monthly saving
    bool leftTooLarge;
    long long right;      // the right field: monthly payment, or future worth
    bool rightTooLarge;
};

// The terms of a statement of a page of this kind, from the terms used and
// the texts its two fields show.
StatementTerms TermsOfPage(int kind, int months, double annualRate, double monthlyRate,
                           const char* leftText, const char* rightText);

// One row of the statement, or the total row (month 0). Payment is the
// payment of a loan or the saving of a month; principal only a loan's.
// Balance is a loan's balance or the worth. A row marked too large shows
// "Value is too large" in its interest and worth (and, on a loan, in
// everything that follows from them).
struct StatementRow {
    int month;
    long long payment;
    long long interest;
    long long principal;
    long long balance;
    bool tooLarge;
    bool paymentTooLarge;  // the payment or saving itself could not be read
};

// A statement being built, row by row.
struct Statement {
    StatementTerms terms;
    int month;             // months done
    bool ended;            // a loan paid off
    bool tooLarge;         // the worth reached the limit
    long long balance;
    long long lastPayment;
    long long totalPayment;
    long long totalInterest;
    long long totalPrincipal;
};

// Reads a two-place amount as a page writes it ("587.01", "80000.00"; a
// whole number or one place is taken too). Returns false for any other text
// and for an amount at the limit or above.
bool ParseCents(const char* text, long long* cents);

// A month's interest on a balance: the balance as a double times the monthly
// rate, rounded to a whole number of cents as the number text rounds.
long long InterestCents(long long balanceCents, double monthlyRate);

// An amount of cents as two-place text ("587.01", "-0.01"), exact below
// 2^53 cents (every amount and total of a statement of capped amounts over
// at most 1200 months). Returns a buffer of its own that the next call
// overwrites.
const char* CentsText(long long cents);

void StartStatement(Statement* statement, const StatementTerms& terms);
// The next month's row; false once the statement has ended.
bool NextStatementRow(Statement* statement, StatementRow* row);
// The total row, after the last month.
void FinishStatement(const Statement& statement, StatementRow* total);

// Columns of a kind's statement, their names, and the text of one cell
// (the total row says "Total" in its first column and nothing where a
// total means nothing). Cell texts share one buffer, overwritten by the
// next call.
int StatementColumns(int kind);
const char* StatementColumnName(int kind, int column);
const char* CellText(int kind, const StatementRow& row, int column);

// One line of the copied table, with its CR LF, into a buffer of this size;
// returns the length written.
constexpr int StatementLineSize = 256;
int StatementHeaderLine(int kind, char* line);
int StatementLine(int kind, const StatementRow& row, char* line);

// The forms the whole table is copied in: text with the fields between tabs,
// each line ended by CR LF, as a spreadsheet pastes it; and SYLK, a cell
// record per field (numbers with a point whatever the spreadsheet's
// language, texts quoted), which spreadsheets read as cells of numbers.
enum TableForm : int { TabSeparatedTable, SylkTable };

// The whole table in a form: the header, one line or row per month, the
// total, and a closing zero. Writes it into text, or only counts its bytes
// when text is null; returns the size with the closing zero either way.
unsigned long StatementTable(const StatementTerms& terms, int form, char* text);

// The line above the table and the note below it, after the statement has
// ended, into a buffer of this size.
constexpr int StatementTextSize = 256;
void StatementHeading(const StatementTerms& terms, char* text);
void StatementNote(const Statement& statement, char* text);

#endif
