// The month-by-month statement of a page's calculation, in whole cents, as
// an account shows it: each month's interest worked out exactly from the
// balance and the rate the Interest Rate box shows, rounded half up to the
// cent, every row adding up exactly; month by month or year by year, and
// the totals. No window and no double take part.
#ifndef LEDGERLY_STATEMENT_H
#define LEDGERLY_STATEMENT_H

#include "finance/amounttext.h"
#include "finance/extras.h"
#include "finance/formulas.h"
#include "numtext/numtext.h"

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

// A month's interest on a balance of zero or more: balance * rate / 1200
// percent-months, exactly, rounded half up to a whole number of cents.
long long InterestCents(long long balanceCents, long long rate);

void StartStatement(Statement* statement, const StatementTerms& terms);
// The next month's row; false once the statement has ended.
bool NextStatementRow(Statement* statement, StatementRow* row);
// The next year's row, its months summed: twelve months, or what is left;
// on the calendar the months of a calendar year, the first from the first
// payment to December. False once the statement has ended.
bool NextStatementYear(Statement* statement, StatementRow* row);
// The next row as the statement is shown: a month's, or a year's.
bool NextShownRow(Statement* statement, StatementRow* row);
// The total row, after the last month.
void FinishStatement(const Statement& statement, StatementRow* total);

// The rows a statement is shown with, a month or a year each, then the total
// row, into an array of this many rows; returns their number. The statement
// is left as it ends, for its note.
constexpr int MaxStatementRows = 1201;
int StatementRows(const StatementTerms& terms, StatementRow* rows, Statement* ended);

#endif
