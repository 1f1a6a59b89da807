// The whole window at a display setting: run by settings.sh in the Wine
// prefix of one setting (a DPI, with or without Wine's bitmap fonts), which
// it is given as "settings_test DPI wine|default". On every page, every
// shown control lies inside the main window's client area and every text
// fits its control, measured with the control's own font; the page fields
// hold the longest amount and a 12-digit result whole, the term boxes every
// rate to three places and every month item; a longer text, in a field, a
// term box or the calculator display, is marked at its right end on the
// field's own background, with no text under the mark, and shown whole in
// a tip that wraps at half the screen. The Schedule box, with the longest
// texts its columns get, lies on the screen whole, its texts fit, and every
// column holds its longest text; so does the Loan Cost box, its fields, its
// figures and its note with the longest texts each can show.
#include <stdlib.h>
#include <string.h>

#include "finance/loancost.h"
#include "finance/notes.h"
#include "tests/win/boxdriver.h"

static int Dpi;
static bool WineFonts;
static char Where[64];  // the setting and the page, for the messages

static SIZE TextExtent(HWND control, const char* text)
{
    HDC dc = GetDC(control);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

// A check about one control, named by the setting, the page and the control.
static bool Report(bool ok, HWND control, const char* text, const char* what)
{
    char message[200];
    wsprintfA(message, "%s: %s %d \"%.60s\" %s", Where, ClassOf(control), GetDlgCtrlID(control),
              text, what);
    return CheckTrue(ok, message, __FILE__, __LINE__);
}

static void ReportFit(LONG need, LONG room, HWND control, const char* text, const char* what)
{
    if (!Report(need <= room, control, text, what))
        printf("    needs %ld pixels, has %ld\n", need, room);
}

// The program runs at the setting it was given: the DPI, and Wine's bitmap
// "MS Sans Serif" or a TrueType font standing in for it.
static void CheckSetting()
{
    HDC dc = GetDC(MainPanel);
    CHECK_INT(GetDeviceCaps(dc, LOGPIXELSY), Dpi, "the prefix's DPI");
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(MainPanel, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(MainPanel, dc);
    CHECK_INT((metrics.tmPitchAndFamily & TMPF_TRUETYPE) == 0, WineFonts,
              "the panel's font is Wine's bitmap font where the prefix has it");
}

// The window keeps its place; at 96 DPI with Wine's fonts it keeps its
// size, elsewhere its client area holds the whole panel, grown no further
// than the panel needs. The host fills it.
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
        CHECK(client.right == panel.right || frame.right - frame.left == 474);
        CHECK(client.bottom == panel.bottom || frame.bottom - frame.top == 227);
    }
    CHECK_RECT(RectInParent(PanelHost), client, "host fills the client area");
}

// The width a button leaves its text: inside a push button's frame, or
// after a radio button's circle and the gap that follows it.
static LONG ButtonRoom(HWND button, LONG width)
{
    switch (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) {
    case BS_AUTORADIOBUTTON:
    case BS_AUTOCHECKBOX:
        return width - MulDiv(13 + 4, Dpi, 96);
    case BS_GROUPBOX:
        return width;
    default:
        return width - 4;
    }
}

// One shown control of the panel or of a page: inside the main window's
// client area, and its text, if it has one, whole.
static void CheckControl(HWND control)
{
    RECT client, r, inner;
    GetClientRect(MainWindow, &client);
    MapWindowPoints(MainWindow, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(control, &r);
    GetClientRect(control, &inner);
    char text[64];
    lstrcpynA(text, TextOf(control), sizeof text);
    Report(r.left >= client.left && r.top >= client.top && r.right <= client.right &&
               r.bottom <= client.bottom,
           control, text, "lies inside the client area");
    if (!text[0])
        return;
    const char* name = ClassOf(control);
    SIZE need = TextExtent(control, text);
    if (lstrcmpiA(name, "Static") == 0) {
        ReportFit(need.cx, inner.right, control, text, "text fits across");
        ReportFit(need.cy, inner.bottom, control, text, "text fits down");
    } else if (lstrcmpiA(name, "Button") == 0) {
        ReportFit(need.cx, ButtonRoom(control, inner.right), control, text, "text fits across");
        ReportFit(need.cy, inner.bottom, control, text, "text fits down");
    } else if (lstrcmpiA(name, "ComboBox") == 0) {
        // A term box: its text whole in the box's edit field.
        HWND edit = FindWindowExA(control, nullptr, "Edit", nullptr);
        RECT format = {};
        SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        ReportFit(TextExtent(edit, text).cx, format.right - format.left, control, text,
                  "text shows whole");
    }
}

// Each tab's text inside its item, with two pixels of frame on each side.
static void CheckTabItems()
{
    const char* labels[] = {"Loan", "Investment", "Saving"};
    for (int i = 0; i < 3; ++i) {
        RECT item = {};
        SendMessageA(TabStrip, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
        SIZE need = TextExtent(TabStrip, labels[i]);
        ReportFit(need.cx, item.right - item.left - 4, TabStrip, labels[i], "tab text fits across");
        ReportFit(need.cy, item.bottom - item.top - 4, TabStrip, labels[i], "tab text fits down");
    }
}

static bool Marked(HWND field)
{
    return IsWindowVisible(MarkOf(field)) != FALSE;
}

static COLORREF PixelAt(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// The program's tip window.
static HWND FindTip()
{
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (process == GetCurrentProcessId() && lstrcmpiA(ClassOf(w), TOOLTIPS_CLASSA) == 0)
            return w;
    }
    return nullptr;
}

// The text of a field's tip. Asked in the wide form: the tip gives at most
// 80 characters of its text to TTM_GETTEXTA, which has no buffer size.
static const char* TipText(HWND field)
{
    static WCHAR wide[1024];
    static char text[1024];
    wide[0] = 0;
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.hwnd = GetParent(field);
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = wide;
    SendMessageW(FindTip(), TTM_GETTEXTW, sizeof wide / sizeof wide[0],
                 reinterpret_cast<LPARAM>(&tool));
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
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
    {"10000000000.00", true},             // the input cap
    {"999999999999.99", true},            // the largest result below 10^12
    {"1000000000000000000000.00", false},
    {"518235919421682815071867158069893888219279.00", false},
    {"", true},
};

static void CheckMarked(HWND field, const char* text);

// The text is set on the field, or on the term box that holds it.
static void CheckFieldText(HWND holder, HWND field, const FieldText& row)
{
    SetWindowTextA(holder, row.text);
    if (row.fits) {
        RECT format = {};
        SendMessageA(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        ReportFit(TextExtent(field, row.text).cx, format.right - format.left, field, row.text,
                  "shows whole");
        Report(!Marked(field), field, row.text, "is not marked");
        Report(!*TipText(field), field, row.text, "has no tip");
        return;
    }
    CheckMarked(field, row.text);
}

// A text too wide: marked at the field's right end, on the field's own
// background, with no glyph drawn under the mark, and whole in the tip.
static void CheckMarked(HWND field, const char* text)
{
    Pump();
    RECT client, mark;
    GetClientRect(field, &client);
    MapWindowPoints(field, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(MarkOf(field), &mark);
    Report(Marked(field) && mark.right == client.right && mark.top == client.top &&
               mark.bottom == client.bottom && mark.left > client.left,
           field, text, "is marked at the field's right end");
    Report(PixelAt(MarkOf(field), 1, 1) == PixelAt(field, 1, 1), field, text,
           "has its mark on its own background");
    // The field itself is drawn: its text shows left of the mark, as many
    // characters whole as fit there, and no cut one after them.
    bool edit = lstrcmpiA(ClassOf(field), "Edit") == 0;
    RECT format = {};
    if (edit)
        SendMessageA(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    LONG textLeft = format.left;
    LONG markLeft = mark.left - client.left;
    char start[400] = "";
    LONG whole = 0;
    for (int n = 1; text[n - 1] && n < static_cast<int>(sizeof start); ++n) {
        lstrcpynA(start, text, n + 1);
        LONG width = TextExtent(field, start).cx;
        if (textLeft + width > markLeft)
            break;
        whole = width;
    }
    bool drawn = false, cut = false;
    COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
    HDC dc = GetDC(field);
    for (LONG x = 0; x < markLeft; ++x) {
        for (LONG y = 0; y < client.bottom - client.top; ++y) {
            if (GetPixel(dc, x, y) != ink)
                continue;
            drawn = true;
            cut = cut || x > textLeft + whole;
        }
    }
    ReleaseDC(field, dc);
    Report(!cut, field, text, "shows only whole characters left of its mark");
    Report(drawn, field, text, "shows its text left of the mark");
    if (edit) {
        MapWindowPoints(field, nullptr, reinterpret_cast<POINT*>(&format), 2);
        Report(format.right <= mark.left, field, text, "draws no text under its mark");
    }
    // On a narrow screen the tip breaks the text into lines.
    char tip[1024];
    int length = 0;
    for (const char* c = TipText(field); *c && length < static_cast<int>(sizeof tip) - 1; ++c) {
        if (*c != '\n')
            tip[length++] = *c;
    }
    tip[length] = '\0';
    Report(strcmp(tip, text) == 0, field, text, "shows whole in the tip");
}

static void CheckFields(HWND page)
{
    HWND key7 = GetDlgItem(MainPanel, IDC_KEY7);
    const int fields[] = {IDC_LEFTFIELD, IDC_RIGHTFIELD};
    for (int id : fields) {
        HWND field = GetDlgItem(page, id);
        SetFocus(key7);
        for (const FieldText& row : FieldTexts)
            CheckFieldText(field, field, row);
        // Being edited, the field shows its end unmarked; left, marked again.
        SetWindowTextA(field, FieldTexts[2].text);
        SetFocus(field);
        Report(!Marked(field), field, "", "is not marked while focused");
        SetFocus(key7);
        Report(Marked(field), field, "", "is marked again once the focus left");
        SetWindowTextA(field, "");
    }
}

// The term boxes show every rate with up to three places below 1000, the
// clamp "1000.00", every count and every item of the month list whole, and
// mark a text too wide for them, as the fields do: a rate with ten places,
// set by the program or left after typing.
struct TermText {
    const char* text;
    bool monthFits;
    bool rateFits;
};

constexpr TermText TermTexts[] = {
    {"7.80", true, true},
    {"1200", true, true},
    {"999.999", true, true},
    {"1000.00", true, true},
    {"999.9999999999", false, false},  // the widest rate with ten places
    {"", true, true},
};

// A tip stays on the screen: a text of 300 digits comes in lines no wider
// than half the screen, and nothing is lost between them.
static void CheckTipWraps(HWND box, HWND edit)
{
    char text[301];
    for (int i = 0; i < 300; ++i)
        text[i] = static_cast<char>('0' + i % 10);
    text[300] = '\0';
    SetWindowTextA(box, text);
    HWND tip = FindTip();
    LONG half = GetSystemMetrics(SM_CXSCREEN) / 2;
    Report(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0) == half, edit, "",
           "tip is at most half the screen wide");
    char joined[301];
    int length = 0, lines = 0;
    for (const char* line = TipText(edit); *line; ++lines) {
        char one[301];
        int n = 0;
        while (line[n] && line[n] != '\n' && n < 300) {
            one[n] = line[n];
            ++n;
        }
        one[n] = '\0';
        ReportFit(TextExtent(tip, one).cx, half, edit, one, "tip line fits half the screen");
        for (int k = 0; k < n && length < 300; ++k)
            joined[length++] = one[k];
        line += line[n] ? n + 1 : n;
    }
    joined[length] = '\0';
    if (!Report(strcmp(joined, text) == 0 && lines > 1, edit, "",
                "tip holds the whole text in lines"))
        printf("    %d lines: \"%s\"\n", lines, TipText(edit));
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = GetParent(edit);
    tool.uId = reinterpret_cast<UINT_PTR>(edit);
    LRESULT bubble = SendMessageA(tip, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));
    ReportFit(LOWORD(bubble), GetSystemMetrics(SM_CXSCREEN), edit, "", "tip stays on the screen");
}

static void CheckTermBoxes()
{
    wsprintfA(Where, "%d DPI, %s fonts, term boxes", Dpi, WineFonts ? "Wine's" : "default");
    HWND key7 = GetDlgItem(MainPanel, IDC_KEY7);
    HWND boxes[] = {MonthBox, RateBox};
    for (HWND box : boxes) {
        HWND edit = GetDlgItem(box, 1001);
        RECT r, format = {};
        GetWindowRect(box, &r);
        SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        printf("%s: %s box %ld pixels wide, room for %ld; \"360 (30 Yrs)\" needs %ld, "
               "\"1000.00\" %ld, \"999.999\" %ld, \"999.9999999999\" %ld\n",
               Where, box == MonthBox ? "month" : "rate", r.right - r.left,
               format.right - format.left, TextExtent(edit, "360 (30 Yrs)").cx,
               TextExtent(edit, "1000.00").cx, TextExtent(edit, "999.999").cx,
               TextExtent(edit, "999.9999999999").cx);
        SetFocus(key7);
        for (const TermText& row : TermTexts)
            CheckFieldText(box, edit,
                           FieldText{row.text, box == MonthBox ? row.monthFits : row.rateFits});
        SetFocus(edit);
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(TermTexts[4].text));
        Report(!Marked(edit), edit, "", "is not marked while focused");
        SetFocus(key7);
        Report(Marked(edit), edit, "", "is marked once the focus left");
    }
    // Each box, made as wide as its texts need, stops short of what stands
    // to its right: the rate's label, and the "%".
    HWND percent = FindWindowExA(MainPanel, nullptr, "Static", "%");
    const HWND rightOf[][2] = {{MonthBox, GetDlgItem(MainPanel, IDC_RATELABEL)},
                               {RateBox, percent}};
    for (const auto& pair : rightOf)
        Report(RectInParent(pair[0]).right <= RectInParent(pair[1]).left, pair[0], "",
               "ends before the control to its right");
    // Every item of the month list, as picking it leaves it in the box.
    HWND edit = GetDlgItem(MonthBox, 1001);
    SendMessageA(MonthBox, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(MonthBox, CB_SHOWDROPDOWN, FALSE, 0);
    for (int i = 0; i < 10; ++i) {
        SendMessageA(MonthBox, CB_SETCURSEL, i, 0);
        CheckFieldText(MonthBox, edit, FieldText{TextOf(MonthBox), true});
    }
    CheckTipWraps(MonthBox, edit);
    SetWindowTextA(MonthBox, "360");
    SetWindowTextA(RateBox, "7.80");
}

// The calculator display: a result wider than it is marked and whole in the
// tip, and stays the text the keys made; a shorter one is not marked.
static void CheckDisplay()
{
    wsprintfA(Where, "%d DPI, %s fonts, display", Dpi, WineFonts ? "Wine's" : "default");
    HWND display = GetDlgItem(MainPanel, IDC_DISPLAY);
    RECT client;
    GetClientRect(display, &client);
    MapWindowPoints(display, nullptr, reinterpret_cast<POINT*>(&client), 2);
    printf("%s: room for %ld, \"142857.1428571429\" needs %ld\n", Where,
           client.right - client.left, TextExtent(display, "142857.1428571429").cx);
    Report(SendMessageA(display, WM_NCHITTEST, 0,
                        MAKELPARAM((client.left + client.right) / 2,
                                   (client.top + client.bottom) / 2)) == HTCLIENT,
           display, "", "takes the mouse, so its tip sees it");
    // Keys, and the display's text after them: exactly what the keys make.
    struct DisplayCase {
        int keys[24];
        const char* text;
        int fits;  // 1 whole, 0 marked, -1 by the setting
    };
    static const DisplayCase cases[] = {
        {{IDC_KEYC, IDC_KEY4, IDC_KEYINVERT}, "0.2500000000", 1},
        {{IDC_KEYC, IDC_KEY1, IDC_KEY0, IDC_KEY0, IDC_KEY0, IDC_KEY0, IDC_KEY0, IDC_KEY0,
          IDC_KEYDIVIDE, IDC_KEY7, IDC_KEYEQUALS},
         "142857.1428571429", -1},
        {{IDC_KEYC, IDC_KEY1, IDC_KEY2, IDC_KEY3, IDC_KEY4, IDC_KEY5, IDC_KEY6, IDC_KEY7,
          IDC_KEY8, IDC_KEY9, IDC_KEY0, IDC_KEY1, IDC_KEY2, IDC_KEY3, IDC_KEY4, IDC_KEY5,
          IDC_KEY6, IDC_KEY7, IDC_KEY8, IDC_KEY9, IDC_KEY0},
         "12345678901234567890", 0},
        {{IDC_KEYC}, "", 1},
    };
    for (const DisplayCase& row : cases) {
        for (int key : row.keys) {
            if (key)
                Click(MainPanel, key);
        }
        Report(strcmp(TextOf(display), row.text) == 0, display, row.text,
               "is the display's text");
        LONG need = TextExtent(display, row.text).cx;
        bool fits = row.fits < 0 ? need <= client.right - client.left : row.fits == 1;
        if (!fits) {
            CheckMarked(display, row.text);
            continue;
        }
        ReportFit(need, client.right - client.left, display, row.text, "shows whole");
        Report(!Marked(display), display, row.text, "is not marked");
        Report(!*TipText(display), display, row.text, "has no tip");
    }
}

static void CheckPage(int index)
{
    const char* names[] = {"Loan", "Investment", "Saving"};
    wsprintfA(Where, "%d DPI, %s fonts, %s page", Dpi, WineFonts ? "Wine's" : "default",
              names[index]);
    SelectTab(index);
    Pump();
    HWND page = PageOf(index);
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
}

// Every control of the open Schedule box inside its client area, the box
// on the work area, the heading, the note and the buttons' texts whole, and
// every cell's text inside its column, the columns side by side inside the
// list.
// Whether the box is checked with the largest extras it takes, in the last
// month and the first, on the calendar from May where the screen has room
// for a column more: the widest columns it gets. A date's widest cell is no
// longer than the others, nor is a month number wider than "Total" for
// being longer.
static bool WithExtras;

static void SetExtras(HWND box, const char* amount, const char* month, int firstMonth)
{
    const int fields[] = {IDC_EXTRAMONTHLY, IDC_EXTRAFROM, IDC_EXTRAONCE, IDC_EXTRAONCEMONTH};
    const char* texts[] = {amount, month, amount, "1"};
    for (int i = 0; i < 4; ++i)
        SetDlgItemTextA(box, fields[i], texts[i]);
    HWND months = GetDlgItem(box, IDC_FIRSTMONTH);
    SendMessageA(months, CB_SETCURSEL, firstMonth, 0);
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_FIRSTMONTH, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(months));
}

static void InspectSchedule(HWND box)
{
    RECT work, frame, client;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (WithExtras)
        SetExtras(box, "10000000000", "1200", work.right - work.left >= 800 ? 5 : 0);
    GetWindowRect(box, &frame);
    Report(frame.left >= work.left && frame.top >= work.top && frame.right <= work.right &&
               frame.bottom <= work.bottom,
           box, "Schedule", "lies on the work area");
    printf("%s: box %ld x %ld at (%ld, %ld), work area %ld x %ld\n", Where,
           frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top,
           work.right - work.left, work.bottom - work.top);
    // Centred on the main window, moved only as far as the work area needs.
    RECT owner;
    GetWindowRect(MainWindow, &owner);
    LONG boxWidth = frame.right - frame.left, boxHeight = frame.bottom - frame.top;
    LONG left = (owner.left + owner.right) / 2 - boxWidth / 2;
    LONG top = (owner.top + owner.bottom) / 2 - boxHeight / 2;
    left = left + boxWidth > work.right ? work.right - boxWidth : left;
    left = left < work.left ? work.left : left;
    top = top + boxHeight > work.bottom ? work.bottom - boxHeight : top;
    top = top < work.top ? work.top : top;
    // Grown by a change after it opened, it keeps its place on the work area.
    if (!WithExtras)
        Report(labs(frame.left - left) <= 1 && labs(frame.top - top) <= 1, box, "Schedule",
               "centred on its owner");
    GetClientRect(box, &client);
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r = RectInParent(c);
        char text[64];
        lstrcpynA(text, TextOf(c), sizeof text);
        Report(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom,
               c, text, "lies inside the box");
        // The labels of the extras and the check box: their texts whole.
        int id = GetDlgCtrlID(c) & 0xFFFF;
        if (text[0] && (id == 0xFFFF || id == IDC_BYYEAR)) {
            RECT inner;
            GetClientRect(c, &inner);
            bool label = id == 0xFFFF;
            ReportFit(TextExtent(c, text).cx, label ? inner.right : ButtonRoom(c, inner.right), c,
                      text, "text fits across");
        }
    }
    const int statics[] = {IDC_SCHEDULEHEADING, IDC_SCHEDULENOTE};
    for (int id : statics) {
        HWND control = GetDlgItem(box, id);
        char text[StatementTextSize];
        lstrcpynA(text, TextOf(control), sizeof text);
        RECT inner;
        GetClientRect(control, &inner);
        RECT need = WrappedTextNeed(control, text, DT_NOPREFIX);
        ReportFit(need.bottom, inner.bottom, control, text, "text fits down");
        ReportFit(need.right, inner.right, control, text, "every line fits across");
    }
    // Every month of the first payment's list whole in the closed list,
    // beside its button.
    HWND months = GetDlgItem(box, IDC_FIRSTMONTH);
    RECT monthsRect;
    GetClientRect(months, &monthsRect);
    for (int m = 1; m <= 12; ++m) {
        char name[32] = "";
        SendMessageA(months, CB_GETLBTEXT, m, reinterpret_cast<LPARAM>(name));
        ReportFit(TextExtent(months, name).cx + GetSystemMetrics(SM_CXVSCROLL) + 6,
                  monthsRect.right, months, name, "month fits the first payment's list");
    }
    const int buttons[] = {IDC_SCHEDULECOPY, IDC_SCHEDULEPRINT, IDOK};
    for (int id : buttons) {
        HWND button = GetDlgItem(box, id);
        RECT inner;
        GetClientRect(button, &inner);
        ReportFit(TextExtent(button, TextOf(button)).cx, ButtonRoom(button, inner.right), button,
                  TextOf(button), "text fits across");
    }

    // The list draws a cell's text inside a margin of about 12 pixels at
    // 96 DPI; a text that needs more is cut with an ellipsis.
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    int margin = MulDiv(12, Dpi, 96);
    int total = 0;
    for (int c = 0; c < columns; ++c) {
        int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0));
        total += width;
        int widest = 0;
        char widestText[64] = "";
        for (int r = -1; r < rows; ++r) {
            char cell[64];
            ListCell(list, r, c, cell, sizeof cell);
            int need = static_cast<int>(
                SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(cell)));
            if (need > widest) {
                widest = need;
                lstrcpynA(widestText, cell, sizeof widestText);
            }
        }
        ReportFit(widest + margin, width, list, widestText, "fits its column");
    }
    RECT inner;
    GetClientRect(list, &inner);
    ReportFit(total, inner.right, list, "", "columns fit side by side");
    if (WithExtras)
        SetExtras(box, "", "1", 0);
}

// The longest texts: a loan of the cap at 1000 percent (payments of ten
// digits and more, with a loan's longest note), an investment past 10^16
// ("Value is too large"), an investment of the cap growing to almost 10^16
// (an investment's longest note), a saving of the cap at a rate of ten
// places (the longest note), notes of three lines at 96 DPI, and a heading
// with a worth of 300 digits, broken across lines.
static void CheckScheduleBox()
{
    struct Case {
        int tab;
        const char* months;
        const char* rate;
        const char* amount;
    };
    const Case cases[] = {{0, "1200", "1000", "10000000000"},
                          {1, "60", "1000", "10000000000"},
                          {1, "22", "1000", "10000000000"},
                          {2, "900", "0.1234567891", "9999999999.99"},
                          {1, "1199", "25", "99.99"},
                          {2, "1199", "25", "1.00"},
                          {1, "1100", "1000", "10000000000"}};
    for (const Case& c : cases) {
        wsprintfA(Where, "%d DPI, %s fonts, Schedule box of page %d", Dpi,
                  WineFonts ? "Wine's" : "default", c.tab);
        SelectTab(c.tab);
        HWND page = PageOf(c.tab);
        SetWindowTextA(MonthBox, c.months);
        SetWindowTextA(RateBox, c.rate);
        SetItemText(page, IDC_LEFTFIELD, c.amount);
        Click(page, IDC_LEFTTORIGHT);
        for (int extras = 0; extras < 2; ++extras) {
            WithExtras = extras == 1;
            ArmBoxDriver(CloseByEscape, InspectSchedule);
            SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_SCHEDULE, 0), 0);
            DisarmBoxDriver();
            CHECK_INT(BoxesSeen, 1, Where);
        }
    }
    SetWindowTextA(MonthBox, "360");
    SetWindowTextA(RateBox, "7.80");
}

// The Loan Cost box on the work area, every control inside it and its text
// whole: the fields with the largest fees and points, each figure with the
// widest amount and rate it can show and "Value is too large", the note
// with each of its texts (of a rate, of no amount financed, of a loan too
// large to follow).
static void InspectLoanCost(HWND box)
{
    SetDlgItemTextA(box, IDC_COSTFEES, "10000000000.00");
    SetDlgItemTextA(box, IDC_COSTPOINTS, "99.9999999999");
    RECT work, frame, client;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(box, &frame);
    GetClientRect(box, &client);
    Report(frame.left >= work.left && frame.top >= work.top && frame.right <= work.right &&
               frame.bottom <= work.bottom,
           box, "Loan Cost", "lies on the work area");
    LoanCost notes[3];
    StatementTerms loan = TermsOfPage(LoanKind, LeftToRight, 360, "8.00", "80000.00", "587.01");
    WorkOutLoanCost(loan, 0, 0, &notes[0]);
    WorkOutLoanCost(loan, 8000000, 0, &notes[1]);
    loan.leftTooLarge = true;
    WorkOutLoanCost(loan, 0, 0, &notes[2]);
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r = RectInParent(c), inner;
        GetClientRect(c, &inner);
        if (lstrcmpiA(ClassOf(c), "Edit") == 0)
            SendMessageA(c, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&inner));
        if (lstrcmpiA(ClassOf(c), "Button") == 0)
            inner.right = inner.left + ButtonRoom(c, inner.right - inner.left);
        char text[64];
        lstrcpynA(text, TextOf(c), sizeof text);
        Report(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom,
               c, text, "lies inside the box");
        int id = GetDlgCtrlID(c);
        const char* widest[] = {text, "-10000000000.00", "12010000000003.30", "999999999.999 %",
                                TooLargeText};
        bool figure = id >= IDC_AMOUNTFINANCED && id <= IDC_EFFECTIVERATE;
        for (int k = 0; k < (figure ? 5 : id == IDC_COSTNOTE ? 0 : 1); ++k) {
            SIZE need = TextExtent(c, widest[k]);
            ReportFit(need.cx, inner.right - inner.left, c, widest[k], "fits across");
            ReportFit(need.cy, inner.bottom - inner.top, c, widest[k], "fits down");
        }
        for (int k = 0; id == IDC_COSTNOTE && k < 3; ++k) {
            RECT need = WrappedTextNeed(c, notes[k].note, DT_NOPREFIX);
            ReportFit(need.bottom, inner.bottom, c, notes[k].note, "note fits down");
            ReportFit(need.right, inner.right, c, notes[k].note, "note fits across");
        }
    }
}

static void CheckLoanCostBox()
{
    wsprintfA(Where, "%d DPI, %s fonts, Loan Cost box", Dpi, WineFonts ? "Wine's" : "default");
    SetWindowTextA(MonthBox, "1200");
    SetWindowTextA(RateBox, "0.1");
    SetItemText(PageOf(0), IDC_RIGHTFIELD, "10000000000");
    Click(PageOf(0), IDC_RIGHTTOLEFT);
    ArmBoxDriver(CloseByEscape, InspectLoanCost);
    SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_LOANCOST, 0), 0);
    DisarmBoxDriver();
    CHECK_INT(BoxesSeen + BoxesStuck, 1, Where);
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
    CheckTermBoxes();
    CheckDisplay();
    CheckScheduleBox();
    CheckLoanCostBox();

    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
    CHECK_INT(RunMessageLoop(), 0, "exit code");
    return HarnessFinish("settings");
}
