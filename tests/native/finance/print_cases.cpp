// The printed statement's pages: which rows each page holds, worked out by
// hand for a few pages and checked against the layout's rules for many.
#include "finance/printlayout.h"
#include "tests/harness.h"

// A page's lines: the fixed three, the heading's on the first page, the
// note's on the last, each with its blank line, and the rows.
static int LinesOn(const PrintedPages& p, int page, int heading, int note)
{
    int lines = 3 + p.first[page + 1] - p.first[page];
    if (page == 0)
        lines += heading + 1;
    if (page == p.count - 1 && note > 0)
        lines += note + 1;
    return lines;
}

// Every row once and in order, each page within its lines unless it holds a
// single row, and no page but the last could have taken another row, but
// the one before the last where it leaves the Total row alone to the last.
static void CheckRules(int pageLines, int heading, int note, int rows)
{
    static PrintedPages p;
    LayOutPages(pageLines, heading, note, rows, &p);
    bool ok = p.count >= 1 && p.count <= rows && p.first[0] == 0 && p.first[p.count] == rows;
    for (int page = 0; ok && page < p.count; ++page) {
        int held = p.first[page + 1] - p.first[page];
        ok = held >= 1 && (held == 1 || LinesOn(p, page, heading, note) <= pageLines);
        bool full = LinesOn(p, page, heading, 0) + (page == p.count - 1 ? note + 1 : 1) > pageLines;
        bool totalAlone = page == p.count - 2 && p.first[page + 2] - p.first[page + 1] == 1;
        ok = ok && (page == p.count - 1 || full || totalAlone);
    }
    if (!ok)
        printf("    %d lines a page, heading %d, note %d, %d rows: %d pages\n", pageLines,
               heading, note, rows, p.count);
    CHECK(ok);
}

void CheckPrintedPages()
{
    struct Case {
        int pageLines, heading, note, rows;
        int count;
        int first[24];
    };
    const Case cases[] = {
        // One month and the Total row on one page.
        {60, 1, 2, 2, 1, {0, 2}},
        // 1200 months: 54 rows below a heading of two lines, then 57 a
        // page; 1147 more make 20 pages and 7 rows, which with the note's
        // four lines fit on the last.
        {60, 2, 3, 1201, 22, {0,   54,  111, 168, 225, 282, 339, 396, 453,  510,  567, 624,
                               681, 738, 795, 852, 909, 966, 1023, 1080, 1137, 1194, 1201}},
        // 30 years: 13 rows, 17, and the Total row with the note.
        {20, 3, 4, 31, 3, {0, 13, 30, 31}},
        // The Total row and the note do not fit below the rows: it goes on.
        {60, 2, 3, 55, 2, {0, 54, 55}},
        {60, 2, 3, 52, 2, {0, 51, 52}},
        {60, 2, 3, 50, 1, {0, 50}},
        {60, 2, 0, 54, 1, {0, 54}},
        {60, 2, 0, 55, 2, {0, 54, 55}},
        // No room for a row: one a page regardless.
        {4, 5, 5, 3, 3, {0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        static PrintedPages p;
        LayOutPages(c.pageLines, c.heading, c.note, c.rows, &p);
        CHECK_INT(p.count, c.count, "pages");
        for (int page = 0; page <= c.count && page <= p.count; ++page)
            CHECK_INT(p.first[page], c.first[page], "a page's first row");
    }
    const int rowCounts[] = {1, 2, 13, 101, 361, 1201};
    for (int pageLines = 1; pageLines <= 80; ++pageLines)
        for (int heading = 0; heading <= 6; heading += 2)
            for (int note = 0; note <= 8; note += 4)
                for (int rows : rowCounts)
                    CheckRules(pageLines, heading, note, rows);
}
