// The texts that can be the widest in each column of a statement: a column
// made as wide as the widest of them is never narrower than any of its
// cells, so a list need not measure every cell.
#ifndef LEDGERLY_WIDEST_H
#define LEDGERLY_WIDEST_H

#include "finance/columns.h"

// A column's texts to measure. A number's digits are all written as the
// font's widest digit, so the texts hold for any font in which a text is
// as wide as its characters together (as Windows measures a line without
// kerning): a cell is never wider than the text of its kind with as many
// digits or more. Besides them, "Total", "Value is too large" and a date's
// month names, where the column has such cells.
constexpr int MaxWidestTexts = 14;
constexpr int WidestTextSize = 48;
struct WidestTexts {
    int count;
    char text[MaxWidestTexts][WidestTextSize];
};

// The texts of every column of a statement shown as these rows (the total
// row last), with the font's widest digit.
void StatementWidestTexts(const StatementTerms& terms, const StatementRow* rows, int count,
                          char widestDigit, WidestTexts widest[MaxStatementColumns]);

#endif
