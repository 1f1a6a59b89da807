// The Loan Cost box: what the Loan page's loan costs with the fees and
// points paid at the start, the figures following the two fields as they
// are typed.
#include <windows.h>
#include "finance/formulas.h"
#include "finance/loancost.h"
#include "finance/statement.h"
#include "panel/panel.h"
#include "res/resource.h"
#include "runtime/runtime.h"

// The loan and payment the Loan page shows, as its statement takes them.
static StatementTerms CostTerms;

// What the two fields hold, kept while the program runs: the next opening
// shows them again. Nothing is saved.
static char FeesTyped[FieldTextSize];
static char PointsTyped[FieldTextSize];

// The box follows its fields only once it has filled them at opening.
static bool CostBoxReady;

// The page's field that is empty or 0 after its calculation, or null. Where
// both are, the input was: the result follows from it.
static const char* MissingField(const PageCalculation& shown)
{
    long long loan = 0, payment = 0;
    bool noLoan = ParseCents(shown.left, &loan) && loan == 0;
    bool noPayment = ParseCents(shown.right, &payment) && payment == 0;
    if (noLoan && (!noPayment || shown.direction == LeftToRight))
        return "Loan";
    return noPayment ? "Monthly Payment" : nullptr;
}

static INT_PTR CALLBACK LoanCostBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

void OpenLoanCost(HWND owner)
{
    SelectTab(LoanKind);
    PageCalculation shown;
    if (!CalculateShownPage(&shown))
        return;
    const char* missing = MissingField(shown);
    if (missing) {
        char text[256];
        wsprintfA(text,
                  "Loan Cost needs a loan and a monthly payment, and the %s field is empty "
                  "or 0. Type the loan or the monthly payment, then choose Loan Cost again.",
                  missing);
        MessageBoxA(owner, text, "Ledgerly", MB_OK | MB_ICONINFORMATION);
        return;
    }
    CostTerms = TermsOfPage(LoanKind, shown.direction, shown.months, shown.rate, shown.left,
                            shown.right);
    DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_LOANCOSTBOX), owner, LoanCostBoxProc, 0);
}

// The figures for the fields as they hold them now, which are kept.
static void ShowCost(HWND box)
{
    GetDlgItemTextA(box, IDC_COSTFEES, FeesTyped, FieldTextSize);
    GetDlgItemTextA(box, IDC_COSTPOINTS, PointsTyped, FieldTextSize);
    LoanCost cost;
    WorkOutLoanCost(CostTerms, FeesOfText(FeesTyped), PointsOfText(PointsTyped), &cost);
    const char* figures[] = {cost.financed, cost.charge, cost.total,
                             cost.apr,      cost.effective, cost.note};
    for (int f = 0; f < 6; ++f)
        SetDlgItemTextA(box, IDC_AMOUNTFINANCED + f, figures[f]);
}

// A field written back as it is used, once it loses the focus: the fees
// with two places, the points as a rate is written, empty for none.
static void WriteBackCostField(HWND box, int id)
{
    char shown[FieldTextSize] = "";
    GetDlgItemTextA(box, id, shown, FieldTextSize);
    const char* used = id == IDC_COSTFEES ? FeesText(FeesOfText(shown))
                                          : PointsText(PointsOfText(shown));
    if (lstrcmpA(shown, used) != 0)
        SetDlgItemTextA(box, id, used);
}

// The fields as they were left, each holding no more than is read; the
// focus goes to the first.
static void FillCostBox(HWND box)
{
    CostBoxReady = false;
    SendDlgItemMessageA(box, IDC_COSTFEES, EM_LIMITTEXT, FieldTextSize - 1, 0);
    SendDlgItemMessageA(box, IDC_COSTPOINTS, EM_LIMITTEXT, FieldTextSize - 1, 0);
    SetDlgItemTextA(box, IDC_COSTFEES, FeesTyped);
    SetDlgItemTextA(box, IDC_COSTPOINTS, PointsTyped);
    ShowCost(box);
    CostBoxReady = true;
}

// The figures follow every change of a field at once.
static void OnCostField(HWND box, int id, WORD code)
{
    if (!CostBoxReady)
        return;
    if (code == EN_CHANGE)
        ShowCost(box);
    else if (code == EN_KILLFOCUS)
        WriteBackCostField(box, id);
}

// Close, Enter, Esc and the close button close the box.
static INT_PTR OnCostCommand(HWND box, WORD id, WORD code)
{
    switch (id) {
    case IDOK:
    case IDCANCEL:
        EndDialog(box, 0);
        break;
    case IDC_COSTFEES:
    case IDC_COSTPOINTS:
        OnCostField(box, id, code);
        break;
    default:
        break;
    }
    return TRUE;
}

// F1 opens nothing: passed on, the request would reach the main window and
// open the Help box on top of this one.
static INT_PTR CALLBACK LoanCostBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        FillCostBox(box);
        return TRUE;
    case WM_HELP:
        return TRUE;
    case WM_COMMAND:
        return OnCostCommand(box, LOWORD(wParam), HIWORD(wParam));
    default:
        return FALSE;
    }
}
