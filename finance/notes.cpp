// The heading above a statement and the note below it.
#include "finance/notes.h"

#include "finance/dates.h"
#include "runtime/runtime.h"

// The terms as the boxes show them.
static void PutTerms(TextWriter& out, const StatementTerms& terms)
{
    out.Put(" at ");
    out.Put(terms.rateText);
    out.Put(" % over ");
    out.Put(CountText(terms.months));
    out.Put(terms.months == 1 ? " month" : " months");
}

// The extras applied, after the page's terms.
static void PutExtras(TextWriter& out, const StatementTerms& terms)
{
    const StatementExtras& extras = terms.extras;
    if (MonthlyApplies(extras, terms.months)) {
        out.Put("; extra ");
        out.Put(CentsText(extras.monthly));
        out.Put(" a month from month ");
        out.Put(CountText(extras.from));
    }
    if (OnceApplies(extras, terms.months)) {
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
    PutExtras(out, terms);
    if (terms.firstMonth) {
        // An investment's first month, a saving's first saving.
        out.Put(terms.kind == LoanKind   ? "; first payment "
                : terms.kind == SavingKind ? "; first saving "
                                           : "; first month ");
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

// The extras named by their months, either or both: "the extra each month
// from month 250", "the one-off of month 300", joined by "and"; the first
// word with a capital where it starts a sentence.
static void PutExtraMonths(TextWriter& out, bool monthly, bool once, const StatementExtras& e,
                           const char* article)
{
    if (monthly) {
        out.Put(article);
        out.Put("extra each month from month ");
        out.Put(CountText(e.from));
    }
    if (monthly && once)
        out.Put(" and ");
    if (once) {
        out.Put(monthly ? "the " : article);
        out.Put("one-off of month ");
        out.Put(CountText(e.onceMonth));
    }
}

// Extras that do nothing: those after the statement's last month, not
// applied, and a loan's after the month it is paid off, not needed.
static void UnusedExtrasNote(const Statement& s, TextWriter& out)
{
    const StatementTerms& t = s.terms;
    const StatementExtras& e = t.extras;
    int paidOff = t.kind == LoanKind && !s.tooLarge && s.ended ? s.month : t.months;
    bool monthly = MonthlyApplies(e, t.months) && e.from > paidOff;
    bool once = OnceApplies(e, t.months) && e.onceMonth > paidOff;
    if (monthly || once) {
        out.Put(" The loan is paid off in month ");
        out.Put(CountText(paidOff));
        out.Put(", before ");
        PutExtraMonths(out, monthly, once, e, "the ");
        out.Put(monthly && once ? ": they are not needed." : ": it is not needed.");
    }
    monthly = MonthlyTooLate(e, t.months);
    once = OnceTooLate(e, t.months);
    if (monthly || once) {
        PutExtraMonths(out, monthly, once, e, " The ");
        out.Put(monthly && once ? " fall after the last month, " : " falls after the last month, ");
        out.Put(CountText(t.months));
        out.Put(monthly && once ? ", and are not applied." : ", and is not applied.");
    }
}

void StatementNote(const Statement& statement, char* text)
{
    LoadFpuControl();
    TextWriter out{text, StatementTextSize, 0};
    text[0] = '\0';
    bool extras = HasExtras(statement.terms.extras, statement.terms.months);
    if (statement.terms.kind == LoanKind)
        (extras ? LoanExtrasNote : LoanNote)(statement, out);
    else
        (extras ? WorthExtrasNote : WorthNote)(statement, out);
    UnusedExtrasNote(statement, out);
}
