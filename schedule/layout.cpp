// The Schedule box's layout: its controls stacked from top to bottom, the
// heading and the note grown to their texts, the box as wide as its list's
// columns need and on its owner's monitor.
#include "schedule/parts.h"

#include "panel/panel.h"
#include "res/resource.h"

// A control's rectangle in the box's client coordinates.
RECT PlaceOfWindow(HWND box, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT PlaceOf(HWND box, int id)
{
    return PlaceOfWindow(box, GetDlgItem(box, id));
}

// Moves a control of the box right and down, and makes it wider and
// taller, by some pixels.
static void ShiftWindow(HWND box, HWND control, int right, int down, int wider, int taller)
{
    RECT r = PlaceOfWindow(box, control);
    SetWindowPos(control, nullptr, r.left + right, r.top + down, r.right - r.left + wider,
                 r.bottom - r.top + taller, SWP_NOZORDER | SWP_NOACTIVATE);
}

static void ShiftControl(HWND box, int id, int right, int down, int wider, int taller)
{
    ShiftWindow(box, GetDlgItem(box, id), right, down, wider, taller);
}

// The box's controls from top to bottom: each row lies wholly below the one
// before it (the extras' fields side by side in two rows), and the three
// buttons side by side at the bottom. Labels without an id move with the
// field after them.
constexpr int StackedControls[] = {
    IDC_SCHEDULEHEADING, IDC_EXTRAMONTHLY, IDC_EXTRAFROM,    IDC_BYYEAR,
    IDC_EXTRAONCE,       IDC_EXTRAONCEMONTH, IDC_FIRSTMONTH, IDC_FIRSTYEAR,
    IDC_SCHEDULELIST,    IDC_SCHEDULENOTE, IDC_SCHEDULECOPY, IDC_SCHEDULEPRINT, IDOK};

// Whether a control is a label without an id.
static bool IsLabel(HWND control)
{
    char name[8] = "";
    GetClassNameA(control, name, sizeof name);
    return control && (GetDlgCtrlID(control) & 0xFFFF) == 0xFFFF &&
           lstrcmpiA(name, "Static") == 0;
}

// Moves a control down, and the label before it in the box's order of
// controls, where it has one.
static void MoveDown(HWND box, int id, int down)
{
    HWND before = GetWindow(GetDlgItem(box, id), GW_HWNDPREV);
    if (IsLabel(before))
        ShiftWindow(box, before, 0, down, 0, 0);
    ShiftControl(box, id, 0, down, 0, 0);
}

// Makes a control taller (or, by a negative amount, shorter) and moves every
// control below it down (or up) with it.
static void Stretch(HWND box, int id, int taller)
{
    bool below = false;
    for (int other : StackedControls) {
        if (below)
            MoveDown(box, other, taller);
        else if (other == id)
            ShiftControl(box, id, 0, 0, 0, taller);
        below = below || other == id;
    }
}

// The lines a static's texts need at its width, word-wrapped in its font as
// the static draws them: the height of the tallest text.
static int TextHeight(HWND control, const char* const* texts, int count)
{
    RECT client;
    GetClientRect(control, &client);
    FontDc f = GetFontDc(control);
    int height = 0;
    for (int i = 0; i < count; ++i) {
        RECT need = {0, 0, client.right, 0};
        DrawTextA(f.dc, texts[i], -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        if (need.bottom > height)
            height = need.bottom;
    }
    ReleaseFontDc(f);
    return height;
}

const char* BreakLongWords(HDC dc, int width, const char* text)
{
    static char broken[StatementTextSize + 128];
    int length = 0;
    const int room = static_cast<int>(sizeof broken) - 3;  // a line break and the end
    for (const char* word = text; *word && length < room;) {
        int letters = 0;
        while (word[letters] && word[letters] != ' ')
            ++letters;
        if (!letters) {
            broken[length++] = *word++;
            continue;
        }
        // A word that fits a line is kept whole; of a longer one, the most
        // letters that fit on a line, at least one, line by line.
        SIZE whole = {};
        GetTextExtentPoint32A(dc, word, letters, &whole);
        int start = 0;
        if (whole.cx <= width) {
            for (int i = 0; i < letters && length < room; ++i)
                broken[length++] = word[i];
            start = letters;
        }
        for (int end = start + 1; end <= letters && length < room; ++end) {
            SIZE size = {};
            GetTextExtentPoint32A(dc, word + start, end - start, &size);
            if (size.cx > width && end - 1 > start) {
                broken[length++] = '\r';
                broken[length++] = '\n';
                start = end - 1;
            }
            broken[length++] = word[end - 1];
        }
        word += letters;
    }
    broken[length] = '\0';
    return broken;
}

// A static grown down to a height, never shrunk; how much taller it got.
static int GrowTo(HWND box, int id, int height)
{
    RECT client;
    GetClientRect(GetDlgItem(box, id), &client);
    int taller = height - client.bottom;
    if (taller <= 0)
        return 0;
    Stretch(box, id, taller);
    return taller;
}

// The height the note line needs for Copy's texts, worked out again only
// when the line's width changes.
static int CopyNotesWidth = -1;
static int CopyNotesHeight;

static int CopyNotesNeed(HWND note)
{
    RECT client;
    GetClientRect(note, &client);
    if (client.right != CopyNotesWidth) {
        CopyNotesHeight = TextHeight(note, CopyNotes, CopyNoteCount);
        CopyNotesWidth = client.right;
    }
    return CopyNotesHeight;
}

void ShowText(HWND control, const char* text)
{
    char shown[StatementTextSize + 128];
    GetWindowTextA(control, shown, sizeof shown);
    if (lstrcmpA(shown, text) != 0)
        SetWindowTextA(control, text);
}

using MonitorFromWindowCall = HMONITOR(WINAPI*)(HWND, DWORD);
using GetMonitorInfoCall = BOOL(WINAPI*)(HMONITOR, MONITORINFO*);

// The two calls of the systems with several monitors, looked up once.
static bool MonitorCallsSought;
static MonitorFromWindowCall MonitorOf;
static GetMonitorInfoCall MonitorInfoOf;

static void SeekMonitorCalls()
{
    if (MonitorCallsSought)
        return;
    MonitorCallsSought = true;
    HMODULE user = GetModuleHandleA("user32.dll");
    if (!user)
        return;
    // Through a call without parameters: the type every procedure address
    // may be converted through.
    MonitorOf = reinterpret_cast<MonitorFromWindowCall>(
        reinterpret_cast<void (*)()>(GetProcAddress(user, "MonitorFromWindow")));
    MonitorInfoOf = reinterpret_cast<GetMonitorInfoCall>(
        reinterpret_cast<void (*)()>(GetProcAddress(user, "GetMonitorInfoA")));
}

// The work area of the monitor the owner lies on. Windows 98 and 2000 and
// later have several monitors and say which one a window is on; Windows 95
// and NT 4 have neither call, and one screen, whose work area the system
// gives.
static RECT OwnerWorkArea(HWND owner)
{
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SeekMonitorCalls();
    auto monitorOf = MonitorOf;
    auto infoOf = MonitorInfoOf;
    if (!monitorOf || !infoOf)
        return work;
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    HMONITOR monitor = monitorOf(owner, MONITOR_DEFAULTTONEAREST);
    if (monitor && infoOf(monitor, &info))
        work = info.rcWork;
    return work;
}

// Where a length centred on another's centre starts, moved as little as
// needed to lie within [low, high), or at low where it is longer.
static LONG CentredWithin(LONG centre, LONG length, LONG low, LONG high)
{
    LONG start = centre - length / 2;
    if (start + length > high)
        start = high - length;
    if (start < low)
        start = low;
    return start;
}

// The fewest pixels of list kept where the box is cut down to the work
// area: its header and about three rows.
constexpr int MinimumListUnits = 40;

// Lays out the box on its owner's monitor, as it opens and after each change
// of what it shows; it grows, it never shrinks. Where the columns need more
// room than the list has, the box grows wider by the difference (up to the
// work area), the list, the heading and the note with it, and the buttons
// move right. The heading and the note get the lines their texts need (the
// note's texts: the statement's, and those that say what Copy did not
// copy), moving what lies below them down. Where the box is then taller
// than the work area, the list gets shorter. At opening the box is centred
// on its owner, later it stays where it is; either way it is moved as
// little as needed to lie on the work area.
void LayOutScheduleBox(HWND box, int columnsWidth, bool opening)
{
    HWND owner = GetWindow(box, GW_OWNER);
    RECT work = OwnerWorkArea(owner);
    RECT frame;
    GetWindowRect(box, &frame);
    LONG width = frame.right - frame.left;
    LONG height = frame.bottom - frame.top;

    RECT list = PlaceOf(box, IDC_SCHEDULELIST);
    LONG wider = columnsWidth + ScheduleListFrame() - (list.right - list.left);
    if (wider > (work.right - work.left) - width)
        wider = (work.right - work.left) - width;
    if (wider > 0) {
        // The heading, the list and the note wider; the buttons further right.
        static constexpr int widened[] = {IDC_SCHEDULEHEADING, IDC_SCHEDULELIST, IDC_SCHEDULENOTE,
                                          IDC_SCHEDULECOPY, IDC_SCHEDULEPRINT, IDOK};
        for (int i = 0; i < 6; ++i)
            ShiftControl(box, widened[i], i < 3 ? 0 : wider, 0, i < 3 ? wider : 0, 0);
        width += wider;
    }

    char heading[StatementTextSize];
    StatementHeading(ShownTerms, heading);
    HWND headingControl = GetDlgItem(box, IDC_SCHEDULEHEADING);
    RECT client;
    GetClientRect(headingControl, &client);
    FontDc f = GetFontDc(headingControl);
    const char* shownHeading = BreakLongWords(f.dc, client.right, heading);
    ReleaseFontDc(f);
    ShowText(headingControl, shownHeading);
    height += GrowTo(box, IDC_SCHEDULEHEADING, TextHeight(headingControl, &shownHeading, 1));
    HWND note = GetDlgItem(box, IDC_SCHEDULENOTE);
    const char* statementNote = StatementNoteText;
    int noteNeed = TextHeight(note, &statementNote, 1);
    int copyNeed = CopyNotesNeed(note);
    height += GrowTo(box, IDC_SCHEDULENOTE, noteNeed > copyNeed ? noteNeed : copyNeed);

    LONG shorter = height - (work.bottom - work.top);
    RECT minimum = {0, 0, 0, MinimumListUnits};
    MapDialogRect(box, &minimum);
    list = PlaceOf(box, IDC_SCHEDULELIST);
    if (shorter > (list.bottom - list.top) - minimum.bottom)
        shorter = (list.bottom - list.top) - minimum.bottom;
    if (shorter > 0) {
        Stretch(box, IDC_SCHEDULELIST, -shorter);
        height -= shorter;
    }

    RECT around;
    GetWindowRect(opening && owner ? owner : box, &around);
    LONG left = CentredWithin((around.left + around.right) / 2, width, work.left, work.right);
    LONG top = CentredWithin((around.top + around.bottom) / 2, height, work.top, work.bottom);
    if (!opening) {
        left = CentredWithin(frame.left + width / 2, width, work.left, work.right);
        top = CentredWithin(frame.top + height / 2, height, work.top, work.bottom);
    }
    if (left != frame.left || top != frame.top || width != frame.right - frame.left ||
        height != frame.bottom - frame.top)
        SetWindowPos(box, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
