// The month-by-month statement of a page's calculation in whole cents, its texts and its table.
#include "finance/statement.h"

#include "finance/terms.h"
#include "numtext/numtext.h"
#include "runtime/runtime.h"

bool ParseCents(const char* text, long long* cents)
{
    long long value = 0;
    int digits = 0;
    int places = -1;  // places after the point, once there is one
    for (const char* c = text; *c; ++c) {
        if (*c == '.' && places < 0) {
            places = 0;
            continue;
        }
        if (*c < '0' || *c > '9' || places == 2)
            return false;
        value = value * 10 + (*c - '0');
        ++digits;
        if (places >= 0)
            ++places;
        if (value >= StatementLimitCents)
            return false;
    }
    if (!digits)
        return false;
    for (int p = places < 0 ? 0 : places; p < 2; ++p) {
        value *= 10;
        if (value >= StatementLimitCents)
            return false;
    }
    *cents = value;
    return true;
}

// The whole number the number text shows for a value (decimals -1), from its
// rounded digits: no conversion of a double to a 64-bit integer, which the
// i686 build would take from a runtime helper.
static long long RoundedWhole(double value)
{
    DigitRecord record = FixedDigits(value, 0);
    long long whole = 0;
    int length = 0;
    while (record.digits[length])
        ++length;
    for (int i = 0; i < record.exponent; ++i)
        whole = whole * 10 + (i < length ? record.digits[i] - '0' : 0);
    return record.negative ? -whole : whole;
}

long long InterestCents(long long balanceCents, double monthlyRate)
{
    return RoundedWhole(static_cast<double>(balanceCents) * monthlyRate);
}

static char CentsBuffer[24];

// The whole number of cents as the number text writes it (every amount of
// the statement is below 2^53, so the double holds it exactly), with the
// point put in before the last two digits.
const char* CentsText(long long cents)
{
    const char* digits = FormatNumber(static_cast<double>(cents), -1);
    int length = 0;
    if (*digits == '-')
        CentsBuffer[length++] = *digits++;
    int count = 0;
    while (digits[count])
        ++count;
    // At least one whole digit, then the point and two places.
    for (int position = count < 3 ? 3 : count; position > 0; --position) {
        if (position == 2)
            CentsBuffer[length++] = '.';
        CentsBuffer[length++] = position > count ? '0' : digits[count - position];
    }
    CentsBuffer[length] = '\0';
    return CentsBuffer;
}

StatementTerms TermsOfPage(int kind, int months, double annualRate, double monthlyRate,
                           const char* leftText, const char* rightText)
{
    StatementTerms terms = {};
    terms.kind = kind;
    terms.months = months;
    terms.annualRate = annualRate;
    terms.monthlyRate = monthlyRate;
    terms.leftTooLarge = !ParseCents(leftText, &terms.left);
    if (terms.leftTooLarge)
        terms.left = 0;
    terms.rightTooLarge = !ParseCents(rightText, &terms.right);
    if (terms.rightTooLarge)
        terms.right = 0;
    return terms;
}

void StartStatement(Statement* statement, const StatementTerms& terms)
{
    *statement = Statement{};
    statement->terms = terms;
    statement->balance = terms.kind == SavingKind ? 0 : terms.left;
    // A loan paid with an amount that cannot be read cannot be followed.
    bool unreadable = terms.leftTooLarge || (terms.kind == LoanKind && terms.rightTooLarge);
    statement->tooLarge = unreadable;
}

// A loan's month: the interest on the balance, then the payment; the month in
// which the payment covers the balance and its interest, or the last month,
// pays exactly that and ends the loan.
static void LoanMonth(Statement* s, StatementRow* row)
{
    long long balance = s->balance;
    long long interest = InterestCents(balance, s->terms.monthlyRate);
    long long payment = s->terms.right;
    long long principal;
    if (balance + interest <= payment || s->month == s->terms.months) {
        payment = balance + interest;
        principal = balance;
        s->ended = true;
    } else {
        principal = payment - interest;
    }
    s->balance = balance - principal;
    if (s->balance >= StatementLimitCents)
        s->tooLarge = true;
    row->payment = payment;
    row->interest = interest;
    row->principal = principal;
    s->lastPayment = payment;
    s->totalPayment += payment;
    s->totalInterest += interest;
    s->totalPrincipal += principal;
}

// A worth's month: the interest on the worth, then (on the Saving page) the
// month's saving at its end.
static void WorthMonth(Statement* s, StatementRow* row)
{
    long long interest = InterestCents(s->balance, s->terms.monthlyRate);
    long long saving = s->terms.kind == SavingKind ? s->terms.left : 0;
    s->balance += interest + saving;
    if (s->balance >= StatementLimitCents)
        s->tooLarge = true;
    row->payment = saving;
    row->interest = interest;
    s->totalPayment += saving;
    s->totalInterest += interest;
}

// Whether the payment or saving the page shows could not be read.
static bool PaymentTooLarge(const StatementTerms& terms)
{
    return terms.kind == LoanKind ? terms.rightTooLarge : terms.leftTooLarge;
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
    row->paymentTooLarge = PaymentTooLarge(s->terms);
    if (!s->tooLarge) {
        if (s->terms.kind == LoanKind)
            LoanMonth(s, row);
        else
            WorthMonth(s, row);
    } else if (s->terms.kind == SavingKind) {
        row->payment = s->terms.left;
        s->totalPayment += s->terms.left;
    }
    row->balance = s->balance;
    row->tooLarge = s->tooLarge;
    return true;
}

void FinishStatement(const Statement& s, StatementRow* total)
{
    *total = StatementRow{};
    total->payment = s.totalPayment;
    total->interest = s.totalInterest;
    total->principal = s.totalPrincipal;
    total->balance = s.balance;
    total->tooLarge = s.tooLarge;
    total->paymentTooLarge = PaymentTooLarge(s.terms);
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

const char* CellText(int kind, const StatementRow& row, int column)
{
    Column c = ColumnsOf(kind)[column].column;
    switch (c) {
    case MonthColumn:
        return row.month ? FormatNumber(row.month, -1) : "Total";
    case PaymentColumn:
        // A loan's payments follow from its interest; a saving does not.
        if (row.paymentTooLarge || (kind == LoanKind && row.tooLarge))
            return TooLargeText;
        return CentsText(row.payment);
    case PrincipalColumn:
        if (row.tooLarge)
            return TooLargeText;
        return CentsText(row.principal);
    case BalanceColumn:
        if (kind == LoanKind && !row.month)
            return "";  // a total of balances means nothing
        [[fallthrough]];
    case InterestColumn:
        if (row.tooLarge)
            return TooLargeText;
        return CentsText(c == InterestColumn ? row.interest : row.balance);
    }
    return "";
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

// Whether a cell's text is a number: digits with a point, or a minus sign
// before them ("587.01", "-0.01", "12").
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
        const char* cell = row ? CellText(kind, *row, c) : StatementColumnName(kind, c);
        if (form == TabSeparatedTable) {
            if (c)
                out.Put("\t");
            out.Put(cell);
            continue;
        }
        // The cell's text is copied first: the numbers of its place are
        // written by the number text, whose buffer a month's number shares.
        char value[FieldTextSize];
        int length = 0;
        for (; cell[length] && length < FieldTextSize - 1; ++length)
            value[length] = cell[length];
        value[length] = '\0';
        if (!length)
            continue;
        out.Put("C;Y");
        out.Put(FormatNumber(y, -1));
        out.Put(";X");
        out.Put(FormatNumber(c + 1, -1));
        bool number = IsNumberText(value);
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
    if (form == SylkTable)
        AddText(text, &size, "ID;PLedgerly\r\n");
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

static const char* AmountText(long long cents, bool tooLarge)
{
    return tooLarge ? TooLargeText : CentsText(cents);
}

static void PutTerms(TextWriter& out, const StatementTerms& terms)
{
    out.Put(" at ");
    out.Put(RateText(terms.annualRate));
    out.Put(" % over ");
    out.Put(FormatNumber(terms.months, -1));
    out.Put(terms.months == 1 ? " month" : " months");
}

void StatementHeading(const StatementTerms& terms, char* text)
{
    TextWriter out{text, StatementTextSize, 0};
    text[0] = '\0';
    switch (terms.kind) {
    case LoanKind:
        out.Put("Loan of ");
        out.Put(AmountText(terms.left, terms.leftTooLarge));
        PutTerms(out, terms);
        out.Put(", paying ");
        out.Put(AmountText(terms.right, terms.rightTooLarge));
        out.Put(" a month");
        return;
    case InvestmentKind:
        out.Put("Investment of ");
        out.Put(AmountText(terms.left, terms.leftTooLarge));
        break;
    default:
        out.Put("Saving ");
        out.Put(AmountText(terms.left, terms.leftTooLarge));
        out.Put(" a month");
        break;
    }
    PutTerms(out, terms);
    if (!terms.rightTooLarge) {
        out.Put(", growing to ");
        out.Put(CentsText(terms.right));
    }
}

static void LoanNote(const Statement& s, TextWriter& out)
{
    if (s.tooLarge) {
        out.Put("The balance reaches ");
        out.Put(CentsText(StatementLimitCents));
        out.Put(", beyond which its cents are not exact.");
        return;
    }
    out.Put("Total interest ");
    out.Put(CentsText(s.totalInterest));
    out.Put(".");
    if (s.month < s.terms.months) {
        out.Put(" The loan is paid off in month ");
        out.Put(FormatNumber(s.month, -1));
        out.Put(", with a last payment of ");
        out.Put(CentsText(s.lastPayment));
        out.Put(".");
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

static void WorthNote(const Statement& s, TextWriter& out)
{
    if (s.tooLarge) {
        out.Put("The worth reaches ");
        out.Put(CentsText(StatementLimitCents));
        out.Put(", beyond which its cents are not exact: from that month on they are not shown.");
        return;
    }
    long long final = s.balance;
    long long page = s.terms.right;
    out.Put("Each month's interest is rounded to the cent");
    if (s.terms.rightTooLarge || final == page) {
        out.Put(s.terms.rightTooLarge ? "; the statement ends at "
                                      : "; the statement ends at the page's future worth, ");
        out.Put(CentsText(final));
        out.Put(".");
        return;
    }
    out.Put(", so the statement ends at ");
    out.Put(CentsText(final));
    out.Put(", ");
    out.Put(CentsText(final > page ? final - page : page - final));
    out.Put(final > page ? " more than " : " less than ");
    out.Put("the page's exact future worth of ");
    out.Put(CentsText(page));
    out.Put(".");
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
