// The main window's procedure, its creation handler, the menu commands and
// the About and Help boxes.
#include <windows.h>
#include <commctrl.h>
#include "finance/formulas.h"
#include "finance/solver.h"
#include "panel/panel.h"
#include "res/resource.h"
#include "schedule/schedule.h"
#include "shell/shell.h"

HWND PanelHost;

// The control of the main window that had the keyboard focus when the window
// was last left (deactivated or minimised); it gets the focus back.
static HWND SavedFocus;

// The Help box, from the menu and from F1 alike; returns when it closes.
static void OpenHelpBox(HWND window)
{
    DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_HELPBOX), window, HelpBoxProc, 0);
}

// Builds the window's contents: the host, the panel, and the Loan page.
static LRESULT OnCreate(HWND window)
{
    InitCommonControls();
    RECT client;
    GetClientRect(window, &client);
    HWND host = CreateWindowExA(0, WC_TREEVIEWA, "Tree View Control",
                                WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES |
                                    TVS_LINESATROOT,
                                0, 0, client.right, client.bottom, window,
                                reinterpret_cast<HMENU>(IDC_PANELHOST), AppInstance, nullptr);
    if (!host) {
        ReportSystemError(PanelHostFailedLine, WndprocUnit);
        return -1;
    }
    PanelHost = host;
    CreateMainPanel();
    SelectTab(LoanKind);
    FitWindowToPanel(window);
    return 0;
}

// The host gets the colour change posted; the window's default handling
// sees the same zero parameters.
static void OnSysColorChange(HWND window)
{
    PostMessageA(GetDlgItem(window, IDC_PANELHOST), WM_SYSCOLORCHANGE, 0, 0);
    DefWindowProcA(window, WM_SYSCOLORCHANGE, 0, 0);
}

// Keeps the focused control, if it is one of the window's own; the focus in
// a box or another program is not kept, nor the lack of one.
static void RememberFocus(HWND window)
{
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus))
        SavedFocus = focus;
}

// Gives the focus back to the kept control, or, if it can no longer take it,
// to where a page switch puts it.
static void RestoreFocus(HWND window)
{
    if (SavedFocus && IsChild(window, SavedFocus) && IsWindowVisible(SavedFocus) &&
        IsWindowEnabled(SavedFocus))
        SetFocus(SavedFocus);
    else
        FocusFirstField();
}

// Leaving keeps the focused control; coming back, unless minimised, after a
// box closes or from another program, gives it the focus again.
static void OnActivate(HWND window, WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE)
        RememberFocus(window);
    else if (!HIWORD(wParam))
        RestoreFocus(window);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange(window);
        return 0;
    case WM_NOTIFY:
        return 0;
    case WM_ACTIVATE:
        OnActivate(window, wParam);
        return 0;
    case WM_SETFOCUS:
        // The frame takes no typing: a control gets the focus instead.
        if (!IsIconic(window))
            RestoreFocus(window);
        return 0;
    case WM_SYSCOMMAND:
        // Kept before the system starts minimising: on the way it may take
        // the focus away before the window is deactivated.
        if ((wParam & 0xFFF0) == SC_MINIMIZE)
            RememberFocus(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_SIZE:
        // For Wine only: it can minimise the window without deactivating it
        // (and without SC_MINIMIZE, from its own title bar). Windows
        // deactivates a window it minimises, which keeps the focus first.
        if (wParam == SIZE_MINIMIZED)
            RememberFocus(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_HELP:
        OpenHelpBox(window);
        return 0;
    case WM_COMMAND:
        HandleMenuCommand(window, LOWORD(wParam));
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Cut, Copy, Paste and Delete act on whatever window has the focus.
static void SendToFocus(UINT message)
{
    HWND focus = GetFocus();
    if (focus)
        SendMessageA(focus, message, 0, 0);
}

void HandleMenuCommand(HWND window, WORD id)
{
    switch (id) {
    case IDM_EXIT:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    case IDM_ABOUT:
        DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_ABOUTBOX), window, AboutBoxProc, 0);
        break;
    case IDM_HELP:
        OpenHelpBox(window);
        break;
    case IDM_LOAN:
        SelectTab(LoanKind);
        break;
    case IDM_INVESTMENT:
        SelectTab(InvestmentKind);
        break;
    case IDM_SAVING:
        SelectTab(SavingKind);
        break;
    case IDM_SCHEDULE:
        OpenSchedule(window);
        break;
    case IDM_SOLVEMONTHS:
        SolveShownPage(SolveForMonths);
        break;
    case IDM_SOLVERATE:
        SolveShownPage(SolveForRate);
        break;
    case IDM_LOANCOST:
        OpenLoanCost(window);
        break;
    case IDM_CUT:
        SendToFocus(WM_CUT);
        break;
    case IDM_COPY:
        SendToFocus(WM_COPY);
        break;
    case IDM_PASTE:
        SendToFocus(WM_PASTE);
        break;
    case IDM_DELETE:
        SendToFocus(WM_CLEAR);
        break;
    default:
        break;
    }
}

// What the About and Help boxes answer alike. Each closes on OK, Enter, Esc
// and the close button. It answers F1 itself: passed on, the request would
// reach its owner, the main window, and open another Help box on top of
// this one.
static INT_PTR AnswerBox(HWND box, UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_HELP:
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            EndDialog(box, 0);
            return TRUE;
        default:
            return TRUE;
        }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM)
{
    return AnswerBox(box, message, wParam);
}

INT_PTR CALLBACK HelpBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM)
{
    return AnswerBox(box, message, wParam);
}
