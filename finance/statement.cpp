// The month-by-month statement of a page's calculation in whole cents, its texts and its table.
#include "finance/statement.h"

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

// A loan's month: the interest on the balance, then the payment; the month in
// which the payment covers the balance and its interest, or the last month,
// pays exactly that and ends the loan. While the balance is not known, the
// payments are still the page's, but for the last one, which settles it.
static void LoanMonth(Statement* s, StatementRow* row)
{
    long long payment = s->terms.right;
    bool last = s->month == s->terms.months;
    if (s->tooLarge) {
        row->payment = payment;
        row->unknown = InterestUnknown | PrincipalUnknown | BalanceUnknown;
        if (last || s->terms.rightTooLarge)
            row->unknown |= PaymentUnknown;
        return;
    }
    long long balance = s->balance;
    long long interest = InterestCents(balance, s->terms.rate);
    long long principal;
    if (balance + interest <= payment || last) {
        payment = balance + interest;
        principal = balance;
        s->ended = true;
    } else {
        principal = payment - interest;
    }
    row->payment = payment;
    row->interest = interest;
    row->principal = principal;
    s->lastPayment = payment;
    SetBalance(s, row, balance - principal);
}

// A worth's month: the interest on the worth, then (on the Saving page) the
// month's saving at its end.
static void WorthMonth(Statement* s, StatementRow* row)
{
    long long saving = s->terms.kind == SavingKind ? s->terms.left : 0;
    row->payment = saving;
    if (PaymentTooLarge(s->terms))
        row->unknown |= PaymentUnknown;
    if (s->tooLarge) {
        row->unknown |= InterestUnknown | BalanceUnknown;
        return;
    }
    row->interest = InterestCents(s->balance, s->terms.rate);
    SetBalance(s, row, s->balance + row->interest + saving);
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
    // its total: a loan's last payment, its balance and a month's interest,
    // can pass it.
    if (row->payment >= StatementLimitCents)
        row->unknown |= PaymentUnknown;
    StatementRow* total = &s->total;
    AddToTotal(total, PaymentUnknown, &total->payment, row->payment, row->unknown);
    AddToTotal(total, InterestUnknown, &total->interest, row->interest, row->unknown);
    AddToTotal(total, PrincipalUnknown, &total->principal, row->principal, row->unknown);
    return true;
}

void FinishStatement(const Statement& s, StatementRow* total)
{
    *total = s.total;
    total->month = 0;
    total->balance = s.balance;
    if (s.tooLarge)
        total->unknown |= BalanceUnknown;
}

enum Column { MonthColumn, PaymentColumn, InterestColumn, PrincipalColumn, BalanceColumn };

struct ColumnRow {
    Column column;
    const char* name;
};

static const ColumnRow LoanColumns[] = {{MonthColumn, "Month"},
                                        {PaymentColumn, "Payment"},
                                        {InterestColumn, "Interest"},
                                        {PrincipalColumn, "Principal"},
                                        {BalanceColumn, "Balance"}};
static const ColumnRow InvestmentColumns[] = {
    {MonthColumn, "Month"}, {InterestColumn, "Interest"}, {BalanceColumn, "Worth"}};
static const ColumnRow SavingColumns[] = {{MonthColumn, "Month"},
                                          {PaymentColumn, "Saving"},
                                          {InterestColumn, "Interest"},
                                          {BalanceColumn, "Worth"}};

// Each kind's columns, in the order of the kinds.
struct ColumnTable {
    const ColumnRow* rows;
    int count;
};

template <int N>
constexpr ColumnTable TableOf(const ColumnRow (&rows)[N])
{
    return {rows, N};
}

static const ColumnTable ColumnTables[] = {TableOf(LoanColumns), TableOf(InvestmentColumns),
                                           TableOf(SavingColumns)};

// Any kind but a loan's or an investment's has a saving's columns.
static const ColumnTable& TableFor(int kind)
{
    return ColumnTables[kind == LoanKind || kind == InvestmentKind ? kind : SavingKind];
}

static const ColumnRow* ColumnsOf(int kind)
{
    return TableFor(kind).rows;
}

int StatementColumns(int kind)
{
    return TableFor(kind).count;
}

const char* StatementColumnName(int kind, int column)
{
    return ColumnsOf(kind)[column].name;
}

// The unknown bit of each column (the month's is always known).
static const unsigned UnknownOf[] = {0, PaymentUnknown, InterestUnknown, PrincipalUnknown,
                                     BalanceUnknown};

// A cell's text with the given decimal mark: the user's in the list and
// the copied text, the point in SYLK.
static const char* MarkedCellText(int kind, const StatementRow& row, int column, char mark)
{
    Column c = ColumnsOf(kind)[column].column;
    if (c == MonthColumn)
        return row.month ? CountText(row.month) : "Total";
    if (c == BalanceColumn && kind == LoanKind && !row.month)
        return "";  // a total of balances means nothing
    if (row.unknown & UnknownOf[c])
        return TooLargeText;
    switch (c) {
    case PaymentColumn:
        return DigitsText(row.payment, 2, mark);
    case InterestColumn:
        return DigitsText(row.interest, 2, mark);
    case PrincipalColumn:
        return DigitsText(row.principal, 2, mark);
    default:
        return DigitsText(row.balance, 2, mark);
    }
}

const char* CellText(int kind, const StatementRow& row, int column)
{
    return MarkedCellText(kind, row, column, DecimalMark());
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
constexpr const char* SylkPictures = "P;PGeneral\r\nP;P0\r\nP;P0.00\r\n";
constexpr const char* WholeFormat = "F;P1;FF0G";
constexpr const char* AmountFormat = "F;P2;FF2G";

// One line of the table, or one row of SYLK records (row y of the sheet):
// the column names (row null) or a row's cells.
static int WriteLine(int kind, const StatementRow* row, int form, int y, char* line)
{
    TextWriter out{line, StatementLineSize, 0};
    line[0] = '\0';
    int columns = StatementColumns(kind);
    // The total row of a loan has no balance: no empty field at its end.
    if (row && !row->month && kind == LoanKind)
        --columns;
    for (int c = 0; c < columns; ++c) {
        const char* cell = !row ? StatementColumnName(kind, c)
                           : form == SylkTable ? MarkedCellText(kind, *row, c, '.')
                                               : CellText(kind, *row, c);
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
            // The cell's format first: a month's number whole, an amount with
            // two places, as the list shows them.
            bool month = ColumnsOf(kind)[c].column == MonthColumn;
            out.Put(month ? WholeFormat : AmountFormat);
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

int StatementHeaderLine(int kind, char* line)
{
    return WriteLine(kind, nullptr, TabSeparatedTable, 0, line);
}

int StatementLine(int kind, const StatementRow& row, char* line)
{
    return WriteLine(kind, &row, TabSeparatedTable, 0, line);
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

// Each line is made in a buffer of its own first. SYLK opens with the
// program's name and ends with its end record.
unsigned long StatementTable(const StatementTerms& terms, int form, char* text)
{
    int kind = terms.kind;
    char line[StatementLineSize];
    unsigned long size = 0;
    int y = 1;
    if (form == SylkTable) {
        AddText(text, &size, "ID;PLedgerly\r\n");
        AddText(text, &size, SylkPictures);
    }
    AddLine(text, &size, line, WriteLine(kind, nullptr, form, y++, line));
    Statement statement;
    StartStatement(&statement, terms);
    StatementRow row;
    while (NextStatementRow(&statement, &row))
        AddLine(text, &size, line, WriteLine(kind, &row, form, y++, line));
    FinishStatement(statement, &row);
    AddLine(text, &size, line, WriteLine(kind, &row, form, y, line));
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
        return;
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
    PutTerms(out, terms);
    out.Put(", growing to ");
    out.Put(terms.rightText);
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

void StatementNote(const Statement& statement, char* text)
{
    LoadFpuControl();
    TextWriter out{text, StatementTextSize, 0};
    text[0] = '\0';
    if (statement.terms.kind == LoanKind)
        LoanNote(statement, out);
    else
        WorthNote(statement, out);
}
