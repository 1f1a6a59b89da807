// The main panel: term boxes, tab strip, keypad, and the calculation pages.
#ifndef LEDGERLY_PANEL_H
#define LEDGERLY_PANEL_H

#include <windows.h>

// Process-wide handles of the panel (panel.cpp). A page's handle is null
// until its tab is first selected.
extern HWND MainPanel;
extern HWND TabStrip;
extern HWND MonthBox;
extern HWND RateBox;
extern HWND LoanPage;
extern HWND InvestmentPage;
extern HWND SavingPage;

// Panel and page switching (panel.cpp).
void CreateMainPanel();
INT_PTR CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
void SelectTab(int index);
void SelectPage();
void BroadcastToPages(UINT message, WPARAM wParam, LPARAM lParam);
void FocusFirstField();
void ShowKeyboardCues();
// The selected tab's index (0 Loan, 1 Investment, 2 Saving, -1 none) and a
// page's handle by index, null until the page exists.
int ShownTab();
HWND PageOf(int index);

// Loan terms (terms.cpp): the Month and Interest Rate boxes.
extern int Months;
extern double AnnualRate;
extern double MonthlyRate;
void ReadTerms(HWND panel);
int FillMonthList();
void FillRateList();
void HandleTermCommand(WORD id, WORD code);
void WatchTermBoxes();

// What a page field and a term box's edit field answer alike, given the edit
// control's own procedure: Enter, Esc and Tab, which reach them as
// characters (the panel and the pages run without the dialog manager), do
// nothing; the field's mark is drawn again over what the field paints
// (terms.cpp).
LRESULT FieldMessage(WNDPROC plain, HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// Calculation pages (pages.cpp).
enum Direction : int { LeftToRight = 1, RightToLeft = 2 };
int ReadDirection(HWND page);
INT_PTR CALLBACK LoanPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK InvestmentPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SavingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Controls too narrow for their text (longtext.cpp): a mark and a tip, on
// the page fields, the term boxes' edit fields and the calculator display.
// An edit field's mark sits above its holder: the field, or its term box.
void AddLongTextMark(HWND field, HWND holder);
void AddDisplayMark(HWND display);
void AddLongTextMarks(HWND page);
void ShowLongText(HWND field);
void ShowPageLongText(HWND page, int id);
void RepaintLongTextMark(HWND field);
bool PaintMarkedDisplay(HWND display);
HWND LongTextMark(HWND field);
bool IsLongTextMark(HWND control);
INT_PTR LongTextMarkColours(WPARAM wParam, LPARAM lParam);
// A device context of a control with the control's font selected, for
// measuring its texts, and its release.
struct FontDc {
    HWND control;
    HDC dc;
    HGDIOBJ old;
};
FontDc GetFontDc(HWND control);
void ReleaseFontDc(const FontDc& f);

// The calculator display watched for a text too wide for it (display.cpp).
void WatchDisplay();

// The Schedule box (schedulebox.cpp): the shown page's calculation carried
// out, then its month-by-month statement.
void OpenSchedule(HWND owner);
INT_PTR CALLBACK ScheduleBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

#endif
