// The main window and its host, created for real: the window itself, the
// messages it passes on, F1 from the panel, and the focus back in its field
// after a box, another program or a minimise; closing ends the loop.
#include "tests/win/boxdriver.h"

static void CheckMainWindow()
{
    RECT r;
    GetWindowRect(MainWindow, &r);
    CHECK_RECT(r, (RECT{10, 10, 484, 237}), "main window at (10,10), 474 x 227");
    CHECK_TEXT(ClassOf(MainWindow), "Win32Generic", "main window class");
    CHECK_TEXT(TextOf(MainWindow), "Ledgerly", "main window title");
    LONG style = GetWindowLongA(MainWindow, GWL_STYLE);
    CHECK((style & (WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)) ==
          (WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    CHECK((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == 0);
    CHECK_INT(GetWindowLongA(MainWindow, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0, "main exstyle");
    CHECK(GetClassLongPtrA(MainWindow, GCLP_HICON) != 0);
    CHECK(GetClassLongPtrA(MainWindow, GCLP_HCURSOR) == 0);
    CHECK_INT(GetClassLongPtrA(MainWindow, GCLP_HBRBACKGROUND), COLOR_WINDOW + 1, "background");
    CHECK_INT(GetClassLongA(MainWindow, GCL_STYLE), 0, "class style");

    HMENU menu = GetMenu(MainWindow);
    CHECK(menu != nullptr);
    CHECK_INT(GetMenuItemCount(menu), 3, "menus on the bar");
    const char* titles[] = {"&Selection", "&Edit", "&Help"};
    for (int i = 0; i < 3; ++i) {
        char text[64] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        CHECK_TEXT(text, titles[i], "menu title");
    }
}

static void CheckPanelHost()
{
    HWND host = GetDlgItem(MainWindow, IDC_PANELHOST);
    CHECK(host == PanelHost && host != nullptr);
    CHECK_TEXT(ClassOf(host), "SysTreeView32", "host class");
    CHECK_TEXT(TextOf(host), "Tree View Control", "host title");
    LONG style = GetWindowLongA(host, GWL_STYLE);
    LONG want = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
    CHECK_INT(style & want, want, "host style");
    RECT client, hostRect = RectInParent(host);
    GetClientRect(MainWindow, &client);
    CHECK_RECT(hostRect, client, "host fills the client area");
    CHECK_INT(SendMessageA(host, TVM_GETCOUNT, 0, 0), 0, "host holds no items");
    CHECK(GetParent(MainPanel) == host);
}

static void CheckForwarding()
{
    MSG msg = {};
    SendMessageA(MainWindow, WM_SYSCOLORCHANGE, 5, 6);
    CHECK(PeekMessageA(&msg, PanelHost, WM_SYSCOLORCHANGE, WM_SYSCOLORCHANGE, PM_REMOVE));
    CHECK(msg.wParam == 0 && msg.lParam == 0);
    CHECK(SendMessageA(MainWindow, WM_NOTIFY, IDC_PANELHOST, 0) == 0);

    // F1 help from the panel goes through the host to the main window, which
    // opens the Help box.
    HELPINFO info = {};
    info.cbSize = sizeof info;
    HANDLE watcher = StartBoxWatcher();
    CHECK_INT(PanelProc(MainPanel, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), TRUE,
              "WM_HELP handled");
    StopBoxWatcher(watcher);
    CHECK_INT(SeenBoxCount, 1, "Help box opened from the panel");
    CHECK_TEXT(SeenBoxes[0].caption, "Help", "box title");
}

// The ways the main window loses the keyboard and gets it back.
enum Away { Minimised, AboutThenOk, HelpThenEscape, OtherProgram, MinimisedFocusTaken };

// Stands for a system that takes the focus away on the way to minimising,
// before the window is deactivated or sized.
static LRESULT CALLBACK TakeFocusOnMinimise(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_MINMAX && LOWORD(lParam) == SW_MINIMIZE)
        SetFocus(nullptr);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

static HWND OtherWindow;  // stands for another program's window, as Alt+Tab reaches it

static void LeaveAndReturn(Away how)
{
    switch (how) {
    case AboutThenOk:
    case HelpThenEscape:
        ArmBoxDriver(how == AboutThenOk ? CloseByOkClick : CloseByEscape);
        PostMessageA(MainWindow, WM_COMMAND,
                     MAKEWPARAM(how == AboutThenOk ? IDM_ABOUT : IDM_HELP, 0), 0);
        Pump();
        DisarmBoxDriver();
        break;
    case OtherProgram:
        SetForegroundWindow(OtherWindow);
        Pump();
        CHECK(GetActiveWindow() == OtherWindow);
        SetForegroundWindow(MainWindow);
        break;
    case Minimised:
    case MinimisedFocusTaken: {
        HHOOK hook = how == MinimisedFocusTaken
                         ? SetWindowsHookExA(WH_CBT, TakeFocusOnMinimise, nullptr,
                                             GetCurrentThreadId())
                         : nullptr;
        PostMessageA(MainWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        Pump();
        if (hook)
            UnhookWindowsHookEx(hook);
        CHECK(IsIconic(MainWindow));
        PostMessageA(MainWindow, WM_SYSCOMMAND, SC_RESTORE, 0);
        break;
    }
    }
    Pump();
}

// A character typed into the Loan field or the Month box after the window
// comes back lands in that field, where the caret was left. The fields take
// turns, so each way of coming back must find the field it left. A control
// that can no longer take the focus gives way to the "7" key, as after a page
// switch; the frame passes any focus it is given on to the kept control.
static void CheckFocusReturns()
{
    OtherWindow = CreateWindowExA(0, "Static", "Another program",
                                  WS_POPUP | WS_CAPTION | WS_VISIBLE, 600, 400, 200, 80,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND key7 = GetDlgItem(MainPanel, IDC_KEY7);
    HWND loanField = GetDlgItem(LoanPage, IDC_LEFTFIELD);
    const HWND fields[] = {loanField, FindWindowExA(MonthBox, nullptr, "Edit", nullptr)};
    const Away ways[] = {Minimised,   AboutThenOk,    HelpThenEscape,      OtherProgram,
                         AboutThenOk, Minimised,      OtherProgram,        HelpThenEscape,
                         OtherProgram, MinimisedFocusTaken, AboutThenOk, MinimisedFocusTaken};
    int turn = 0;
    for (Away how : ways) {
        HWND field = fields[turn++ % 2];
        char what[64];
        wsprintfA(what, "%s, away by way %d", field == loanField ? "Loan" : "Month", how);
        SetForegroundWindow(MainWindow);
        SetFocus(field);
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12"));
        SendMessageA(field, EM_SETSEL, 2, 2);
        LeaveAndReturn(how);
        CHECK(GetActiveWindow() == MainWindow);
        CheckTrue(GetFocus() == field, what, __FILE__, __LINE__);
        PressKey(GetFocus(), '5');
        Pump();
        CHECK_TEXT(TextOf(field), "125", what);
    }
    SetItemText(MainPanel, IDC_MONTHBOX, "360");

    SetFocus(loanField);
    SetForegroundWindow(OtherWindow);
    Pump();
    ShowWindow(LoanPage, SW_HIDE);
    SetForegroundWindow(MainWindow);
    Pump();
    CHECK(GetFocus() == key7);
    ShowWindow(LoanPage, SW_SHOW);

    SetFocus(MainWindow);
    CHECK(GetFocus() == loanField);
    DestroyWindow(OtherWindow);
}

int main()
{
    HarnessStart();
    CHECK(StartLedgerly() != nullptr);
    if (!MainWindow)
        return HarnessFinish("window");
    CheckMainWindow();
    CheckPanelHost();
    CheckForwarding();
    CheckFocusReturns();

    // Closing ends the loop with exit code 0.
    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
    CHECK_INT(RunMessageLoop(), 0, "exit code");
    CHECK(!IsWindow(MainWindow));
    return HarnessFinish("window");
}
