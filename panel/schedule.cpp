// The month-by-month statement of a page's calculation, in whole cents.
#include "panel/schedule.h"

#include "numtext/numtext.h"
#include "panel/fieldtext.h"

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
        if (value >= ScheduleLimitCents)
            return false;
    }
    if (!digits)
        return false;
    for (int p = places < 0 ? 0 : places; p < 2; ++p) {
        value *= 10;
        if (value >= ScheduleLimitCents)
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

void StartSchedule(Schedule* schedule, const ScheduleTerms& terms)
{
    *schedule = Schedule{};
    schedule->terms = terms;
    schedule->balance = terms.kind == SavingSchedule ? 0 : terms.start;
    // A loan paid with an amount that cannot be read cannot be followed.
    bool unreadable = terms.startTooLarge || (terms.kind == LoanSchedule && terms.otherTooLarge);
    schedule->tooLarge = unreadable;
}

// A loan's month: the interest on the balance, then the payment; the month in
// which the payment covers the balance and its interest, or the last month,
// pays exactly that and ends the loan.
static void LoanMonth(Schedule* s, ScheduleRow* row)
{
    long long balance = s->balance;
    long long interest = InterestCents(balance, s->terms.monthlyRate);
    long long payment = s->terms.other;
    long long principal;
    if (balance + interest <= payment || s->month == s->terms.months) {
        payment = balance + interest;
        principal = balance;
        s->ended = true;
    } else {
        principal = payment - interest;
    }
    s->balance = balance - principal;
    if (s->balance >= ScheduleLimitCents)
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
static void WorthMonth(Schedule* s, ScheduleRow* row)
{
    long long interest = InterestCents(s->balance, s->terms.monthlyRate);
    long long saving = s->terms.kind == SavingSchedule ? s->terms.start : 0;
    s->balance += interest + saving;
    if (s->balance >= ScheduleLimitCents)
        s->tooLarge = true;
    row->payment = saving;
    row->interest = interest;
    s->totalPayment += saving;
    s->totalInterest += interest;
}

// Whether the payment or saving the page shows could not be read.
static bool PaymentTooLarge(const ScheduleTerms& terms)
{
    return terms.kind == LoanSchedule ? terms.otherTooLarge : terms.startTooLarge;
}

bool NextScheduleRow(Schedule* s, ScheduleRow* row)
{
    if (s->ended || s->month >= s->terms.months)
        return false;
    *row = ScheduleRow{};
    row->month = ++s->month;
    row->paymentTooLarge = PaymentTooLarge(s->terms);
    if (!s->tooLarge) {
        if (s->terms.kind == LoanSchedule)
            LoanMonth(s, row);
        else
            WorthMonth(s, row);
    } else if (s->terms.kind == SavingSchedule) {
        row->payment = s->terms.start;
        s->totalPayment += s->terms.start;
    }
    row->balance = s->balance;
    row->tooLarge = s->tooLarge;
    return true;
}

void FinishSchedule(const Schedule& s, ScheduleRow* total)
{
    *total = ScheduleRow{};
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
    return ColumnTables[kind == LoanSchedule || kind == InvestmentSchedule ? kind : SavingSchedule];
}

static const ColumnRow* ColumnsOf(int kind)
{
    return TableFor(kind).rows;
}

int ScheduleColumns(int kind)
{
    return TableFor(kind).count;
}

const char* ScheduleColumnName(int kind, int column)
{
    return ColumnsOf(kind)[column].name;
}

const char* CellText(int kind, const ScheduleRow& row, int column)
{
    Column c = ColumnsOf(kind)[column].column;
    switch (c) {
    case MonthColumn:
        return row.month ? FormatNumber(row.month, -1) : "Total";
    case PaymentColumn:
        // A loan's payments follow from its interest; a saving does not.
        if (row.paymentTooLarge || (kind == LoanSchedule && row.tooLarge))
            return ScheduleTooLarge;
        return CentsText(row.payment);
    case PrincipalColumn:
        if (row.tooLarge)
            return ScheduleTooLarge;
        return CentsText(row.principal);
    case BalanceColumn:
        if (kind == LoanSchedule && !row.month)
            return "";  // a total of balances means nothing
        [[fallthrough]];
    case InterestColumn:
        if (row.tooLarge)
            return ScheduleTooLarge;
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

static int WriteLine(int kind, const ScheduleRow* row, char* line)
{
    TextWriter out{line, ScheduleLineSize, 0};
    int columns = ScheduleColumns(kind);
    // The total row of a loan has no balance: no empty field at its end.
    if (row && !row->month && kind == LoanSchedule)
        --columns;
    for (int c = 0; c < columns; ++c) {
        if (c)
            out.Put("\t");
        out.Put(row ? CellText(kind, *row, c) : ScheduleColumnName(kind, c));
    }
    out.Put("\r\n");
    return out.length;
}

int ScheduleHeaderLine(int kind, char* line)
{
    return WriteLine(kind, nullptr, line);
}

int ScheduleLine(int kind, const ScheduleRow& row, char* line)
{
    return WriteLine(kind, &row, line);
}

static const char* AmountText(long long cents, bool tooLarge)
{
    return tooLarge ? ScheduleTooLarge : CentsText(cents);
}

static void PutTerms(TextWriter& out, const ScheduleTerms& terms)
{
    out.Put(" at ");
    out.Put(RateText(terms.annualRate));
    out.Put(" % over ");
    out.Put(FormatNumber(terms.months, -1));
    out.Put(terms.months == 1 ? " month" : " months");
}

void ScheduleHeading(const ScheduleTerms& terms, char* text)
{
    TextWriter out{text, ScheduleTextSize, 0};
    text[0] = '\0';
    switch (terms.kind) {
    case LoanSchedule:
        out.Put("Loan of ");
        out.Put(AmountText(terms.start, terms.startTooLarge));
        PutTerms(out, terms);
        out.Put(", paying ");
        out.Put(AmountText(terms.other, terms.otherTooLarge));
        out.Put(" a month");
        return;
    case InvestmentSchedule:
        out.Put("Investment of ");
        out.Put(AmountText(terms.start, terms.startTooLarge));
        break;
    default:
        out.Put("Saving ");
        out.Put(AmountText(terms.start, terms.startTooLarge));
        out.Put(" a month");
        break;
    }
    PutTerms(out, terms);
    if (!terms.otherTooLarge) {
        out.Put(", growing to ");
        out.Put(CentsText(terms.other));
    }
}

static void LoanNote(const Schedule& s, TextWriter& out)
{
    if (s.tooLarge) {
        out.Put("The balance reaches 10000000000000.00, beyond which its cents are not exact.");
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
    } else if (s.lastPayment != s.terms.other) {
        out.Put(" The last payment is ");
        out.Put(CentsText(s.lastPayment));
        out.Put(", not ");
        out.Put(CentsText(s.terms.other));
        out.Put(": it settles the balance the other payments leave.");
    } else {
        out.Put(" Every payment is ");
        out.Put(CentsText(s.lastPayment));
        out.Put(".");
    }
}

static void WorthNote(const Schedule& s, TextWriter& out)
{
    if (s.tooLarge) {
        out.Put("The worth reaches 10000000000000.00, beyond which its cents are not exact: "
                "from that month on they are not shown.");
        return;
    }
    long long final = s.balance;
    long long page = s.terms.other;
    out.Put("Each month's interest is rounded to the cent");
    if (s.terms.otherTooLarge || final == page) {
        out.Put(s.terms.otherTooLarge ? "; the statement ends at "
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

void ScheduleNote(const Schedule& schedule, char* text)
{
    TextWriter out{text, ScheduleTextSize, 0};
    text[0] = '\0';
    if (schedule.terms.kind == LoanSchedule)
        LoanNote(schedule, out);
    else
        WorthNote(schedule, out);
}
