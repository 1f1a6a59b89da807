// What the term boxes and the page fields show, and the terms used: the
// value used is always the value shown, so reading a box twice gives the
// same term and the same text.
#ifndef LEDGERLY_TERMS_H
#define LEDGERLY_TERMS_H

// The month count used for a value read from the Month box: clamped to
// 1...1200 and truncated toward zero.
int MonthsUsed(double typed);
// The Month box's text for a month count: the whole number.
const char* MonthText(int months);

// The rate used for a value read from the Interest Rate box: clamped to
// 0.1...1000, then the value of its text (RateText), so a rate with more
// than ten decimals is used rounded to ten.
double RateUsed(double typed);
// The rate used for a rate written with the given places (2 to 10): clamped,
// rounded to those places, and read back as the box reads its text.
double RateWithPlaces(double rate, int places);

// A rate's text, in the box and in its list: ten places, trailing zeros
// dropped while more than two remain ("7.80", "0.50", "6.125").
// Returns a buffer of its own that the next call overwrites.
const char* RateText(double rate);

// The amount a page field holds once a calculation has written it back:
// capped at MaxAmount, with two places, read again.
double FieldAmount(double typed);

// A page's output text for a result of the given input amount. A result
// that is no number (the growth overflowed) is shown as what it means:
// every result is proportional to the amount, so 0.00 for an amount of 0,
// otherwise too large to show. Returns the number text's buffer or a constant.
const char* ResultText(double result, double amount);

// The output text of a page of this kind (a PageKind) for a direction: its
// formula's result from the input amount at the terms used, as "Calculate It"
// shows it. Returns what ResultText returns.
const char* PageResultText(int kind, int direction, double amount, int months,
                           double annualRate, double monthlyRate);

#endif
