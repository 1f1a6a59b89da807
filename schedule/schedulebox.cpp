// The Schedule box: the shown page's calculation carried out as its
// "Calculate It" does, then the month-by-month statement of the two amounts
// the page shows, with Copy for a spreadsheet.
#include "schedule/schedule.h"

#include <windows.h>
#include <commctrl.h>
#include "finance/statement.h"
#include "panel/panel.h"
#include "res/resource.h"
#include "runtime/runtime.h"

// The statement the open box shows. It is built again from these terms for
// each pass over it (the list, the count of the copied text, the copy).
static StatementTerms ShownTerms;

// Room a column leaves around its longest text, in dialog units across.
constexpr int ColumnPaddingUnits = 8;
constexpr int MaxScheduleColumns = 5;

static INT_PTR CALLBACK ScheduleBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

void OpenSchedule(HWND owner)
{
    PageCalculation shown;
    if (!CalculateShownPage(&shown))
        return;
    // The left field holds the loan, the present worth or the saving; the
    // right one the payment or the future worth.
    ShownTerms = TermsOfPage(shown.kind, shown.months, shown.rate, shown.left, shown.right);
    DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_SCHEDULEBOX), owner, ScheduleBoxProc, 0);
}

// A text's width in the list's font, and the widest text of each column.
struct ColumnWidths {
    HDC dc;
    int widths[MaxScheduleColumns];
};

static void Measure(ColumnWidths& measure, int column, const char* text)
{
    SIZE size = {};
    GetTextExtentPoint32A(measure.dc, text, lstrlenA(text), &size);
    if (size.cx > measure.widths[column])
        measure.widths[column] = size.cx;
}

static void AddRow(HWND list, int index, int kind, const StatementRow& row, ColumnWidths& measure)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    for (int c = 0; c < StatementColumns(kind); ++c) {
        const char* text = CellText(kind, row, c);
        Measure(measure, c, text);
        item.iSubItem = c;
        item.pszText = const_cast<char*>(text);
        if (c == 0)
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        else
            SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    }
}

// A control's rectangle in the box's client coordinates.
static RECT PlaceOf(HWND box, int id)
{
    RECT r;
    GetWindowRect(GetDlgItem(box, id), &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Moves a control of the box right and down, and makes it wider and
// taller, by some pixels.
static void ShiftControl(HWND box, int id, int right, int down, int wider, int taller)
{
    RECT r = PlaceOf(box, id);
    SetWindowPos(GetDlgItem(box, id), nullptr, r.left + right, r.top + down,
                 r.right - r.left + wider, r.bottom - r.top + taller,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The box's controls from top to bottom: each lies wholly below the one
// before it, and the two buttons side by side at the bottom.
constexpr int StackedControls[] = {IDC_SCHEDULEHEADING, IDC_SCHEDULELIST, IDC_SCHEDULENOTE,
                                   IDC_SCHEDULECOPY, IDOK};

// Makes a control taller (or, by a negative amount, shorter) and moves every
// control below it down (or up) with it.
static void Stretch(HWND box, int id, int taller)
{
    bool below = false;
    for (int other : StackedControls) {
        if (below)
            ShiftControl(box, other, 0, taller, 0, 0);
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

// Lays out the filled box on its owner's monitor. Where the columns need
// more room than the list has, the box grows wider by the difference (up to
// the work area), the list, the heading and the note with it, and the
// buttons move right. The heading and the note get the lines their texts
// need (the note's two texts: the statement's, and the one that says the
// clipboard was busy), moving what lies below them down. Where the box is
// then taller than the work area, the list gets shorter. The box is centred
// on its owner, moved as little as needed to lie on the work area.
static void LayOutScheduleBox(HWND box, int columnsWidth, int listBorder,
                              const char* const* notes, int noteCount)
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
    GetDlgItemTextA(box, IDC_SCHEDULEHEADING, heading, sizeof heading);
    const char* headings[] = {heading};
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
    GetWindowRect(owner ? owner : box, &around);
    LONG left = CentredWithin((around.left + around.right) / 2, width, work.left, work.right);
    LONG top = CentredWithin((around.top + around.bottom) / 2, height, work.top, work.bottom);
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

// The room the list itself leaves around a text: in each column's cells,
// and around a header's text. How much that is differs between the versions
// of the common controls and is not documented, so the list is asked: it
// sizes a column to its cells (LVSCW_AUTOSIZE, in every version) and to its
// header (LVSCW_AUTOSIZE_USEHEADER, from 4.70; 4.00 gives a column no width
// for it, and the room found is then none). A last column sized to its
// header fills the list, so the others' headers tell. Asked on one short
// row before the statement's rows come in: sizing a column to its cells
// goes through every row.
struct ListRoom {
    int cells[MaxScheduleColumns];
    int header;
};

static ListRoom MeasureListRoom(HWND list, int kind, int columns)
{
    ListRoom room = {};
    char probe[] = "0";
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.pszText = probe;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (item.iSubItem = 1; item.iSubItem < columns; ++item.iSubItem)
        SendMessageA(list, LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    int text = StringWidth(list, probe);
    for (int c = 0; c < columns; ++c) {
        SendMessageA(list, LVM_SETCOLUMNWIDTH, c, MAKELPARAM(LVSCW_AUTOSIZE, 0));
        room.cells[c] = ColumnWidth(list, c) - text;
        if (c == columns - 1)
            continue;
        SendMessageA(list, LVM_SETCOLUMNWIDTH, c, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
        int header = ColumnWidth(list, c) - StringWidth(list, StatementColumnName(kind, c));
        if (header > room.header)
            room.header = header;
    }
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    return room;
}

// Each column as wide as its longest text and some room, and at least as
// wide as the list itself needs for its cells and for its header. Returns
// the columns' total width.
static int SetColumnWidths(HWND box, HWND list, int kind, int columns,
                           const ColumnWidths& measure, const ListRoom& room)
{
    RECT padding = {0, 0, ColumnPaddingUnits, 0};
    MapDialogRect(box, &padding);
    int total = 0;
    for (int c = 0; c < columns; ++c) {
        int cellRoom = room.cells[c] > padding.right ? room.cells[c] : padding.right;
        int width = measure.widths[c] + cellRoom;
        int header = StringWidth(list, StatementColumnName(kind, c)) + room.header;
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

// Fills the box: the heading, the columns, one row per month and the total
// row, each column as wide as its longest text, and the note; then lays it
// out.
static void FillScheduleBox(HWND box)
{
    LoadFpuControl();
    const StatementTerms& terms = ShownTerms;
    int kind = terms.kind;
    char text[StatementTextSize];
    StatementHeading(terms, text);
    SetDlgItemTextA(box, IDC_SCHEDULEHEADING, text);

    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    RECT outer, inner;
    GetWindowRect(list, &outer);
    GetClientRect(list, &inner);
    int listBorder = (outer.right - outer.left) - inner.right;
    PlainListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
    // Common controls 4.70 and later select whole rows; 4.00 (Windows 95)
    // does not know the message and ignores it.
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);

    FontDc listDc = GetFontDc(list);
    ColumnWidths measure = {};
    measure.dc = listDc.dc;
    // Columns first: a list keeps no text for a column it does not have.
    int columns = StatementColumns(kind);
    for (int c = 0; c < columns; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        // The first column of a list is always left-aligned; amounts line up
        // on the right.
        column.fmt = c ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.pszText = const_cast<char*>(StatementColumnName(kind, c));
        column.iSubItem = c;
        SendMessageA(list, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
        Measure(measure, c, column.pszText);
    }

    ListRoom room = MeasureListRoom(list, kind, columns);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_SETITEMCOUNT, terms.months + 1, 0);
    Statement schedule;
    StartStatement(&schedule, terms);
    StatementRow row;
    int index = 0;
    while (NextStatementRow(&schedule, &row))
        AddRow(list, index++, kind, row, measure);
    FinishStatement(schedule, &row);
    AddRow(list, index, kind, row, measure);
    ReleaseFontDc(listDc);
    int total = SetColumnWidths(box, list, kind, columns, measure, room);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);

    StatementNote(schedule, StatementNoteText);
    SetDlgItemTextA(box, IDC_SCHEDULENOTE, StatementNoteText);
    const char* notes[] = {StatementNoteText, ClipboardBusyNote, NoMemoryNote,
                           NotTakenNote,      TextOnlyNote,      SylkOnlyNote};
    LayOutScheduleBox(box, total, listBorder, notes, sizeof notes / sizeof notes[0]);
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

// Copy copies; Close, Enter, Esc and the close button close the box. Every
// command is answered.
static INT_PTR OnScheduleCommand(HWND box, WORD id)
{
    switch (id) {
    case IDC_SCHEDULECOPY:
        CopySchedule(box);
        break;
    case IDOK:
    case IDCANCEL:
        EndDialog(box, 0);
        break;
    default:
        break;
    }
    return TRUE;
}

// F1 opens nothing: passed on, the request would reach the main window and
// open the Help box on top of this one.
static INT_PTR CALLBACK ScheduleBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        FillScheduleBox(box);
        return TRUE;
    case WM_NOTIFY:
        OnListKey(box, reinterpret_cast<const NMHDR*>(lParam));
        return FALSE;
    case WM_HELP:
        return TRUE;
    case WM_COMMAND:
        return OnScheduleCommand(box, LOWORD(wParam));
    default:
        return FALSE;
    }
}
