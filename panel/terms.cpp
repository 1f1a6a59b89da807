// Loan terms: the Month and Interest Rate boxes, their lists and labels.
#include <windows.h>
#include "keypad/display.h"
#include "numtext/numtext.h"
#include "panel/formulas.h"
#include "panel/panel.h"
#include "res/resource.h"

int Months;
double AnnualRate;
double MonthlyRate;

// The month list: a count right-aligned in three characters, then the years.
// Reading stops at the first blank, so only the count matters.
static const char* const MonthItems[] = {
    " 12 ( 1 Yr )", " 24 ( 2 Yrs)", " 36 ( 3 Yrs)", " 48 ( 4 Yrs)", " 60 ( 5 Yrs)",
    "120 (10 Yrs)", "180 (15 Yrs)", "240 (20 Yrs)", "300 (25 Yrs)", "360 (30 Yrs)",
};
constexpr int MonthItemCount = sizeof MonthItems / sizeof MonthItems[0];

// Reads a box of the panel as a number, at most 29 characters of its text.
static double ReadBoxNumber(HWND panel, int id, int mode)
{
    char text[FieldTextSize] = "";
    GetDlgItemTextA(panel, id, text, FieldTextSize);
    return ParseNumber(text, mode);
}

// Rereads both boxes, clamps them, writes the values used back into the
// boxes and sets the three terms. The month box is done before the rate
// box is read.
void ReadTerms(HWND panel)
{
    double m = ClampMonths(ReadBoxNumber(panel, IDC_MONTHBOX, ParseFirstWord));
    Months = static_cast<int>(m);
    SetDlgItemTextA(panel, IDC_MONTHBOX, FormatNumber(m + MonthRounding, -1));

    double rate = ClampRate(ReadBoxNumber(panel, IDC_RATEBOX, ParseUnsigned));
    AnnualRate = rate;
    SetDlgItemTextA(panel, IDC_RATEBOX, FormatNumber(rate, 2));
    MonthlyRate = MonthlyRateOf(rate);
}

// The same ten terms on every drop-down, the first one selected.
void FillMonthList()
{
    SendMessageA(MonthBox, CB_RESETCONTENT, 0, 0);
    for (const char* item : MonthItems)
        SendMessageA(MonthBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(MonthBox, CB_SETCURSEL, 0, 0);
}

// Rates around the typed one, unclamped, in steps of 0.05; only values above
// zero are listed, and the typed rate (seventh from the end) is selected.
// The formatter's result is handed to the list as it is: it holds the text
// of any double, which a long typed number needs, and the list copies it.
void FillRateList()
{
    double typed = ReadBoxNumber(MainPanel, IDC_RATEBOX, ParseUnsigned);
    SendMessageA(RateBox, CB_RESETCONTENT, 0, 0);
    int count = 0;
    for (int k = -RateSteps; k <= RateSteps; ++k) {
        double value = typed + k * RateStep;
        if (value > 0) {
            SendMessageA(RateBox, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(FormatNumber(value, 2)));
            ++count;
        }
    }
    SendMessageA(RateBox, CB_SETCURSEL, count - (RateSteps + 1), 0);
}

// A label click sends the calculator display's text, unchanged, into a box.
static void CopyDisplayInto(int id)
{
    char text[FieldTextSize];
    ReadDisplay(text);
    SetDlgItemTextA(MainPanel, id, text);
}

void HandleTermCommand(WORD id, WORD code)
{
    switch (id) {
    case IDC_MONTHBOX:
        if (code == CBN_DROPDOWN)
            FillMonthList();
        break;
    case IDC_RATEBOX:
        if (code == CBN_DROPDOWN)
            FillRateList();
        break;
    case IDC_MONTHLABEL:
        CopyDisplayInto(IDC_MONTHBOX);
        break;
    case IDC_RATELABEL:
        CopyDisplayInto(IDC_RATEBOX);
        break;
    default:
        break;
    }
}
