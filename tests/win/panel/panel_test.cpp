// The main panel and page switching, created for real and driven with the
// messages a user's clicks produce: the panel's template and controls, the
// tab strip, the pages created, shown and hidden, the commands passed on.
#include "tests/win/template.h"
#include "tests/win/winharness.h"

// Messages that reached the pages, recorded by a hook on this thread.
struct PageMessage {
    HWND page;
    UINT message;
    WPARAM wParam;
};
static PageMessage Received[32];
static int ReceivedCount;

static LRESULT CALLBACK RecordPageMessages(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    bool toPage = sent->hwnd && (sent->hwnd == LoanPage || sent->hwnd == InvestmentPage ||
                                 sent->hwnd == SavingPage);
    if (code == HC_ACTION && toPage && sent->message == WM_COMMAND && ReceivedCount < 32)
        Received[ReceivedCount++] = {sent->hwnd, sent->message, sent->wParam};
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Requests to show the focus rectangle that reached the main window. Wine
// keeps no keyboard-cue state (it always draws the rectangle), so the
// request itself is what can be seen here.
static int CueRequests;

static LRESULT CALLBACK RecordCueRequests(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_CHANGEUISTATE &&
        sent->wParam == MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS) && !GetParent(sent->hwnd) &&
        lstrcmpA(ClassOf(sent->hwnd), MainClassName) == 0)
        ++CueRequests;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The panel's controls in template order.
struct ControlSpec {
    int id;
    const char* className;
    const char* text;
    LONG style;
    LONG exStyle;
    int x, y, width, height;
};

static const ControlSpec PanelControls[] = {
    {IDC_MONTHBOX, "ComboBox", "", WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
     46, 3, 48, 12},
    {IDC_TABSTRIP, "SysTabControl32", "", WS_GROUP | WS_TABSTOP | TCS_MULTILINE, 0, 5, 18, 216, 90},
    {IDC_RATEBOX, "ComboBox", "", WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
     166, 3, 34, 12},
    {IDC_RATELABEL, "Static", "Interest Rate:", WS_GROUP | SS_NOTIFY, 0, 121, 5, 44, 9},
    {IDC_MONTHLABEL, "Static", "Month:", WS_GROUP | SS_NOTIFY, 0, 22, 5, 23, 9},
    {-1, "Static", "%", WS_GROUP, 0, 212, 5, 11, 10},
    {-1, "Static", "", WS_BORDER | SS_GRAYFRAME, WS_EX_CLIENTEDGE, 229, 2, 78, 106},
    {IDC_KEY7, "Button", "7", WS_TABSTOP, 0, 237, 35, 14, 12},
    {IDC_KEY4, "Button", "4", WS_TABSTOP, 0, 237, 49, 14, 12},
    {IDC_KEY1, "Button", "1", WS_TABSTOP, 0, 237, 63, 14, 12},
    {IDC_KEY0, "Button", "0", WS_TABSTOP, 0, 237, 77, 30, 12},
    {IDC_KEY8, "Button", "8", WS_TABSTOP, 0, 253, 35, 14, 12},
    {IDC_KEY5, "Button", "5", WS_TABSTOP, 0, 253, 49, 14, 12},
    {IDC_KEY2, "Button", "2", WS_TABSTOP, 0, 253, 63, 14, 12},
    {IDC_KEY9, "Button", "9", WS_TABSTOP, 0, 269, 35, 14, 12},
    {IDC_KEY6, "Button", "6", WS_TABSTOP, 0, 269, 49, 14, 12},
    {IDC_KEY3, "Button", "3", WS_TABSTOP, 0, 269, 63, 14, 12},
    {IDC_KEYPOINT, "Button", ".", WS_TABSTOP, 0, 269, 77, 14, 12},
    {IDC_KEYBACK, "Button", "Back", WS_TABSTOP, 0, 237, 21, 23, 12},
    {IDC_KEYDIVIDE, "Button", "/", WS_TABSTOP, 0, 285, 35, 14, 12},
    {IDC_KEYMULTIPLY, "Button", "*", WS_TABSTOP, 0, 285, 49, 14, 12},
    {IDC_KEYSUBTRACT, "Button", "-", WS_TABSTOP, 0, 285, 63, 14, 12},
    {IDC_KEYADD, "Button", "+", WS_TABSTOP, 0, 285, 77, 14, 12},
    {IDC_KEYSIGN, "Button", "+/-", WS_TABSTOP, 0, 237, 91, 16, 12},
    {IDC_KEYCE, "Button", "CE", WS_TABSTOP, 0, 262, 21, 17, 12},
    {IDC_KEYC, "Button", "C", WS_TABSTOP, 0, 281, 21, 18, 12},
    {IDC_KEYEQUALS, "Button", "=", WS_TABSTOP, 0, 275, 91, 24, 12},
    {IDC_KEYINVERT, "Button", "1/x", WS_TABSTOP, 0, 255, 91, 18, 12},
    {IDC_DISPLAY, "Static", "", WS_BORDER | WS_GROUP, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE,
     236, 6, 64, 12},
};
constexpr int PanelControlCount = sizeof PanelControls / sizeof PanelControls[0];

// The template holds exactly the table: order, ids, classes, texts, styles
// and rectangles.
static void CheckPanelTemplate()
{
    DialogTemplate panel;
    CHECK(LoadDialogTemplate(IDD_MAINPANEL, &panel));
    CHECK(panel.extended);
    CHECK_INT(panel.style, WS_CHILD | WS_VISIBLE | DS_SETFONT, "panel template style");
    CHECK(panel.x == 0 && panel.y == 0 && panel.width == 314 && panel.height == 114);
    CHECK_TEXT(panel.font, "MS Sans Serif", "panel font");
    CHECK(panel.pointSize == 8 && panel.weight == 400 && panel.italic == 0);
    CHECK_INT(panel.count, PanelControlCount, "panel controls");
    for (int i = 0; i < panel.count && i < PanelControlCount; ++i) {
        const TemplateItem& item = panel.items[i];
        const ControlSpec& spec = PanelControls[i];
        char what[96];
        wsprintfA(what, "template item %d (id %d)", i, spec.id);
        CHECK_INT(item.id, static_cast<WORD>(spec.id), what);
        CHECK(lstrcmpiA(item.className, spec.className) == 0);
        CHECK_TEXT(item.text, spec.text, what);
        CHECK_INT(item.style, WS_CHILD | WS_VISIBLE | spec.style, what);
        CHECK_INT(item.exStyle, spec.exStyle, what);
        CHECK(item.x == spec.x && item.y == spec.y && item.width == spec.width &&
              item.height == spec.height);
    }
}

static void CheckControl(HWND control, const ControlSpec& spec)
{
    char what[96];
    wsprintfA(what, "control %d \"%s\"", spec.id, spec.text);
    CHECK_INT(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(spec.id), what);
    CHECK_TEXT(ClassOf(control), spec.className, what);
    if (spec.id != IDC_MONTHBOX && spec.id != IDC_RATEBOX)  // start-up texts: see main
        CHECK_TEXT(TextOf(control), spec.text, what);
    // The system moves some styles (a combo box's scroll bar to its list, a
    // border to the edge styles); the template check covers them exactly.
    LONG want = WS_CHILD | WS_VISIBLE | (spec.style & (WS_TABSTOP | WS_GROUP));
    CHECK_INT(GetWindowLongA(control, GWL_STYLE) & want, want, what);
    CHECK_INT(GetWindowLongA(control, GWL_EXSTYLE) & spec.exStyle, spec.exStyle, what);
    RECT expected = DialogRect(MainPanel, spec.x, spec.y, spec.width, spec.height);
    RECT actual = RectInParent(control);
    if (spec.id == IDC_MONTHBOX || spec.id == IDC_RATEBOX) {
        // Widened for their lists; the height is the closed box's own.
        expected.right = expected.left + (spec.id == IDC_MONTHBOX ? 88 : 68);
        expected.bottom = actual.bottom;
    }
    CHECK_RECT(actual, expected, what);
}

// Children in z-order, which is also the tab order: the Loan page on top,
// then the rate box, the rest in template order, and the month box last.
static void CheckPanelChildren()
{
    CHECK_INT(GetWindowLongA(MainPanel, GWL_STYLE) & (WS_CHILD | WS_VISIBLE),
              WS_CHILD | WS_VISIBLE, "panel style");
    CHECK_RECT(RectInParent(MainPanel), DialogRect(MainPanel, 0, 0, 314, 114), "panel rect");
    // The marks of texts too long for the term boxes and the display lie
    // right above what they mark; they come from no template.
    auto next = [](HWND w) {
        w = GetWindow(w, GW_HWNDNEXT);
        while (w && IsMark(w))
            w = GetWindow(w, GW_HWNDNEXT);
        return w;
    };
    HWND child = GetWindow(MainPanel, GW_CHILD);
    CHECK(child == LoanPage);
    child = next(child);
    const int order[] = {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,
                         19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 0};
    for (int i = 0; i < PanelControlCount; ++i) {
        CHECK(child != nullptr);
        if (!child)
            return;
        CheckControl(child, PanelControls[order[i]]);
        child = next(child);
    }
    CHECK(child == nullptr);
    HWND display = GetDlgItem(MainPanel, IDC_DISPLAY);
    CHECK(MarkOf(GetDlgItem(RateBox, 1001)) != nullptr);
    CHECK(MarkOf(GetDlgItem(MonthBox, 1001)) != nullptr);
    CHECK(MarkOf(display) != nullptr);
    CHECK(MonthBox == GetDlgItem(MainPanel, IDC_MONTHBOX));
    CHECK(RateBox == GetDlgItem(MainPanel, IDC_RATEBOX));
    CHECK(TabStrip == GetDlgItem(MainPanel, IDC_TABSTRIP));
}

static void CheckTabStrip()
{
    CHECK_INT(SendMessageA(TabStrip, TCM_GETITEMCOUNT, 0, 0), 3, "tab items");
    const char* labels[] = {"Loan", "Investment", "Saving"};
    RECT client;
    GetClientRect(TabStrip, &client);
    for (int i = 0; i < 3; ++i) {
        char text[32] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(TabStrip, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        CHECK_TEXT(text, labels[i], "tab label");
        CHECK_INT(item.iImage, -1, "tab image");
        RECT r = {};
        SendMessageA(TabStrip, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        CHECK_INT(r.bottom - r.top, 20, "tab item height");
        // Without fixed-width tabs the strip takes the quarter width as the
        // least width of an item; a longer label widens its tab.
        CHECK(r.right - r.left >= client.right / 4);
    }
    CHECK_INT(SendMessageA(TabStrip, TCM_GETCURSEL, 0, 0), 0, "Loan selected at start-up");
}

static void CheckPageTemplate(HWND page, int height, const char* leftLabel)
{
    CHECK(GetParent(page) == MainPanel);
    CHECK_RECT(RectInParent(page), DialogRect(MainPanel, 9, 33, 209, height), "page place");
    CHECK_TEXT(ItemText(page, IDC_LEFTLABEL), leftLabel, "left label");
    CHECK_TEXT(ItemText(page, IDC_CALCULATE), "Calculate It", "button");
    CHECK_INT(SendDlgItemMessageA(page, IDC_LEFTTORIGHT, BM_GETCHECK, 0, 0), BST_CHECKED,
              "new page starts left to right");
    CHECK_INT(ReadDirection(page), LeftToRight, "direction");
    CHECK_TEXT(ItemText(page, IDC_LEFTFIELD), "", "left field empty");
    CHECK_TEXT(ItemText(page, IDC_RIGHTFIELD), "", "right field empty");
}

static bool Visible(HWND page)
{
    return page && IsWindowVisible(page);
}

static void CheckPageSwitching()
{
    HWND key7 = GetDlgItem(MainPanel, IDC_KEY7);
    // Start-up: the Loan page only, the focus rectangle shown.
    CHECK(CueRequests > 0);
    CHECK(Visible(LoanPage));
    CHECK(InvestmentPage == nullptr && SavingPage == nullptr);
    CHECK(GetFocus() == key7);
    CheckPageTemplate(LoanPage, 72, "Loan:");
    SetItemText(LoanPage, IDC_LEFTFIELD, "1234");
    HWND loan = LoanPage;

    // A click on "Investment" creates its page on top and hides the Loan
    // page; the focus rectangle is shown on the "7" key again.
    SetFocus(MonthBox);
    CueRequests = 0;
    ClickTab(1);
    CHECK_INT(CueRequests, 1, "focus shown after a page switch");
    CHECK_INT(SendMessageA(TabStrip, TCM_GETCURSEL, 0, 0), 1, "Investment selected");
    CHECK(Visible(InvestmentPage) && !Visible(LoanPage) && SavingPage == nullptr);
    CHECK(GetWindow(MainPanel, GW_CHILD) == InvestmentPage);
    CHECK(GetFocus() == key7);
    CheckPageTemplate(InvestmentPage, 73, "Present Worth:");

    ClickTab(2);
    CHECK(Visible(SavingPage) && !Visible(LoanPage) && !Visible(InvestmentPage));
    CHECK(GetWindow(MainPanel, GW_CHILD) == SavingPage);
    CheckPageTemplate(SavingPage, 73, "Monthly Saving:");

    // Back to Loan: the same page, its field as it was left, its place kept.
    ClickTab(0);
    CHECK(LoanPage == loan);
    CHECK(Visible(LoanPage) && !Visible(InvestmentPage) && !Visible(SavingPage));
    CHECK_TEXT(ItemText(LoanPage, IDC_LEFTFIELD), "1234", "hidden page keeps its field");
    CHECK(GetWindow(MainPanel, GW_CHILD) == SavingPage);
    CHECK(GetFocus() == key7);
}

static void CheckBroadcasts()
{
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordPageMessages, nullptr,
                                   GetCurrentThreadId());
    // Selecting the selected tab again runs the whole switch.
    ReceivedCount = 0;
    SetFocus(RateBox);
    SelectTab(0);
    CHECK_INT(ReceivedCount, 3, "tab change reaches every page");
    HWND order[] = {LoanPage, InvestmentPage, SavingPage};
    for (int i = 0; i < 3 && i < ReceivedCount; ++i) {
        CHECK(Received[i].page == order[i]);
        CHECK_INT(Received[i].wParam, IDC_TABSTRIP, "tab strip id, code 0");
    }
    CHECK(Visible(LoanPage) && !Visible(InvestmentPage));
    CHECK(GetFocus() == GetDlgItem(MainPanel, IDC_KEY7));

    // Unknown ids go to every page, in order, and the panel answers TRUE.
    const WORD ids[] = {0, 3, 1000, 1003, 1014, 1029, 1030, 1040, 40001, 65535};
    for (WORD id : ids) {
        ReceivedCount = 0;
        INT_PTR result = PanelProc(MainPanel, WM_COMMAND, MAKEWPARAM(id, 7), 0);
        char what[48];
        wsprintfA(what, "id %u broadcast", id);
        CHECK_INT(result, TRUE, what);
        CHECK_INT(ReceivedCount, 3, what);
        for (int i = 0; i < 3 && i < ReceivedCount; ++i) {
            CHECK(Received[i].page == order[i]);
            CHECK_INT(Received[i].wParam, MAKEWPARAM(id, 7), what);
        }
    }

    // Ids 1 and 2 are posted to the host, not sent to the pages.
    for (WORD id = IDOK; id <= IDCANCEL; ++id) {
        ReceivedCount = 0;
        INT_PTR result = PanelProc(MainPanel, WM_COMMAND, MAKEWPARAM(id, 0), 1234);
        CHECK_INT(result, TRUE, "ids 1 and 2 answered TRUE");
        CHECK_INT(ReceivedCount, 0, "ids 1 and 2 not sent to pages");
        MSG msg = {};
        CHECK(PeekMessageA(&msg, PanelHost, WM_COMMAND, WM_COMMAND, PM_REMOVE));
        CHECK_INT(msg.wParam, id, "posted wParam");
        CHECK_INT(msg.lParam, 1234, "posted lParam");
    }
    UnhookWindowsHookEx(hook);
    Pump();
}

// A label click can put a text wider than a term box into it (an error
// message from the display); typing into the box afterwards must work.
static void CheckTypingIntoWideText()
{
    HWND boxes[] = {MonthBox, RateBox};
    for (HWND box : boxes) {
        HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Cannot divide by 0"));
        SendMessageA(edit, EM_SETSEL, 0, 0);
        SendMessageA(edit, WM_CHAR, '7', 1);
        SendMessageA(edit, WM_CHAR, '5', 1);
        CHECK_TEXT(TextOf(box), "75Cannot divide by 0", "typed into a wide text");
    }
    SetItemText(MainPanel, IDC_MONTHBOX, "360");
    SetItemText(MainPanel, IDC_RATEBOX, "7.80");
}

int main()
{
    HarnessStart();
    HHOOK cues = SetWindowsHookExA(WH_CALLWNDPROC, RecordCueRequests, nullptr,
                                   GetCurrentThreadId());
    CHECK(StartLedgerly() != nullptr);
    if (!MainWindow)
        return HarnessFinish("panel");
    CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), "360", "start-up month");
    CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), "7.80", "start-up rate");
    CHECK_TEXT(ItemText(MainPanel, IDC_DISPLAY), "", "start-up display");
    CheckPanelTemplate();
    CheckPanelChildren();
    CheckTabStrip();
    CheckPageSwitching();
    CheckBroadcasts();
    CheckTypingIntoWideText();
    UnhookWindowsHookEx(cues);
    DestroyWindow(MainWindow);
    return HarnessFinish("panel");
}
