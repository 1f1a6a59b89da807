// The Schedule box: the shown page's calculation carried out as its
// "Calculate It" does, then the month-by-month statement of the two amounts
// the page shows, with extra payments or savings, a view by year, and Copy
// for a spreadsheet.
#include "schedule/schedule.h"

#include <windows.h>
#include <commctrl.h>
#include "finance/statement.h"
#include "finance/terms.h"
#include "numtext/numtext.h"
#include "panel/panel.h"
#include "res/resource.h"
#include "runtime/runtime.h"

// The statement the open box shows: the page's terms with the extras and the
// view its fields hold. Its rows are kept here for the list, which draws them
// from here where it can; Copy builds the table again from the terms.
static StatementTerms ShownTerms;
static StatementRow ShownRows[MaxStatementRows];
static int ShownRowCount;
static Statement ShownEnd;  // the statement as it ended, for its note

// What the extras' fields and the view by year hold, kept while the program
// runs: the next opening shows them again. Nothing is saved.
constexpr int ExtraFields[] = {IDC_EXTRAMONTHLY, IDC_EXTRAFROM, IDC_EXTRAONCE,
                               IDC_EXTRAONCEMONTH};
constexpr int ExtraFieldCount = sizeof ExtraFields / sizeof ExtraFields[0];
static char ExtraTexts[ExtraFieldCount][FieldTextSize] = {"", "1", "", "1"};
static bool ByYear;
// The first payment's month (0: none, the statement without dates) and the
// year field's text, the current year until the box first opens.
static int FirstMonth;
static char FirstYearText[FieldTextSize];

// Whether the list draws its rows from ShownRows when it shows them (a list
// view with LVS_OWNERDATA: common controls 4.70 and later, found out at run
// time) or holds a copy of every cell (the common controls 4.00 of Windows
// 95); and whether the second is wanted where the first could be had.
static bool ListDrawsRows;
static bool PlainListWanted;

// The box follows its fields only once it has filled them at opening.
static bool BoxReady;

// Room a column leaves around its longest text, in dialog units across.
constexpr int ColumnPaddingUnits = 8;

static INT_PTR CALLBACK ScheduleBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

void OpenSchedule(HWND owner)
{
    PageCalculation shown;
    if (!CalculateShownPage(&shown))
        return;
    // The left field holds the loan, the present worth or the saving; the
    // right one the payment or the future worth.
    ShownTerms = TermsOfPage(shown.kind, shown.direction, shown.months, shown.rate, shown.left,
                             shown.right);
    DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_SCHEDULEBOX), owner, ScheduleBoxProc, 0);
}

void FillScheduleListPlainly(bool plain)
{
    PlainListWanted = plain;
}

// A control's rectangle in the box's client coordinates.
static RECT PlaceOfWindow(HWND box, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

static RECT PlaceOf(HWND box, int id)
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
// before it (the extras' fields side by side in two rows), and the two
// buttons side by side at the bottom. Labels without an id move with the
// field after them.
constexpr int StackedControls[] = {
    IDC_SCHEDULEHEADING, IDC_EXTRAMONTHLY, IDC_EXTRAFROM,    IDC_BYYEAR,
    IDC_EXTRAONCE,       IDC_EXTRAONCEMONTH, IDC_FIRSTMONTH, IDC_FIRSTYEAR,
    IDC_SCHEDULELIST,    IDC_SCHEDULENOTE, IDC_SCHEDULECOPY, IDOK};

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

// A static breaks its lines only between words. A word wider than the
// whole line (a worth of hundreds of digits in the heading) is broken where
// the line is full, so every character is shown. Returns the new text in
// a buffer of its own.
static const char* BreakLongWords(HWND control, const char* text)
{
    static char broken[StatementTextSize + 128];
    RECT client;
    GetClientRect(control, &client);
    FontDc f = GetFontDc(control);
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
        // The most letters that fit on a line, at least one, line by line.
        int start = 0;
        for (int end = 1; end <= letters && length < room; ++end) {
            SIZE size = {};
            GetTextExtentPoint32A(f.dc, word + start, end - start, &size);
            if (size.cx > client.right && end - 1 > start) {
                broken[length++] = '\r';
                broken[length++] = '\n';
                start = end - 1;
            }
            broken[length++] = word[end - 1];
        }
        word += letters;
    }
    broken[length] = '\0';
    ReleaseFontDc(f);
    return broken;
}

// A static grown down to the lines its texts need, never shrunk.
static int GrowToText(HWND box, int id, const char* const* texts, int count)
{
    HWND control = GetDlgItem(box, id);
    RECT client;
    GetClientRect(control, &client);
    int taller = TextHeight(control, texts, count) - client.bottom;
    if (taller <= 0)
        return 0;
    Stretch(box, id, taller);
    return taller;
}

using MonitorFromWindowCall = HMONITOR(WINAPI*)(HWND, DWORD);
using GetMonitorInfoCall = BOOL(WINAPI*)(HMONITOR, MONITORINFO*);

// The work area of the monitor the owner lies on. Windows 98 and 2000 and
// later have several monitors and say which one a window is on; Windows 95
// and NT 4 have neither call, and one screen, whose work area the system
// gives.
static RECT OwnerWorkArea(HWND owner)
{
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HMODULE user = GetModuleHandleA("user32.dll");
    if (!user)
        return work;
    // Through a call without parameters: the type every procedure address
    // may be converted through.
    auto monitorOf = reinterpret_cast<MonitorFromWindowCall>(
        reinterpret_cast<void (*)()>(GetProcAddress(user, "MonitorFromWindow")));
    auto infoOf = reinterpret_cast<GetMonitorInfoCall>(
        reinterpret_cast<void (*)()>(GetProcAddress(user, "GetMonitorInfoA")));
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
static void LayOutScheduleBox(HWND box, int columnsWidth, int listBorder,
                              const char* const* notes, int noteCount, bool opening)
{
    HWND owner = GetWindow(box, GW_OWNER);
    RECT work = OwnerWorkArea(owner);
    RECT frame;
    GetWindowRect(box, &frame);
    LONG width = frame.right - frame.left;
    LONG height = frame.bottom - frame.top;

    RECT list = PlaceOf(box, IDC_SCHEDULELIST);
    LONG wider = columnsWidth + GetSystemMetrics(SM_CXVSCROLL) + listBorder -
                 (list.right - list.left);
    if (wider > (work.right - work.left) - width)
        wider = (work.right - work.left) - width;
    if (wider > 0) {
        ShiftControl(box, IDC_SCHEDULEHEADING, 0, 0, wider, 0);
        ShiftControl(box, IDC_SCHEDULELIST, 0, 0, wider, 0);
        ShiftControl(box, IDC_SCHEDULENOTE, 0, 0, wider, 0);
        ShiftControl(box, IDC_SCHEDULECOPY, wider, 0, 0, 0);
        ShiftControl(box, IDOK, wider, 0, 0, 0);
        width += wider;
    }

    char heading[StatementTextSize];
    StatementHeading(ShownTerms, heading);
    HWND headingControl = GetDlgItem(box, IDC_SCHEDULEHEADING);
    const char* shownHeading = BreakLongWords(headingControl, heading);
    SetWindowTextA(headingControl, shownHeading);
    const char* headings[] = {shownHeading};
    height += GrowToText(box, IDC_SCHEDULEHEADING, headings, 1);
    height += GrowToText(box, IDC_SCHEDULENOTE, notes, noteCount);

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
    SetWindowPos(box, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Ctrl+C reaches the list as a key, which copies, and then as the
// character 3. Windows' list view takes a character as the start of an
// item's text to search for and may beep when none begins with it; no item
// begins with a control character, so the list is not given them.
static WNDPROC PlainListProc;

static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR && wParam < ' ')
        return 0;
    return CallWindowProcA(PlainListProc, list, message, wParam, lParam);
}

// A text's width as the list measures it, and a column's width.
static int StringWidth(HWND list, const char* text)
{
    return static_cast<int>(
        SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}

static int ColumnWidth(HWND list, int column)
{
    return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
}

// The room the list itself leaves around a text: in the first column's
// cells, in the other columns' cells, and around a header's text. How much
// that is differs between the versions of the common controls and is not
// documented, so the list is asked: it sizes a column to its cells
// (LVSCW_AUTOSIZE, in every version) and to its header
// (LVSCW_AUTOSIZE_USEHEADER, from 4.70; 4.00 gives a column no width for
// it, and the room found is then none). A last column sized to its header
// fills the list, so the first column's header tells. Asked on one short
// row of three columns, on the list the box's template made, before any row
// of the statement comes in: sizing a column to its cells goes through
// every row. The list is left with its first column only.
struct ListRoom {
    int first;
    int other;
    int header;
};

static ListRoom MeasureListRoom(HWND list)
{
    ListRoom room = {};
    char probe[] = "0";
    for (int c = 0; c < 3; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = probe;
        column.cx = 10;
        column.iSubItem = c;
        SendMessageA(list, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.pszText = probe;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    SendMessageA(list, LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    int text = StringWidth(list, probe);
    for (int c = 0; c < 2; ++c) {
        SendMessageA(list, LVM_SETCOLUMNWIDTH, c, MAKELPARAM(LVSCW_AUTOSIZE, 0));
        (c ? room.other : room.first) = ColumnWidth(list, c) - text;
    }
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
    room.header = ColumnWidth(list, 0) - text;
    if (room.header < 0)
        room.header = 0;
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(list, LVM_DELETECOLUMN, 2, 0);
    SendMessageA(list, LVM_DELETECOLUMN, 1, 0);
    return room;
}

static ListRoom ShownListRoom;
static int ShownListBorder;

// The list's columns for the shown statement, where they differ from the
// ones it has (a column for the extras comes and goes, "Month" becomes
// "Year"). The first column is named again, never taken away: the common
// controls 4.00 do not delete a list's first column.
static void SetColumns(HWND list)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    int have = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    int columns = StatementColumns(ShownTerms);
    bool same = have == columns;
    for (int c = 0; c < have && same; ++c) {
        char name[16] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = name;
        column.cchTextMax = sizeof name;
        SendMessageA(list, LVM_GETCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
        same = lstrcmpA(name, StatementColumnName(ShownTerms, c)) == 0;
    }
    if (same)
        return;
    for (int c = have - 1; c >= 1; --c)
        SendMessageA(list, LVM_DELETECOLUMN, c, 0);
    have = have > 0 ? 1 : 0;
    for (int c = 0; c < columns; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
        // The first column of a list is always left-aligned; amounts line up
        // on the right.
        column.fmt = c ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.pszText = const_cast<char*>(StatementColumnName(ShownTerms, c));
        column.iSubItem = c;
        SendMessageA(list, c < have ? LVM_SETCOLUMNA : LVM_INSERTCOLUMNA, c,
                     reinterpret_cast<LPARAM>(&column));
    }
}

// The rows into the list: drawn from ShownRows by the list itself, or each
// cell copied into it. A list that draws its rows keeps its place in them.
static void FillList(HWND list)
{
    if (ListDrawsRows) {
        SendMessageA(list, LVM_SETITEMCOUNT, ShownRowCount, LVSICF_NOSCROLL);
        InvalidateRect(list, nullptr, FALSE);
        return;
    }
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(list, LVM_SETITEMCOUNT, ShownRowCount, 0);
    int columns = StatementColumns(ShownTerms);
    for (int r = 0; r < ShownRowCount; ++r) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        for (int c = 0; c < columns; ++c) {
            item.iSubItem = c;
            item.pszText = const_cast<char*>(CellText(ShownTerms, ShownRows[r], c));
            SendMessageA(list, c ? LVM_SETITEMTEXTA : LVM_INSERTITEMA, r,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Each column as wide as its longest text (its name or a cell's, measured in
// the list's font) and some room, and at least as wide as the list itself
// needs for its cells and for its header. Returns the columns' total width.
static int FitColumns(HWND box, HWND list)
{
    int columns = StatementColumns(ShownTerms);
    int widths[MaxStatementColumns] = {};
    FontDc f = GetFontDc(list);
    for (int r = -1; r < ShownRowCount; ++r) {
        for (int c = 0; c < columns; ++c) {
            const char* text = r < 0 ? StatementColumnName(ShownTerms, c)
                                     : CellText(ShownTerms, ShownRows[r], c);
            SIZE size = {};
            GetTextExtentPoint32A(f.dc, text, lstrlenA(text), &size);
            if (size.cx > widths[c])
                widths[c] = size.cx;
        }
    }
    ReleaseFontDc(f);
    RECT padding = {0, 0, ColumnPaddingUnits, 0};
    MapDialogRect(box, &padding);
    int total = 0;
    for (int c = 0; c < columns; ++c) {
        int listRoom = c ? ShownListRoom.other : ShownListRoom.first;
        int width = widths[c] + (listRoom > padding.right ? listRoom : padding.right);
        int header = StringWidth(list, StatementColumnName(ShownTerms, c)) + ShownListRoom.header;
        if (header > width)
            width = header;
        SendMessageA(list, LVM_SETCOLUMNWIDTH, c, MAKELPARAM(width, 0));
        total += width;
    }
    return total;
}

// What the note says when Copy could not copy: the clipboard stayed busy,
// there was no memory for the table, or the clipboard did not take the
// table, or only one of its two forms.
constexpr const char* ClipboardBusyNote =
    "Nothing was copied: another program is using the clipboard. Press Copy to try again.";
constexpr const char* NoMemoryNote = "Nothing was copied: there is not enough memory for the table.";
constexpr const char* NotTakenNote =
    "Nothing was copied: the clipboard did not take the table. Press Copy to try again.";
constexpr const char* TextOnlyNote = "Only the text was copied: the clipboard did not take the "
                                     "spreadsheet form. Press Copy to try again.";
constexpr const char* SylkOnlyNote = "Only the spreadsheet form was copied: the clipboard did "
                                     "not take the text. Press Copy to try again.";

// The statement's own note, for the note line after a copy that succeeds.
static char StatementNoteText[StatementTextSize];

// The extras and the view as the fields hold them now, kept for the next
// opening, and in the terms of the statement shown.
static void ReadExtras(HWND box)
{
    for (int i = 0; i < ExtraFieldCount; ++i)
        GetDlgItemTextA(box, ExtraFields[i], ExtraTexts[i], FieldTextSize);
    ByYear = IsDlgButtonChecked(box, IDC_BYYEAR) == BST_CHECKED;
    LRESULT month = SendDlgItemMessageA(box, IDC_FIRSTMONTH, CB_GETCURSEL, 0, 0);
    FirstMonth = month >= 1 && month <= 12 ? static_cast<int>(month) : 0;
    GetDlgItemTextA(box, IDC_FIRSTYEAR, FirstYearText, FieldTextSize);
    ShownTerms.extras = ExtrasOfTexts(ExtraTexts[0], ExtraTexts[1], ExtraTexts[2],
                                      ExtraTexts[3], ShownTerms.months);
    ShownTerms.byYear = ByYear;
    ShownTerms.firstMonth = FirstMonth;
    ShownTerms.firstYear = YearOfText(FirstYearText);
}

// The user's month names, asked of the system as the box opens: the full
// ones for the first payment's list and the heading, the short ones for the
// dates. A name the system does not give keeps the one the statement has.
static void UseUserMonthNames()
{
    static char full[12][32];
    static char abbreviated[12][32];
    const char* fullNames[12];
    const char* shortNames[12];
    for (int m = 0; m < 12; ++m) {
        lstrcpynA(full[m], MonthName(m + 1), sizeof full[m]);
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME1 + m, full[m], sizeof full[m]);
        abbreviated[m][0] = '\0';
        if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVMONTHNAME1 + m, abbreviated[m],
                            sizeof abbreviated[m]))
            lstrcpynA(abbreviated[m], full[m], 4);
        fullNames[m] = full[m];
        shortNames[m] = abbreviated[m];
    }
    UseMonthNames(fullNames, shortNames);
}

// The first payment's list: an empty item (no dates), then the months;
// the month and year as they were left, or the current year at first.
static void FillFirstPayment(HWND box)
{
    UseUserMonthNames();
    HWND list = GetDlgItem(box, IDC_FIRSTMONTH);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    for (int m = 1; m <= 12; ++m)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(MonthName(m)));
    SendMessageA(list, CB_SETCURSEL, FirstMonth, 0);
    if (!FirstYearText[0]) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        lstrcpynA(FirstYearText, FormatNumber(now.wYear, -1), FieldTextSize);
    }
    SetDlgItemTextA(box, IDC_FIRSTYEAR, FirstYearText);
}

// The statement with the extras and the view the fields hold: its rows, the
// columns and their widths, the heading and the note; the box grows where
// they need more room.
static void ShowStatement(HWND box, bool opening)
{
    LoadFpuControl();
    ReadExtras(box);
    ShownRowCount = StatementRows(ShownTerms, ShownRows, &ShownEnd);
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    SetColumns(list);
    FillList(list);
    int total = FitColumns(box, list);
    StatementNote(ShownEnd, StatementNoteText);
    SetDlgItemTextA(box, IDC_SCHEDULENOTE, StatementNoteText);
    const char* notes[] = {StatementNoteText, ClipboardBusyNote, NoMemoryNote,
                           NotTakenNote,      TextOnlyNote,      SylkOnlyNote};
    LayOutScheduleBox(box, total, ShownListBorder, notes, sizeof notes / sizeof notes[0],
                      opening);
}

// The list of the box's template, where the common controls can draw the
// rows themselves, gives way to one that does (LVS_OWNERDATA, from 4.70):
// in its place, in its order among the controls, with its font and id. The
// new list is asked whether it draws them: only such a list counts the rows
// it is given without holding them. Returns the list kept.
static HWND ListThatDrawsRows(HWND box)
{
    HWND plain = GetDlgItem(box, IDC_SCHEDULELIST);
    ListDrawsRows = false;
    if (PlainListWanted)
        return plain;
    RECT r = PlaceOf(box, IDC_SCHEDULELIST);
    DWORD style = static_cast<DWORD>(GetWindowLongA(plain, GWL_STYLE)) | LVS_OWNERDATA;
    HWND list = CreateWindowExA(static_cast<DWORD>(GetWindowLongA(plain, GWL_EXSTYLE)),
                                "SysListView32", "", style, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, box, nullptr, AppInstance, nullptr);
    if (!list)
        return plain;
    SendMessageA(list, LVM_SETITEMCOUNT, 1, 0);
    bool draws = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == 1;
    SendMessageA(list, LVM_SETITEMCOUNT, 0, 0);
    if (!draws) {
        DestroyWindow(list);
        return plain;
    }
    SendMessageA(list, WM_SETFONT, SendMessageA(plain, WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(list, plain, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(plain);
    SetWindowLongPtrA(list, GWLP_ID, IDC_SCHEDULELIST);
    ListDrawsRows = true;
    return list;
}

// Fills the box as it opens: the extras' fields as they were left, the list
// and what the list leaves around a text, then the statement; the focus
// goes to the list.
static void FillScheduleBox(HWND box)
{
    LoadFpuControl();
    BoxReady = false;
    for (int i = 0; i < ExtraFieldCount; ++i)
        SetDlgItemTextA(box, ExtraFields[i], ExtraTexts[i]);
    CheckDlgButton(box, IDC_BYYEAR, ByYear ? BST_CHECKED : BST_UNCHECKED);
    FillFirstPayment(box);

    ShownListRoom = MeasureListRoom(GetDlgItem(box, IDC_SCHEDULELIST));
    HWND list = ListThatDrawsRows(box);
    RECT outer, inner;
    GetWindowRect(list, &outer);
    GetClientRect(list, &inner);
    ShownListBorder = (outer.right - outer.left) - inner.right;
    PlainListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
    // Common controls 4.70 and later select whole rows; 4.00 (Windows 95)
    // does not know the message and ignores it.
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);

    ShowStatement(box, true);
    BoxReady = true;
    SetFocus(list);
}

// A block of global memory holding the table in a form, for the clipboard;
// null where there is no memory for it.
static HGLOBAL TableMemory(int form)
{
    HGLOBAL memory =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, StatementTable(ShownTerms, form, nullptr));
    if (!memory)
        return nullptr;
    char* text = static_cast<char*>(GlobalLock(memory));
    if (!text) {
        GlobalFree(memory);
        return nullptr;
    }
    StatementTable(ShownTerms, form, text);
    GlobalUnlock(memory);
    return memory;
}

// Another program may hold the clipboard for a moment: on Windows, clipboard
// history, a remote desktop's clipboard and office clipboards open it right
// after every change. So it is tried again, after short waits, for about a
// second in all.
constexpr int ClipboardTries = 20;
constexpr DWORD ClipboardWait = 50;  // milliseconds

// Waits, answering meanwhile every message another thread or program sends
// to this one; posted messages stay queued for the box's loop. Whoever
// sends waits for the answer: above all a program that empties the
// clipboard while the box still owns it from an earlier Copy, which sends
// the box WM_DESTROYCLIPBOARD. Asleep, the box would hold it up for the
// whole second.
static void WaitAnswering(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    for (;;) {
        DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds)
            return;
        DWORD woken =
            MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_SENDMESSAGE);
        if (woken != WAIT_OBJECT_0)
            return;  // the time is up
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // delivers what was sent
    }
}

// Whether a Copy is waiting for the clipboard: one that a message answered
// meanwhile asks for again is dropped, as the waiting one copies the same.
static bool CopyWaiting;

static bool OpenClipboardSoon(HWND box)
{
    for (int tries = 1;; ++tries) {
        if (OpenClipboard(box))
            return true;
        if (tries == ClipboardTries)
            return false;
        CopyWaiting = true;
        WaitAnswering(ClipboardWait);
        CopyWaiting = false;
    }
}

// Puts a block on the clipboard, which owns it from then on; freed where
// the clipboard does not take it. Whether it took it.
static bool Hand(UINT format, HGLOBAL memory)
{
    if (SetClipboardData(format, memory))
        return true;
    GlobalFree(memory);
    return false;
}

static void FreeTable(HGLOBAL memory)
{
    if (memory)
        GlobalFree(memory);
}

// The whole table onto the clipboard as text and as SYLK. The memory is the
// clipboard's from SetClipboardData on; the program keeps none of its own.
// Where nothing can be copied, the note line says why and the box beeps;
// the next Copy tries afresh, and once it copies the note is the
// statement's again.
static void CopySchedule(HWND box)
{
    if (CopyWaiting)
        return;
    LoadFpuControl();
    HGLOBAL text = TableMemory(TabSeparatedTable);
    HGLOBAL sylk = TableMemory(SylkTable);
    const char* failed = !text || !sylk ? NoMemoryNote : nullptr;
    if (!failed && !OpenClipboardSoon(box))
        failed = ClipboardBusyNote;
    if (!failed && !EmptyClipboard()) {
        CloseClipboard();
        failed = NotTakenNote;
    }
    if (failed) {
        FreeTable(text);
        FreeTable(sylk);
        SetDlgItemTextA(box, IDC_SCHEDULENOTE, failed);
        MessageBeep(MB_OK);
        return;
    }
    bool textTaken = Hand(CF_TEXT, text);
    bool sylkTaken = Hand(CF_SYLK, sylk);
    CloseClipboard();
    const char* note = textTaken && sylkTaken ? StatementNoteText
                       : textTaken            ? TextOnlyNote
                       : sylkTaken            ? SylkOnlyNote
                                              : NotTakenNote;
    SetDlgItemTextA(box, IDC_SCHEDULENOTE, note);
    if (note != StatementNoteText)
        MessageBeep(MB_OK);
}

// Ctrl+C in the list copies, as the Copy button does.
static void OnListKey(HWND box, const NMHDR* header)
{
    if (header->idFrom != IDC_SCHEDULELIST || header->code != static_cast<UINT>(LVN_KEYDOWN))
        return;
    const NMLVKEYDOWN* key = reinterpret_cast<const NMLVKEYDOWN*>(header);
    if (key->wVKey == 'C' && GetKeyState(VK_CONTROL) < 0)
        CopySchedule(box);
}

// A list that draws its rows asks for each cell's text as it shows it.
static void GiveCellText(const NMHDR* header)
{
    if (header->idFrom != IDC_SCHEDULELIST || header->code != static_cast<UINT>(LVN_GETDISPINFOA))
        return;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(header))->item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return;
    item.pszText[0] = '\0';
    if (item.iItem >= 0 && item.iItem < ShownRowCount && item.iSubItem >= 0 &&
        item.iSubItem < StatementColumns(ShownTerms))
        lstrcpynA(item.pszText, CellText(ShownTerms, ShownRows[item.iItem], item.iSubItem),
                  item.cchTextMax);
}

static void OnScheduleNotify(HWND box, const NMHDR* header)
{
    OnListKey(box, header);
    GiveCellText(header);
}

// A field written back as it is used, once it loses the focus: an amount
// with two places (empty for none), a month as a whole number within the
// term, a year from 1900 to 9999. Never while it is being typed in.
static void WriteBackField(HWND box, int id)
{
    const StatementExtras& e = ShownTerms.extras;
    char used[FormatResultSize] = "";
    switch (id) {
    case IDC_EXTRAMONTHLY:
    case IDC_EXTRAONCE: {
        long long cents = id == IDC_EXTRAMONTHLY ? e.monthly : e.once;
        if (cents > 0)
            lstrcpynA(used, CentsText(cents), sizeof used);
        break;
    }
    case IDC_FIRSTYEAR:
        lstrcpynA(used, FormatNumber(ShownTerms.firstYear, -1), sizeof used);
        break;
    default:
        lstrcpynA(used, MonthText(id == IDC_EXTRAFROM ? e.from : e.onceMonth), sizeof used);
        break;
    }
    char shown[FieldTextSize] = "";
    GetDlgItemTextA(box, id, shown, FieldTextSize);
    if (lstrcmpA(shown, used) != 0)
        SetDlgItemTextA(box, id, used);
}

// The table follows every change of a field of the extras or of the year at
// once.
static void OnField(HWND box, int id, WORD code)
{
    if (!BoxReady)
        return;
    if (code == EN_CHANGE)
        ShowStatement(box, false);
    else if (code == EN_KILLFOCUS)
        WriteBackField(box, id);
}

static void OnByYear(HWND box, WORD code)
{
    if (BoxReady && code == BN_CLICKED)
        ShowStatement(box, false);
}

static void OnFirstMonth(HWND box, WORD code)
{
    if (BoxReady && code == CBN_SELCHANGE)
        ShowStatement(box, false);
}


// Copy copies; Close, Enter, Esc and the close button close the box; the
// extras' fields, the view by year and the first payment change the
// statement. Every command is answered.
static INT_PTR OnScheduleCommand(HWND box, WORD id, WORD code)
{
    switch (id) {
    case IDC_SCHEDULECOPY:
        CopySchedule(box);
        break;
    case IDOK:
    case IDCANCEL:
        EndDialog(box, 0);
        break;
    case IDC_EXTRAMONTHLY:
    case IDC_EXTRAFROM:
    case IDC_EXTRAONCE:
    case IDC_EXTRAONCEMONTH:
    case IDC_FIRSTYEAR:
        OnField(box, id, code);
        break;
    case IDC_BYYEAR:
        OnByYear(box, code);
        break;
    case IDC_FIRSTMONTH:
        OnFirstMonth(box, code);
        break;
    default:
        break;
    }
    return TRUE;
}

// F1 opens nothing: passed on, the request would reach the main window and
// open the Help box on top of this one. The focus is put on the list at
// opening, so the box answers FALSE.
static INT_PTR CALLBACK ScheduleBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        FillScheduleBox(box);
        return FALSE;
    case WM_NOTIFY:
        OnScheduleNotify(box, reinterpret_cast<const NMHDR*>(lParam));
        return FALSE;
    case WM_HELP:
        return TRUE;
    case WM_COMMAND:
        return OnScheduleCommand(box, LOWORD(wParam), HIWORD(wParam));
    default:
        return FALSE;
    }
}
