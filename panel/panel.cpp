// The main panel: its creation, its dialog procedure, and page switching.
#include <windows.h>
#include <commctrl.h>
#include "finance/formulas.h"
#include "finance/terms.h"
#include "keypad/keypad.h"
#include "panel/parts.h"
#include "res/resource.h"

HWND MainPanel;
HWND TabStrip;
HWND MonthBox;
HWND RateBox;
HWND LoanPage;
HWND InvestmentPage;
HWND SavingPage;

// The tab strip's items, in the order of the page kinds, and the page each
// one shows.
struct PageEntry {
    char label[12];
    int templateId;
    DLGPROC proc;
    HWND* handle;
};

static PageEntry Pages[PageKindCount] = {
    {"Loan", IDD_LOANPAGE, LoanPageProc, &LoanPage},
    {"Investment", IDD_INVESTMENTPAGE, InvestmentPageProc, &InvestmentPage},
    {"Saving", IDD_SAVINGPAGE, SavingPageProc, &SavingPage},
};

// Pixel sizes of the panel, chosen with "MS Sans Serif" 8 at 96 DPI, where
// 4 x 8 dialog units measure 6 x 13 pixels. They grow with the panel's own
// dialog units, so a larger DPI or a wider font standing in for "MS Sans
// Serif" gets them in proportion, and that reference gets them unchanged.
constexpr int ReferenceUnitWidth = 6, ReferenceUnitHeight = 13;

// Tab items: a quarter of the strip's width, 20 pixels high, padded 20 by 3.
constexpr int TabItemHeight = 20;
constexpr int TabPaddingX = 20, TabPaddingY = 3;

// The term boxes' widths at that setting, the least they get, and their
// height with the list dropped down. Each is made as wide as its widest
// text needs in its own font (TermBoxWidth), where that is more.
constexpr int RateBoxWidth = 68, MonthBoxWidth = 88;
constexpr int DroppedHeight = 500;

// A reference width (across) or height in the panel's pixels, rounded.
static int Scale(HWND panel, int pixels, bool across)
{
    RECT unit = {0, 0, 4, 8};
    MapDialogRect(panel, &unit);
    int now = across ? unit.right : unit.bottom;
    int reference = across ? ReferenceUnitWidth : ReferenceUnitHeight;
    return (pixels * now + reference / 2) / reference;
}

static int ScaleWidth(HWND panel, int pixels)
{
    return Scale(panel, pixels, true);
}

static int ScaleHeight(HWND panel, int pixels)
{
    return Scale(panel, pixels, false);
}

bool PanelAtReferenceUnits()
{
    RECT unit = {0, 0, 4, 8};
    MapDialogRect(MainPanel, &unit);
    return unit.right == ReferenceUnitWidth && unit.bottom == ReferenceUnitHeight;
}

// A term box's width: the reference width grown with the panel's units, or
// what its widest text needs, whichever is more.
static int BoxWidth(HWND panel, HWND box, int reference)
{
    int scaled = ScaleWidth(panel, reference);
    int needed = TermBoxWidth(box);
    return needed > scaled ? needed : scaled;
}

// The terms the boxes show at start-up: "360" and "7.80" (with the user's
// decimal mark).
constexpr int StartMonths = 360;
constexpr double StartRate = 7.8;

// SetWindowPos flags for a new page: keep the template's place, come first
// among the panel's children (above the tab strip), and show.
constexpr UINT NewPageFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;

void CreateMainPanel()
{
    MainPanel = CreateDialogParamA(AppInstance, MAKEINTRESOURCEA(IDD_MAINPANEL), PanelHost,
                                   PanelProc, 0);
    SetDlgItemTextA(MainPanel, IDC_MONTHBOX, MonthText(StartMonths));
    SetDlgItemTextA(MainPanel, IDC_RATEBOX, RateText(StartRate));
    WatchTermBoxes();
    WatchDisplay();
    TabStrip = GetDlgItem(MainPanel, IDC_TABSTRIP);

    RECT client = {};
    GetClientRect(TabStrip, &client);
    SendMessageA(TabStrip, TCM_SETITEMSIZE, 0,
                 MAKELPARAM(client.right / 4, ScaleHeight(MainPanel, TabItemHeight)));
    SendMessageA(TabStrip, TCM_SETPADDING, 0,
                 MAKELPARAM(ScaleWidth(MainPanel, TabPaddingX),
                            ScaleHeight(MainPanel, TabPaddingY)));
    for (int i = 0; i < PageKindCount; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.iImage = -1;
        item.pszText = Pages[i].label;
        SendMessageA(TabStrip, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(TabStrip, TCM_SETCURSEL, 0, 0);
    InvalidateRect(TabStrip, nullptr, TRUE);
}

// Widens both term boxes for their drop-down lists. Without SWP_NOZORDER the
// calls also move the rate box first and the month box last among the
// panel's children, which sets the panel's tab order.
static void OnInitPanel(HWND panel)
{
    RateBox = GetDlgItem(panel, IDC_RATEBOX);
    MonthBox = GetDlgItem(panel, IDC_MONTHBOX);
    SetWindowPos(RateBox, HWND_TOP, 0, 0, BoxWidth(panel, RateBox, RateBoxWidth),
                 ScaleHeight(panel, DroppedHeight), SWP_NOMOVE);
    SendMessageA(RateBox, CB_SETCURSEL, 0, 0);
    SetWindowPos(MonthBox, HWND_BOTTOM, 0, 0, BoxWidth(panel, MonthBox, MonthBoxWidth),
                 ScaleHeight(panel, DroppedHeight), SWP_NOMOVE);
    SendMessageA(MonthBox, CB_SETCURSEL, 0, 0);
}

static void SelectPage();

static BOOL OnPanelCommand(WPARAM wParam, LPARAM lParam)
{
    WORD id = LOWORD(wParam);
    switch (id) {
    case IDOK:
    case IDCANCEL:
        PostMessageA(PanelHost, WM_COMMAND, wParam, lParam);
        return TRUE;
    case IDC_MONTHBOX:
    case IDC_RATEBOX:
    case IDC_MONTHLABEL:
    case IDC_RATELABEL:
        HandleTermCommand(id, HIWORD(wParam));
        return FALSE;
    default:
        if (PressKey(id))
            return FALSE;
        BroadcastToPages(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
}

INT_PTR CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitPanel(panel);
        return FALSE;
    case WM_NOTIFY:
        if (wParam == IDC_TABSTRIP &&
            reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(TCN_SELCHANGE))
            SelectPage();
        return FALSE;
    case WM_HELP:
        // Sent, not posted: the system refuses to post a message that carries
        // a pointer (the HELPINFO), and the pointer would not outlive the post.
        // Handled here, so the panel's default handling does not pass the same
        // request up a second time.
        SendMessageA(PanelHost, WM_HELP, wParam, lParam);
        return TRUE;
    case WM_COMMAND:
        return OnPanelCommand(wParam, lParam);
    case WM_CTLCOLORSTATIC:
        return LongTextMarkColours(wParam, lParam);  // a long text's mark
    default:
        return FALSE;
    }
}


// For Wine only. Wine's tab strip marks the tab that a click or
// TCM_SETCURSEL selects as pressed and unmarks the tab it leaves; an arrow
// key changes the selection without unmarking. Once a tab other than the
// selected one is marked, Wine answers a click by clearing a multiple
// selection (strips of buttons have them), which on a strip of tabs does
// nothing: no click selects a tab again. So after every switch only the
// selected tab may keep the mark. Windows marks tabs pressed only on strips
// of buttons (TCS_BUTTONS), and a click on a strip of tabs always selects;
// its common controls 4.00 (Windows 95) have no item states at all and
// answer with none. So on Windows this finds nothing to take off.
static void ClearStalePress(LRESULT selected)
{
    for (int i = 0; i < PageKindCount; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_STATE;
        item.dwStateMask = TCIS_BUTTONPRESSED;
        if (i == selected ||
            !SendMessageA(TabStrip, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item)) ||
            !(item.dwState & TCIS_BUTTONPRESSED))
            continue;
        item.dwState = 0;
        SendMessageA(TabStrip, TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

// Windows 2000 and later hide the focus rectangle (and other keyboard cues)
// until the user presses a key that moves it, and hide them again when a
// dialog such as a new page is created after a mouse click. The program is
// used with the mouse and the keyboard alike, and the focus moves to the "7"
// key after every switch, so the rectangle shows it there. The main window
// passes the change down its tree of windows; the panel gets it directly
// too, since the tree view between them need not pass it on. Windows 95, 98
// and NT 4 know no keyboard-cue state and ignore both messages.
void ShowKeyboardCues()
{
    WPARAM show = MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
    SendMessageA(GetParent(PanelHost), WM_CHANGEUISTATE, show, 0);
    if (MainPanel)
        SendMessageA(MainPanel, WM_UPDATEUISTATE, show, 0);
}

static void SelectPage()
{
    BroadcastToPages(WM_COMMAND, MAKEWPARAM(IDC_TABSTRIP, 0), 0);
    LRESULT selected = SendMessageA(TabStrip, TCM_GETCURSEL, 0, 0);
    ClearStalePress(selected);
    if (selected >= 0 && selected < PageKindCount) {
        // Hide the others in index order, then show or create the selected page.
        for (int i = 0; i < PageKindCount; ++i) {
            if (i != selected && *Pages[i].handle)
                ShowWindow(*Pages[i].handle, SW_HIDE);
        }
        PageEntry& page = Pages[selected];
        if (*page.handle) {
            ShowWindow(*page.handle, SW_SHOW);
        } else {
            *page.handle = CreateDialogParamA(AppInstance, MAKEINTRESOURCEA(page.templateId),
                                              MainPanel, page.proc, 0);
            SetWindowPos(*page.handle, HWND_TOP, 0, 0, 0, 0, NewPageFlags);
        }
    }
    FocusFirstField();
    ShowKeyboardCues();
}

void SelectTab(int index)
{
    SendMessageA(TabStrip, TCM_SETCURSEL, index, 0);
    SelectPage();
}

int ShownTab()
{
    LRESULT selected = SendMessageA(TabStrip, TCM_GETCURSEL, 0, 0);
    return selected >= 0 && selected < PageKindCount ? static_cast<int>(selected) : -1;
}

HWND PageOf(int index)
{
    return index >= 0 && index < PageKindCount ? *Pages[index].handle : nullptr;
}

void BroadcastToPages(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (int i = 0; i < PageKindCount; ++i) {
        if (*Pages[i].handle)
            SendMessageA(*Pages[i].handle, message, wParam, lParam);
    }
}

// The focus goes to the control after the tab strip in the panel's tab
// order: the keypad's "7" key. An edit control would get its text selected.
void FocusFirstField()
{
    HWND next = GetNextDlgTabItem(MainPanel, TabStrip, FALSE);
    if (!next)
        return;
    SetFocus(next);
    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(next, EM_SETSEL, 0, -1);
}
