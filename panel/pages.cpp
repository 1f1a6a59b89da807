// The Loan, Investment and Saving pages, their calculation, and their solving
// for the term or the rate.
#include "finance/formulas.h"
#include "finance/solver.h"
#include "finance/terms.h"
#include "panel/parts.h"
#include "res/resource.h"
#include "runtime/runtime.h"

int ReadDirection(HWND page)
{
    return SendDlgItemMessageA(page, IDC_LEFTTORIGHT, BM_GETCHECK, 0, 0) == BST_CHECKED
               ? LeftToRight
               : RightToLeft;
}

// The radio pair is the only store of the direction.
static void SetDirection(HWND page, int direction)
{
    bool left = direction == LeftToRight;
    SendDlgItemMessageA(page, IDC_LEFTTORIGHT, BM_SETCHECK, left ? BST_CHECKED : BST_UNCHECKED, 0);
    SendDlgItemMessageA(page, IDC_RIGHTTOLEFT, BM_SETCHECK, left ? BST_UNCHECKED : BST_CHECKED, 0);
}

// Reads a page field as an amount and caps it.
static double ReadAmount(HWND page, int field)
{
    char text[FieldTextSize] = "";
    GetDlgItemTextA(page, field, text, FieldTextSize);
    return CapAmount(ParseNumber(text, ParseUnsigned));
}

// Reads a page field as an amount, caps it, writes it back with two places
// and returns the amount that text reads as: the cent shown is the cent
// used, so a second calculation finds the same amount.
static double ShowAmount(HWND page, int field)
{
    double amount = FieldAmount(ReadAmount(page, field));
    RewriteField(page, field, FormatNumber(amount, 2));
    return amount;
}

static int InputField(int direction)
{
    return direction == LeftToRight ? IDC_LEFTFIELD : IDC_RIGHTFIELD;
}

static int OutputField(int direction)
{
    return direction == LeftToRight ? IDC_RIGHTFIELD : IDC_LEFTFIELD;
}

// Reads the input field, caps the amount, shows the amount used in the input
// field and the page's result for the direction in the output field. The
// terms are reread from their boxes first. A result too large for a double
// is said in words, never shown as a number.
static void CalculateIt(HWND page, int kind)
{
    LoadFpuControl();  // whatever other code left on the thread
    int direction = ReadDirection(page);
    ReadTerms(MainPanel);
    double amount = ShowAmount(page, InputField(direction));
    RewriteField(page, OutputField(direction),
                 PageResultText(kind, direction, amount, Months, AnnualRate, MonthlyRate));
}

// Solves the page for its term or its rate: the terms and the input field
// are read as a calculation reads them, without writing anything; the input
// field's amount is x, the output field's whole text the target. Where the
// term found gives the target it goes into its box, and the page is
// calculated as "Calculate It" does, which writes back the terms, the input
// and the result at that term: each control at most twice, the output field
// once. Any other solve writes nothing, so every field and both boxes keep
// what was typed, and says why in a message box of the main window's, with
// the nearest term or rate and its result.
static void SolveIt(HWND page, int kind, int unknown)
{
    LoadFpuControl();
    int direction = ReadDirection(page);
    int months = 0;
    double rate = 0;
    PeekTerms(MainPanel, &months, &rate);
    char target[FormatResultSize] = "";  // the longest result, whole
    GetDlgItemTextA(page, OutputField(direction), target, FormatResultSize);
    SolveInput input = {kind, direction, ReadAmount(page, InputField(direction)), target};
    int outcome = unknown == SolveForMonths ? SolveMonths(input, rate, &months)
                                            : SolveRate(input, months, &rate);
    if (outcome == Solved) {
        if (unknown == SolveForMonths)
            SetDlgItemTextA(MainPanel, IDC_MONTHBOX, MonthText(months));
        else
            SetDlgItemTextA(MainPanel, IDC_RATEBOX, RateText(rate));
        CalculateIt(page, kind);
        return;
    }
    char text[SolveMessageSize];
    SolveMessage(input, unknown, outcome, months, rate, text);
    MessageBoxA(GetParent(PanelHost), text, "Ledgerly", MB_OK | MB_ICONINFORMATION);
}

// A label click sends the calculator display's text, unchanged, into its
// field and makes that field the input. Nothing is calculated.
static void TakeDisplay(HWND page, int field, int direction)
{
    SendDisplayInto(page, field);
    SetDirection(page, direction);
}

// Commands are told apart by id alone; the edits' notifications and the
// tab strip's id, passed on by the panel, are ignored.
static void OnPageCommand(HWND page, WORD id, int kind)
{
    switch (id) {
    case IDC_CALCULATE:
        CalculateIt(page, kind);
        break;
    case IDC_LEFTLABEL:
        TakeDisplay(page, IDC_LEFTFIELD, LeftToRight);
        break;
    case IDC_RIGHTLABEL:
        TakeDisplay(page, IDC_RIGHTFIELD, RightToLeft);
        break;
    default:
        break;
    }
}

// The page fields as the system made them; the same for every field.
static WNDPROC PlainFieldProc;

// A page field: Enter, Esc and Tab do nothing; every other key is the edit
// control's own.
static LRESULT CALLBACK FieldEditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    return FieldMessage(PlainFieldProc, field, message, wParam, lParam);
}

static void WatchField(HWND field)
{
    WNDPROC plain = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldEditProc)));
    if (!PlainFieldProc)
        PlainFieldProc = plain;
}

// The shape shared by the three pages. A new page starts with both fields
// empty and the left field as input.
static INT_PTR PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam, int kind)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDirection(page, LeftToRight);
        WatchField(GetDlgItem(page, IDC_LEFTFIELD));
        WatchField(GetDlgItem(page, IDC_RIGHTFIELD));
        AddLongTextMarks(page);
        return FALSE;
    case WM_COMMAND:
        OnPageCommand(page, LOWORD(wParam), kind);
        ShowPageLongText(page, LOWORD(wParam));
        return FALSE;
    case WM_CTLCOLORSTATIC:
        return LongTextMarkColours(wParam, lParam);  // a long text's mark
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK LoanPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProc(page, message, wParam, lParam, LoanKind);
}

INT_PTR CALLBACK InvestmentPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProc(page, message, wParam, lParam, InvestmentKind);
}

INT_PTR CALLBACK SavingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProc(page, message, wParam, lParam, SavingKind);
}

// The shown page and its kind; null while no page is shown.
static HWND ShownPage(int* kind)
{
    *kind = ShownTab();
    return PageOf(*kind);
}

bool CalculateShownPage(PageCalculation* shown)
{
    int kind;
    HWND page = ShownPage(&kind);
    if (!page)
        return false;
    CalculateIt(page, kind);
    shown->kind = kind;
    shown->direction = ReadDirection(page);
    shown->months = Months;
    shown->rate[0] = '\0';
    shown->left[0] = '\0';
    shown->right[0] = '\0';
    GetWindowTextA(RateBox, shown->rate, FieldTextSize);
    GetDlgItemTextA(page, IDC_LEFTFIELD, shown->left, FormatResultSize);
    GetDlgItemTextA(page, IDC_RIGHTFIELD, shown->right, FormatResultSize);
    return true;
}

void SolveShownPage(int unknown)
{
    int kind;
    HWND page = ShownPage(&kind);
    if (page)
        SolveIt(page, kind, unknown);
}
