// The Schedule box's list: its columns, its rows drawn from the shown
// statement by the list itself or copied into it cell by cell, and the
// columns sized to their texts.
#include "schedule/parts.h"

#include <commctrl.h>
#include "finance/columns.h"
#include "finance/widest.h"
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

// A text's width as the list measures it, and a column's width as it says.
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
// row of three columns, on a hidden list of the template's style and font
// made for it (sizing a column to its cells goes through every row), once:
// the room stays the same while the program runs.
struct ListRoom {
    int first;
    int other;
    int header;
};

static ListRoom AskListRoom(HWND list)
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
    return room;
}

// A list view like the template's, in its place among the box's controls
// and with its font, with the style given.
static HWND ListLike(HWND box, HWND model, DWORD style)
{
    RECT r = PlaceOf(box, IDC_SCHEDULELIST);
    HWND list = CreateWindowExA(static_cast<DWORD>(GetWindowLongA(model, GWL_EXSTYLE)),
                                "SysListView32", "", style, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, box, nullptr, AppInstance, nullptr);
    if (list) {
        SendMessageA(list, WM_SETFONT, SendMessageA(model, WM_GETFONT, 0, 0), FALSE);
        SetWindowPos(list, model, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return list;
}

static ListRoom ShownListRoom;
static bool ListRoomKnown;
static int ShownListBorder;

static void MeasureListRoom(HWND box, HWND model)
{
    if (ListRoomKnown)
        return;
    DWORD style = static_cast<DWORD>(GetWindowLongA(model, GWL_STYLE));
    HWND list = ListLike(box, model, style & ~(WS_VISIBLE | LVS_OWNERDATA));
    if (!list)
        return;
    ShownListRoom = AskListRoom(list);
    ListRoomKnown = true;
    DestroyWindow(list);
}

// The columns the list has, as they were last set: how many, and each
// one's kind, name, subitem and width. The list is asked for none of it:
// the common controls 4.00 have no way to count a list's columns.
struct KeptColumn {
    StatementColumn kind;
    const char* name;
    int subItem;
    int width;
};
static int ListColumns;
static KeptColumn Kept[MaxStatementColumns];
// The rows a list that draws them was last told it has.
static int ListRows;

// Whether the list's columns or count of rows change: it is then drawn once,
// when every change to it is made. On its own each change would have it
// work out its scroll bars and be drawn again. A list whose cells alone
// change is drawn again without its background wiped first.
static bool Reshaping;

static void Reshape(HWND list)
{
    if (!Reshaping)
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    Reshaping = true;
}

// A column's kind, name and subitem given to the list, as a new column at
// a place or to the column there.
static void PutColumn(HWND list, UINT message, int c)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
    // The first column of a list is always left-aligned; amounts line up on
    // the right.
    column.fmt = c ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.pszText = const_cast<char*>(Kept[c].name);
    column.iSubItem = c;
    SendMessageA(list, message, c, reinterpret_cast<LPARAM>(&column));
    Kept[c].subItem = c;
}

// Moves the kept columns from a place on by one to the right (1) or left
// (-1), making room for a column or closing its gap.
static void ShiftKeptColumns(int from, int by)
{
    if (by > 0) {
        for (int c = ListColumns; c > from; --c)
            Kept[c] = Kept[c - 1];
    } else {
        for (int c = from; c + 1 < ListColumns; ++c)
            Kept[c] = Kept[c + 1];
    }
    ListColumns += by;
}

// The list's columns for the shown statement, where they differ from the
// ones it has: a column for the extras or the dates comes or goes, "Month"
// becomes "Year". The kinds stand in the same order in every statement, so
// the columns the statement no longer has are taken away and those it
// lacks put in at their places; the others stay as they are, each told its
// new place where it moved. The first column, the month's, is never taken
// away: the common controls 4.00 do not delete a list's first column.
static void SetColumns(HWND list)
{
    int columns = StatementColumns(ShownTerms);
    StatementColumn kinds[MaxStatementColumns];
    for (int c = 0; c < columns; ++c)
        kinds[c] = StatementColumnKind(ShownTerms, c);
    for (int c = ListColumns - 1; c >= 1; --c) {
        bool kept = false;
        for (int k = 0; k < columns; ++k)
            kept = kept || kinds[k] == Kept[c].kind;
        if (kept)
            continue;
        Reshape(list);
        SendMessageA(list, LVM_DELETECOLUMN, c, 0);
        ShiftKeptColumns(c, -1);
    }
    for (int c = 0; c < columns; ++c) {
        const char* name = StatementColumnName(ShownTerms, c);
        if (c < ListColumns && Kept[c].kind == kinds[c]) {
            if (Kept[c].subItem != c || lstrcmpA(Kept[c].name, name) != 0) {
                Reshape(list);
                Kept[c].name = name;
                PutColumn(list, LVM_SETCOLUMNA, c);
            }
            continue;
        }
        Reshape(list);
        ShiftKeptColumns(c, 1);
        Kept[c] = KeptColumn{kinds[c], name, c, -1};
        PutColumn(list, LVM_INSERTCOLUMNA, c);
    }
}

// The rows into the list: drawn from ShownRows by the list itself, told
// only how many there are where that changes, or each cell copied into it.
// A list that draws its rows keeps its place in them.
static void FillList(HWND list)
{
    if (ListDrawsRows) {
        if (ListRows != ShownRowCount) {
            Reshape(list);
            SendMessageA(list, LVM_SETITEMCOUNT, ShownRowCount, LVSICF_NOSCROLL);
        }
        ListRows = ShownRowCount;
        return;
    }
    Reshape(list);
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
}

// The digit that is widest in a DC's font: the numbers of the columns are
// measured as written with it.
static char WidestDigit(HDC dc)
{
    char widest = '0';
    LONG most = -1;
    for (char digit = '0'; digit <= '9'; ++digit) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, &digit, 1, &size);
        if (size.cx > most) {
            most = size.cx;
            widest = digit;
        }
    }
    return widest;
}

void MeasureColumns(HDC dc, int widths[MaxStatementColumns])
{
    static WidestTexts widest[MaxStatementColumns];
    StatementWidestTexts(ShownTerms, ShownRows, ShownRowCount, WidestDigit(dc), widest);
    for (int c = 0; c < StatementColumns(ShownTerms); ++c) {
        widths[c] = 0;
        for (int k = -1; k < widest[c].count; ++k) {
            const char* text = k < 0 ? StatementColumnName(ShownTerms, c) : widest[c].text[k];
            SIZE size = {};
            GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
            if (size.cx > widths[c])
                widths[c] = size.cx;
        }
    }
}

// Each column as wide as the widest text it can have, measured in the
// list's font, and some room, and at least as wide as the list itself needs
// for its cells and for its header. The texts measured are the few that
// can be widest, never every cell. Returns the columns' total width.
static int FitColumns(HWND box, HWND list)
{
    int columns = StatementColumns(ShownTerms);
    int widths[MaxStatementColumns];
    FontDc f = GetFontDc(list);
    MeasureColumns(f.dc, widths);
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
        if (width != Kept[c].width) {
            Reshape(list);
            SendMessageA(list, LVM_SETCOLUMNWIDTH, c, MAKELPARAM(width, 0));
        }
        Kept[c].width = width;
        total += width;
    }
    return total;
}

// The list of the box's template asks to draw its rows itself (LVS_OWNERDATA,
// from 4.70); it is asked whether it does: only such a list counts the rows
// it is given without holding them. The common controls 4.00 know no such
// style and make a list that holds its cells. Where that is wanted though
// the list could draw its rows, a plain list takes its place, in its order
// among the controls, with its font and id. Returns the list kept.
static HWND ListThatDrawsRows(HWND box, bool plainWanted)
{
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    SendMessageA(list, LVM_SETITEMCOUNT, 1, 0);
    ListDrawsRows = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == 1;
    SendMessageA(list, LVM_SETITEMCOUNT, 0, 0);
    if (!ListDrawsRows || !plainWanted)
        return list;
    DWORD style = static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE)) & ~LVS_OWNERDATA;
    HWND plain = ListLike(box, list, style);
    if (!plain)
        return list;
    DestroyWindow(list);
    SetWindowLongPtrA(plain, GWLP_ID, IDC_SCHEDULELIST);
    ListDrawsRows = false;
    return plain;
}

// A list that draws its rows asks for each cell's text as it shows it.
static void GiveCellText(const NMHDR* header)
{
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(header))->item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return;
    item.pszText[0] = '\0';
    if (item.iItem >= 0 && item.iItem < ShownRowCount && item.iSubItem >= 0 &&
        item.iSubItem < StatementColumns(ShownTerms))
        lstrcpynA(item.pszText, CellText(ShownTerms, ShownRows[item.iItem], item.iSubItem),
                  item.cchTextMax);
}

// A letter of the first column ("Total") in either case, as one.
static unsigned Folded(unsigned c)
{
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// Whether a row's first cell begins with a typed text (is it, where whole),
// letters of either case alike. The text comes as the list has it, in
// characters of one byte or two.
static bool RowMatches(int row, const void* typed, bool wide, bool whole)
{
    const char* cell = CellText(ShownTerms, ShownRows[row], 0);
    for (int i = 0;; ++i) {
        unsigned c = wide ? static_cast<const unsigned short*>(typed)[i]
                          : static_cast<const unsigned char*>(typed)[i];
        if (!c)
            return !whole || !cell[i];
        if (Folded(c) != Folded(static_cast<unsigned char>(cell[i])))
            return false;
    }
}

// Typing in a list that draws its rows: the row the typed text leads to, as
// a plain list finds it. The first row, from the one the list starts at,
// whose first cell begins with the text (or is it), going round to the first
// row where the list asks; -1 for none.
static LRESULT FindRow(const NMHDR* header, bool wide)
{
    const NMLVFINDITEMA* find = reinterpret_cast<const NMLVFINDITEMA*>(header);
    const LVFINDINFOA& info = find->lvfi;
    if (!(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz || ShownRowCount <= 0)
        return -1;
    int start = find->iStart >= 0 && find->iStart < ShownRowCount ? find->iStart : 0;
    for (int k = 0; k < ShownRowCount; ++k) {
        int row = start + k;
        if (row >= ShownRowCount) {
            if (!(info.flags & LVFI_WRAP))
                return -1;
            row -= ShownRowCount;
        }
        if (RowMatches(row, info.psz, wide, !(info.flags & LVFI_PARTIAL)))
            return row;
    }
    return -1;
}

bool OnScheduleListNotify(const NMHDR* header, LRESULT* answer)
{
    if (header->idFrom != IDC_SCHEDULELIST)
        return false;
    UINT code = header->code;
    if (code == LVN_GETDISPINFOA)
        GiveCellText(header);
    if (code != LVN_ODFINDITEMA && code != LVN_ODFINDITEMW)
        return false;
    *answer = FindRow(header, code == LVN_ODFINDITEMW);
    return true;
}

// What the list leaves around a text is asked first, the first time.
HWND PrepareScheduleList(HWND box, bool plain)
{
    MeasureListRoom(box, GetDlgItem(box, IDC_SCHEDULELIST));
    HWND list = ListThatDrawsRows(box, plain);
    ListColumns = 0;
    ListRows = 0;
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
    Reshaping = false;
    SetColumns(list);
    FillList(list);
    int width = FitColumns(box, list);
    if (Reshaping)
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, Reshaping || !ListDrawsRows);
    return width;
}

int ScheduleListFrame()
{
    return GetSystemMetrics(SM_CXVSCROLL) + ShownListBorder;
}
