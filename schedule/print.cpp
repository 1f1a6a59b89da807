// Print: the shown statement on paper, as the list shows it, on the printer
// chosen in the common Print dialog; the box that says which page is being
// printed, with Cancel, while the job runs.
#include "schedule/parts.h"

#include <commdlg.h>
#include "finance/printlayout.h"
#include "panel/panel.h"
#include "res/resource.h"

// What the Print dialog asks: the printer and its settings, the copies
// (which the printer's driver makes) and the pages, all or from one to
// another. Kept while the program runs, so the next dialog offers the
// printer and settings last chosen; all pages again.
static PRINTDLGA Choice;

// The box that shows the page being printed, and whether its Cancel was
// pressed.
static HWND PrintingBox;
static bool PrintCancelled;

// A job's pages, and the heading its first page begins with.
static PrintedPages Pages;
static char Heading[StatementTextSize];

// How a job's pages are laid out: the printer, the font, the text's
// rectangle on the page (in the printable area's coordinates), a line's
// height, the lines a page holds, the columns and the right end of each.
enum Edge { Left, Top, Right, Bottom };
struct Sheet {
    HDC dc;
    HFONT font;
    int area[4];  // by Edge
    int line;
    int lines;
    int columns;
    int ends[MaxStatementColumns];
};

// The text keeps 15 mm from the paper's edges (150 tenths of a millimetre,
// of 254 in an inch) and lies within the printable area; a driver that does
// not give the paper's size and offset (0) has margins from the printable
// area's edges. Arial at 10 points; where the columns do not fit across the
// page at that size (amounts of 17 digits in six columns), as much smaller
// as they need. The columns lie a line's height apart.
static void SetUpSheet(Sheet& s)
{
    static constexpr BYTE indexes[8] = {PHYSICALOFFSETX, PHYSICALWIDTH,  HORZRES, LOGPIXELSX,
                                        PHYSICALOFFSETY, PHYSICALHEIGHT, VERTRES, LOGPIXELSY};
    int caps[8];
    for (int i = 0; i < 8; ++i)
        caps[i] = GetDeviceCaps(s.dc, indexes[i]);
    for (int axis = 0; axis < 2; ++axis) {
        const int* c = caps + 4 * axis;  // offset, paper, printable, dots an inch
        int margin = c[3] * 150 / 254;
        int paper = c[1] > c[0] + c[2] ? c[1] : c[0] + c[2];
        int high = paper - c[0] - margin;
        s.area[Left + axis] = margin > c[0] ? margin - c[0] : 0;
        s.area[Right + axis] = high < c[2] ? high : c[2];
    }

    LOGFONTA font = {};
    font.lfHeight = -caps[7] * 10 / 72;
    memcpy(font.lfFaceName, "Arial", 6);
    s.columns = StatementColumns(ShownTerms);
    for (int tries = 0; tries < 2; ++tries) {
        s.font = CreateFontIndirectA(&font);
        DeleteObject(SelectObject(s.dc, s.font));
        SIZE size = {};
        GetTextExtentPoint32A(s.dc, "0", 1, &size);
        s.line = size.cy > 0 ? size.cy : 1;
        int widths[MaxStatementColumns];
        MeasureColumns(s.dc, widths);
        int end = s.area[Left] - s.line;
        for (int c = 0; c < s.columns; ++c)
            s.ends[c] = end += s.line + widths[c];
        if (end <= s.area[Right])
            break;
        font.lfHeight = font.lfHeight * (s.area[Right] - s.area[Left]) / (end - s.area[Left] + 1);
    }
    s.lines = (s.area[Bottom] - s.area[Top]) / s.line;
}

// A text from the area's left edge and a height down, up to a right end:
// one line (DT_LEFT or DT_RIGHT), or word-wrapped (DT_WORDBREAK), drawn or
// measured (DT_CALCRECT). Its height.
static int Draw(const Sheet& s, const char* text, int top, int right, UINT format)
{
    RECT r = {s.area[Left], top, right, s.area[Bottom]};
    if (format & DT_WORDBREAK)
        text = BreakLongWords(s.dc, right - s.area[Left], text);
    return DrawTextA(s.dc, text, -1, &r, format | DT_NOPREFIX);
}

static int LinesOf(const Sheet& s, const char* text)
{
    return *text ? Draw(s, text, 0, s.area[Right], DT_WORDBREAK | DT_CALCRECT) / s.line : 0;
}

// A page, counted from 0, with its number at its foot. The font is chosen
// again on every page: Windows 95 sets a printer's device context back to
// its defaults between pages. The column names, then the rows: the first
// column from the left, the others right-aligned at their ends, as in the
// list.
static void PutPage(const Sheet& s, int page, const char* number)
{
    SelectObject(s.dc, s.font);
    int y = s.area[Top];
    if (page == 0)
        y += Draw(s, Heading, y, s.area[Right], DT_WORDBREAK) + s.line;
    for (int row = Pages.first[page] - 1; row < Pages.first[page + 1]; ++row, y += s.line) {
        for (int c = 0; c < s.columns; ++c)
            Draw(s,
                 row < Pages.first[page] ? StatementColumnName(ShownTerms, c)
                                         : CellText(ShownTerms, ShownRows[row], c),
                 y, s.ends[c], c ? DT_RIGHT : DT_LEFT);
    }
    if (page == Pages.count - 1)
        Draw(s, StatementNoteText, y + s.line, s.area[Right], DT_WORDBREAK);
    Draw(s, number, s.area[Top] + (s.lines - 1) * s.line, s.area[Right], DT_RIGHT);
}

// Cancel, the box's one command (its button, Enter or Esc), stops the job.
static INT_PTR CALLBACK PrintingBoxProc(HWND, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        PrintCancelled = true;
        return TRUE;
    default:
        return FALSE;
    }
}

// Called by the system while it spools, and before each page: the messages
// waiting are handled, the box's Cancel among them (its keys through the
// dialog manager; every other window of the program is disabled). Whether
// to go on.
static BOOL CALLBACK AbortPrinting(HDC, int)
{
    MSG message;
    while (!PrintCancelled && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(PrintingBox, &message))
            DispatchMessageA(&message);
    }
    return !PrintCancelled;
}

// The pages from one to another (counted from 0) as one job, the box
// saying which page is being printed from the start of the job on. Whether
// it was printed: false where the printer failed or Cancel was pressed.
static bool PrintPages(const Sheet& s, int from, int to)
{
    SetAbortProc(s.dc, AbortPrinting);
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = "Ledgerly";
    bool printed = true;
    for (int page = from; printed && page <= to; ++page) {
        char text[48];
        wsprintfA(text, "Printing page %d of %d", page + 1, Pages.count);
        SetDlgItemTextA(PrintingBox, IDC_PRINTINGPAGE, text);
        printed = (page > from || StartDocA(s.dc, &document) > 0) && AbortPrinting(s.dc, 0) &&
                  StartPage(s.dc) > 0;
        if (printed) {
            text[9] = 'P';  // "Page k of N" at the page's foot
            PutPage(s, page, text + 9);
            printed = EndPage(s.dc) > 0;
        }
    }
    if (printed)
        return EndDoc(s.dc) > 0;
    AbortDoc(s.dc);
    return false;
}

// Cancel in the Print dialog prints nothing; with no printer installed the
// dialog itself says so. While the job runs, a box shows which page is
// being printed, and the Schedule box is disabled, so the statement stays
// as it is. A range with no page of the statement prints nothing, and a
// message box says so, as it says where the printer fails; Cancel in the
// box stops the job without one.
void PrintSchedule(HWND box)
{
    Choice.lStructSize = sizeof Choice;
    Choice.hwndOwner = box;
    Choice.Flags =
        PD_RETURNDC | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE;
    Choice.nFromPage = Choice.nToPage = Choice.nMinPage = Choice.nCopies = 1;
    Choice.nMaxPage = MaxStatementRows;
    if (!PrintDlgA(&Choice))
        return;
    StatementHeading(ShownTerms, Heading);
    Sheet s;
    s.dc = Choice.hDC;
    SetUpSheet(s);
    LayOutPages(s.lines, LinesOf(s, Heading), LinesOf(s, StatementNoteText), ShownRowCount,
                &Pages);
    int from = 1;
    int to = Pages.count;
    if (Choice.Flags & PD_PAGENUMS) {
        from = Choice.nFromPage > 1 ? Choice.nFromPage : 1;
        to = Choice.nToPage < to ? Choice.nToPage : to;
    }
    const char* failed = "The statement has no such page.";
    if (from <= to) {
        PrintCancelled = false;
        EnableWindow(box, FALSE);
        PrintingBox = CreateDialogParamA(AppInstance, MAKEINTRESOURCEA(IDD_PRINTINGBOX), box,
                                         PrintingBoxProc, 0);
        bool printed = PrintPages(s, from - 1, to - 1);
        EnableWindow(box, TRUE);
        DestroyWindow(PrintingBox);
        failed = printed || PrintCancelled ? nullptr : "The statement was not printed.";
    }
    if (failed)
        MessageBoxA(box, failed, "Ledgerly", MB_OK | MB_ICONEXCLAMATION);
    DeleteDC(s.dc);
    DeleteObject(s.font);
}
