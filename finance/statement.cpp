// The month-by-month statement of a page's calculation in whole cents, its texts and its table.
#include "finance/statement.h"

#include "finance/terms.h"
#include "finance/twoword.h"
#include "numtext/numtext.h"
#include "runtime/runtime.h"

// Reads a decimal number with at most `places` places (fewer, or none, are
// taken too), written with the decimal mark, as a whole number of units of
// 10^-places. Returns false for any other text and for a number above
// `highest` units.
static bool ParseUnits(const char* text, int places, unsigned long long highest, long long* units)
{
    // Each step keeps the value at most `highest` (below 2^63), so ten times
    // it and a digit stay within the unsigned word.
    const char mark = DecimalMark();
    unsigned long long value = 0;
    int digits = 0;
    int shown = -1;  // places after the point, once there is one
    for (const char* c = text; *c; ++c) {
        if (*c == mark && shown < 0) {
            shown = 0;
            continue;
        }
        if (*c < '0' || *c > '9' || shown == places)
            return false;
        value = value * 10 + static_cast<unsigned>(*c - '0');
        ++digits;
        if (shown >= 0)
            ++shown;
        if (value > highest)
            return false;
    }
    if (!digits)
        return false;
    for (int p = shown < 0 ? 0 : shown; p < places; ++p) {
        value *= 10;
        if (value > highest)
            return false;
    }
    *units = static_cast<long long>(value);
    return true;
}

bool ParseCents(const char* text, long long* cents)
{
    return ParseUnits(text, 2, StatementLimitCents - 1, cents);
}

bool ParseRate(const char* text, long long* rate)
{
    return ParseUnits(text, RatePlaces, MaxRateUnits, rate);
}

// A month's interest is the balance times the yearly percentage over 1200,
// with the rate in units of 10^-10 percent: balance * rate / (1200 * 10^10).
// The product reaches about 10^18 * 10^13, past one word; the quotient stays
// below the balance.
constexpr unsigned long long InterestDivisor = 1200ULL * RateUnitsPerPercent;

long long InterestCents(long long balanceCents, long long rate)
{
    unsigned long long rest = 0;
    TwoWord quotient =
        DivideWords(MultiplyWords(static_cast<unsigned long long>(balanceCents),
                                  static_cast<unsigned long long>(rate)),
                    InterestDivisor, &rest);
    // Half a cent or more goes up: rest >= divisor - rest.
    unsigned long long cents = quotient.low + (rest >= InterestDivisor - rest ? 1 : 0);
    return static_cast<long long>(cents);
}

static char CentsBuffer[24];

// A whole number's digits, with a decimal mark put in before the last
// `places` (and at least one digit before it): written from the last digit,
// each what a division by ten leaves (one runtime helper on i686, the one
// the program already uses). Returns the shared buffer.
static const char* DigitsText(long long value, int places, char mark)
{
    unsigned long long magnitude = value < 0 ? 0 - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    char reversed[24];
    int count = 0;
    do {
        unsigned long long tenth = magnitude / 10;
        reversed[count++] = static_cast<char>('0' + (magnitude - tenth * 10));
        magnitude = tenth;
    } while (magnitude || count < places + 1);
    int length = 0;
    if (value < 0)
        CentsBuffer[length++] = '-';
    while (count > 0) {
        if (count == places)
            CentsBuffer[length++] = mark;
        CentsBuffer[length++] = reversed[--count];
    }
    CentsBuffer[length] = '\0';
    return CentsBuffer;
}

const char* CentsText(long long cents)
{
    return DigitsText(cents, 2, DecimalMark());
}

// A month's number, or any count: the whole number, as the number text
// writes it, without its work on doubles.
static const char* CountText(long long count)
{
    return DigitsText(count, 0, DecimalMark());
}

// Copies a text into a buffer of the given size, cut to fit.
static void CopyText(char* to, int size, const char* from)
{
    int i = 0;
    for (; from[i] && i < size - 1; ++i)
        to[i] = from[i];
    to[i] = '\0';
}

StatementTerms TermsOfPage(int kind, int direction, int months, const char* rateText,
                           const char* leftText, const char* rightText)
{
    StatementTerms terms = {};
    terms.kind = kind;
    terms.direction = direction;
    terms.months = months;
    terms.rateUnreadable = !ParseRate(rateText, &terms.rate);
    if (terms.rateUnreadable)
        terms.rate = 0;
    terms.leftTooLarge = !ParseCents(leftText, &terms.left);
    if (terms.leftTooLarge)
        terms.left = 0;
    terms.rightTooLarge = !ParseCents(rightText, &terms.right);
    if (terms.rightTooLarge)
        terms.right = 0;
    CopyText(terms.rateText, sizeof terms.rateText, rateText);
    CopyText(terms.leftText, sizeof terms.leftText, leftText);
    CopyText(terms.rightText, sizeof terms.rightText, rightText);
    return terms;
}

// An amount field of the box as a page's input is read: its cents.
static long long ExtraCents(const char* text)
{
    char copy[FieldTextSize];
    CopyText(copy, sizeof copy, text);
    long long cents = 0;
    ParseCents(FormatNumber(FieldAmount(ParseNumber(copy, ParseUnsigned)), 2), &cents);
    return cents;
}

// A month field of the box as the Month box is read, held to the term.
static int ExtraMonth(const char* text, int months)
{
    char copy[FieldTextSize];
    CopyText(copy, sizeof copy, text);
    int month = MonthsUsed(ParseNumber(copy, ParseFirstWord));
    return month > months ? months : month;
}

StatementExtras ExtrasOfTexts(const char* monthly, const char* from, const char* once,
                              const char* onceMonth, int months)
{
    StatementExtras extras;
    extras.monthly = ExtraCents(monthly);
    extras.from = ExtraMonth(from, months);
    extras.once = ExtraCents(once);
    extras.onceMonth = ExtraMonth(onceMonth, months);
    return extras;
}

bool HasExtras(const StatementExtras& extras)
{
    return extras.monthly > 0 || extras.once > 0;
}

// The extra paid or saved in a month: the monthly one from its month on,
// and the one-off in its month.
static long long ExtraOf(const StatementTerms& terms, int month)
{
    const StatementExtras& e = terms.extras;
    long long extra = 0;
    if (month >= e.from)
        extra += e.monthly;
    if (month == e.onceMonth)
        extra += e.once;
    return extra;
}

// The user's month names, full and short.
constexpr int MonthNameSize = 32;
static char FullMonths[12][MonthNameSize] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
static char ShortMonths[12][MonthNameSize] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

void UseMonthNames(const char* const full[12], const char* const abbreviated[12])
{
    for (int m = 0; m < 12; ++m) {
        CopyText(FullMonths[m], MonthNameSize, full[m]);
        CopyText(ShortMonths[m], MonthNameSize, abbreviated[m]);
    }
}

const char* MonthName(int month)
{
    return FullMonths[(month >= 1 && month <= 12 ? month : 1) - 1];
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

// Whether the payment or saving the page shows could not be read.
static bool PaymentTooLarge(const StatementTerms& terms)
{
    return terms.kind == LoanKind ? terms.rightTooLarge : terms.leftTooLarge;
}

void StartStatement(Statement* statement, const StatementTerms& terms)
{
    *statement = Statement{};
    statement->terms = terms;
    statement->balance = terms.kind == SavingKind ? 0 : terms.left;
    // A loan paid with an amount that cannot be read cannot be followed, nor
    // any statement at a rate that cannot be read.
    bool unreadable = terms.leftTooLarge || terms.rateUnreadable ||
                      (terms.kind == LoanKind && terms.rightTooLarge);
    statement->tooLarge = unreadable;
}

// The balance after a month: from the limit on it is not known.
static void SetBalance(Statement* s, StatementRow* row, long long balance)
{
    s->balance = balance;
    if (balance >= StatementLimitCents && !s->tooLarge) {
        s->tooLarge = true;
        s->limitMonth = s->month;
    }
    if (s->tooLarge)
        row->unknown |= BalanceUnknown;
}

// A loan's month: the interest on the balance, then the payment and the
// month's extra. The month in which they cover the balance and its
// interest, or the last month, pays exactly that and ends the loan: of it,
// the extra is what passes the payment, at most the month's extra. While the
// balance is not known, the payments and extras are still the page's and
// the box's, but for the last month's, which settle it.
static void LoanMonth(Statement* s, StatementRow* row)
{
    long long payment = s->terms.right;
    long long extra = ExtraOf(s->terms, s->month);
    bool last = s->month == s->terms.months;
    if (s->tooLarge) {
        row->payment = payment;
        row->extra = extra;
        row->unknown = InterestUnknown | PrincipalUnknown | BalanceUnknown;
        if (last || s->terms.rightTooLarge)
            row->unknown |= PaymentUnknown;
        if (last)
            row->unknown |= ExtraUnknown;
        return;
    }
    long long balance = s->balance;
    long long interest = InterestCents(balance, s->terms.rate);
    long long principal;
    if (balance + interest <= payment + extra || last) {
        long long settles = balance + interest;
        long long over = settles - payment;
        extra = over < 0 ? 0 : over < extra ? over : extra;
        payment = settles - extra;
        principal = balance;
        s->ended = true;
    } else {
        principal = payment + extra - interest;
    }
    row->payment = payment;
    row->extra = extra;
    row->interest = interest;
    row->principal = principal;
    s->lastPayment = payment + extra;
    SetBalance(s, row, balance - principal);
}

// A worth's month: the interest on the worth, then (on the Saving page) the
// month's saving and the month's extra at its end.
static void WorthMonth(Statement* s, StatementRow* row)
{
    long long saving = s->terms.kind == SavingKind ? s->terms.left : 0;
    row->payment = saving;
    row->extra = ExtraOf(s->terms, s->month);
    if (PaymentTooLarge(s->terms))
        row->unknown |= PaymentUnknown;
    if (s->tooLarge) {
        row->unknown |= InterestUnknown | BalanceUnknown;
        return;
    }
    row->interest = InterestCents(s->balance, s->terms.rate);
    SetBalance(s, row, s->balance + row->interest + saving + row->extra);
}

// Adds a row's amount to its total. A total of an amount not known, or one
// that reaches the limit, is not known; it keeps what it had.
static void AddToTotal(StatementRow* total, unsigned bit, long long* sum, long long amount,
                       unsigned rowUnknown)
{
    if (total->unknown & bit)
        return;
    if (rowUnknown & bit) {
        total->unknown |= bit;
        return;
    }
    long long next = *sum + amount;
    if (next >= StatementLimitCents || next <= -StatementLimitCents)
        total->unknown |= bit;
    else
        *sum = next;
}

// Adds a row's amounts to a sum of rows: a year's, or the total.
static void AddRow(StatementRow* sum, const StatementRow& row)
{
    AddToTotal(sum, PaymentUnknown, &sum->payment, row.payment, row.unknown);
    AddToTotal(sum, ExtraUnknown, &sum->extra, row.extra, row.unknown);
    AddToTotal(sum, InterestUnknown, &sum->interest, row.interest, row.unknown);
    AddToTotal(sum, PrincipalUnknown, &sum->principal, row.principal, row.unknown);
}

bool NextStatementRow(Statement* s, StatementRow* row)
{
    // Between two rows the box runs the list's messages, and other code
    // loaded into the process may change the control state on the way.
    LoadFpuControl();
    if (s->ended || s->month >= s->terms.months)
        return false;
    *row = StatementRow{};
    row->month = ++s->month;
    if (s->terms.kind == LoanKind)
        LoanMonth(s, row);
    else
        WorthMonth(s, row);
    row->balance = s->balance;
    // No amount at the limit or above is shown as a number, in a row as in
    // its total: a loan's last payment, which is its balance and a month's
    // interest, can pass it.
    if (row->payment >= StatementLimitCents)
        row->unknown |= PaymentUnknown;
    if (row->extra >= StatementLimitCents)
        row->unknown |= ExtraUnknown;
    AddRow(&s->total, *row);
    return true;
}

// The calendar month of a payment (1 for the first), counted from January
// of the first payment's year: 0 for that January.
static int CalendarIndex(const StatementTerms& t, int payment)
{
    return t.firstMonth - 1 + payment - 1;
}

bool NextStatementYear(Statement* s, StatementRow* year)
{
    *year = StatementRow{};
    const StatementTerms& t = s->terms;
    // On the calendar a year ends with December.
    int length = t.firstMonth ? 12 - CalendarIndex(t, s->month + 1) % 12 : 12;
    StatementRow row;
    int months = 0;
    while (months < length && NextStatementRow(s, &row)) {
        ++months;
        AddRow(year, row);
        year->balance = row.balance;
        year->unknown |= row.unknown & BalanceUnknown;
    }
    year->month = t.firstMonth ? t.firstYear + CalendarIndex(t, s->month) / 12
                               : (s->month + 11) / 12;
    return months > 0;
}

void FinishStatement(const Statement& s, StatementRow* total)
{
    *total = s.total;
    total->month = 0;
    total->balance = s.balance;
    if (s.tooLarge)
        total->unknown |= BalanceUnknown;
}

// The next row as the statement is shown: a month's, or a year's.
static bool NextShownRow(Statement* s, StatementRow* row)
{
    return s->terms.byYear ? NextStatementYear(s, row) : NextStatementRow(s, row);
}

int StatementRows(const StatementTerms& terms, StatementRow* rows, Statement* s)
{
    StartStatement(s, terms);
    int count = 0;
    while (count < MaxStatementRows - 1 && NextShownRow(s, &rows[count]))
        ++count;
    FinishStatement(*s, &rows[count]);
    return count + 1;
}

enum Column {
    MonthColumn,
    DateColumn,
    PaymentColumn,
    ExtraColumn,
    InterestColumn,
    PrincipalColumn,
    BalanceColumn
};

// A statement's columns, in order: the month or year; a loan's payment or
// a saving; the extra, where extras are set; the interest; a loan's
// principal; the balance or worth.
struct Columns {
    Column column[MaxStatementColumns];
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
    if (HasExtras(t.extras))
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

const char* StatementColumnName(const StatementTerms& terms, int column)
{
    bool loan = terms.kind == LoanKind;
    switch (ColumnsOf(terms).column[column]) {
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

// The unknown bit of each column (the month's and the date's are always
// known).
static const unsigned UnknownOf[] = {0, 0, PaymentUnknown, ExtraUnknown, InterestUnknown,
                                     PrincipalUnknown, BalanceUnknown};

// A month's date on the calendar as the list shows it ("Oct 2025"), or in
// SYLK as its serial number where a spreadsheet can hold the date (up to
// the year 9999).
static char DateBuffer[48];

static const char* DateText(const StatementTerms& t, int payment, bool serial)
{
    int index = CalendarIndex(t, payment);
    int year = t.firstYear + index / 12;
    int month = index % 12 + 1;
    if (serial && year <= 9999)
        return CountText(DateSerial(year, month));
    int length = 0;
    for (const char* c = ShortMonths[month - 1]; *c; ++c)
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
    Column c = ColumnsOf(t).column[column];
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

// Bounded text writing.
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

// Whether a SYLK cell's text is a number: digits with a point, or a minus
// sign before them ("587.01", "-0.01", "12").
static bool IsNumberText(const char* text)
{
    if (*text == '-')
        ++text;
    bool digits = false;
    for (; *text; ++text) {
        if (*text >= '0' && *text <= '9')
            digits = true;
        else if (*text != '.')
            return false;
    }
    return digits;
}

// SYLK's number formats: pictures listed once after the opening record, by
// their place in the list, and a cell's format record naming one (F: fixed,
// with so many places, alignment as the sheet's default).
constexpr const char* SylkPictures = "P;PGeneral\r\nP;P0\r\nP;P0.00\r\nP;Pmmm yyyy\r\n";
constexpr const char* WholeFormat = "F;P1;FF0G";
constexpr const char* AmountFormat = "F;P2;FF2G";
constexpr const char* DateFormat = "F;P3;FG0G";

// One line of the table, or one row of SYLK records (row y of the sheet):
// the column names (row null) or a row's cells.
static int WriteLine(const StatementTerms& t, const StatementRow* row, int form, int y,
                     char* line)
{
    TextWriter out{line, StatementLineSize, 0};
    line[0] = '\0';
    Columns columns = ColumnsOf(t);
    int count = columns.count;
    // The total row of a loan has no balance: no empty field at its end.
    if (row && !row->month && t.kind == LoanKind)
        --count;
    for (int c = 0; c < count; ++c) {
        const char* cell = !row ? StatementColumnName(t, c)
                           : form == SylkTable ? TableCellText(t, *row, c, true)
                                               : CellText(t, *row, c);
        if (form == TabSeparatedTable) {
            if (c)
                out.Put("\t");
            out.Put(cell);
            continue;
        }
        // The cell's text is copied first: the numbers of its place are
        // written into the buffer that a month's number and an amount share.
        char value[64];
        CopyText(value, sizeof value, cell);
        if (!value[0])
            continue;
        bool number = IsNumberText(value);
        if (number) {
            // The cell's format first: a month's or year's number whole, a
            // date as a month and year, an amount with two places, as the
            // list shows them.
            Column kind = columns.column[c];
            out.Put(kind == MonthColumn ? WholeFormat : kind == DateColumn ? DateFormat
                                                                           : AmountFormat);
            out.Put(";Y");
            out.Put(CountText(y));
            out.Put(";X");
            out.Put(CountText(c + 1));
            out.Put("\r\n");
        }
        out.Put("C;Y");
        out.Put(CountText(y));
        out.Put(";X");
        out.Put(CountText(c + 1));
        out.Put(number ? ";K" : ";K\"");
        out.Put(value);
        out.Put(number ? "\r\n" : "\"\r\n");
    }
    if (form == TabSeparatedTable)
        out.Put("\r\n");
    return out.length;
}

int StatementHeaderLine(const StatementTerms& terms, char* line)
{
    return WriteLine(terms, nullptr, TabSeparatedTable, 0, line);
}

int StatementLine(const StatementTerms& terms, const StatementRow& row, char* line)
{
    return WriteLine(terms, &row, TabSeparatedTable, 0, line);
}

// Adds a line to the table at *size, or only counts its bytes when text is
// null.
static void AddLine(char* text, unsigned long* size, const char* line, int length)
{
    if (text) {
        for (int i = 0; i < length; ++i)
            text[*size + i] = line[i];
    }
    *size += length;
}

static void AddText(char* text, unsigned long* size, const char* part)
{
    int length = 0;
    while (part[length])
        ++length;
    AddLine(text, size, part, length);
}

// The heading as the table's first line: in SYLK a text cell, in which a
// semicolon is written twice (a single one would end the record).
static void AddHeading(const StatementTerms& terms, int form, char* text, unsigned long* size)
{
    char heading[StatementTextSize];
    StatementHeading(terms, heading);
    if (form == TabSeparatedTable) {
        AddText(text, size, heading);
        AddText(text, size, "\r\n");
        return;
    }
    AddText(text, size, "C;Y1;X1;K\"");
    for (const char* c = heading; *c; ++c)
        AddLine(text, size, *c == ';' ? ";;" : c, *c == ';' ? 2 : 1);
    AddText(text, size, "\"\r\n");
}

// Each line is made in a buffer of its own first. SYLK opens with the
// program's name and its number formats, and ends with its end record.
unsigned long StatementTable(const StatementTerms& terms, int form, char* text)
{
    char line[StatementLineSize];
    unsigned long size = 0;
    int y = 1;
    if (form == SylkTable) {
        AddText(text, &size, "ID;PLedgerly\r\n");
        AddText(text, &size, SylkPictures);
    }
    AddHeading(terms, form, text, &size);
    ++y;
    AddLine(text, &size, line, WriteLine(terms, nullptr, form, y++, line));
    Statement statement;
    StartStatement(&statement, terms);
    StatementRow row;
    while (NextShownRow(&statement, &row))
        AddLine(text, &size, line, WriteLine(terms, &row, form, y++, line));
    FinishStatement(statement, &row);
    AddLine(text, &size, line, WriteLine(terms, &row, form, y, line));
    if (form == SylkTable)
        AddText(text, &size, "E\r\n");
    if (text)
        text[size] = '\0';
    return size + 1;
}

// The terms as the boxes show them.
static void PutTerms(TextWriter& out, const StatementTerms& terms)
{
    out.Put(" at ");
    out.Put(terms.rateText);
    out.Put(" % over ");
    out.Put(CountText(terms.months));
    out.Put(terms.months == 1 ? " month" : " months");
}

// The page's amounts as the page shows them, whether or not the statement
// can follow them.
// The extras set, after the page's terms.
static void PutExtras(TextWriter& out, const StatementExtras& extras)
{
    if (extras.monthly > 0) {
        out.Put("; extra ");
        out.Put(CentsText(extras.monthly));
        out.Put(" a month from month ");
        out.Put(CountText(extras.from));
    }
    if (extras.once > 0) {
        out.Put("; one-off ");
        out.Put(CentsText(extras.once));
        out.Put(" in month ");
        out.Put(CountText(extras.onceMonth));
    }
}

void StatementHeading(const StatementTerms& terms, char* text)
{
    TextWriter out{text, StatementTextSize, 0};
    text[0] = '\0';
    switch (terms.kind) {
    case LoanKind:
        out.Put("Loan of ");
        out.Put(terms.leftText);
        PutTerms(out, terms);
        out.Put(", paying ");
        out.Put(terms.rightText);
        out.Put(" a month");
        break;
    case InvestmentKind:
        out.Put("Investment of ");
        out.Put(terms.leftText);
        break;
    default:
        out.Put("Saving ");
        out.Put(terms.leftText);
        out.Put(" a month");
        break;
    }
    if (terms.kind != LoanKind) {
        PutTerms(out, terms);
        out.Put(", growing to ");
        out.Put(terms.rightText);
    }
    PutExtras(out, terms.extras);
    if (terms.firstMonth) {
        out.Put("; first payment ");
        out.Put(MonthName(terms.firstMonth));
        out.Put(" ");
        out.Put(CountText(terms.firstYear));
    }
}

// The limit as an amount, the month the balance or worth reached it, and
// what the statement does past it.
static void PutLimit(TextWriter& out, const Statement& s, const char* amount, const char* after)
{
    out.Put("The ");
    out.Put(amount);
    out.Put(" reaches ");
    out.Put(CentsText(StatementLimitCents));
    if (s.limitMonth) {
        out.Put(" in month ");
        out.Put(CountText(s.limitMonth));
    }
    out.Put(", the most the statement keeps in whole cents: from that month on it is not "
            "shown, ");
    out.Put(after);
}

static void LoanNote(const Statement& s, TextWriter& out)
{
    if (s.tooLarge) {
        PutLimit(out, s, "balance",
                 "nor are the interest on it, the principal and the last payment.");
        return;
    }
    const StatementRow& total = s.total;
    out.Put("Total interest ");
    out.Put(total.unknown & InterestUnknown ? TooLargeText : CentsText(total.interest));
    out.Put(".");
    if (s.month < s.terms.months) {
        out.Put(" The loan is paid off in month ");
        out.Put(CountText(s.month));
        out.Put(", with a last payment of ");
        out.Put(CentsText(s.lastPayment));
        out.Put(".");
    } else if (s.lastPayment >= StatementLimitCents) {
        out.Put(" The last payment is too large to show: it settles the balance the other "
                "payments leave.");
    } else if (s.lastPayment != s.terms.right) {
        out.Put(" The last payment is ");
        out.Put(CentsText(s.lastPayment));
        out.Put(", not ");
        out.Put(CentsText(s.terms.right));
        out.Put(": it settles the balance the other payments leave.");
    } else {
        out.Put(" Every payment is ");
        out.Put(CentsText(s.lastPayment));
        out.Put(".");
    }
}

// The statement's final worth beside the page's future worth, and why they
// differ. The statement credits each month's interest in whole cents; the
// page's future worth is either its own answer, which keeps every fraction
// of a cent, or the figure given, from which the page worked out a saving
// or a present worth that it shows rounded to the cent.
static void WorthNote(const Statement& s, TextWriter& out)
{
    if (s.tooLarge) {
        PutLimit(out, s, "worth", "nor is the interest on it.");
        return;
    }
    const StatementTerms& t = s.terms;
    const char* start = t.kind == SavingKind ? "monthly saving of " : "present worth of ";
    if (t.direction == RightToLeft) {
        out.Put("The ");
        out.Put(start);
        out.Put(t.leftText);
        out.Put(" is the page's answer rounded to the cent, and each month's interest is "
                "credited in whole cents: the statement ends at ");
    } else {
        out.Put("Each month's interest is credited in whole cents: the statement ends at ");
    }
    out.Put(CentsText(s.balance));
    const char* page = t.direction == RightToLeft ? "the future worth given"
                                                  : "the future worth the page worked out";
    if (t.rightTooLarge) {
        out.Put("; ");
        out.Put(page);
        out.Put(", which keeps every fraction of a cent, reads ");
        out.Put(t.rightText);
        out.Put(".");
        return;
    }
    long long final = s.balance;
    if (final == t.right) {
        out.Put(", as does ");
        out.Put(page);
        out.Put(".");
        return;
    }
    out.Put(", ");
    out.Put(CentsText(final > t.right ? final - t.right : t.right - final));
    out.Put(final > t.right ? " more than " : " less than ");
    out.Put(page);
    out.Put(", ");
    out.Put(CentsText(t.right));
    out.Put(t.direction == RightToLeft ? "." : ", which keeps every fraction of a cent.");
}

// The same statement without its extras, run to its end.
static void WithoutExtras(const Statement& s, Statement* plain)
{
    StatementTerms terms = s.terms;
    terms.extras = StatementExtras{};
    StartStatement(plain, terms);
    StatementRow row;
    while (NextStatementRow(plain, &row)) {
    }
}

// What the extras did to a loan: the month it is paid off, how much
// sooner, the total interest and how much less it is than without them.
static void LoanExtrasNote(const Statement& s, TextWriter& out)
{
    if (s.tooLarge) {
        LoanNote(s, out);
        return;
    }
    Statement plain;
    WithoutExtras(s, &plain);
    out.Put("With the extras the loan is paid off in month ");
    out.Put(CountText(s.month));
    if (!plain.tooLarge && plain.month > s.month) {
        out.Put(", ");
        out.Put(CountText(plain.month - s.month));
        out.Put(plain.month - s.month == 1 ? " month sooner" : " months sooner");
    } else if (!plain.tooLarge) {
        out.Put(", as without them");
    }
    out.Put(", with a last payment of ");
    out.Put(s.lastPayment >= StatementLimitCents ? TooLargeText : CentsText(s.lastPayment));
    out.Put(". Total interest ");
    bool known = !(s.total.unknown & InterestUnknown);
    out.Put(known ? CentsText(s.total.interest) : TooLargeText);
    if (plain.tooLarge) {
        out.Put("; without them the balance reaches ");
        out.Put(CentsText(StatementLimitCents));
        out.Put(", the most the statement keeps.");
    } else if (known && !(plain.total.unknown & InterestUnknown)) {
        out.Put(", ");
        out.Put(CentsText(plain.total.interest - s.total.interest));
        out.Put(" less than without them.");
    } else {
        out.Put(".");
    }
}

// What the extras did to a worth: the worth at the end, how much more it is
// than without them, and how much the extras added in all.
static void WorthExtrasNote(const Statement& s, TextWriter& out)
{
    if (s.tooLarge) {
        WorthNote(s, out);
        return;
    }
    Statement plain;
    WithoutExtras(s, &plain);
    out.Put("Each month's interest is credited in whole cents: with the extras the statement "
            "ends at ");
    out.Put(CentsText(s.balance));
    out.Put(", ");
    out.Put(CentsText(s.balance - plain.balance));
    out.Put(" more than without them; the extras add ");
    out.Put(s.total.unknown & ExtraUnknown ? TooLargeText : CentsText(s.total.extra));
    out.Put(" in all.");
}

void StatementNote(const Statement& statement, char* text)
{
    LoadFpuControl();
    TextWriter out{text, StatementTextSize, 0};
    text[0] = '\0';
    bool extras = HasExtras(statement.terms.extras);
    if (statement.terms.kind == LoanKind)
        (extras ? LoanExtrasNote : LoanNote)(statement, out);
    else
        (extras ? WorthExtrasNote : WorthNote)(statement, out);
}
