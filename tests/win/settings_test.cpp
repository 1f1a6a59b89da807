// The whole window at a display setting: run by settings.sh in a Wine prefix
// of that setting (its DPI, with or without Wine's bitmap fonts), given the
// setting as "settings_test DPI wine|default". Every shown control lies
// inside the main window's client area, every text fits its control,
// measured with the control's own font, on every page; the page fields hold
// the longest amount and a 12-digit result whole, and a longer text is marked
// and shown whole in the field's tip.
#include <stdlib.h>
#include <string.h>

#include "tests/win/winharness.h"

static int Dpi;
static bool WineFonts;
static char Where[64];  // the setting and the page, for the messages

static SIZE TextExtent(HWND control, const char* text)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

static void Report(bool ok, HWND control, const char* text, const char* what, LONG need, LONG have)
{
    char message[160];
    wsprintfA(message, "%s: %s %d \"%s\" %s", Where, ClassOf(control), GetDlgCtrlID(control),
              text, what);
    if (!CheckTrue(ok, message, __FILE__, __LINE__))
        printf("    needs %ld pixels, has %ld\n", need, have);
}

// The program really runs at the setting it was given: the DPI, and Wine's
// bitmap "MS Sans Serif" or a TrueType font standing in for it.
static void CheckSetting()
{
    HDC screen = GetDC(nullptr);
    CHECK_INT(GetDeviceCaps(screen, LOGPIXELSY), Dpi, "the prefix's DPI");
    ReleaseDC(nullptr, screen);
    HDC dc = GetDC(MainPanel);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(MainPanel, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(MainPanel, dc);
    CHECK_INT((metrics.tmPitchAndFamily & TMPF_TRUETYPE) == 0, WineFonts,
              "the panel's font is Wine's bitmap font exactly when the prefix has it");
}

// The window keeps its place; at 96 DPI with Wine's fonts it keeps its
// size, elsewhere its client area holds the whole panel. The host fills it.
static void CheckWindow()
{
    RECT frame, client, panel;
    GetWindowRect(MainWindow, &frame);
    GetClientRect(MainWindow, &client);
    GetWindowRect(MainPanel, &panel);
    MapWindowPoints(nullptr, MainWindow, reinterpret_cast<POINT*>(&panel), 2);
    printf("%s: window %ld x %ld, client %ld x %ld, panel %ld x %ld\n", Where,
           frame.right - frame.left, frame.bottom - frame.top, client.right, client.bottom,
           panel.right - panel.left, panel.bottom - panel.top);
    CHECK(frame.left == 10 && frame.top == 10);
    if (Dpi == 96 && WineFonts) {
        CHECK_RECT(frame, (RECT{10, 10, 484, 237}), "474 x 227 at the reference setting");
    } else {
        CHECK(panel.right <= client.right && panel.bottom <= client.bottom);
        // Grown only as far as the panel needs in the direction that needed it.
        CHECK(client.right == panel.right || frame.right - frame.left == 474);
        CHECK(client.bottom == panel.bottom || frame.bottom - frame.top == 227);
    }
    CHECK_RECT(RectInParent(PanelHost), client, "host fills the client area");
}

// The room a button leaves its text: a push button's frame, or a radio
// button's circle and the gap after it.
static LONG ButtonRoom(HWND button, LONG width)
{
    switch (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) {
    case BS_AUTORADIOBUTTON:
        return width - MulDiv(13 + 4, Dpi, 96);
    case BS_GROUPBOX:
        return width;
    default:
        return width - 4;
    }
}

// One shown control of the panel or of a page: inside the main window's
// client area, and its text, if it has one, fits.
static void CheckControl(HWND control)
{
    RECT client, r, inner;
    GetClientRect(MainWindow, &client);
    MapWindowPoints(MainWindow, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(control, &r);
    GetClientRect(control, &inner);
    const char* text = TextOf(control);
    Report(r.left >= client.left && r.top >= client.top && r.right <= client.right &&
               r.bottom <= client.bottom,
           control, text, "lies inside the client area", r.right, client.right);
    if (!*text)
        return;
    char name[64];
    lstrcpyA(name, ClassOf(control));
    SIZE need = TextExtent(control, text);
    if (lstrcmpiA(name, "Static") == 0) {
        Report(need.cx <= inner.right, control, text, "text fits across", need.cx, inner.right);
        Report(need.cy <= inner.bottom, control, text, "text fits down", need.cy, inner.bottom);
    } else if (lstrcmpiA(name, "Button") == 0) {
        LONG room = ButtonRoom(control, inner.right);
        Report(need.cx <= room, control, text, "text fits across", need.cx, room);
        Report(need.cy <= inner.bottom, control, text, "text fits down", need.cy, inner.bottom);
    } else if (lstrcmpiA(name, "ComboBox") == 0) {
        // The term boxes: the text whole in the box's edit field.
        HWND edit = FindWindowExA(control, nullptr, "Edit", nullptr);
        RECT format = {};
        SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        LONG room = format.right - format.left;
        LONG width = TextExtent(edit, text).cx;
        Report(width <= room, control, text, "text shows whole", width, room);
    }
}

static void CheckTabItems()
{
    const char* labels[] = {"Loan", "Investment", "Saving"};
    for (int i = 0; i < 3; ++i) {
        RECT item = {};
        SendMessageA(TabStrip, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
        SIZE need = TextExtent(TabStrip, labels[i]);
        // Two pixels of the tab's frame on each side.
        LONG across = item.right - item.left - 4, down = item.bottom - item.top - 4;
        Report(need.cx <= across, TabStrip, labels[i], "tab text fits across", need.cx, across);
        Report(need.cy <= down, TabStrip, labels[i], "tab text fits down", need.cy, down);
    }
}

static HWND Mark(HWND field)
{
    return GetWindow(field, GW_CHILD);
}

static const char* TipText(HWND page, HWND field)
{
    static char text[1024];
    text[0] = '\0';
    HWND tip = nullptr;
    for (HWND w = GetTopWindow(nullptr); w && !tip; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (process == GetCurrentProcessId() && lstrcmpiA(ClassOf(w), TOOLTIPS_CLASSA) == 0)
            tip = w;
    }
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = page;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

// What a field shows: the longest amount and a 12-digit result whole and
// unmarked; a longer text marked at the field's right end while the field
// is not being edited, and whole in its tip.
struct FieldText {
    const char* text;
    bool fits;
};

constexpr FieldText FieldTexts[] = {
    {"10000000000.00", true},                // the input cap
    {"999999999999.99", true},               // the largest result below 10^12
    {"1000000000000000000000.00", false},    // 10^21
    {"518235919421682815071867158069893888219279.00", false},
    {"", true},
};

static void CheckFields(HWND page)
{
    const int fields[] = {IDC_LEFTFIELD, IDC_RIGHTFIELD};
    for (int id : fields) {
        HWND field = GetDlgItem(page, id);
        SetFocus(GetDlgItem(MainPanel, IDC_KEY7));
        for (const FieldText& row : FieldTexts) {
            SetItemText(page, id, row.text);
            RECT format = {};
            SendMessageA(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            LONG width = TextExtent(field, row.text).cx, room = format.right - format.left;
            if (row.fits) {
                Report(width <= room, field, row.text, "shows whole", width, room);
                Report(!IsWindowVisible(Mark(field)), field, row.text, "is not marked", 0, 0);
                Report(!*TipText(page, field), field, row.text, "has no tip", 0, 0);
                continue;
            }
            RECT client, mark;
            GetClientRect(field, &client);
            MapWindowPoints(field, nullptr, reinterpret_cast<POINT*>(&client), 2);
            GetWindowRect(Mark(field), &mark);
            Report(IsWindowVisible(Mark(field)), field, row.text, "is marked", 0, 0);
            Report(mark.right == client.right && mark.top == client.top &&
                       mark.bottom == client.bottom && mark.left > client.left,
                   field, row.text, "is marked at the field's right end", mark.right,
                   client.right);
            CHECK_TEXT(TipText(page, field), row.text, "the tip shows the whole text");
        }
        // Being edited, the field shows its end unmarked; left, it is marked again.
        SetItemText(page, id, FieldTexts[2].text);
        SetFocus(field);
        Report(!IsWindowVisible(Mark(field)), field, "", "unmarked while focused", 0, 0);
        SetFocus(GetDlgItem(MainPanel, IDC_KEY7));
        Report(IsWindowVisible(Mark(field)), field, "", "marked after the focus left", 0, 0);
        SetItemText(page, id, "");
    }
}

// Calculated results go the same way: 10^10 at the start-up terms grows to
// a 12-digit future worth; 1 at 100 percent over 1200 months to 42 digits.
static void CheckCalculatedResults(HWND investment)
{
    struct Result {
        const char* months;
        const char* rate;
        const char* amount;
        bool fits;
    };
    const Result results[] = {
        {"360", "7.80", "10000000000", true},
        {"1200", "100", "1", false},
    };
    for (const Result& row : results) {
        SetItemText(MainPanel, IDC_MONTHBOX, row.months);
        SetItemText(MainPanel, IDC_RATEBOX, row.rate);
        SetItemText(investment, IDC_LEFTFIELD, row.amount);
        Click(investment, IDC_LEFTTORIGHT);
        Click(investment, IDC_CALCULATE);
        HWND field = GetDlgItem(investment, IDC_RIGHTFIELD);
        const char* text = TextOf(field);
        char result[400];
        lstrcpynA(result, text, sizeof result);
        Report(IsWindowVisible(Mark(field)) != row.fits, field, result, "marked when too long",
               0, 0);
        CHECK_TEXT(TipText(investment, field), row.fits ? "" : result, "tip of a result");
    }
    SetItemText(MainPanel, IDC_MONTHBOX, "360");
    SetItemText(MainPanel, IDC_RATEBOX, "7.80");
}

static void CheckPage(int index)
{
    const char* names[] = {"Loan", "Investment", "Saving"};
    wsprintfA(Where, "%d DPI, %s fonts, %s page", Dpi, WineFonts ? "Wine's" : "default",
              names[index]);
    SelectTab(index);
    Pump();
    HWND page = index == 0 ? LoanPage : index == 1 ? InvestmentPage : SavingPage;
    for (HWND c = GetWindow(MainPanel, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (IsWindowVisible(c))
            CheckControl(c);
    }
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (IsWindowVisible(c))
            CheckControl(c);
    }
    CheckTabItems();
    CheckFields(page);
    if (page == InvestmentPage)
        CheckCalculatedResults(page);
}

int main(int argc, char** argv)
{
    HarnessStart();
    if (argc != 3)
        return 2;
    Dpi = atoi(argv[1]);
    WineFonts = strcmp(argv[2], "wine") == 0;
    wsprintfA(Where, "%d DPI, %s fonts", Dpi, WineFonts ? "Wine's" : "default");
    CHECK(StartLedgerly() != nullptr);
    if (!MainWindow)
        return HarnessFinish("settings");
    CheckSetting();
    CheckWindow();
    for (int index = 0; index < 3; ++index)
        CheckPage(index);

    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
    CHECK_INT(RunMessageLoop(), 0, "exit code");
    return HarnessFinish("settings");
}
