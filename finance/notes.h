// The line above a statement and the note below it: the terms and extras
// it follows, and what its figures mean and what the extras did.
#ifndef LEDGERLY_NOTES_H
#define LEDGERLY_NOTES_H

#include "finance/statement.h"

// Room for either text: the page's longest texts.
constexpr int StatementTextSize = 2 * FormatResultSize;

// The heading names the page's amounts and terms, the extras and the first
// payment; the note, after the statement has ended, says what it came to,
// and what the extras did against the same statement without them.
void StatementHeading(const StatementTerms& terms, char* text);
void StatementNote(const Statement& statement, char* text);

#endif
