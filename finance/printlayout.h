// How a printed statement falls into pages: which of its rows each page
// holds, worked out from the page's height in lines alone.
#ifndef LEDGERLY_PRINTLAYOUT_H
#define LEDGERLY_PRINTLAYOUT_H

#include "finance/statement.h"

// A printed page in lines of text: the column names, its rows, one line
// each, and at its foot a blank line and "Page k of N". The first page
// begins with the heading's lines and a blank line; the last ends with the
// Total row and, where the note says anything, a blank line and the note's
// lines.
constexpr int PageFixedLines = 3;  // the column names, the blank line and the page's number

// The pages' first rows: page p holds rows first[p] to first[p + 1] - 1,
// and first[count] is the number of rows. Every page holds a row at least.
struct PrintedPages {
    int count;
    int first[MaxStatementRows + 1];
};

// Fills each page with as many rows as it has room for, in order; the last
// page holds the Total row (the last row) and the note after it, and where
// they do not fit below the rows before them, the rows that do not go on
// to a page of their own. Where a page has no room for a row even so (a
// heading or a note longer than a page), it holds one row regardless.
void LayOutPages(int pageLines, int headingLines, int noteLines, int rows, PrintedPages* pages);

#endif
