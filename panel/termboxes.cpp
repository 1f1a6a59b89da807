// Loan terms: the Month and Interest Rate boxes, their lists and labels.
#include "finance/formulas.h"
#include "finance/terms.h"
#include "panel/parts.h"
#include "res/resource.h"
#include "runtime/runtime.h"

int Months;
double AnnualRate;
double MonthlyRate;

// The month list: a count right-aligned in three characters, then the years.
// Reading stops at the first blank, so only the count matters.
struct MonthItem {
    int months;
    const char* text;
};

static const MonthItem MonthItems[] = {
    {12, " 12 ( 1 Yr )"},  {24, " 24 ( 2 Yrs)"},  {36, " 36 ( 3 Yrs)"},
    {48, " 48 ( 4 Yrs)"},  {60, " 60 ( 5 Yrs)"},  {120, "120 (10 Yrs)"},
    {180, "180 (15 Yrs)"}, {240, "240 (20 Yrs)"}, {300, "300 (25 Yrs)"},
    {360, "360 (30 Yrs)"},
};

// Room for what a box holds while its list is rebuilt: more than a reading
// takes, so a long typed text comes back whole.
constexpr int HeldTextSize = 256;

// The edit field inside a drop-down box has this id.
constexpr int BoxEditId = 1001;

// The term boxes' edit fields as they were before Up and Down were watched.
static WNDPROC MonthEditProc;
static WNDPROC RateEditProc;

// Reads a term box of the panel as a number, at most 29 characters of its
// text: the Month box by its first word, the Interest Rate box as a rate
// (a lone point its decimal mark). Every reading of either box goes here.
static double ReadBoxNumber(HWND panel, int id)
{
    char text[FieldTextSize] = "";
    GetDlgItemTextA(panel, id, text, FieldTextSize);
    return id == IDC_RATEBOX ? ParseRateNumber(text) : ParseNumber(text, ParseFirstWord);
}

// The month count the Month box holds, read as a calculation reads it.
static int BoxMonths(HWND panel)
{
    return MonthsUsed(ReadBoxNumber(panel, IDC_MONTHBOX));
}

void PeekTerms(HWND panel, int* months, double* annualRate)
{
    *months = BoxMonths(panel);
    *annualRate = RateUsed(ReadBoxNumber(panel, IDC_RATEBOX));
}

// Rereads both boxes, clamps them, writes the terms used back into the
// boxes and sets the three terms. Each box shows exactly the term used, so a
// second reading finds the same terms.
void ReadTerms(HWND panel)
{
    PeekTerms(panel, &Months, &AnnualRate);
    RewriteField(panel, IDC_MONTHBOX, MonthText(Months));
    RewriteField(panel, IDC_RATEBOX, RateText(AnnualRate));
    MonthlyRate = MonthlyRateOf(AnnualRate);
}

// The widest of some texts in a control's font.
static int WidestText(HWND control, const char* const* texts, int count)
{
    FontDc f = GetFontDc(control);
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        SIZE size = {};
        GetTextExtentPoint32A(f.dc, texts[i], lstrlenA(texts[i]), &size);
        if (size.cx > widest)
            widest = size.cx;
    }
    ReleaseFontDc(f);
    return widest;
}

int TermBoxWidth(HWND box)
{
    constexpr int MaxTexts = 11;
    const char* texts[MaxTexts];
    int count = 0;
    char rates[10][8];
    char highest[FormatResultSize];
    if (box == MonthBox) {
        for (const MonthItem& item : MonthItems)
            texts[count++] = item.text;
        texts[count++] = "1200";
    } else {
        // Digits need not be equally wide: each is written into a rate of
        // three whole digits and three places.
        for (int d = 0; d < 10; ++d) {
            char* r = rates[d];
            r[0] = r[1] = r[2] = r[4] = r[5] = r[6] = static_cast<char>('0' + d);
            r[3] = DecimalMark();
            r[7] = '\0';
            texts[count++] = r;
        }
        lstrcpynA(highest, RateText(MaxRate), sizeof highest);
        texts[count++] = highest;
    }
    // What the box leaves around its edit field's text: its frame, its
    // button, the edit field's margins; measured on the box as it is.
    HWND edit = GetDlgItem(box, BoxEditId);
    RECT frame = {}, format = {};
    GetWindowRect(box, &frame);
    if (edit)
        SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    int around = (frame.right - frame.left) - (format.right - format.left);
    return WidestText(box, texts, count) + around;
}

// Selects a list item, which puts its text into the box. With no item to
// select the list is left without a selection, and the box keeps what it
// held: selecting nothing, or emptying the list, would empty the box.
static void SelectOrKeep(HWND box, int index, const char* held)
{
    if (index >= 0) {
        SendMessageA(box, CB_SETCURSEL, index, 0);
        return;
    }
    char now[HeldTextSize] = "";
    GetWindowTextA(box, now, HeldTextSize);
    if (lstrcmpA(now, held) != 0)
        SetWindowTextA(box, held);
}

constexpr int MonthItemCount = sizeof MonthItems / sizeof MonthItems[0];

// The same ten terms on every drop-down; the one the box holds, read as a
// calculation reads it, is selected ("360" selects "360 (30 Yrs)").
// Returns that count.
static int FillMonthList()
{
    LoadFpuControl();  // whatever other code left on the thread
    char held[HeldTextSize] = "";
    GetWindowTextA(MonthBox, held, HeldTextSize);
    int months = BoxMonths(MainPanel);
    SendMessageA(MonthBox, CB_RESETCONTENT, 0, 0);
    int match = -1;
    for (int i = 0; i < MonthItemCount; ++i) {
        SendMessageA(MonthBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(MonthItems[i].text));
        if (MonthItems[i].months == months)
            match = i;
    }
    SelectOrKeep(MonthBox, match, held);
    return months;
}

// The item that Up (toward shorter terms) or Down reaches from a count
// that is not in the list: the nearest one below or above it; -1 past
// either end of the list.
static int NearestMonthItem(int months, bool up)
{
    if (up) {
        int index = MonthItemCount - 1;
        while (index >= 0 && MonthItems[index].months > months)
            --index;
        return index;
    }
    int index = 0;
    while (index < MonthItemCount && MonthItems[index].months < months)
        ++index;
    return index < MonthItemCount ? index : -1;
}

// Up or Down on the closed Month box. From an item of the list the box
// steps on by itself (true: leave the key to it); from any other count it
// goes to the nearest item in the key's direction, and keeps its count
// where there is none.
static bool MonthStepLeftToBox(bool up)
{
    int months = FillMonthList();
    if (SendMessageA(MonthBox, CB_GETCURSEL, 0, 0) >= 0)
        return true;
    int index = NearestMonthItem(months, up);
    if (index >= 0)
        SendMessageA(MonthBox, CB_SETCURSEL, index, 0);
    return false;
}

// Rates around the typed one, unclamped, in steps of 0.05, each written as
// the box shows a rate; only values above zero are listed, and the typed
// rate (seventh from the end) is selected.
// The rate text is handed to the list as it is: it holds the text of any
// double, which a long typed number needs, and the list copies it.
static void FillRateList()
{
    LoadFpuControl();
    char held[HeldTextSize] = "";
    GetWindowTextA(RateBox, held, HeldTextSize);
    double typed = ReadBoxNumber(MainPanel, IDC_RATEBOX);
    SendMessageA(RateBox, CB_RESETCONTENT, 0, 0);
    int count = 0;
    for (int k = -RateSteps; k <= RateSteps; ++k) {
        double value = typed + k * RateStep;
        if (value > 0) {
            SendMessageA(RateBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RateText(value)));
            ++count;
        }
    }
    SelectOrKeep(RateBox, count - (RateSteps + 1), held);
}

// Where the caret of an edit field stands in its selection: at the start
// or at the end of it.
static int CaretIndex(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    POINT caret = {};
    if (start != end && GetCaretPos(&caret) &&
        LOWORD(SendMessageA(edit, EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y))) == start)
        return static_cast<int>(start);
    return static_cast<int>(end);
}

// Whether an edit field's selection request takes its whole text.
static bool SelectsAll(HWND edit, WPARAM from, LPARAM to)
{
    int length = GetWindowTextLengthA(edit);
    return from == 0 && (static_cast<int>(to) < 0 || static_cast<int>(to) >= length);
}

// Keys that change a term box's text or move its caret; Enter, Esc, Tab,
// the arrows that step through the list and the shift keys do neither.
static bool EditsText(UINT message, WPARAM key)
{
    if (message == WM_CHAR)
        return key >= ' ' || key == '\b';
    return key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END ||
           key == VK_DELETE;
}

// The edit field of a term box. Up and Down on a closed box step through its
// list from the selected item: the list is built afresh from the box's text
// first, so they step from what the box holds now, not from the list of an
// earlier drop-down. Enter and Esc close a dropped list, as the combo box's
// edit field passes them on to it; otherwise, and Tab always, they do
// nothing. A text too wide for the box is marked once the box loses the
// focus, as on the pages, and also while it has it where the text was set
// rather than typed: the box selects a stepped or chosen item whole with
// the caret at its end, which would show only its tail; the caret goes to
// its start instead, so it reads from its first character. Any key, click
// or edit of the user's shows it as typed again. A box that loses the focus
// keeps no selection (Wine's combo box would leave it shown, so that two
// fields look active): it shrinks to the caret.
static LRESULT CALLBACK TermEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND box = GetParent(edit);
    WNDPROC original = box == RateBox ? RateEditProc : MonthEditProc;
    switch (message) {
    case WM_KEYDOWN:
        if (EditsText(message, wParam))
            ShowGivenText(edit, false);
        if ((wParam == VK_UP || wParam == VK_DOWN) &&
            !SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0)) {
            if (box == RateBox)
                FillRateList();
            else if (!MonthStepLeftToBox(wParam == VK_UP))
                return 0;
        }
        return CallWindowProcA(original, edit, message, wParam, lParam);
    case WM_CHAR:
        if (EditsText(message, wParam))
            ShowGivenText(edit, false);
        if ((wParam == '\r' || wParam == '\x1b') && SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0))
            return CallWindowProcA(original, edit, message, wParam, lParam);
        return FieldMessage(original, edit, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
        ShowGivenText(edit, false);
        return CallWindowProcA(original, edit, message, wParam, lParam);
    case EM_SETSEL:
        if (MarksGivenText(edit) && SelectsAll(edit, wParam, lParam)) {
            LRESULT result = CallWindowProcA(original, edit, message, GetWindowTextLengthA(edit), 0);
            ShowGivenText(edit, true);
            return result;
        }
        ShowGivenText(edit, false);
        return CallWindowProcA(original, edit, message, wParam, lParam);
    case WM_KILLFOCUS: {
        int caret = CaretIndex(edit);
        LRESULT result = CallWindowProcA(original, edit, message, wParam, lParam);
        SendMessageA(edit, EM_SETSEL, caret, caret);
        ShowLongText(edit);
        return result;
    }
    case WM_SETTEXT: {
        LRESULT result = CallWindowProcA(original, edit, message, wParam, lParam);
        ShowGivenText(edit, true);
        return result;
    }
    case WM_SETFOCUS: {
        LRESULT result = CallWindowProcA(original, edit, message, wParam, lParam);
        ShowGivenText(edit, false);
        ShowLongText(edit);
        return result;
    }
    default:
        return FieldMessage(original, edit, message, wParam, lParam);
    }
}

static WNDPROC WatchEdit(HWND box)
{
    HWND edit = GetDlgItem(box, BoxEditId);
    if (!edit)
        return nullptr;
    AddLongTextMark(edit, box);
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TermEditProc)));
}

// Watches the term boxes' edit fields, once their start-up texts are set.
void WatchTermBoxes()
{
    MonthEditProc = WatchEdit(MonthBox);
    RateEditProc = WatchEdit(RateBox);
}

void HandleTermCommand(WORD id, WORD code)
{
    switch (id) {
    case IDC_MONTHBOX:
        if (code == CBN_DROPDOWN)
            FillMonthList();
        break;
    case IDC_RATEBOX:
        if (code == CBN_DROPDOWN)
            FillRateList();
        break;
    case IDC_MONTHLABEL:
        SendDisplayInto(MainPanel, IDC_MONTHBOX);
        break;
    case IDC_RATELABEL:
        SendDisplayInto(MainPanel, IDC_RATEBOX);
        break;
    default:
        break;
    }
}
