// The About and Help boxes: their templates exactly, the real boxes as they
// open (owner, size, font, controls, focus, texts that fit), every way of
// closing them, each opened from the menu and directly; the focus back in its
// field after a box, another program or a minimise. The Schedule box: opened
// from the menu after the page's calculation, every row in its list, the
// copied text, Esc, the focus back.
#include <stdlib.h>

#include "panel/schedule.h"

#include "tests/win/boxdriver.h"
#include "tests/win/template.h"

struct BoxControl {
    int id;
    const char* className;
    const char* text;
    DWORD style;  // besides WS_CHILD and WS_VISIBLE
    short x, y, width, height;
    WORD icon;  // an icon resource shown instead of a text
};

// The About box's author, contact and note lines are Ledgerly's own.
static const BoxControl AboutControls[] = {
    {IDOK, "Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 139, 70, 35, 14, 0},
    {IDC_VERSIONTEXT, "Static", "Ledgerly 1.0.0", WS_GROUP | SS_LEFT, 50, 16, 99, 9, 0},
    {-1, "Static", "See issue tracker", WS_GROUP | SS_LEFT, 51, 39, 60, 9, 0},
    {-1, "Static", "", SS_ICON, 16, 14, 20, 20, IDI_LEDGERLY},
    {-1, "Button", "", BS_GROUPBOX, 8, 3, 165, 62, 0},
    {-1, "Static", "By the Ledgerly developers", WS_GROUP | SS_LEFT, 51, 28, 96, 8, 0},
    {-1, "Static", "Keeps no files, settings or history.", WS_GROUP | SS_LEFT, 10, 73, 127, 8,
     0},
};

static const BoxControl HelpControls[] = {
    {IDOK, "Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 221, 110, 41, 14, 0},
    {-1, "Static",
     "To calculate a monthly payment on an $80,000, 360-month mortgage at 8.00 percent "
     "interest rate:",
     WS_GROUP, 60, 16, 173, 18, 0},
    {-1, "Static", "Double tap on the \"Quilmo\" icon to launch the Ledgerly.", WS_GROUP, 25, 35,
     239, 8, 0},
    {-1, "Static",
     "Tap on the word \"Loan:\" (that one with a colon) on the left of the program window.  "
     "Now \"80000\" is displayed on the input field for \"Loan:\".",
     WS_GROUP, 25, 63, 240, 17, 0},
    {-1, "Static",
     "Tap 80000 (the \"8\" button, followed by four \"0\" buttons) on the on-screen "
     "calculator's numerical pads to generate \"80000\" on the calculator screen.",
     WS_GROUP, 25, 45, 243, 16, 0},
    {-1, "Static", "Tap on \"C\" or \"CE\" to clear the calculator screen.", WS_GROUP, 25, 80, 169,
     8, 0},
    {-1, "Static", "Tap on the \"Calculate It\" button to get the answer.", WS_GROUP, 25, 108,
     168, 11, 0},
    {-1, "Static",
     "Similarly, you can send \"360\" and \"8\" to the \"Month\" and \"Interest Rate\" input "
     "fields respectively.",
     WS_GROUP, 25, 90, 238, 18, 0},
    {-1, "Static", "1.", WS_GROUP, 14, 35, 10, 8, 0},
    {-1, "Static", "2.", WS_GROUP, 14, 45, 10, 8, 0},
    {-1, "Static", "3.", WS_GROUP, 14, 63, 10, 8, 0},
    {-1, "Static", "4.", WS_GROUP, 14, 80, 10, 8, 0},
    {-1, "Static", "5.", WS_GROUP, 14, 90, 10, 8, 0},
    {-1, "Static", "6.", WS_GROUP, 14, 108, 10, 8, 0},
    {-1, "Button", "", BS_GROUPBOX, 7, 3, 265, 127, 0},
};

struct BoxRow {
    int templateId;
    WORD command;  // the menu command that opens it
    DLGPROC proc;
    const char* title;
    short width, height;
    const BoxControl* controls;
    int count;
};

static const BoxRow Boxes[] = {
    {IDD_ABOUTBOX, IDM_ABOUT, AboutBoxProc, "About Ledgerly", 180, 90, AboutControls,
     sizeof AboutControls / sizeof AboutControls[0]},
    {IDD_HELPBOX, IDM_HELP, HelpBoxProc, "Help", 280, 137, HelpControls,
     sizeof HelpControls / sizeof HelpControls[0]},
};

constexpr DWORD BoxStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT;

// The resource holds exactly the table: styles, size, title, font, and every
// control in order with its id, class, text, styles and rectangle.
static void CheckTemplate(const BoxRow& row)
{
    DialogTemplate t;
    if (!CHECK(LoadDialogTemplate(row.templateId, &t)))
        return;
    CHECK_INT(t.style, BoxStyle, row.title);
    CHECK_INT(t.exStyle, 0, row.title);
    CHECK(t.x == 0 && t.y == 0 && t.width == row.width && t.height == row.height);
    CHECK_TEXT(t.title, row.title, "box title");
    CHECK_TEXT(t.font, "MS Sans Serif", row.title);
    CHECK(t.pointSize == 8 && t.weight == FW_NORMAL && t.italic == 0);
    CHECK_INT(t.count, row.count, row.title);
    for (int i = 0; i < t.count && i < row.count; ++i) {
        const TemplateItem& item = t.items[i];
        const BoxControl& c = row.controls[i];
        char what[96];
        wsprintfA(what, "%s item %d", row.title, i);
        CHECK_INT(item.id, static_cast<WORD>(c.id), what);
        CHECK(lstrcmpiA(item.className, c.className) == 0);
        CHECK_TEXT(item.text, c.text, what);
        CHECK_INT(item.textOrdinal, c.icon, what);
        CHECK_INT(item.style, WS_CHILD | WS_VISIBLE | c.style, what);
        CHECK_INT(item.exStyle, 0, what);
        CHECK(item.x == c.x && item.y == c.y && item.width == c.width &&
              item.height == c.height);
    }
}

static const BoxRow* Inspected;  // the box the inspector expects
static int Inspections;

// A static's text laid out as the control draws it (word-wrapped, in its own
// font) needs no more room than the control has.
static void CheckTextFits(HWND control, const char* text, const char* what)
{
    RECT client;
    GetClientRect(control, &client);
    RECT need = WrappedTextNeed(control, text, DT_EXPANDTABS);
    if (!CheckTrue(need.right <= client.right && need.bottom <= client.bottom, what, __FILE__,
                   __LINE__))
        printf("    needs %ld x %ld pixels, has %ld x %ld\n", need.right, need.bottom,
               client.right, client.bottom);
}

// The open box against the table: owner, style, place, client size, font, the
// controls in creation order at their rectangles, and the focus on OK.
static void InspectBox(HWND box)
{
    const BoxRow& row = *Inspected;
    ++Inspections;
    CHECK_TEXT(TextOf(box), row.title, "open box title");
    CHECK(GetWindow(box, GW_OWNER) == MainWindow);
    CHECK(!IsWindowEnabled(MainWindow));
    CHECK(GetFocus() == GetDlgItem(box, IDOK));
    DWORD want = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    CHECK_INT(GetWindowLongA(box, GWL_STYLE) & want, want, "open box style");
    CHECK(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    RECT client;
    GetClientRect(box, &client);
    CHECK_RECT(client, DialogRect(box, 0, 0, row.width, row.height), "client size");

    // Centred on the work area.
    RECT work, frame;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(box, &frame);
    CHECK(abs((frame.left + frame.right) - (work.left + work.right)) <= 2);
    CHECK(abs((frame.top + frame.bottom) - (work.top + work.bottom)) <= 2);

    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), sizeof font, &font);
    CHECK_TEXT(font.lfFaceName, "MS Sans Serif", "box font");
    HDC screen = GetDC(nullptr);
    CHECK_INT(font.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), "8 points");
    ReleaseDC(nullptr, screen);
    CHECK(font.lfWeight == FW_NORMAL && !font.lfItalic);

    HWND child = GetWindow(box, GW_CHILD);
    for (int i = 0; i < row.count; ++i, child = GetWindow(child, GW_HWNDNEXT)) {
        const BoxControl& c = row.controls[i];
        char what[96];
        wsprintfA(what, "%s control %d", row.title, i);
        if (!CheckTrue(child != nullptr, what, __FILE__, __LINE__))
            return;
        CHECK_INT(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(c.id), what);
        CHECK(lstrcmpiA(ClassOf(child), c.className) == 0);
        RECT expected = DialogRect(box, c.x, c.y, c.width, c.height);
        RECT actual = RectInParent(child);
        if (c.icon) {
            // An icon control takes the icon's own size at its place.
            CHECK(SendMessageA(child, STM_GETICON, 0, 0) != 0);
            expected.right = expected.left + (actual.right - actual.left);
            expected.bottom = expected.top + (actual.bottom - actual.top);
        } else {
            CHECK_TEXT(TextOf(child), c.text, what);
        }
        CHECK_RECT(actual, expected, what);
        if (lstrcmpiA(c.className, "Static") == 0 && c.text[0])
            CheckTextFits(child, c.text, what);
    }
    CHECK(child == nullptr);
}

// Each way of closing, on each box, opened both from the menu and with
// DialogBoxParamA directly: the box closes, the call returns 0, and the
// main window is usable again.
static void CheckClosing(const BoxRow& row)
{
    static const CloseBy ways[] = {CloseByOkClick, CloseByEnter,   CloseByEscape,  CloseBySysClose,
                                   CloseByWmClose, CloseByIdOk, CloseByIdCancel};
    for (CloseBy how : ways) {
        char what[96];
        wsprintfA(what, "%s closed by way %d", row.title, how);
        ArmBoxDriver(how);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(row.command, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(BoxesSeen, 1, what);
        CHECK_INT(BoxesStuck, 0, what);
        CHECK_TEXT(BoxCaption, row.title, what);
        CHECK(IsWindowEnabled(MainWindow));

        ArmBoxDriver(how);
        INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr),
                                         MAKEINTRESOURCEA(row.templateId), MainWindow,
                                         row.proc, 0);
        DisarmBoxDriver();
        CHECK_INT(result, 0, what);
        CHECK_INT(BoxesSeen, 1, what);
        CHECK(FindOpenBox() == nullptr);
    }
}

// Commands other than OK and Cancel, and other messages, leave the box open.
static void SendStrayCommands(HWND box)
{
    const WORD ids[] = {0, 3, IDC_VERSIONTEXT, IDM_ABOUT, IDM_EXIT, 65535};
    for (WORD id : ids) {
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        CHECK(IsWindowVisible(box));
        CHECK_INT(Inspected->proc(box, WM_COMMAND, id, 0), TRUE, "other id answered TRUE");
    }
    CHECK_INT(Inspected->proc(box, WM_INITDIALOG, 0, 0), TRUE, "initdialog answer");
    CHECK_INT(Inspected->proc(box, WM_USER + 5, 0, 0), FALSE, "other message");
    CHECK_INT(Inspected->proc(box, WM_TIMER, 0, 0), FALSE, "other message");
    CHECK(IsWindowVisible(box) && IsWindow(MainWindow));
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

// The Schedule box, opened from the menu on a page with the terms and the
// amount typed and a stale result: the page is calculated first, then the
// box shows the statement of the two amounts the page then shows.
struct ScheduleCase {
    int tab;
    const char* months;
    const char* rate;
    int direction;
    const char* amount;
    const char* left;   // the page's fields after the calculation
    const char* right;
    const char* heading;
    const char* note;
    const char* copied;  // the whole copied text, or null: not compared
};

static const ScheduleCase ScheduleCases[] = {
    {0, "3", "12", LeftToRight, "100", "100.00", "34.00",
     "Loan of 100.00 at 12.00 % over 3 months, paying 34.00 a month",
     "Total interest 2.01. The last payment is 34.01, not 34.00: it settles the balance the "
     "other payments leave.",
     "Month\tPayment\tInterest\tPrincipal\tBalance\r\n"
     "1\t34.00\t1.00\t33.00\t67.00\r\n"
     "2\t34.00\t0.67\t33.33\t33.67\r\n"
     "3\t34.01\t0.34\t33.67\t0.00\r\n"
     "Total\t102.01\t2.01\t100.00\r\n"},
    {1, "2", "6", RightToLeft, "1000", "990.07", "1000.00",
     "Investment of 990.07 at 6.00 % over 2 months, growing to 1000.00",
     "Each month's interest is rounded to the cent; the statement ends at the page's future "
     "worth, 1000.00.",
     "Month\tInterest\tWorth\r\n"
     "1\t4.95\t995.02\r\n"
     "2\t4.98\t1000.00\r\n"
     "Total\t9.93\t1000.00\r\n"},
    {2, "3", "12", LeftToRight, "100", "100.00", "303.01",
     "Saving 100.00 a month at 12.00 % over 3 months, growing to 303.01",
     "Each month's interest is rounded to the cent; the statement ends at the page's future "
     "worth, 303.01.",
     "Month\tSaving\tInterest\tWorth\r\n"
     "1\t100.00\t0.00\t100.00\r\n"
     "2\t100.00\t1.00\t201.00\r\n"
     "3\t100.00\t2.01\t303.01\r\n"
     "Total\t300.00\t3.01\t303.01\r\n"},
    // The longest statement: 1200 months, every row and the total.
    {2, "1200", "7.80", LeftToRight, "200", "200.00", "73192937.28", nullptr, nullptr, nullptr},
};

static const ScheduleCase* ScheduleShown;
static int ScheduleInspections;

static char Clipped[131072];

static const char* ClipboardText(HWND owner)
{
    Clipped[0] = '\0';
    if (!OpenClipboard(owner))
        return "(clipboard busy)";
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data) {
        lstrcpynA(Clipped, static_cast<const char*>(GlobalLock(data)), sizeof Clipped);
        GlobalUnlock(data);
    } else {
        lstrcpyA(Clipped, "(no text)");
    }
    CloseClipboard();
    return Clipped;
}

static void ClearClipboard(HWND owner)
{
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

// The list's rows written out as the copied text is: the header, every
// row, fields between tabs, each line ended by CR LF.
static char Listed[131072];

static const char* ListText(HWND list)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    int length = 0;
    for (int r = -1; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            char cell[64];
            ListCell(list, r, c, cell, sizeof cell);
            if (!cell[0] && c == columns - 1)
                break;  // the total's empty balance
            if (c)
                Listed[length++] = '\t';
            length += wsprintfA(Listed + length, "%s", cell);
        }
        length += wsprintfA(Listed + length, "\r\n");
        if (length > static_cast<int>(sizeof Listed) - 400)
            break;
    }
    Listed[length] = '\0';
    return Listed;
}

// What the box shows while open: the page already calculated, the heading,
// every row, the note; then Copy and Ctrl+C in the list, and a plain C that
// copies nothing.
static void InspectSchedule(HWND box)
{
    const ScheduleCase& c = *ScheduleShown;
    ++ScheduleInspections;
    HWND page = PageOf(c.tab);
    CHECK_TEXT(TextOf(box), "Schedule", "schedule box title");
    CHECK(GetWindow(box, GW_OWNER) == MainWindow);
    CHECK(!IsWindowEnabled(MainWindow));
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    CHECK(GetFocus() == list);
    CHECK_TEXT(ItemText(page, IDC_LEFTFIELD), c.left, "left field calculated before the box");
    CHECK_TEXT(ItemText(page, IDC_RIGHTFIELD), c.right, "right field calculated before the box");
    if (c.heading) {
        CHECK_TEXT(ItemText(box, IDC_SCHEDULEHEADING), c.heading, "schedule heading");
        CHECK_TEXT(ItemText(box, IDC_SCHEDULENOTE), c.note, "schedule note");
    }
    CHECK_INT(GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT, "report view");

    // Every row: as many as the statement has months, and the total.
    int months = atoi(c.months);
    ScheduleTerms terms = {};
    terms.kind = c.tab;
    terms.months = months;
    terms.annualRate = AnnualRate;
    terms.monthlyRate = MonthlyRate;
    ParseCents(c.left, &terms.start);
    ParseCents(c.right, &terms.other);
    Schedule s;
    StartSchedule(&s, terms);
    ScheduleRow row;
    int rows = 0;
    while (NextScheduleRow(&s, &row))
        ++rows;
    CHECK_INT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), rows + 1, "rows and the total");
    char last[16];
    ListCell(list, rows, 0, last, sizeof last);
    CHECK_TEXT(last, "Total", "last row");
    if (months == 1200)
        CHECK_INT(rows, 1200, "every month of 1200");

    // Sent, not pumped: the box's own loop must see the driver's Esc later.
    ClearClipboard(box);
    SendMessageA(GetDlgItem(box, IDC_SCHEDULECOPY), BM_CLICK, 0, 0);
    const char* copied = ClipboardText(box);
    if (c.copied)
        CHECK_TEXT(copied, c.copied, "copied table");
    CHECK(strcmp(copied, ListText(list)) == 0);  // the list holds what is copied

    // Ctrl+C in the list copies the same; C alone does not.
    ClearClipboard(box);
    SendMessageA(list, WM_KEYDOWN, 'C', 0x002E0001);
    CHECK_TEXT(ClipboardText(box), "(no text)", "C alone");
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE control = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(list, WM_KEYDOWN, 'C', 0x002E0001);
    keys[VK_CONTROL] = control;
    SetKeyboardState(keys);
    CHECK(strcmp(ClipboardText(box), ListText(list)) == 0);
}

static void CheckScheduleBox()
{
    for (const ScheduleCase& c : ScheduleCases) {
        SelectTab(c.tab);
        HWND page = PageOf(c.tab);
        SetItemText(MainPanel, IDC_MONTHBOX, c.months);
        SetItemText(MainPanel, IDC_RATEBOX, c.rate);
        bool left = c.direction == LeftToRight;
        SetItemText(page, left ? IDC_LEFTFIELD : IDC_RIGHTFIELD, c.amount);
        SetItemText(page, left ? IDC_RIGHTFIELD : IDC_LEFTFIELD, "stale");
        Click(page, left ? IDC_LEFTTORIGHT : IDC_RIGHTTOLEFT);
        HWND field = GetDlgItem(page, left ? IDC_LEFTFIELD : IDC_RIGHTFIELD);
        SetFocus(field);

        ScheduleShown = &c;
        ScheduleInspections = 0;
        ArmBoxDriver(CloseByEscape, InspectSchedule);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_SCHEDULE, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(ScheduleInspections, 1, c.months);
        CHECK_INT(BoxesStuck, 0, c.months);
        CHECK(IsWindowEnabled(MainWindow));
        CHECK(GetFocus() == field);
    }
    // Enter and the close button close it too.
    const CloseBy ways[] = {CloseByEnter, CloseBySysClose, CloseByOkClick};
    for (CloseBy how : ways) {
        ArmBoxDriver(how);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_SCHEDULE, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(BoxesSeen, 1, "schedule box");
        CHECK_INT(BoxesStuck, 0, "schedule box closed");
    }
    SetItemText(MainPanel, IDC_MONTHBOX, "360");
    SetItemText(MainPanel, IDC_RATEBOX, "7.80");
    SelectTab(0);
}

int main()
{
    HarnessStart();
    if (!CHECK(StartLedgerly() != nullptr))
        return HarnessFinish("boxes");
    for (const BoxRow& row : Boxes) {
        CheckTemplate(row);

        Inspected = &row;
        Inspections = 0;
        ArmBoxDriver(CloseByOkClick, InspectBox);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(row.command, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(Inspections, 1, row.title);

        ArmBoxDriver(CloseByEscape, SendStrayCommands);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(row.command, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(BoxesStuck, 0, "closed after stray commands");

        CheckClosing(row);
    }
    // The owner is usable again and active, the focus back on the "7" key
    // where start-up put it.
    CHECK(IsWindowEnabled(MainWindow));
    CHECK(GetActiveWindow() == MainWindow);
    CHECK(GetFocus() == GetDlgItem(MainPanel, IDC_KEY7));
    CheckFocusReturns();
    CheckScheduleBox();
    DestroyWindow(MainWindow);
    return HarnessFinish("boxes");
}
