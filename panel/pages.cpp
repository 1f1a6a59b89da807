// The Loan, Investment and Saving pages.
#include <windows.h>
#include "panel/panel.h"
#include "res/resource.h"

int ReadDirection(HWND page)
{
    return SendDlgItemMessageA(page, IDC_LEFTTORIGHT, BM_GETCHECK, 0, 0) == BST_CHECKED
               ? LeftToRight
               : RightToLeft;
}

// A new page starts with the left field as input.
static INT_PTR PageProc(HWND page, UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(page, IDC_LEFTTORIGHT, BM_SETCHECK, BST_CHECKED, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK LoanPageProc(HWND page, UINT message, WPARAM, LPARAM)
{
    return PageProc(page, message);
}

INT_PTR CALLBACK InvestmentPageProc(HWND page, UINT message, WPARAM, LPARAM)
{
    return PageProc(page, message);
}

INT_PTR CALLBACK SavingPageProc(HWND page, UINT message, WPARAM, LPARAM)
{
    return PageProc(page, message);
}
