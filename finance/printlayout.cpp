// Which rows of a printed statement go on which page.
#include "finance/printlayout.h"

void LayOutPages(int pageLines, int headingLines, int noteLines, int rows, PrintedPages* pages)
{
    int note = noteLines > 0 ? noteLines + 1 : 0;
    int first = 0;
    int page = 0;
    for (;;) {
        pages->first[page] = first;
        int room = pageLines - PageFixedLines - (page ? 0 : headingLines + 1);
        int left = rows - first;
        if (left + note <= room || left <= 1)
            break;
        // The rows that fit, leaving one at least for the last page.
        int take = room < left - 1 ? room : left - 1;
        first += take > 1 ? take : 1;
        ++page;
    }
    pages->count = page + 1;
    pages->first[page + 1] = rows;
}
