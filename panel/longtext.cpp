// A control whose text is wider than the control (a page's amount field,
// the edit field of a term box, the calculator display): a mark over the
// control's right end says that the text goes on, and a tip on the control
// shows the whole text, so a long result, rate or number is neither cut off
// unseen nor taken for a shorter one.
//
// The mark is a static control of its own, a sibling placed above the
// control (for a term box, above the box), not a child of it: an edit
// control draws its text outside WM_PAINT too, with a device context of its
// parent's clipping (the edit class has CS_PARENTDC), and on Windows 95, 98
// and Me such drawing may cover the edit's children. An edit field keeps
// its text out of the mark's room with a right margin while the mark shows,
// the display draws its text itself then; either shows only whole
// characters left of the mark. The mark is drawn again after every change
// of the text and every painting of the control.
#include <windows.h>
#include <commctrl.h>
#include "panel/parts.h"
#include "res/resource.h"

// One tip window for every watched control.
static HWND FieldTip;

// Whether the tip wraps a long text: the common controls of Windows 95
// (4.00) know no tip width and show every tip on one line.
static bool TipWraps;

// The longest text the program writes into a field: the largest double
// with two places has 309 whole digits, then a sign, a point and the places.
constexpr int LongTextSize = 320;
static char LongText[LongTextSize];

// The tip's text: the whole text, with a line break wherever a run without
// blanks grows wider than a tip line (at most one break per character).
static char TipText[2 * LongTextSize];

// The mark's text.
constexpr const char* MarkText = "...";

// A watched control and its mark.
struct WatchedText {
    HWND field;        // the edit field or the display
    HWND mark;         // the static over the field's right end
    bool edit;         // an edit field, which keeps its text out of the mark's room
    int markWidth;     // the mark's width in pixels
    int textLeft;      // where the text starts in the field, and ends at the
    int textRight;     //   most while unmarked (the edit's formatting rectangle)
    int plainMargin;   // the edit field's own right margin
    int margin;        // its right margin now
    bool marked;       // the mark shows
    bool given;        // a text set while the field had the focus, not typed
};

// Two fields on each of the three pages, the two term boxes, the display.
constexpr int MaxWatched = 9;
static WatchedText Watched[MaxWatched];
static int WatchedCount;

// The watched control whose field, or whose mark, is the given window.
static WatchedText* FindBy(HWND WatchedText::*which, HWND window)
{
    for (int i = 0; i < WatchedCount; ++i) {
        if (Watched[i].*which == window)
            return &Watched[i];
    }
    return nullptr;
}

static WatchedText* FindWatched(HWND field)
{
    return FindBy(&WatchedText::field, field);
}

FontDc GetFontDc(HWND control)
{
    HDC dc = GetDC(control);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    return {control, dc, font ? SelectObject(dc, font) : nullptr};
}

void ReleaseFontDc(const FontDc& f)
{
    if (f.old)
        SelectObject(f.dc, f.old);
    ReleaseDC(f.control, f.dc);
}

static SIZE TextExtent(HDC dc, const char* text, int length)
{
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, length, &size);
    return size;
}

static SIZE TextExtent(HWND control, const char* text, int length)
{
    FontDc f = GetFontDc(control);
    SIZE size = TextExtent(f.dc, text, length);
    ReleaseFontDc(f);
    return size;
}

// The tool of a field, as the tip knows it: the field's parent and the
// field. Only the first version's fields: the common controls of Windows 95
// know no others.
static TOOLINFOA FieldTool(HWND field, char* text)
{
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(field);
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = text;
    return tool;
}

// The tip wraps at blanks only; a number has none, so a run without blanks
// gets a line break before the character that would make it wider than the
// tip's width.
static char* WrappedTipText(const char* text)
{
    int width = GetSystemMetrics(SM_CXSCREEN) / 2;
    FontDc tip = GetFontDc(FieldTip);
    int length = 0;
    int run = 0;  // where the current run starts in TipText
    for (const char* c = text; *c && length < static_cast<int>(sizeof TipText) - 2; ++c) {
        TipText[length++] = *c;
        if (*c == ' ') {
            run = length;
        } else if (TipWraps && length - run > 1 &&
                   TextExtent(tip.dc, TipText + run, length - run).cx > width) {
            TipText[length - 1] = '\n';
            TipText[length++] = *c;
            run = length - 1;
        }
    }
    ReleaseFontDc(tip);
    TipText[length] = '\0';
    return TipText;
}

static void CreateFieldTip(HWND owner)
{
    FieldTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               AppInstance, nullptr);
    // Half the screen at most. The answer is the width before, -1 where the
    // tip knows a width; the common controls 4.00 do not and answer 0.
    int width = GetSystemMetrics(SM_CXSCREEN) / 2;
    TipWraps = SendMessageA(FieldTip, TTM_SETMAXTIPWIDTH, 0, width) != 0;
}

// Watches a field: a tool of the tip, and a hidden mark above the right end
// of its client area, in the holder's parent (the holder is the field, or
// the term box around it).
static void Watch(HWND field, HWND holder, bool edit)
{
    if (!field || WatchedCount == MaxWatched)
        return;
    HWND parent = GetParent(holder);
    if (!FieldTip)
        CreateFieldTip(parent);
    char none[] = "";
    TOOLINFOA tool = FieldTool(field, none);
    SendMessageA(FieldTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));

    WatchedText& w = Watched[WatchedCount++];
    w.field = field;
    w.edit = edit;
    SIZE text = TextExtent(field, MarkText, lstrlenA(MarkText));
    w.markWidth = text.cx + text.cx / 2;
    RECT client;
    GetClientRect(field, &client);
    w.textLeft = 0;
    w.textRight = client.right;
    if (edit) {
        RECT format = {};
        SendMessageA(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        w.textLeft = format.left;
        w.textRight = format.right;
        w.plainMargin = HIWORD(SendMessageA(field, EM_GETMARGINS, 0, 0));
        w.margin = w.plainMargin;
    }
    MapWindowPoints(field, parent, reinterpret_cast<POINT*>(&client), 2);
    w.mark = CreateWindowExA(0, "Static", MarkText, WS_CHILD | SS_CENTER, 0, 0, 0, 0, parent,
                             nullptr, AppInstance, nullptr);
    SendMessageA(w.mark, WM_SETFONT, SendMessageA(field, WM_GETFONT, 0, 0), FALSE);
    // Right above the holder, so it is drawn over it. The holder does not
    // clip its siblings out of its drawing: the display lies inside the
    // keypad's frame, which would clip all of it.
    HWND above = GetWindow(holder, GW_HWNDPREV);
    SetWindowPos(w.mark, above ? above : HWND_TOP, client.right - w.markWidth, client.top,
                 w.markWidth, client.bottom - client.top, SWP_NOACTIVATE);
}

void AddLongTextMark(HWND field, HWND holder)
{
    Watch(field, holder, true);
}

void AddDisplayMark(HWND display)
{
    Watch(display, display, false);
}

void AddLongTextMarks(HWND page)
{
    HWND left = GetDlgItem(page, IDC_LEFTFIELD);
    HWND right = GetDlgItem(page, IDC_RIGHTFIELD);
    AddLongTextMark(left, left);
    AddLongTextMark(right, right);
}

void RepaintLongTextMark(HWND field)
{
    WatchedText* w = FindWatched(field);
    if (!w || !w->marked)
        return;
    InvalidateRect(w->mark, nullptr, TRUE);
    UpdateWindow(w->mark);
}

// The longest start of the text that fits the given width in the font
// selected into dc: the characters shown whole left of the mark. Returns
// their count; their width goes to *fitWidth.
static int WholeCharacters(HDC dc, const char* text, int length, int width, int* fitWidth)
{
    int count = 0;
    *fitWidth = 0;
    for (; count < length; ++count) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, text, count + 1, &size);
        if (size.cx > width)
            break;
        *fitWidth = size.cx;
    }
    return count;
}

// Where the mark starts, in the field's own coordinates.
static int MarkLeft(const WatchedText& w)
{
    RECT client;
    GetClientRect(w.field, &client);
    return client.right - w.markWidth;
}

// Called after a field's text changed or it got or lost the focus. While an
// edit field has the focus the mark stands aside, so the end of the text
// can be read and edited; once it loses the focus, the field shows the text
// from its start, as many characters whole as fit left of the mark: its
// right margin ends the text there. A text the field was given while it had
// the focus (a step through a term box's list, an item chosen from it, a
// label click) is shown so too, until the user edits it. The display never
// has the focus.
void ShowLongText(HWND field)
{
    WatchedText* w = FindWatched(field);
    if (!w)
        return;
    int length = GetWindowTextA(field, LongText, LongTextSize);
    // Measured in one device context, released before the messages below
    // (Windows 95 shares a small cache of them among all programs).
    FontDc f = GetFontDc(field);
    bool fits = TextExtent(f.dc, LongText, length).cx <= w->textRight - w->textLeft;
    bool focused = GetFocus() == field;
    bool marked = !fits && (!focused || w->given);
    int whole = 0;  // the width of the characters shown left of the mark
    if (marked && w->edit)
        WholeCharacters(f.dc, LongText, length, MarkLeft(*w) - w->textLeft, &whole);
    ReleaseFontDc(f);
    char none[] = "";
    TOOLINFOA tool = FieldTool(field, fits ? none : WrappedTipText(LongText));
    SendMessageA(FieldTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    bool changed = marked != w->marked;
    w->marked = marked;
    if (w->edit) {
        int margin = w->plainMargin;
        if (marked)
            margin += w->textRight - (w->textLeft + whole);
        if (margin != w->margin) {
            w->margin = margin;
            SendMessageA(field, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, margin));
            InvalidateRect(field, nullptr, TRUE);
        }
        // Without the focus the caret goes to the start; with it, the
        // selection stays as given, the caret at its start.
        if (marked && !focused)
            SendMessageA(field, EM_SETSEL, 0, 0);
        if (marked)
            SendMessageA(field, EM_SCROLLCARET, 0, 0);
    } else if (marked || changed) {
        // The display drew the text as a whole: again, as far as it shows.
        InvalidateRect(field, nullptr, TRUE);
        UpdateWindow(field);
    }
    ShowWindow(w->mark, marked ? SW_SHOWNA : SW_HIDE);
    RepaintLongTextMark(field);
}

void ShowGivenText(HWND field, bool given)
{
    WatchedText* w = FindWatched(field);
    if (!w)
        return;
    bool was = w->given;
    w->given = given && GetFocus() == field;
    if (w->given != was || given)
        ShowLongText(field);
}

bool MarksGivenText(HWND field)
{
    WatchedText* w = FindWatched(field);
    return w && w->given && w->marked;
}

// Paints the marked display: its text from the start, as many characters
// whole as fit left of the mark, in the colours the panel gives a static.
// False where the display is not marked and paints itself.
bool PaintMarkedDisplay(HWND display)
{
    WatchedText* w = FindWatched(display);
    if (!w || !w->marked)
        return false;
    int length = GetWindowTextA(display, LongText, LongTextSize);
    int width = MarkLeft(*w);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(display, &paint);
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageA(
        GetParent(display), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
        reinterpret_cast<LPARAM>(display)));
    RECT client;
    GetClientRect(display, &client);
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(display, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    int shown;
    int count = WholeCharacters(dc, LongText, length, width, &shown);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 0, 0, LongText, count);
    if (old)
        SelectObject(dc, old);
    EndPaint(display, &paint);
    return true;
}

void ShowPageLongText(HWND page, int id)
{
    if (id == IDC_LEFTFIELD || id == IDC_RIGHTFIELD)
        ShowLongText(GetDlgItem(page, id));
}

static WatchedText* FindMark(HWND control)
{
    return FindBy(&WatchedText::mark, control);
}

// The answer of a dialog procedure to WM_CTLCOLORSTATIC (wParam the device
// context, lParam the static): a mark over an edit field takes the field's
// own colours, white where the system's window colour is, and the brush is
// the answer. A mark over the display keeps the colours a static gets, as
// the display does, and so does every other static (FALSE: not answered).
INT_PTR LongTextMarkColours(WPARAM wParam, LPARAM lParam)
{
    WatchedText* w = FindMark(reinterpret_cast<HWND>(lParam));
    if (!w || !w->edit)
        return FALSE;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}
