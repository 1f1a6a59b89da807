// Extra payments into a loan, or extra savings into a worth: as the
// Schedule box's fields give them, and what each month gets of them.
#ifndef LEDGERLY_EXTRAS_H
#define LEDGERLY_EXTRAS_H

// The extras in whole cents: an amount each month from a month on, and a
// one-off in a month. Months lie between 1 and 1200, as typed: an extra
// from a month after the statement's last, or a one-off in such a month,
// is not applied.
struct StatementExtras {
    long long monthly;
    int from;
    long long once;
    int onceMonth;
};

// An amount field's text read as a page reads its input (lenient, capped,
// whole cents as its two-place text shows it): its cents.
long long FieldCents(const char* text);

// The extras as the Schedule box reads its four fields: each amount as a
// page reads its input (lenient, capped, whole cents as its two-place text
// shows it), each month as the Month box is read (its first word, whole
// months, 1 to 1200).
StatementExtras ExtrasOfTexts(const char* monthly, const char* from, const char* once,
                              const char* onceMonth);

// Whether the extra each month, the one-off, or either, is set and applied
// in a statement of so many months; and whether it is set but falls after
// the statement's last month.
bool MonthlyApplies(const StatementExtras& extras, int months);
bool OnceApplies(const StatementExtras& extras, int months);
bool HasExtras(const StatementExtras& extras, int months);
bool MonthlyTooLate(const StatementExtras& extras, int months);
bool OnceTooLate(const StatementExtras& extras, int months);

// The extra paid or saved in a month: the monthly one from its month on,
// and the one-off in its month.
long long ExtraInMonth(const StatementExtras& extras, int month);

#endif
