// The Schedule box's list: its columns, its rows drawn from the shown
// statement by the list itself or copied into it cell by cell, and the
// columns sized to their texts.
#include "schedule/parts.h"

#include <commctrl.h>
#include "finance/columns.h"
#include "panel/panel.h"
#include "res/resource.h"

// Whether the list draws its rows from ShownRows when it shows them (a list
// view with LVS_OWNERDATA: common controls 4.70 and later, found out at run
// time) or holds a copy of every cell (the common controls 4.00 of Windows
// 95).
static bool ListDrawsRows;

// Room a column leaves around its longest text, in dialog units across.
constexpr int ColumnPaddingUnits = 8;

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

// The list of the box's template, where the common controls can draw the
// rows themselves, gives way to one that does (LVS_OWNERDATA, from 4.70):
// in its place, in its order among the controls, with its font and id. The
// new list is asked whether it draws them: only such a list counts the rows
// it is given without holding them. Returns the list kept.
static HWND ListThatDrawsRows(HWND box, bool plainWanted)
{
    HWND plain = GetDlgItem(box, IDC_SCHEDULELIST);
    ListDrawsRows = false;
    if (plainWanted)
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

// A list that draws its rows asks for each cell's text as it shows it.
void OnScheduleListNotify(const NMHDR* header)
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

// What the list leaves around a text is asked first, on the template's list.
HWND PrepareScheduleList(HWND box, bool plain)
{
    ShownListRoom = MeasureListRoom(GetDlgItem(box, IDC_SCHEDULELIST));
    HWND list = ListThatDrawsRows(box, plain);
    RECT outer, inner;
    GetWindowRect(list, &outer);
    GetClientRect(list, &inner);
    ShownListBorder = (outer.right - outer.left) - inner.right;
    PlainListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
    // Common controls 4.70 and later select whole rows; 4.00 (Windows 95)
    // does not know the message and ignores it.
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    return list;
}

int ShowScheduleRows(HWND box)
{
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    SetColumns(list);
    FillList(list);
    return FitColumns(box, list);
}

int ScheduleListFrame()
{
    return GetSystemMetrics(SM_CXVSCROLL) + ShownListBorder;
}
