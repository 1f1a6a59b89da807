// The columns of a statement, their names, and each cell's text.
#include "finance/columns.h"

#include "finance/dates.h"

// A statement's columns, in order: the month or year; a loan's payment or
// a saving; the extra, where extras are set; the interest; a loan's
// principal; the balance or worth.
struct Columns {
    StatementColumn column[MaxStatementColumns];
    int count;
};

static Columns ColumnsOf(const StatementTerms& t)
{
    Columns c = {};
    c.column[c.count++] = MonthColumn;
    if (t.firstMonth && !t.byYear)
        c.column[c.count++] = DateColumn;
    if (t.kind != InvestmentKind)
        c.column[c.count++] = PaymentColumn;
    if (HasExtras(t.extras, t.months))
        c.column[c.count++] = ExtraColumn;
    c.column[c.count++] = InterestColumn;
    if (t.kind == LoanKind)
        c.column[c.count++] = PrincipalColumn;
    c.column[c.count++] = BalanceColumn;
    return c;
}

int StatementColumns(const StatementTerms& terms)
{
    return ColumnsOf(terms).count;
}

StatementColumn StatementColumnKind(const StatementTerms& terms, int column)
{
    return ColumnsOf(terms).column[column];
}

const char* StatementColumnName(const StatementTerms& terms, int column)
{
    bool loan = terms.kind == LoanKind;
    switch (StatementColumnKind(terms, column)) {
    case MonthColumn:
        return terms.byYear ? "Year" : "Month";
    case DateColumn:
        return "Date";
    case PaymentColumn:
        return loan ? "Payment" : "Saving";
    case ExtraColumn:
        return "Extra";
    case InterestColumn:
        return "Interest";
    case PrincipalColumn:
        return "Principal";
    default:
        return loan ? "Balance" : "Worth";
    }
}

// The unknown bit of each kind of column, in the kinds' order.
static const unsigned UnknownOf[] = {0, 0, PaymentUnknown, ExtraUnknown, InterestUnknown,
                                     PrincipalUnknown, BalanceUnknown};

unsigned ColumnUnknownBit(StatementColumn kind)
{
    return UnknownOf[kind];
}

// A month's date on the calendar as the list shows it ("Oct 2025"), or in
// SYLK as its serial number where a spreadsheet can hold the date (up to
// the year 9999).
static char DateBuffer[48];

static const char* DateText(const StatementTerms& t, int payment, bool serial)
{
    CalendarMonth date = PaymentMonth(t.firstMonth, t.firstYear, payment);
    int year = date.year;
    int month = date.month;
    if (serial && year <= 9999)
        return CountText(DateSerial(year, month));
    int length = 0;
    for (const char* c = ShortMonthName(month); *c; ++c)
        DateBuffer[length++] = *c;
    DateBuffer[length++] = ' ';
    for (const char* c = CountText(year); *c; ++c)
        DateBuffer[length++] = *c;
    DateBuffer[length] = '\0';
    return DateBuffer;
}

// A cell's text as the list and the copied text show it, or (sylk) as SYLK
// writes it: a number with a point, a date as its serial number.
static const char* TableCellText(const StatementTerms& t, const StatementRow& row, int column,
                                 bool sylk)
{
    char mark = sylk ? '.' : DecimalMark();
    StatementColumn c = ColumnsOf(t).column[column];
    if (c == MonthColumn)
        return row.month ? CountText(row.month) : "Total";
    if (c == DateColumn)
        return row.month ? DateText(t, row.month, sylk) : "";
    if (c == BalanceColumn && t.kind == LoanKind && !row.month)
        return "";  // a total of balances means nothing
    if (row.unknown & UnknownOf[c])
        return TooLargeText;
    switch (c) {
    case PaymentColumn:
        return DigitsText(row.payment, 2, mark);
    case ExtraColumn:
        return DigitsText(row.extra, 2, mark);
    case InterestColumn:
        return DigitsText(row.interest, 2, mark);
    case PrincipalColumn:
        return DigitsText(row.principal, 2, mark);
    default:
        return DigitsText(row.balance, 2, mark);
    }
}

const char* CellText(const StatementTerms& terms, const StatementRow& row, int column)
{
    return TableCellText(terms, row, column, false);
}

const char* SylkCellText(const StatementTerms& terms, const StatementRow& row, int column)
{
    return TableCellText(terms, row, column, true);
}
