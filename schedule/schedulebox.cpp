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

// Moves a control of the box right, or makes it wider, by some pixels.
static void ShiftControl(HWND box, int id, int right, int wider)
{
    HWND control = GetDlgItem(box, id);
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(control, nullptr, r.left + right, r.top, r.right - r.left + wider,
                 r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Where the columns need more room than the list has, the box grows wider by
// the difference (up to the work area), the list, the heading and the note
// with it, and the buttons move right; it stays centred.
static void WidenFor(HWND box, HWND list, int columnsWidth, int listBorder)
{
    RECT frame, listFrame, work;
    GetWindowRect(box, &frame);
    GetWindowRect(list, &listFrame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int needed = columnsWidth + GetSystemMetrics(SM_CXVSCROLL) + listBorder;
    int grow = needed - (listFrame.right - listFrame.left);
    int room = (work.right - work.left) - (frame.right - frame.left);
    if (grow > room)
        grow = room;
    if (grow <= 0)
        return;
    ShiftControl(box, IDC_SCHEDULEHEADING, 0, grow);
    ShiftControl(box, IDC_SCHEDULELIST, 0, grow);
    ShiftControl(box, IDC_SCHEDULENOTE, 0, grow);
    ShiftControl(box, IDC_SCHEDULECOPY, grow, 0);
    ShiftControl(box, IDOK, grow, 0);
    int left = frame.left - grow / 2;
    if (left < work.left)
        left = work.left;
    SetWindowPos(box, nullptr, left, frame.top, frame.right - frame.left + grow,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
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

// Fills the box: the heading, the columns, one row per month and the total
// row, each column as wide as its longest text, and the note.
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

    RECT padding = {0, 0, ColumnPaddingUnits, 0};
    MapDialogRect(box, &padding);
    int total = 0;
    for (int c = 0; c < columns; ++c) {
        int width = measure.widths[c] + padding.right;
        SendMessageA(list, LVM_SETCOLUMNWIDTH, c, MAKELPARAM(width, 0));
        total += width;
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    WidenFor(box, list, total, listBorder);

    StatementNote(schedule, text);
    SetDlgItemTextA(box, IDC_SCHEDULENOTE, text);
}

// The whole table onto the clipboard as text. Its memory is the clipboard's
// from SetClipboardData on; the program keeps none of its own.
static void CopySchedule(HWND box)
{
    LoadFpuControl();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, StatementTable(ShownTerms, nullptr));
    if (!memory)
        return;
    char* text = static_cast<char*>(GlobalLock(memory));
    if (!text) {
        GlobalFree(memory);
        return;
    }
    StatementTable(ShownTerms, text);
    GlobalUnlock(memory);
    if (!OpenClipboard(box)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, memory))
        GlobalFree(memory);
    CloseClipboard();
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
