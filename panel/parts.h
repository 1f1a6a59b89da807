// What the panel's own files share with each other (and its tests): the
// handles, the terms, the pages, the fields and their long-text marks.
#ifndef LEDGERLY_PANEL_PARTS_H
#define LEDGERLY_PANEL_PARTS_H

#include "finance/formulas.h"
#include "panel/panel.h"

// Process-wide handles of the panel (panel.cpp). A page's handle is null
// until its tab is first selected.
extern HWND TabStrip;
extern HWND MonthBox;
extern HWND RateBox;
extern HWND LoanPage;
extern HWND InvestmentPage;
extern HWND SavingPage;

// The panel and page switching (panel.cpp).
INT_PTR CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
void BroadcastToPages(UINT message, WPARAM wParam, LPARAM lParam);
// The selected tab's PageKind, -1 for none; a page's handle by kind, null
// until the page exists.
int ShownTab();
HWND PageOf(int kind);

// The loan terms (termboxes.cpp): the Month and Interest Rate boxes.
extern int Months;
extern double AnnualRate;
extern double MonthlyRate;
void ReadTerms(HWND panel);
// The terms a calculation would use, read from the boxes as ReadTerms reads
// them, without writing anything.
void PeekTerms(HWND panel, int* months, double* annualRate);
void HandleTermCommand(WORD id, WORD code);
void WatchTermBoxes();
// The width a term box needs to show its widest text whole in its edit
// field, in its own font: the Month box each item of its list and every
// count, the Interest Rate box every rate with up to three places below
// 1000 and "1000.00".
int TermBoxWidth(HWND box);

// The calculation pages (pages.cpp).
int ReadDirection(HWND page);  // a Direction
INT_PTR CALLBACK LoanPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK InvestmentPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SavingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// What a page field and a term box's edit field answer alike (fields.cpp),
// given the edit control's own procedure: Enter, Esc and Tab, which reach
// them as characters (the panel and the pages run without the dialog
// manager), do nothing; the field's mark is drawn again over what the field
// paints.
LRESULT FieldMessage(WNDPROC plain, HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
// A label click: the calculator display's text, unchanged, into a field or
// term box of the given window.
void SendDisplayInto(HWND parent, int id);
// A field's or term box's text written by a calculation; where the focus is
// in it, the caret stands at the end of the new text.
void RewriteField(HWND parent, int id, const char* text);

// Controls too narrow for their text (longtext.cpp): a mark and a tip, on
// the page fields, the term boxes' edit fields and the calculator display.
// An edit field's mark sits above its holder: the field, or its term box.
void AddLongTextMark(HWND field, HWND holder);
void AddDisplayMark(HWND display);
void AddLongTextMarks(HWND page);
void ShowLongText(HWND field);
// A text set into an edit field that has the focus (given true), shown from
// its first character and marked where it does not fit, until the user edits
// it or moves the caret (given false: shown as typed again); whether such a
// text is shown marked now.
void ShowGivenText(HWND field, bool given);
bool MarksGivenText(HWND field);
void ShowPageLongText(HWND page, int id);
void RepaintLongTextMark(HWND field);
bool PaintMarkedDisplay(HWND display);
INT_PTR LongTextMarkColours(WPARAM wParam, LPARAM lParam);

// The calculator display watched for a text too wide for it
// (keypaddisplay.cpp, which also gives the keypad its display).
void WatchDisplay();

#endif
