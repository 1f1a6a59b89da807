// The month-by-month statement and its copied tables on any terms within
// the program's limits: every page, 1 to 1200 months, a rate of 0.1 to 1000
// percent with up to ten places, and amounts below the statement's limit,
// read from the texts the boxes and the page would show.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include "finance/notes.h"
#include "finance/statement.h"
#include "finance/table.h"

using Wide = unsigned __int128;

// A word from the input, little end first; zeros past its end.
static uint64_t Take(const uint8_t* data, size_t size, size_t* at, int bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i, ++*at)
        value |= static_cast<uint64_t>(*at < size ? data[*at] : 0) << (8 * i);
    return value;
}

// An amount below the limit, often small: a number of low bits chosen by
// the input, so every size is reached.
static long long Amount(const uint8_t* data, size_t size, size_t* at)
{
    int bits = static_cast<int>(Take(data, size, at, 1) % 61);
    uint64_t value = Take(data, size, at, 8) & ((1ull << bits) - 1);
    return static_cast<long long>(value % static_cast<uint64_t>(StatementLimitCents));
}

static StatementTerms Decode(const uint8_t* data, size_t size, size_t* position)
{
    size_t at = *position;
    uint64_t page = Take(data, size, &at, 1);
    int kind = static_cast<int>((page & 0x7F) % PageKindCount);
    int direction = page & 0x80 ? RightToLeft : LeftToRight;
    // Terms of every length, short ones as often as long ones in their
    // binary size, so a run goes through many statements.
    int bits = static_cast<int>(Take(data, size, &at, 1) % 12);
    int months = 1 + static_cast<int>((Take(data, size, &at, 2) & ((1u << bits) - 1)) % 1200);
    const uint64_t lowest = RateUnitsPerPercent / 10;
    uint64_t rate = lowest + Take(data, size, &at, 8) % (MaxRateUnits - lowest + 1);
    long long left = Amount(data, size, &at);
    long long right = Amount(data, size, &at);
    char rateText[FieldTextSize];
    snprintf(rateText, sizeof rateText, "%llu.%010llu",
             static_cast<unsigned long long>(rate / RateUnitsPerPercent),
             static_cast<unsigned long long>(rate % RateUnitsPerPercent));
    char leftText[FieldTextSize];
    snprintf(leftText, sizeof leftText, "%s", CentsText(left));
    StatementTerms terms = TermsOfPage(kind, direction, months, rateText, leftText,
                                       CentsText(right));
    // Extras as the box reads them: amounts up to its cap, any month.
    uint64_t extras = Take(data, size, &at, 1);
    if (extras & 1) {
        terms.extras.monthly = static_cast<long long>(Take(data, size, &at, 8) % 1000000000001ull);
        terms.extras.from = 1 + static_cast<int>(Take(data, size, &at, 2) % months);
    }
    if (extras & 2) {
        terms.extras.once = static_cast<long long>(Take(data, size, &at, 8) % 1000000000001ull);
        terms.extras.onceMonth = 1 + static_cast<int>(Take(data, size, &at, 2) % months);
    }
    terms.byYear = extras & 4;
    // On the calendar: a first payment in any month of a year the box takes.
    int month = static_cast<int>(extras >> 3 & 15);
    if (month >= 1 && month <= 12) {
        terms.firstMonth = month;
        terms.firstYear = 1900 + static_cast<int>(Take(data, size, &at, 2) % 8100);
    }
    *position = at;
    return terms;
}

static void Fail(const StatementTerms& terms, int month, const char* what)
{
    fprintf(stderr, "page %d, %d months at %s %%, %s and %s: month %d: %s\n", terms.kind,
            terms.months, terms.rateText, terms.leftText, terms.rightText, month, what);
    abort();
}

// One pass over the statement. Each month's interest, where known, is the
// balance before it times the rate over 1200 percent-months, exactly,
// rounded half up. Every known row adds up: a loan's payment is its
// interest and principal, and its balance falls by the principal; a worth
// grows by the interest and the saving. The totals are the sums of their
// columns, and a loan whose statement is known ends at 0.00. The heading
// and the note stay within their buffers.
static void CheckStatement(const StatementTerms& terms)
{
    const Wide divisor = static_cast<Wide>(1200) * RateUnitsPerPercent;
    bool loan = terms.kind == LoanKind;
    long long saving = terms.kind == SavingKind ? terms.left : 0;
    Statement s;
    StartStatement(&s, terms);
    long long before = terms.kind == SavingKind ? 0 : terms.left;
    bool known = true;
    Wide sums[4] = {};
    unsigned unknown = 0;
    int rows = 0;
    StatementRow row;
    while (NextStatementRow(&s, &row)) {
        if (row.month != ++rows)
            Fail(terms, row.month, "months out of order");
        if (!(row.unknown & InterestUnknown)) {
            Wide product = static_cast<Wide>(before) * static_cast<Wide>(terms.rate);
            long long exact = static_cast<long long>((2 * product + divisor) / (2 * divisor));
            if (!known || row.interest != exact)
                Fail(terms, row.month, "the interest is not the exact product rounded half up");
        }
        if (!(row.unknown & (BalanceUnknown | InterestUnknown))) {
            if (loan && (row.payment + row.extra != row.interest + row.principal ||
                         row.balance != before - row.principal))
                Fail(terms, row.month, "a loan's row does not add up");
            if (!loan && (row.payment != saving ||
                          row.balance != before + row.interest + saving + row.extra))
                Fail(terms, row.month, "a worth's row does not add up");
            if (row.extra < 0)
                Fail(terms, row.month, "a negative extra");
            if (row.interest < 0 || row.balance < 0)
                Fail(terms, row.month, "a negative interest or balance");
        }
        unknown |= row.unknown;
        sums[0] += static_cast<Wide>(row.payment);
        sums[1] += static_cast<Wide>(row.interest);
        sums[2] += static_cast<Wide>(row.principal);
        sums[3] += static_cast<Wide>(row.extra);
        known = !(row.unknown & BalanceUnknown);
        before = row.balance;
    }
    if (rows < 1 || rows > terms.months || (!loan && rows != terms.months))
        Fail(terms, rows, "a statement of no month or of other than its months");
    StatementRow total;
    FinishStatement(s, &total);
    const unsigned bits[4] = {PaymentUnknown, InterestUnknown, PrincipalUnknown, ExtraUnknown};
    const long long totals[4] = {total.payment, total.interest, total.principal, total.extra};
    for (int c = 0; c < 4; ++c) {
        if (!(total.unknown & bits[c]) &&
            ((unknown & bits[c]) || sums[c] != static_cast<Wide>(totals[c])))
            Fail(terms, 0, "a total is not the sum of its column");
    }
    if (loan && !(total.unknown & BalanceUnknown) && before != 0)
        Fail(terms, rows, "a known loan does not end at 0.00");

    // By year: twelve months a row, the last what is left; the years add up
    // to the same total, and the last year ends where the last month did.
    static StatementRow years[MaxStatementRows];
    StatementTerms yearly = terms;
    yearly.byYear = true;
    Statement end;
    int count = StatementRows(yearly, years, &end);
    // A year of the loan, or a calendar year from the first payment's.
    int first = terms.firstMonth ? terms.firstMonth - 1 : 0;
    int label = terms.firstMonth ? terms.firstYear : 1;
    if (count != (first + rows - 1) / 12 + 2)
        Fail(terms, rows, "not a row for each year");
    Wide yearSums[4] = {};
    for (int y = 0; y < count - 1; ++y) {
        yearSums[0] += static_cast<Wide>(years[y].payment);
        yearSums[1] += static_cast<Wide>(years[y].interest);
        yearSums[2] += static_cast<Wide>(years[y].principal);
        yearSums[3] += static_cast<Wide>(years[y].extra);
        if (years[y].month != label + y)
            Fail(terms, y + 1, "years out of order");
    }
    const StatementRow& yearTotal = years[count - 1];
    for (int c = 0; c < 4; ++c) {
        if (!(yearTotal.unknown & bits[c]) && yearSums[c] != static_cast<Wide>(totals[c]))
            Fail(terms, 0, "the years do not add up to the total");
    }
    if (count > 1 && !(years[count - 2].unknown & BalanceUnknown) &&
        years[count - 2].balance != before)
        Fail(terms, rows, "the last year does not end with the last month");

    char* text = static_cast<char*>(malloc(StatementTextSize));
    StatementHeading(terms, text);
    if (strlen(text) >= static_cast<size_t>(StatementTextSize))
        Fail(terms, 0, "a heading past its buffer");
    StatementNote(s, text);
    if (strlen(text) >= static_cast<size_t>(StatementTextSize))
        Fail(terms, 0, "a note past its buffer");
    free(text);
}

// The copied table in a form: the counting pass and the writing pass agree,
// the text is as long as counted and ends as its form does, and nothing is
// written past it (the block is exactly as large as counted, so
// AddressSanitizer sees a byte past it).
static void CheckTable(const StatementTerms& terms, int form)
{
    unsigned long counted = StatementTable(terms, form, nullptr);
    char* text = static_cast<char*>(malloc(counted));
    unsigned long written = StatementTable(terms, form, text);
    if (written != counted || strlen(text) + 1 != counted)
        Fail(terms, 0, "the counting and the writing pass disagree");
    const char* end = form == SylkTable ? "\r\nE\r\n" : "\r\n";
    size_t ending = strlen(end);
    if (counted < ending + 1 || strcmp(text + counted - 1 - ending, end) != 0)
        Fail(terms, 0, "a table that does not end as its form does");
    if (form == SylkTable && strncmp(text, "ID;P", 4) != 0)
        Fail(terms, 0, "SYLK that does not start with its ID record");
    free(text);
}

// The terms, and the form of the table checked with them: one form an
// input, so that each run goes through the statement three times only.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    size_t at = 0;
    StatementTerms terms = Decode(data, size, &at);
    int form = Take(data, size, &at, 1) % 2 ? SylkTable : TabSeparatedTable;
    CheckStatement(terms);
    CheckTable(terms, form);
    return 0;
}
