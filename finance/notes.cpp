// The heading above a statement and the note below it.
#include "finance/notes.h"

#include "finance/dates.h"
#include "runtime/runtime.h"

// The terms as the boxes show them.
static void PutTerms(TextWriter& out, const StatementTerms& terms)
{
    Compose(out, terms.months == 1 ? " at ^s % over ^n month" : " at ^s % over ^n months",
            terms.rateText, terms.months);
}

// The extras applied, after the page's terms.
static void PutExtras(TextWriter& out, const StatementTerms& terms)
{
    const StatementExtras& extras = terms.extras;
    if (MonthlyApplies(extras, terms.months))
        Compose(out, "; extra ^c a month from month ^n", extras.monthly, extras.from);
    if (OnceApplies(extras, terms.months))
        Compose(out, "; one-off ^c in month ^n", extras.once, extras.onceMonth);
}

void StatementHeading(const StatementTerms& terms, char* text)
{
    TextWriter out{text, StatementTextSize, 0};
    text[0] = '\0';
    if (terms.kind == LoanKind) {
        Compose(out, "Loan of ^s", terms.leftText);
        PutTerms(out, terms);
        Compose(out, ", paying ^s a month", terms.rightText);
    } else {
        Compose(out, terms.kind == InvestmentKind ? "Investment of ^s" : "Saving ^s a month",
                terms.leftText);
        PutTerms(out, terms);
        Compose(out, ", growing to ^s", terms.rightText);
    }
    PutExtras(out, terms);
    // An investment's first month, a saving's first saving.
    if (terms.firstMonth)
        Compose(out, "; first ^s ^s ^n",
                terms.kind == LoanKind ? "payment" : terms.kind == SavingKind ? "saving" : "month",
                MonthName(terms.firstMonth), terms.firstYear);
}

// An amount of a row or total, or UnknownCents where it is not known.
static long long Known(const StatementRow& row, unsigned bit, long long cents)
{
    return row.unknown & bit ? UnknownCents : cents;
}

// The limit as an amount, the month the balance or worth reached it, and
// what the statement does past it.
static void PutLimit(TextWriter& out, const Statement& s, const char* amount, const char* after)
{
    Compose(out, "The ^s reaches ^c", amount, StatementLimitCents);
    if (s.limitMonth)
        Compose(out, " in month ^n", s.limitMonth);
    Compose(out,
            ", the most the statement keeps in whole cents: from that month on it is not "
            "shown, ^s",
            after);
}

static void LoanNote(const Statement& s, TextWriter& out)
{
    if (s.tooLarge) {
        PutLimit(out, s, "balance",
                 "nor are the interest on it, the principal and the last payment.");
        return;
    }
    Compose(out, "Total interest ^c.", Known(s.total, InterestUnknown, s.total.interest));
    if (s.month < s.terms.months)
        Compose(out, " The loan is paid off in month ^n, with a last payment of ^c.", s.month,
                s.lastPayment);
    else if (s.lastPayment >= StatementLimitCents)
        out.Put(" The last payment is too large to show: it settles the balance the other "
                "payments leave.");
    else if (s.lastPayment != s.terms.right)
        Compose(out,
                " The last payment is ^c, not ^c: it settles the balance the other payments "
                "leave.",
                s.lastPayment, s.terms.right);
    else
        Compose(out, " Every payment is ^c.", s.lastPayment);
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
    bool given = t.direction == RightToLeft;
    if (given)
        Compose(out,
                "The ^s^s is the page's answer rounded to the cent, and each month's interest "
                "is credited in whole cents: the statement ends at ^c",
                t.kind == SavingKind ? "monthly saving of " : "present worth of ", t.leftText,
                s.balance);
    else
        Compose(out, "Each month's interest is credited in whole cents: the statement ends at ^c",
                s.balance);
    const char* page = given ? "the future worth given" : "the future worth the page worked out";
    long long final = s.balance;
    if (t.rightTooLarge)
        Compose(out, "; ^s, which keeps every fraction of a cent, reads ^s.", page, t.rightText);
    else if (final == t.right)
        Compose(out, ", as does ^s.", page);
    else
        Compose(out, final > t.right ? ", ^c more than ^s, ^c^s" : ", ^c less than ^s, ^c^s",
                final > t.right ? final - t.right : t.right - final, page, t.right,
                given ? "." : ", which keeps every fraction of a cent.");
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
    Compose(out, "With the extras the loan is paid off in month ^n", s.month);
    int sooner = plain.month - s.month;
    if (!plain.tooLarge && sooner > 0)
        Compose(out, sooner == 1 ? ", ^n month sooner" : ", ^n months sooner", sooner);
    else if (!plain.tooLarge)
        out.Put(", as without them");
    bool known = !(s.total.unknown & InterestUnknown);
    Compose(out, ", with a last payment of ^c. Total interest ^c",
            s.lastPayment >= StatementLimitCents ? UnknownCents : s.lastPayment,
            Known(s.total, InterestUnknown, s.total.interest));
    if (plain.tooLarge)
        Compose(out, "; without them the balance reaches ^c, the most the statement keeps.",
                StatementLimitCents);
    else if (known && !(plain.total.unknown & InterestUnknown))
        Compose(out, ", ^c less than without them.", plain.total.interest - s.total.interest);
    else
        out.Put(".");
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
    Compose(out,
            "Each month's interest is credited in whole cents: with the extras the statement "
            "ends at ^c, ^c more than without them; the extras add ^c in all.",
            s.balance, s.balance - plain.balance, Known(s.total, ExtraUnknown, s.total.extra));
}

// The extras named by their months, either or both: "the extra each month
// from month 250", "the one-off of month 300", joined by "and"; the first
// word with a capital where it starts a sentence.
static void PutExtraMonths(TextWriter& out, bool monthly, bool once, const StatementExtras& e,
                           const char* article)
{
    if (monthly)
        Compose(out, "^sextra each month from month ^n", article, e.from);
    if (once && monthly)
        Compose(out, " and the one-off of month ^n", e.onceMonth);
    else if (once)
        Compose(out, "^sone-off of month ^n", article, e.onceMonth);
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
    bool both = monthly && once;
    if (monthly || once) {
        Compose(out, " The loan is paid off in month ^n, before ", paidOff);
        PutExtraMonths(out, monthly, once, e, "the ");
        out.Put(both ? ": they are not needed." : ": it is not needed.");
    }
    monthly = MonthlyTooLate(e, t.months);
    once = OnceTooLate(e, t.months);
    both = monthly && once;
    if (monthly || once) {
        PutExtraMonths(out, monthly, once, e, " The ");
        Compose(out, both ? " fall after the last month, ^n, and are not applied."
                          : " falls after the last month, ^n, and is not applied.",
                t.months);
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
