// The main panel as the shell and the Schedule box use it: its creation,
// the tab selection, the focus, a page's calculation and its solving for a
// term, the Loan Cost box, and a control's font.
#ifndef LEDGERLY_PANEL_H
#define LEDGERLY_PANEL_H

#include <windows.h>
#include "numtext/numtext.h"

// Set by the shell, each once, before the panel is created: the program's
// instance (for every template and control the panel and its boxes create)
// and the tree view that the panel lives in.
extern HINSTANCE AppInstance;
extern HWND PanelHost;

// The panel: a modeless dialog filling PanelHost, created by CreateMainPanel
// with the term boxes, the tab strip and the keypad, no page yet.
extern HWND MainPanel;
void CreateMainPanel();

// Whether the panel's dialog units are those the window's fixed size was
// made for: "MS Sans Serif" 8 at 96 DPI.
bool PanelAtReferenceUnits();

// Selects a tab (a PageKind) and shows its page, creating it the first time.
void SelectTab(int index);
// The focus to the control after the tab strip: the keypad's "7" key.
void FocusFirstField();
// The focus rectangle shown, as after a key press.
void ShowKeyboardCues();

// What the shown page shows after its calculation: its kind and direction,
// the months used, the text of the Interest Rate box (the rate used, as
// written) and the whole texts of its two fields.
struct PageCalculation {
    int kind;       // a PageKind
    int direction;  // a Direction
    int months;
    char rate[FieldTextSize];
    char left[FormatResultSize];
    char right[FormatResultSize];
};

// Carries out the shown page's calculation as its "Calculate It" does and
// fills shown; false while no page is shown.
bool CalculateShownPage(PageCalculation* shown);

// Solves the shown page for its term or its rate (a SolveFor): the term found
// goes into its box, and the page is calculated at it as "Calculate It" does.
// Where no term gives the target nothing is written, and a message box says
// why. Nothing happens while no page is shown.
void SolveShownPage(int unknown);

// Shows the Loan page and calculates it as its "Calculate It" does, then
// opens the Loan Cost box, modal, owned by owner: what its loan costs with
// the fees and points paid at the start. With the loan or the payment
// empty or 0 a message box names the field, and no box opens.
void OpenLoanCost(HWND owner);

// A device context of a control with the control's font selected, for
// measuring its texts, and its release.
struct FontDc {
    HWND control;
    HDC dc;
    HGDIOBJ old;
};
FontDc GetFontDc(HWND control);
void ReleaseFontDc(const FontDc& f);

#endif
