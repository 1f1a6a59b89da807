// The month-by-month statement of a page's calculation in whole cents: its
// terms, its rows month by month or year by year, and its totals.
#include "finance/statement.h"

#include "finance/dates.h"
#include "finance/twoword.h"
#include "runtime/runtime.h"

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

// A loan's month: the interest on the balance, then the payment and the
// month's extra. The month in which they cover the balance and its
// interest, or the last month, pays exactly that and ends the loan: of it,
// the extra is what passes the payment, at most the month's extra. While the
// balance is not known, the payments and extras are still the page's and
// the box's, but for the last month's, which settle it.
static void LoanMonth(Statement* s, StatementRow* row)
{
    long long payment = s->terms.right;
    long long extra = ExtraInMonth(s->terms.extras, s->month);
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
    row->extra = ExtraInMonth(s->terms.extras, s->month);
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

bool NextStatementYear(Statement* s, StatementRow* year)
{
    *year = StatementRow{};
    const StatementTerms& t = s->terms;
    // On the calendar a year ends with December.
    int length =
        t.firstMonth ? 13 - PaymentMonth(t.firstMonth, t.firstYear, s->month + 1).month : 12;
    StatementRow row;
    int months = 0;
    while (months < length && NextStatementRow(s, &row)) {
        ++months;
        AddRow(year, row);
        year->balance = row.balance;
        year->unknown |= row.unknown & BalanceUnknown;
    }
    year->month = t.firstMonth ? PaymentMonth(t.firstMonth, t.firstYear, s->month).year
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

bool NextShownRow(Statement* s, StatementRow* row)
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
