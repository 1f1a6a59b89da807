// The Month and Interest Rate boxes with the real windows: texts typed into
// the boxes, "Calculate It" clicked on the Loan page, the lists dropped down
// with CB_SHOWDROPDOWN, keys on the boxes, the labels clicked; and the caret
// in a field that a menu command rewrites.
#include "tests/win/boxdriver.h"

static void Calculate()
{
    Click(LoanPage, IDC_CALCULATE);
}

static void SetTerms(const char* months, const char* rate)
{
    SetItemText(MainPanel, IDC_MONTHBOX, months);
    SetItemText(MainPanel, IDC_RATEBOX, rate);
}

// Month box text -> months used and the text written back.
struct MonthCase {
    const char* typed;
    int months;
    const char* shown;
};

constexpr MonthCase MonthCases[] = {
    {"360 (30 Yrs)", 360, "360"},
    {" 12 ( 1 Yr )", 12, "12"},
    {"5000", 1200, "1200"},
    {"1200.9", 1200, "1200"},
    {"0", 1, "1"},
    {"", 1, "1"},
    {"abc", 1, "1"},
    {"0.5", 1, "1"},
    {"12.7", 12, "12"},          // the box shows the count used
    {"360.9999", 360, "360"},
    {"1199.5", 1199, "1199"},
    {"1199.9995", 1199, "1199"},
    {"1 000", 1, "1"},           // cut at the first blank
    {"24 months", 24, "24"},
    {"-60", 60, "60"},           // the minus sign is dropped
    {"1,200", 1200, "1200"},
};

// Rate box text -> annual rate used and the text written back.
struct RateCase {
    const char* typed;
    double rate;
    const char* shown;
};

constexpr RateCase RateCases[] = {
    {"8", 8.0, "8.00"},
    {"0.05", 0.1, "0.10"},
    {"0.0999", 0.1, "0.10"},
    {"0.1", 0.1, "0.10"},
    {"2000", 1000.0, "1000.00"},
    {"1000.001", 1000.0, "1000.00"},
    {"", 0.1, "0.10"},
    {"-7.5", 7.5, "7.50"},
    {"7.8%", 7.8, "7.80"},
    {"7,80", 780.0, "780.00"},
    {"1.235", 1.2349999999999999, "1.235"},
    {"0.5", 0.5, "0.50"},
    {"6.125", 6.125, "6.125"},
    {"12.3456789", 12.3456789, "12.3456789"},
    {"12.345678901234", 12.3456789012, "12.3456789012"},  // ten places at most
    {"0.09999999999", 0.1, "0.10"},
    {"999.99999999999", 1000.0, "1000.00"},
    {"99999999999999999999999999999", 1000.0, "1000.00"},
};

// A second "Calculate It" with nothing changed must show the same four texts.
static void CalculateAgain(const char* what)
{
    char before[4][64];
    const int ids[4] = {IDC_MONTHBOX, IDC_RATEBOX, IDC_LEFTFIELD, IDC_RIGHTFIELD};
    for (int i = 0; i < 4; ++i)
        lstrcpynA(before[i], ItemText(i < 2 ? MainPanel : LoanPage, ids[i]), 64);
    Calculate();
    for (int i = 0; i < 4; ++i)
        CHECK_TEXT(ItemText(i < 2 ? MainPanel : LoanPage, ids[i]), before[i], what);
}

static void CheckReadTerms()
{
    Click(LoanPage, IDC_LEFTTORIGHT);
    for (const MonthCase& row : MonthCases) {
        SetTerms(row.typed, "8");
        SetItemText(LoanPage, IDC_LEFTFIELD, "10000");
        Calculate();
        char what[96];
        wsprintfA(what, "month box \"%s\"", row.typed);
        CHECK_INT(Months, row.months, what);
        CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), row.shown, what);
        CalculateAgain(what);
    }
    for (const RateCase& row : RateCases) {
        SetTerms("360", row.typed);
        SetItemText(LoanPage, IDC_LEFTFIELD, "10000");
        Calculate();
        char what[96];
        wsprintfA(what, "rate box \"%s\"", row.typed);
        CHECK_DOUBLE(AnnualRate, row.rate, what);
        CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), row.shown, what);
        CalculateAgain(what);
    }

    // The monthly rate is built from 0.0008333333333333333, one unit in the
    // last place below the double nearest 1/1200.
    SetTerms("360", "1");
    Calculate();
    CHECK_DOUBLE(MonthlyRate, 0.0008333333333333333, "monthly rate of 1 percent");
    CHECK(MonthlyRate != 1.0 / 1200.0);
    SetTerms("360", "8");
    Calculate();
    CHECK_DOUBLE(MonthlyRate, 0.006666666666666666, "monthly rate of 8 percent");
}

// Drops a box's list down as a click on its arrow does, and rolls it up.
static void DropDown(HWND box)
{
    // A pointer resting over the dropped list would select the item under it.
    SetCursorPos(0, 0);
    SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
    Pump();
}

static const char* ListItem(HWND box, int index)
{
    static char text[512];
    text[0] = '\0';
    if (SendMessageA(box, CB_GETLBTEXTLEN, index, 0) < static_cast<LRESULT>(sizeof text))
        SendMessageA(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

// The month box's text before and after its list has dropped down, and the
// item selected: the one whose count the box holds, read as a calculation
// reads it, or none, and then the box keeps its text.
struct MonthListCase {
    const char* held;
    int selected;
    const char* shown;
};

constexpr MonthListCase MonthListCases[] = {
    {"360", 9, "360 (30 Yrs)"},
    {"240", 7, "240 (20 Yrs)"},
    {"12.7", 0, " 12 ( 1 Yr )"},
    {"100", -1, "100"},
    {"", -1, ""},
    {"abc", -1, "abc"},
    {"999 (x)", -1, "999 (x)"},
};

static void CheckMonthList()
{
    static const char* const items[] = {
        " 12 ( 1 Yr )", " 24 ( 2 Yrs)", " 36 ( 3 Yrs)", " 48 ( 4 Yrs)", " 60 ( 5 Yrs)",
        "120 (10 Yrs)", "180 (15 Yrs)", "240 (20 Yrs)", "300 (25 Yrs)", "360 (30 Yrs)",
    };
    // Whatever the box held, and however often it drops down: the same ten.
    for (const MonthListCase& row : MonthListCases) {
        SetItemText(MainPanel, IDC_MONTHBOX, row.held);
        DropDown(MonthBox);
        char what[96];
        wsprintfA(what, "month list with \"%s\"", row.held);
        CHECK_INT(SendMessageA(MonthBox, CB_GETCOUNT, 0, 0), 10, what);
        for (int i = 0; i < 10; ++i)
            CHECK_TEXT(ListItem(MonthBox, i), items[i], what);
        CHECK_INT(SendMessageA(MonthBox, CB_GETCURSEL, 0, 0), row.selected, what);
        CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), row.shown, what);
    }
    // A picked item is read as its count only.
    SendMessageA(MonthBox, CB_SETCURSEL, 9, 0);
    Calculate();
    CHECK_INT(Months, 360, "months picked from the list");
    CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), "360", "month box after pick");
}

// The rate list for a typed text: item count, selected index, the first and
// last items, and the box text once the list has rolled up.
struct RateListCase {
    const char* typed;
    int count;
    int selected;
    const char* first;
    const char* last;
    const char* shown;
};

constexpr const char* Huge29 = "100000000000000010000000000000.00";

constexpr RateListCase RateListCases[] = {
    {"7.80", 13, 6, "7.50", "8.10", "7.80"},
    {"7.8%", 13, 6, "7.50", "8.10", "7.80"},
    {"0.1", 8, 1, "0.05", "0.40", "0.10"},
    {"0.02", 7, 0, "0.02", "0.32", "0.02"},
    {"0.3", 12, 5, "0.05", "0.60", "0.30"},  // 0.3 - 6 * 0.05 is a hair below 0
    {"6.125", 13, 6, "5.825", "6.425", "6.125"},  // items written as the box
    {"", 6, -1, "0.05", "0.30", ""},
    {"abc", 6, -1, "0.05", "0.30", "abc"},  // nothing to select: the box keeps its text
    {"2000", 13, 6, "1999.70", "2000.30", "2000.00"},  // not clamped here
    {"-1", 13, 6, "0.70", "1.30", "1.00"},
    // 29 digits: items of 33 characters, listed in full. They are all the
    // same text, and a dropped list selects the first item that matches the
    // box's text, so index 0 is shown selected.
    {"99999999999999999999999999999", 13, 0, Huge29, Huge29, Huge29},
};

static void CheckRateList()
{
    for (const RateListCase& row : RateListCases) {
        SetItemText(MainPanel, IDC_RATEBOX, row.typed);
        DropDown(RateBox);
        char what[96];
        wsprintfA(what, "rate list of \"%s\"", row.typed);
        CHECK_INT(SendMessageA(RateBox, CB_GETCOUNT, 0, 0), row.count, what);
        CHECK_INT(SendMessageA(RateBox, CB_GETCURSEL, 0, 0), row.selected, what);
        CHECK_TEXT(ListItem(RateBox, 0), row.first, what);
        CHECK_TEXT(ListItem(RateBox, row.count - 1), row.last, what);
        CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), row.shown, what);
    }

    static const char* const around780[] = {"7.50", "7.55", "7.60", "7.65", "7.70",
                                            "7.75", "7.80", "7.85", "7.90", "7.95",
                                            "8.00", "8.05", "8.10"};
    SetItemText(MainPanel, IDC_RATEBOX, "7.80");
    DropDown(RateBox);
    for (int i = 0; i < 13; ++i)
        CHECK_TEXT(ListItem(RateBox, i), around780[i], "rate item around 7.80");

    // Only the drop-down notification fills a list.
    SendMessageA(RateBox, CB_RESETCONTENT, 0, 0);
    SendMessageA(MonthBox, CB_RESETCONTENT, 0, 0);
    SetTerms("48", "5.5");
    static const WORD otherCodes[] = {CBN_SELCHANGE, CBN_EDITCHANGE, CBN_CLOSEUP, CBN_SETFOCUS};
    for (WORD code : otherCodes) {
        SendMessageA(MainPanel, WM_COMMAND, MAKEWPARAM(IDC_RATEBOX, code),
                     reinterpret_cast<LPARAM>(RateBox));
        SendMessageA(MainPanel, WM_COMMAND, MAKEWPARAM(IDC_MONTHBOX, code),
                     reinterpret_cast<LPARAM>(MonthBox));
    }
    CHECK_INT(SendMessageA(RateBox, CB_GETCOUNT, 0, 0), 0, "rate list after other codes");
    CHECK_INT(SendMessageA(MonthBox, CB_GETCOUNT, 0, 0), 0, "month list after other codes");
    CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), "5.5", "rate box after other codes");
    CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), "48", "month box after other codes");
}

// Keys as they arrive from the keyboard at a box's edit field: the typed
// text replaces the selected one, then Up or Down steps through the list.
// The list was dropped down around "before" first, so a list that is not
// rebuilt from the typed text steps from the wrong place.
struct ArrowCase {
    int box;
    const char* before;
    const char* typed;
    WPARAM key;
    const char* shown;
};

constexpr ArrowCase ArrowCases[] = {
    {IDC_RATEBOX, "7.80", "9", VK_DOWN, "9.05"},
    {IDC_RATEBOX, "7.80", "9", VK_UP, "8.95"},
    {IDC_RATEBOX, "7.80", "6.125", VK_DOWN, "6.175"},
    {IDC_MONTHBOX, "360", "240", VK_DOWN, "300 (25 Yrs)"},
    {IDC_MONTHBOX, "60", "240", VK_UP, "180 (15 Yrs)"},
    {IDC_MONTHBOX, "360", "360", VK_DOWN, "360 (30 Yrs)"},  // the list's end
    // A count not in the list: the nearest item in the key's direction, or
    // the count itself where there is none.
    {IDC_MONTHBOX, "360", "37", VK_UP, " 36 ( 3 Yrs)"},
    {IDC_MONTHBOX, "360", "37", VK_DOWN, " 48 ( 4 Yrs)"},
    {IDC_MONTHBOX, "360", "100", VK_UP, " 60 ( 5 Yrs)"},
    {IDC_MONTHBOX, "360", "100", VK_DOWN, "120 (10 Yrs)"},
    {IDC_MONTHBOX, "360", "1200", VK_UP, "360 (30 Yrs)"},
    {IDC_MONTHBOX, "360", "1200", VK_DOWN, "1200"},
    {IDC_MONTHBOX, "360", "5", VK_DOWN, " 12 ( 1 Yr )"},
    {IDC_MONTHBOX, "360", "5", VK_UP, "5"},
};

static void CheckArrowKeys()
{
    for (const ArrowCase& row : ArrowCases) {
        HWND box = GetDlgItem(MainPanel, row.box);
        SetItemText(MainPanel, row.box, row.before);
        DropDown(box);
        HWND edit = GetDlgItem(box, 1001);
        CHECK(edit != nullptr);
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        for (const char* c = row.typed; *c; ++c)
            PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
        PostMessageA(edit, WM_KEYDOWN, row.key, 1);
        PostMessageA(edit, WM_KEYUP, row.key, 0xC0000001);
        Pump();
        char what[96];
        wsprintfA(what, "\"%s\" typed, then %s", row.typed, row.key == VK_UP ? "Up" : "Down");
        CHECK_TEXT(ItemText(MainPanel, row.box), row.shown, what);
    }

    // A box that loses the focus keeps no selection, only the caret where
    // it was: at the selection's end, or at its start.
    struct Selection {
        int from, to, caret;
    };
    const Selection selections[] = {{0, -1, 4}, {4, 1, 1}};
    HWND key7 = GetDlgItem(MainPanel, IDC_KEY7);
    HWND boxes[] = {MonthBox, RateBox};
    for (HWND box : boxes) {
        HWND edit = GetDlgItem(box, 1001);
        for (const Selection& row : selections) {
            SetWindowTextA(box, "7.80");
            SetFocus(edit);
            SendMessageA(edit, EM_SETSEL, row.from, row.to);
            SetFocus(key7);
            Pump();
            DWORD start = 0, end = 0;
            SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            CHECK_INT(start, row.caret, "selection start once the focus left");
            CHECK_INT(end, row.caret, "selection end once the focus left");
        }
    }
}

// Keys as the user's keyboard sends them, through the queue: the key, the
// character TranslateMessage makes of it, the key's release.
static void PressKeys(HWND target, const WPARAM* keys, int count)
{
    for (int i = 0; i < count; ++i) {
        PostMessageA(target, WM_KEYDOWN, keys[i], 1);
        PostMessageA(target, WM_KEYUP, keys[i], 0xC0000001);
    }
    Pump();
}

// Enter and Esc close a dropped list, keeping the item it was on (Enter)
// or not; with the list closed they change nothing.
struct ListKeyCase {
    int box;
    const char* before;
    WPARAM keys[3];  // after the list has dropped down
    int count;
    bool dropped;    // the list after the keys
    const char* shown;
};

constexpr ListKeyCase ListKeyCases[] = {
    {IDC_MONTHBOX, "360", {VK_UP, VK_RETURN}, 2, false, "300 (25 Yrs)"},
    {IDC_MONTHBOX, "360", {VK_ESCAPE}, 1, false, "360 (30 Yrs)"},
    {IDC_RATEBOX, "7.80", {VK_DOWN, VK_RETURN}, 2, false, "7.85"},
    {IDC_RATEBOX, "7.80", {VK_ESCAPE}, 1, false, "7.80"},
    {IDC_RATEBOX, "7.80", {VK_DOWN}, 1, true, "7.85"},
};

// A rate too long for its box, stepped or chosen, reads from its first
// character, marked, with its whole text selected, as it reads once the
// focus leaves; typing replaces it and takes the mark away.
static void CheckLongStep(HWND box, const WPARAM* keys, int count, bool drop, const char* shown)
{
    HWND edit = GetDlgItem(box, 1001);
    SetWindowTextA(box, "12.3456789");
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 10, 10);
    if (drop) {
        SetCursorPos(0, 0);
        SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
        Pump();
    }
    PressKeys(edit, keys, count);
    char what[64];
    wsprintfA(what, "\"%s\" %s", shown, drop ? "chosen" : "stepped");
    CHECK_TEXT(TextOf(box), shown, what);
    CHECK_INT(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0, what);
    CHECK(MarkOf(edit) && IsWindowVisible(MarkOf(edit)));
    DWORD start = 1, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CHECK(start == 0 && end == 10);
    const WPARAM five[] = {'5'};
    PressKeys(edit, five, 1);
    CHECK_TEXT(TextOf(box), "5", "typed over a stepped rate");
    CHECK(!IsWindowVisible(MarkOf(edit)));
}

static void CheckListKeys()
{
    for (const ListKeyCase& row : ListKeyCases) {
        HWND box = GetDlgItem(MainPanel, row.box);
        HWND edit = GetDlgItem(box, 1001);
        SetItemText(MainPanel, row.box, row.before);
        SetFocus(edit);
        SetCursorPos(0, 0);
        SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
        Pump();
        PressKeys(edit, row.keys, row.count);
        char what[64];
        wsprintfA(what, "box %d from \"%s\", %d keys", row.box, row.before, row.count);
        CHECK_INT(SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0) != 0, row.dropped, what);
        CHECK_TEXT(TextOf(box), row.shown, what);
        SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
        // The list closed: Enter and Esc do nothing.
        SetItemText(MainPanel, row.box, row.before);
        const WPARAM keys[] = {VK_RETURN, VK_ESCAPE};
        PressKeys(edit, keys, 2);
        CHECK_INT(SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0), 0, what);
        CHECK_TEXT(TextOf(box), row.before, what);
    }

    const WPARAM up[] = {VK_UP};
    CheckLongStep(RateBox, up, 1, false, "12.2956789");
    const WPARAM downEnter[] = {VK_DOWN, VK_RETURN};
    CheckLongStep(RateBox, downEnter, 2, true, "12.3956789");
    SetItemText(MainPanel, IDC_RATEBOX, "7.80");
}

// A menu command that rewrites the field with the focus ("Schedule..."
// calculates the page, a Solve command calculates it at the term found)
// leaves the caret at the end of the new text: typing goes on after it.
static void CheckCaretAfterCommand()
{
    SetTerms("360", "8");
    SetItemText(LoanPage, IDC_LEFTFIELD, "80000");
    Click(LoanPage, IDC_LEFTTORIGHT);
    HWND fields[] = {GetDlgItem(LoanPage, IDC_LEFTFIELD), GetDlgItem(LoanPage, IDC_RIGHTFIELD),
                     GetDlgItem(MonthBox, 1001), GetDlgItem(RateBox, 1001)};
    const char* typed[] = {"80000.009", "587.019", "3609", "8.009"};
    for (int i = 0; i < 4; ++i) {
        SetFocus(fields[i]);
        SendMessageA(fields[i], EM_SETSEL, 0, 0);
        ArmBoxDriver(CloseByEscape);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_SCHEDULE, 0), 0);
        DisarmBoxDriver();
        CHECK(GetFocus() == fields[i]);
        const WPARAM nine[] = {'9'};
        PressKeys(fields[i], nine, 1);
        CHECK_TEXT(TextOf(fields[i]), typed[i], "typed after Schedule...");
        SetTerms("360", "8");
        SetItemText(LoanPage, IDC_LEFTFIELD, "80000");
    }
    SetItemText(LoanPage, IDC_RIGHTFIELD, "587.01");
    SetTerms("360", "7");
    SetFocus(fields[3]);
    SendMessageA(fields[3], EM_SETSEL, 0, 0);
    SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_SOLVERATE, 0), 0);
    const WPARAM five[] = {'5'};
    PressKeys(fields[3], five, 1);
    CHECK_TEXT(TextOf(RateBox), "8.005", "typed after Solve for Rate");
    SetTerms("360", "8");
}

// A label click copies the display's text, unchanged, into its box; the
// next calculation reads it.
struct LabelCase {
    int label;
    WORD code;
    const char* display;
    const char* boxText;   // the box right after the click
    int months;            // after the next calculation
    const char* rate;      // rate box after the next calculation
};

constexpr LabelCase LabelCases[] = {
    {IDC_MONTHLABEL, STN_CLICKED, "24", "24", 24, "8.00"},
    {IDC_MONTHLABEL, STN_DBLCLK, "60.5000000000", "60.5000000000", 60, "8.00"},
    {IDC_MONTHLABEL, STN_CLICKED, "-", "-", 1, "8.00"},
    {IDC_RATELABEL, STN_CLICKED, "12.5", "12.5", 360, "12.50"},
    {IDC_RATELABEL, STN_CLICKED, "Cannot divide by 0", "Cannot divide by 0", 360, "0.10"},
    {IDC_RATELABEL, STN_DBLCLK, "-3.3333333333", "-3.3333333333", 360, "3.3333333333"},
    // The display is read 29 characters at a time.
    {IDC_RATELABEL, STN_CLICKED, "1234567890123456789012345678901",
     "12345678901234567890123456789", 360, "1000.00"},
};

static void CheckLabels()
{
    for (const LabelCase& row : LabelCases) {
        SetTerms("360", "8");
        SetDlgItemTextA(MainPanel, IDC_DISPLAY, row.display);
        SendMessageA(MainPanel, WM_COMMAND, MAKEWPARAM(row.label, row.code),
                     reinterpret_cast<LPARAM>(GetDlgItem(MainPanel, row.label)));
        Pump();
        int box = row.label == IDC_MONTHLABEL ? IDC_MONTHBOX : IDC_RATEBOX;
        char what[96];
        wsprintfA(what, "label %d with display \"%s\"", row.label, row.display);
        CHECK_TEXT(ItemText(MainPanel, box), row.boxText, what);
        CHECK_TEXT(ItemText(MainPanel, IDC_DISPLAY), row.display, "display unchanged");
        Calculate();
        CHECK_INT(Months, row.months, what);
        CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), row.rate, what);
    }

    // A number built on the keypad's buttons goes the same way.
    static const int keys[] = {IDC_KEYC, IDC_KEY1, IDC_KEY8, IDC_KEY0};
    for (int key : keys)
        Click(MainPanel, key);
    ClickLabel(MainPanel, IDC_MONTHLABEL);
    CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), "180", "month box from the keypad");
    Calculate();
    CHECK_INT(Months, 180, "months from the keypad");
}

// Windows set to a language that writes a decimal comma (German): in the
// Interest Rate box a lone point is a decimal point too, in each reading of
// the box: the calculation, the rate list and a solve's terms. An amount's
// point still groups its thousands.
constexpr RateCase CommaRateCases[] = {
    {"6.5", 6.5, "6,50"},
    {"7.125", 7.125, "7,125"},
    {"1.234,5", 1000.0, "1000,00"},  // with the comma the point groups
};

static void CheckCommaRates()
{
    CHECK_INT(DecimalMark(), ',', "the user's decimal mark");
    Click(LoanPage, IDC_LEFTTORIGHT);
    for (const RateCase& row : CommaRateCases) {
        SetTerms("360", row.typed);
        SetItemText(LoanPage, IDC_LEFTFIELD, "1.234");
        Calculate();
        char what[96];
        wsprintfA(what, "comma: rate box \"%s\"", row.typed);
        CHECK_DOUBLE(AnnualRate, row.rate, what);
        CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), row.shown, what);
        CHECK_TEXT(ItemText(LoanPage, IDC_LEFTFIELD), "1234,00", what);
        CalculateAgain(what);
    }

    SetItemText(MainPanel, IDC_RATEBOX, "6.5");
    DropDown(RateBox);
    CHECK_INT(SendMessageA(RateBox, CB_GETCOUNT, 0, 0), 13, "comma: rate list of \"6.5\"");
    CHECK_TEXT(ListItem(RateBox, 0), "6,20", "comma: rate list of \"6.5\"");
    CHECK_TEXT(ListItem(RateBox, 12), "6,80", "comma: rate list of \"6.5\"");
    CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), "6,50", "comma: rate list of \"6.5\"");

    // Solve for Months reads the rate as the calculation does: at 6.125 % a
    // payment of 1000 does not cover 300000's first month's interest, and
    // nothing is written.
    HANDLE watcher = StartBoxWatcher();
    SetTerms("360", "6.125");
    SetItemText(LoanPage, IDC_LEFTFIELD, "300000");
    SetItemText(LoanPage, IDC_RIGHTFIELD, "1000");
    PostMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_SOLVEMONTHS, 0), 0);
    Pump();
    StopBoxWatcher(watcher);
    if (CHECK(SeenBoxCount == 1) &&
        !CHECK(strstr(SeenBoxes[0].text, "does not cover the first month's interest of "
                                         "1531,25; over 1200 months the payment is 1534,66")))
        printf("    said \"%s\"\n", SeenBoxes[0].text);
    CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), "6.125", "comma: not solved at \"6.125\"");
    CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), "360", "comma: not solved at \"6.125\"");
}

// Given "comma", the program runs in a language whose decimal mark is a
// comma (the test's environment sets it) and its rate box is checked there.
int main(int argc, char** argv)
{
    HarnessStart();
    CHECK(StartLedgerly() != nullptr);
    if (!MainWindow || !LoanPage)
        return HarnessFinish("terms");
    if (argc > 1 && strcmp(argv[1], "comma") == 0) {
        CheckCommaRates();
        PostMessageA(MainWindow, WM_CLOSE, 0, 0);
        CHECK_INT(RunMessageLoop(), 0, "exit code");
        return HarnessFinish("terms, decimal comma");
    }
    CHECK_INT(DecimalMark(), '.', "the test's own language writes a point");
    CheckReadTerms();
    CheckMonthList();
    CheckRateList();
    CheckArrowKeys();
    CheckListKeys();
    CheckLabels();
    CheckCaretAfterCommand();

    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
    CHECK_INT(RunMessageLoop(), 0, "exit code");
    return HarnessFinish("terms");
}
