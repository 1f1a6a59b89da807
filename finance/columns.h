// The columns a statement is shown in, their names, and the text of each
// cell, as the list shows it and as a spreadsheet's SYLK takes it.
#ifndef LEDGERLY_COLUMNS_H
#define LEDGERLY_COLUMNS_H

#include "finance/statement.h"

// The kinds of column, in the order they stand in: a month's or a year's
// number (on the calendar, the year's own), the date of a month's payment on
// the calendar ("Oct 2025"), a loan's payment or a saving, the extra where
// extras are set, the interest, a loan's principal, and the balance or worth.
enum StatementColumn : int {
    MonthColumn,
    DateColumn,
    PaymentColumn,
    ExtraColumn,
    InterestColumn,
    PrincipalColumn,
    BalanceColumn
};

// The columns of a statement with these terms, counted from 0, and the
// kind and name of each.
constexpr int MaxStatementColumns = 7;
int StatementColumns(const StatementTerms& terms);
StatementColumn StatementColumnKind(const StatementTerms& terms, int column);
const char* StatementColumnName(const StatementTerms& terms, int column);

// The amounts of a row a column shows as "Value is too large" (none for
// the month's and the date's).
unsigned ColumnUnknownBit(StatementColumn kind);

// The text of one cell, amounts with the user's decimal mark; the total row
// says "Total" in its first column and nothing where a total means nothing
// (a date, a loan's balance). Cell texts share one buffer, overwritten by
// the next call.
const char* CellText(const StatementTerms& terms, const StatementRow& row, int column);
// The same cell as SYLK writes it: a number with a point whatever the
// user's language, a date as its serial number where a spreadsheet can
// hold it (up to the year 9999).
const char* SylkCellText(const StatementTerms& terms, const StatementRow& row, int column);

#endif
