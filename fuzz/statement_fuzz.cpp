// The month-by-month statement on any terms within the program's limits:
// every page, 1 to 1200 months, a rate of 0.1 to 1000 percent with up to ten
// places, and amounts below the statement's limit, read from the texts the
// boxes and the page would show. Each check below takes the terms; add more
// to Checks.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include "finance/statement.h"

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

static StatementTerms Decode(const uint8_t* data, size_t size)
{
    size_t at = 0;
    int kind = static_cast<int>(Take(data, size, &at, 1) % PageKindCount);
    int months = 1 + static_cast<int>(Take(data, size, &at, 2) % 1200);
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
    return TermsOfPage(kind, months, rateText, leftText, CentsText(right));
}

// Each month's interest, where known, is the balance before it times the
// rate over 1200 percent-months, exactly, rounded half up.
static void CheckInterest(const StatementTerms& terms)
{
    const Wide divisor = static_cast<Wide>(1200) * RateUnitsPerPercent;
    Statement s;
    StartStatement(&s, terms);
    long long before = terms.kind == SavingKind ? 0 : terms.left;
    bool known = true;
    StatementRow row;
    while (NextStatementRow(&s, &row)) {
        if (!(row.unknown & InterestUnknown)) {
            Wide product = static_cast<Wide>(before) * static_cast<Wide>(terms.rate);
            long long exact = static_cast<long long>((2 * product + divisor) / (2 * divisor));
            if (!known || row.interest != exact) {
                fprintf(stderr, "month %d: interest %lld on %lld at %s %%, exact %lld\n",
                        row.month, row.interest, before, terms.rateText, exact);
                abort();
            }
        }
        known = !(row.unknown & BalanceUnknown);
        before = row.balance;
    }
}

using Check = void (*)(const StatementTerms&);
static const Check Checks[] = {CheckInterest};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StatementTerms terms = Decode(data, size);
    for (Check check : Checks)
        check(terms);
    return 0;
}
