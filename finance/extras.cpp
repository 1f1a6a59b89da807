// Extra payments or savings, read from the Schedule box's fields.
#include "finance/extras.h"

#include "finance/amounttext.h"
#include "finance/terms.h"
#include "numtext/numtext.h"

long long FieldCents(const char* text)
{
    char copy[FieldTextSize];
    CopyText(copy, sizeof copy, text);
    long long cents = 0;
    ParseCents(FormatNumber(FieldAmount(ParseNumber(copy, ParseUnsigned)), 2), &cents);
    return cents;
}

// A month field of the box as the Month box is read.
static int ExtraMonth(const char* text)
{
    char copy[FieldTextSize];
    CopyText(copy, sizeof copy, text);
    return MonthsUsed(ParseNumber(copy, ParseFirstWord));
}

StatementExtras ExtrasOfTexts(const char* monthly, const char* from, const char* once,
                              const char* onceMonth)
{
    StatementExtras extras;
    extras.monthly = FieldCents(monthly);
    extras.from = ExtraMonth(from);
    extras.once = FieldCents(once);
    extras.onceMonth = ExtraMonth(onceMonth);
    return extras;
}

bool MonthlyApplies(const StatementExtras& extras, int months)
{
    return extras.monthly > 0 && extras.from <= months;
}

bool OnceApplies(const StatementExtras& extras, int months)
{
    return extras.once > 0 && extras.onceMonth <= months;
}

bool HasExtras(const StatementExtras& extras, int months)
{
    return MonthlyApplies(extras, months) || OnceApplies(extras, months);
}

bool MonthlyTooLate(const StatementExtras& extras, int months)
{
    return extras.monthly > 0 && extras.from > months;
}

bool OnceTooLate(const StatementExtras& extras, int months)
{
    return extras.once > 0 && extras.onceMonth > months;
}

long long ExtraInMonth(const StatementExtras& e, int month)
{
    long long extra = 0;
    if (month >= e.from)
        extra += e.monthly;
    if (month == e.onceMonth)
        extra += e.once;
    return extra;
}
