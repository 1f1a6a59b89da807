// What the Schedule box's own files share with each other: the statement
// the open box shows, its layout, its list, its clipboard and its printing.
#ifndef LEDGERLY_SCHEDULE_PARTS_H
#define LEDGERLY_SCHEDULE_PARTS_H

#include <windows.h>
#include "finance/columns.h"
#include "finance/notes.h"
#include "finance/statement.h"

// The statement the open box shows (schedulebox.cpp): the page's terms with
// the extras and the view its fields hold, its rows (the list draws them
// from here where it can), and its note.
extern StatementTerms ShownTerms;
extern StatementRow ShownRows[MaxStatementRows];
extern int ShownRowCount;
extern char StatementNoteText[StatementTextSize];

// The box's layout (layout.cpp). A control's rectangle in the box's client
// coordinates; the box laid out on its owner's monitor for the list's
// columns of a width, the heading of the shown statement, and the note's
// texts (the statement's, and Copy's), as it opens and after each change.
RECT PlaceOf(HWND box, int id);
RECT PlaceOfWindow(HWND box, HWND control);
// A control's text set where it differs from the one it shows: the same
// text written again would be drawn again.
void ShowText(HWND control, const char* text);
void LayOutScheduleBox(HWND box, int columnsWidth, bool opening);
// A static, and DrawText, break lines only between words. A text's words
// wider than a whole line of a width in a DC's font (a worth of hundreds of
// digits in the heading) are broken where the line is full, so every
// character is shown. Returns the new text in a buffer of its own, which
// the next call overwrites.
const char* BreakLongWords(HDC dc, int width, const char* text);

// The list (list.cpp). Made ready as the box opens: the list that draws its
// rows from ShownRows where the common controls can, or the template's,
// filled cell by cell (always where plain is asked for). Then the shown
// statement's columns and rows into it, the columns sized to their texts:
// returns the columns' total width. And what the list asks of the box.
HWND PrepareScheduleList(HWND box, bool plain);
int ShowScheduleRows(HWND box);
// What the list asks of the box: each cell's text where it draws its rows,
// and the row that typed text leads to, which the box answers (true).
bool OnScheduleListNotify(const NMHDR* header, LRESULT* answer);
// The width the list's border and vertical scroll bar take beside its
// columns.
int ScheduleListFrame();
// Each column's width as its widest text (its name or a cell's) needs in a
// DC's font: the list's, or a printer's.
void MeasureColumns(HDC dc, int widths[MaxStatementColumns]);

// The clipboard (clipboard.cpp). Copy: the shown statement's table onto the
// clipboard as text and as SYLK; the note line says what could not be
// copied, or the statement's note again. And every text Copy may put into
// the note line, so the box leaves room for the longest.
void CopySchedule(HWND box);
constexpr int CopyNoteCount = 5;
extern const char* const CopyNotes[CopyNoteCount];

// Printing (print.cpp): the shown statement on the printer chosen in the
// common Print dialog, owned by the box, as the list shows it.
void PrintSchedule(HWND box);

#endif
