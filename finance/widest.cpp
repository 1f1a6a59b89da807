// The texts that can be the widest in each column of a statement.
#include "finance/widest.h"

#include "finance/dates.h"
#include "numtext/numtext.h"

// The number of digits a whole number is written with.
static int DigitCount(unsigned long long value)
{
    int digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

// What one column's cells come to: the most digits of the numbers in it
// (of the positive ones and of the negative ones apart, as a minus sign
// is one more character), whether it holds "Total" or "Value is too large",
// and, for dates, the months that occur.
struct ColumnReach {
    int digits;
    int negativeDigits;
    bool total;
    bool tooLarge;
    unsigned months;  // bit m - 1 for month m
};

static void Reach(ColumnReach* reach, long long value, int places)
{
    unsigned long long magnitude = value < 0 ? 0 - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    int digits = DigitCount(magnitude);
    if (digits < places + 1)
        digits = places + 1;  // "0.05": a digit before the mark
    int& most = value < 0 ? reach->negativeDigits : reach->digits;
    if (digits > most)
        most = digits;
}

static long long AmountOf(StatementColumn kind, const StatementRow& row)
{
    switch (kind) {
    case PaymentColumn:
        return row.payment;
    case ExtraColumn:
        return row.extra;
    case InterestColumn:
        return row.interest;
    case PrincipalColumn:
        return row.principal;
    default:
        return row.balance;
    }
}

// A cell of a row as CellText writes it, told by its kind alone.
static void ReachCell(const StatementTerms& t, StatementColumn kind, const StatementRow& row,
                      ColumnReach* reach)
{
    if (kind == MonthColumn) {
        if (row.month)
            Reach(reach, row.month, 0);
        else
            reach->total = true;
        return;
    }
    if (kind == DateColumn) {
        if (!row.month)
            return;
        CalendarMonth date = PaymentMonth(t.firstMonth, t.firstYear, row.month);
        Reach(reach, date.year, 0);
        reach->months |= 1u << (date.month - 1);
        return;
    }
    if (kind == BalanceColumn && t.kind == LoanKind && !row.month)
        return;
    if (row.unknown & ColumnUnknownBit(kind))
        reach->tooLarge = true;
    else
        Reach(reach, AmountOf(kind, row), 2);
}

// Adds a text of widest digits: a sign where asked, a prefix, so many
// digits with the decimal mark before the last `places`.
static void AddDigits(WidestTexts* w, const char* prefix, bool negative, int digits, int places,
                      char digit)
{
    if (digits <= 0 || w->count == MaxWidestTexts)
        return;
    char* text = w->text[w->count++];
    int length = 0;
    for (; *prefix && length < WidestTextSize - 1; ++prefix)
        text[length++] = *prefix;
    if (negative)
        text[length++] = '-';
    for (int d = digits; d > 0 && length < WidestTextSize - 2; --d) {
        if (d == places)
            text[length++] = DecimalMark();
        text[length++] = digit;
    }
    text[length] = '\0';
}

static void AddText(WidestTexts* w, const char* text)
{
    if (w->count < MaxWidestTexts)
        CopyText(w->text[w->count++], WidestTextSize, text);
}

void StatementWidestTexts(const StatementTerms& terms, const StatementRow* rows, int count,
                          char widestDigit, WidestTexts widest[MaxStatementColumns])
{
    int columns = StatementColumns(terms);
    for (int c = 0; c < columns; ++c) {
        StatementColumn kind = StatementColumnKind(terms, c);
        ColumnReach reach = {};
        for (int r = 0; r < count; ++r)
            ReachCell(terms, kind, rows[r], &reach);
        WidestTexts* w = &widest[c];
        w->count = 0;
        if (reach.total)
            AddText(w, "Total");
        if (reach.tooLarge)
            AddText(w, TooLargeText);
        int places = kind == MonthColumn || kind == DateColumn ? 0 : 2;
        if (kind != DateColumn) {
            AddDigits(w, "", false, reach.digits, places, widestDigit);
            AddDigits(w, "", true, reach.negativeDigits, places, widestDigit);
            continue;
        }
        // A date: each month's short name that occurs, a blank, the year.
        for (int m = 1; m <= 12; ++m) {
            if (!(reach.months & (1u << (m - 1))))
                continue;
            char prefix[WidestTextSize];
            CopyText(prefix, sizeof prefix - 1, ShortMonthName(m));
            int length = 0;
            while (prefix[length])
                ++length;
            prefix[length] = ' ';
            prefix[length + 1] = '\0';
            AddDigits(w, prefix, false, reach.digits, 0, widestDigit);
        }
    }
}
