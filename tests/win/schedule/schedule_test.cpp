// The Schedule box: opened from the menu after the page's calculation, every
// row in its list, the copied text and its SYLK form, a busy clipboard, Esc,
// Enter and the close button, the focus back in the field; Print with no
// printer, and (given "print") with one, the jobs read back.
#include <stdio.h>
#include <stdlib.h>

#include "finance/dates.h"
#include "finance/notes.h"
#include "finance/statement.h"
#include "schedule/schedule.h"

#include "tests/win/boxdriver.h"
#include "tests/win/winpath.h"

// The Schedule box, opened from the menu on a page with the terms and the
// amount typed and a stale result: the page is calculated first, then the
// box shows the statement of the two amounts the page then shows.
struct ScheduleCase {
    int tab;
    const char* months;
    const char* rate;
    int direction;
    const char* amount;
    const char* left;   // the page's fields after the calculation
    const char* right;
    const char* heading;
    const char* note;
    const char* copied;  // the whole copied text, or null: not compared
};

static const ScheduleCase ScheduleCases[] = {
    {0, "3", "12", LeftToRight, "100", "100.00", "34.00",
     "Loan of 100.00 at 12.00 % over 3 months, paying 34.00 a month",
     "Total interest 2.01. The last payment is 34.01, not 34.00: it settles the balance the "
     "other payments leave.",
     "Loan of 100.00 at 12.00 % over 3 months, paying 34.00 a month\r\n"
     "Month\tPayment\tInterest\tPrincipal\tBalance\r\n"
     "1\t34.00\t1.00\t33.00\t67.00\r\n"
     "2\t34.00\t0.67\t33.33\t33.67\r\n"
     "3\t34.01\t0.34\t33.67\t0.00\r\n"
     "Total\t102.01\t2.01\t100.00\r\n"},
    {1, "2", "6", RightToLeft, "1000", "990.07", "1000.00",
     "Investment of 990.07 at 6.00 % over 2 months, growing to 1000.00",
     "The present worth of 990.07 is the page's answer rounded to the cent, and each month's "
     "interest is credited in whole cents: the statement ends at 1000.00, as does the future "
     "worth given.",
     "Investment of 990.07 at 6.00 % over 2 months, growing to 1000.00\r\n"
     "Month\tInterest\tWorth\r\n"
     "1\t4.95\t995.02\r\n"
     "2\t4.98\t1000.00\r\n"
     "Total\t9.93\t1000.00\r\n"},
    {2, "3", "12", LeftToRight, "100", "100.00", "303.01",
     "Saving 100.00 a month at 12.00 % over 3 months, growing to 303.01",
     "Each month's interest is credited in whole cents: the statement ends at 303.01, as does "
     "the future worth the page worked out.",
     "Saving 100.00 a month at 12.00 % over 3 months, growing to 303.01\r\n"
     "Month\tSaving\tInterest\tWorth\r\n"
     "1\t100.00\t0.00\t100.00\r\n"
     "2\t100.00\t1.00\t201.00\r\n"
     "3\t100.00\t2.01\t303.01\r\n"
     "Total\t300.00\t3.01\t303.01\r\n"},
    // The largest loan the page shows, stated in full; a rate of ten places
    // reaches the statement as the box shows it.
    {0, "1200", "0.1", RightToLeft, "10000000000", "11419057441179.47", "10000000000.00",
     "Loan of 11419057441179.47 at 0.10 % over 1200 months, paying 10000000000.00 a month",
     "Total interest 580942558835.25. The last payment is 10000000014.72, not 10000000000.00: "
     "it settles the balance the other payments leave.",
     nullptr},
    {2, "900", "0.1234567891", LeftToRight, "9999999999.99", "9999999999.99",
     "9429322190177.36",
     "Saving 9999999999.99 a month at 0.1234567891 % over 900 months, growing to "
     "9429322190177.36",
     "Each month's interest is credited in whole cents: the statement ends at "
     "9429322190175.94, 1.42 less than the future worth the page worked out, 9429322190177.36, "
     "which keeps every fraction of a cent.",
     nullptr},
    // The longest statement: 1200 months, every row and the total.
    {2, "1200", "7.80", LeftToRight, "200", "200.00", "73192937.28", nullptr, nullptr, nullptr},
};

static const ScheduleCase* ScheduleShown;
static int ScheduleInspections;

static void ClearClipboard(HWND owner)
{
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

// The box's heading as it reads: the lines it is broken into joined again.
static const char* HeadingText(HWND box)
{
    static char heading[StatementTextSize];
    const char* shown = ItemText(box, IDC_SCHEDULEHEADING);
    int length = 0;
    for (; *shown && length < StatementTextSize - 1; ++shown)
        if (*shown != '\r' && *shown != '\n')
            heading[length++] = *shown;
    heading[length] = '\0';
    return heading;
}

// The box written out as the copied text is: the heading, the list's
// header, every row, fields between tabs, each line ended by CR LF.
static char Listed[131072];

static const char* ListText(HWND list)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    int length = wsprintfA(Listed, "%s\r\n", HeadingText(GetParent(list)));
    for (int r = -1; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            char cell[64];
            ListCell(list, r, c, cell, sizeof cell);
            if (!cell[0] && c == columns - 1)
                break;  // the total's empty balance
            if (c)
                Listed[length++] = '\t';
            length += wsprintfA(Listed + length, "%s", cell);
        }
        length += wsprintfA(Listed + length, "\r\n");
        if (length > static_cast<int>(sizeof Listed) - 400)
            break;
    }
    Listed[length] = '\0';
    return Listed;
}

// The SYLK form of the copied table read back record by record against the
// box: one cell record per cell that is not empty, at the cell's row and
// column (the sheet's first row holds the heading, the second the column
// names); a number as the list shows it, any other text in quotes.
static void CheckSylk(HWND box, HWND list)
{
    static char sylk[1 << 20];
    lstrcpynA(sylk, ClipboardText(box, CF_SYLK), sizeof sylk);
    CHECK(strncmp(sylk, "ID;P", 4) == 0);
    int records = 0, wrong = 0;
    bool ended = false;
    for (char* line = strtok(sylk, "\r\n"); line; line = strtok(nullptr, "\r\n")) {
        int y = 0, x = 0;
        char value[StatementTextSize * 2] = "";
        if (strcmp(line, "E") == 0) {
            ended = true;
            continue;
        }
        if (sscanf(line, "C;Y%d;X%d;K%1200[^\r]", &y, &x, value) != 3)
            continue;
        ++records;
        char cell[StatementTextSize];
        if (y == 1)
            lstrcpynA(cell, HeadingText(box), sizeof cell);
        else
            ListCell(list, y - 3, x - 1, cell, sizeof cell);
        // A date ("Oct 2025") is the serial number of its month's first day.
        char column[16];
        ListCell(list, -1, x - 1, column, sizeof column);
        char month[8] = "";
        int year = 0;
        if (y > 2 && strcmp(column, "Date") == 0 && sscanf(cell, "%7s %d", month, &year) == 2) {
            const char* names = "JanFebMarAprMayJunJulAugSepOctNovDec";
            const char* at = strstr(names, month);
            if (at && year <= 9999)
                wsprintfA(cell, "%ld", DateSerial(year, static_cast<int>(at - names) / 3 + 1));
        }
        // SYLK writes a number with a point, whatever mark the list shows.
        char point[64];
        lstrcpynA(point, cell, sizeof point);
        for (char* c = point; *c; ++c)
            if (*c == DecimalMark())
                *c = '.';
        char* end = nullptr;
        strtod(point, &end);
        bool number = y > 1 && point[0] && *end == '\0';
        if (number)
            lstrcpynA(cell, point, sizeof point);
        // A semicolon in a text is written twice.
        char expected[StatementTextSize * 2] = "";
        int e = 0;
        if (!number)
            expected[e++] = '"';
        for (const char* c = cell; *c; ++c) {
            if (*c == ';')
                expected[e++] = ';';
            expected[e++] = *c;
        }
        if (!number)
            expected[e++] = '"';
        expected[e] = '\0';
        if (strcmp(value, expected) != 0 && ++wrong <= 3)
            printf("    SYLK cell Y%d X%d: expected %s, got %s\n", y, x, expected, value);
    }
    CHECK(ended);
    CHECK_INT(wrong, 0, "SYLK cells as the list shows them");
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    int cells = 1;  // the heading
    for (int r = -1; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            char cell[64];
            ListCell(list, r, c, cell, sizeof cell);
            cells += cell[0] != '\0';
        }
    }
    CHECK_INT(records, cells, "a SYLK record per cell");
}

// A key pressed with Ctrl held down, as the list gets it.
static void ControlKey(HWND list, char key, LPARAM scan)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE control = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(list, WM_KEYDOWN, key, scan);
    keys[VK_CONTROL] = control;
    SetKeyboardState(keys);
}

// Print, driven as a user does from a timer while the Print dialog, the box
// shown while printing or a message box is open: the copies and a page range
// typed, OK or Cancel; Cancel in the box shown while printing (stop).
struct PrintRun {
    const char* copies;
    const char* from;
    const char* to;
    bool cancel = false;
    bool stop = false;
};
static const PrintRun* Run;
static HWND PrintOwner, Acted, Helper;
static int DialogsSeen;
static char Progress[64], Told[1024];
constexpr int PrinterList = 0x473, FromField = 0x480, ToField = 0x481, CopiesField = 0x482,
              PagesButton = 0x422;  // the Print dialog's controls (cmb4, edt1 to edt3, rad3)

// A window the box owns, or one that owns (Wine's warning that no printer
// is installed is owned by the Print dialog, hidden).
static BOOL CALLBACK FindOwnedWindow(HWND window, LPARAM found)
{
    for (HWND owner = window; IsWindowVisible(window) && owner;)
        if ((owner = GetWindow(owner, GW_OWNER)) == PrintOwner)
            *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

static void CALLBACK DrivePrint(HWND, UINT, UINT_PTR, DWORD)
{
    HWND w = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedWindow, reinterpret_cast<LPARAM>(&w));
    if (!w || w == Acted || (!GetDlgItem(w, IDCANCEL) && !GetDlgItem(w, IDOK)))
        return;
    Acted = w;
    int press = IDOK;
    if (GetDlgItem(w, IDC_PRINTINGPAGE)) {
        lstrcpynA(Progress, ItemText(w, IDC_PRINTINGPAGE), sizeof Progress);
        if (!Progress[0])
            Acted = nullptr;  // looked at again once it says which page
        if (!Progress[0] || !Run->stop)
            return;
        press = IDCANCEL;
    } else if (!GetDlgItem(w, PrinterList)) {
        wsprintfA(Told, "%s: ", TextOf(w));
        EnumChildWindows(w, CollectStaticText, reinterpret_cast<LPARAM>(Told + lstrlenA(Told)));
    } else if (++DialogsSeen, Run->cancel) {
        press = IDCANCEL;
    } else {
        if (Run->copies)
            SetItemText(w, CopiesField, Run->copies);
        if (Run->from) {
            SendMessageA(GetDlgItem(w, PagesButton), BM_CLICK, 0, 0);
            SetItemText(w, FromField, Run->from);
            SetItemText(w, ToField, Run->to);
        }
    }
    SendMessageA(GetDlgItem(w, press), BM_CLICK, 0, 0);
    if (press == IDOK && GetDlgItem(w, PrinterList))
        PostMessageA(Helper, WM_APP, 0, 0);
}

// The box shown while printing is looked at as soon as it is up: when OK is
// pressed in the Print dialog, a message is posted to a window of the
// test's own, which the job's first look at its messages then hands to the
// driver.

static LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP && Run) {
        DrivePrint(nullptr, 0, 0, 0);
        if (!Progress[0] && static_cast<int>(wParam) < 50)  // not up yet: a next look
            PostMessageA(Helper, WM_APP, wParam + 1, 0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Print pressed in the open box (or Ctrl+P in its list) and driven through;
// the box's own driver rests meanwhile.
static void PrintFromBox(HWND box, const PrintRun& run, bool byKey = false)
{
    KillTimer(nullptr, BoxTimer);
    if (!Helper) {
        WNDCLASSA helper = {};
        helper.lpfnWndProc = HelperProc;
        helper.lpszClassName = "PrintDriver";
        RegisterClassA(&helper);
        Helper =
            CreateWindowA("PrintDriver", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    }
    Run = &run;
    PrintOwner = box;
    Acted = nullptr;
    DialogsSeen = 0;
    Progress[0] = Told[0] = '\0';
    UINT_PTR timer = SetTimer(nullptr, 0, 10, DrivePrint);
    if (byKey)
        ControlKey(GetDlgItem(box, IDC_SCHEDULELIST), 'P', 0x00190001);
    else
        SendMessageA(GetDlgItem(box, IDC_SCHEDULEPRINT), BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
    Run = nullptr;
    BoxTimer = SetTimer(nullptr, 0, 10, DriveBox);
}

// What the box shows while open: the page already calculated, the heading,
// every row, the note; then Copy and Ctrl+C in the list, and a plain C that
// copies nothing.
static void InspectSchedule(HWND box)
{
    const ScheduleCase& c = *ScheduleShown;
    ++ScheduleInspections;
    HWND page = PageOf(c.tab);
    CHECK_TEXT(TextOf(box), "Schedule", "schedule box title");
    CHECK(GetWindow(box, GW_OWNER) == MainWindow);
    CHECK(!IsWindowEnabled(MainWindow));
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    CHECK(GetFocus() == list);
    CHECK_TEXT(ItemText(page, IDC_LEFTFIELD), c.left, "left field calculated before the box");
    CHECK_TEXT(ItemText(page, IDC_RIGHTFIELD), c.right, "right field calculated before the box");
    if (c.heading) {
        CHECK_TEXT(ItemText(box, IDC_SCHEDULEHEADING), c.heading, "schedule heading");
        CHECK_TEXT(ItemText(box, IDC_SCHEDULENOTE), c.note, "schedule note");
    }
    CHECK_INT(GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT, "report view");
    // Each opening starts at the first row with none selected, whatever the
    // last one left (a month typed at its end).
    CHECK_INT(SendMessageA(list, LVM_GETTOPINDEX, 0, 0), 0, "the first row at the top");
    CHECK_INT(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1, "no row selected");
    // An investment has no payment: the calendar's label speaks of its first
    // month, a saving's of its first saving.
    const char* const firstLabels[] = {"&First payment:", "&First month:", "&First saving:"};
    CHECK_TEXT(TextOf(GetWindow(GetDlgItem(box, IDC_FIRSTMONTH), GW_HWNDPREV)),
               firstLabels[c.tab], "the first month's label");
    // In German the month names come in the system's code page, umlaut and all.
    if (DecimalMark() == ',') {
        char name[32] = "";
        SendDlgItemMessageA(box, IDC_FIRSTMONTH, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(name));
        CHECK_TEXT(name, "M\xe4rz", "a German month name");
    }

    // Every row: as many as the statement has months, and the total.
    int months = atoi(c.months);
    StatementTerms terms =
        TermsOfPage(c.tab, c.direction, months, ItemText(MainPanel, IDC_RATEBOX), c.left, c.right);
    Statement s;
    StartStatement(&s, terms);
    StatementRow row;
    int rows = 0;
    while (NextStatementRow(&s, &row))
        ++rows;
    CHECK_INT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), rows + 1, "rows and the total");
    char last[16];
    ListCell(list, rows, 0, last, sizeof last);
    CHECK_TEXT(last, "Total", "last row");
    if (months == 1200)
        CHECK_INT(rows, 1200, "every month of 1200");

    // No printer: the Print dialog says so, and the box goes on as it was.
    PrintFromBox(box, {});
    CHECK(Told[0] && strncmp(Told, "Ledgerly", 8) != 0);
    CHECK_INT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), rows + 1, "rows after Print");

    // Sent, not pumped: the box's own loop must see the driver's Esc later.
    ClearClipboard(box);
    SendMessageA(GetDlgItem(box, IDC_SCHEDULECOPY), BM_CLICK, 0, 0);
    const char* copied = ClipboardText(box);
    if (c.copied)
        CHECK_TEXT(copied, c.copied, "copied table");
    CHECK(strcmp(copied, ListText(list)) == 0);  // the list holds what is copied
    CheckSylk(box, list);

    // Ctrl+C in the list copies the same; C alone does not.
    ClearClipboard(box);
    SendMessageA(list, WM_KEYDOWN, 'C', 0x002E0001);
    CHECK_TEXT(ClipboardText(box), "(no text)", "C alone");
    ControlKey(list, 'C', 0x002E0001);
    CHECK(strcmp(ClipboardText(box), ListText(list)) == 0);
    // The last row selected and in view, for the next opening to start afresh.
    SendMessageA(list, WM_KEYDOWN, VK_END, 0x014F0001);
}

// Another program holding the clipboard, played by a thread of the test's
// own: it opens the clipboard and keeps it for a while.
static HANDLE ClipboardTaken;

static DWORD WINAPI HoldClipboard(LPVOID milliseconds)
{
    bool held = OpenClipboard(nullptr) != FALSE;
    SetEvent(ClipboardTaken);
    if (held) {
        Sleep(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(milliseconds)));
        CloseClipboard();
    }
    return 0;
}

static HANDLE HoldClipboardFor(DWORD milliseconds)
{
    ResetEvent(ClipboardTaken);
    HANDLE holder = CreateThread(nullptr, 0, HoldClipboard,
                                 reinterpret_cast<LPVOID>(static_cast<UINT_PTR>(milliseconds)),
                                 0, nullptr);
    WaitForSingleObject(ClipboardTaken, 5000);
    return holder;
}

static void Release(HANDLE holder)
{
    WaitForSingleObject(holder, 10000);
    CloseHandle(holder);
}

// Another program that empties the clipboard while the box's Copy waits for
// it: the box owns the clipboard from an earlier Copy, so that program's
// EmptyClipboard returns only once the box has answered the
// WM_DESTROYCLIPBOARD it sends. How long it took, in milliseconds.
static double EmptyingTook;

static DWORD WINAPI EmptyClipboardSoon(LPVOID)
{
    bool held = OpenClipboard(nullptr) != FALSE;
    SetEvent(ClipboardTaken);
    if (held) {
        Sleep(200);  // the box's Copy is waiting by now
        LARGE_INTEGER start, end, frequency;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        EmptyClipboard();
        QueryPerformanceCounter(&end);
        EmptyingTook = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                       static_cast<double>(frequency.QuadPart);
        CloseClipboard();
    }
    return 0;
}

// Waits for a thread to end, answering what is sent to this one meanwhile.
static void ReleaseAnswering(HANDLE thread)
{
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, 10000, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
    CloseHandle(thread);
}

// Copy while another program holds the clipboard: held for a moment, the
// table is copied once it is free; held for longer, nothing is copied and
// the note says why, and the next Copy copies. Emptied by that program
// while Copy waits: it is answered at once, and Copy copies after it.
static void InspectBusyClipboard(HWND box)
{
    ++ScheduleInspections;
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    HWND copy = GetDlgItem(box, IDC_SCHEDULECOPY);
    char note[StatementTextSize];
    lstrcpynA(note, ItemText(box, IDC_SCHEDULENOTE), sizeof note);
    ClearClipboard(box);
    HANDLE holder = HoldClipboardFor(300);
    SendMessageA(copy, BM_CLICK, 0, 0);
    Release(holder);
    CHECK(strcmp(ClipboardText(box), ListText(list)) == 0);
    CHECK_TEXT(ItemText(box, IDC_SCHEDULENOTE), note, "note after a copy that waited");

    ClearClipboard(box);
    holder = HoldClipboardFor(2500);
    SendMessageA(copy, BM_CLICK, 0, 0);
    CHECK_TEXT(ItemText(box, IDC_SCHEDULENOTE),
               "Nothing was copied: another program is using the clipboard. Press Copy to try "
               "again.",
               "note while the clipboard stays busy");
    Release(holder);
    CHECK_TEXT(ClipboardText(box), "(no text)", "nothing copied while busy");
    SendMessageA(copy, BM_CLICK, 0, 0);
    CHECK(strcmp(ClipboardText(box), ListText(list)) == 0);
    CHECK_TEXT(ItemText(box, IDC_SCHEDULENOTE), note, "note once copied");

    ResetEvent(ClipboardTaken);
    EmptyingTook = -1;
    holder = CreateThread(nullptr, 0, EmptyClipboardSoon, nullptr, 0, nullptr);
    WaitForSingleObject(ClipboardTaken, 5000);
    SendMessageA(copy, BM_CLICK, 0, 0);
    ReleaseAnswering(holder);
    printf("    EmptyClipboard of another program while Copy waits: %.1f ms\n", EmptyingTook);
    CHECK(EmptyingTook >= 0 && EmptyingTook < 100);
    CHECK(strcmp(ClipboardText(box), ListText(list)) == 0);
    CHECK_TEXT(ItemText(box, IDC_SCHEDULENOTE), note, "note after a copy that was emptied");
}

// The Schedule box of a loan calculated from the left, opened from the menu
// with its terms and amount typed, looked at by the inspector while open.
static void OpenLoanSchedule(const char* months, const char* rate, const char* loan,
                             void (*inspect)(HWND box))
{
    SelectTab(0);
    SetItemText(MainPanel, IDC_MONTHBOX, months);
    SetItemText(MainPanel, IDC_RATEBOX, rate);
    SetItemText(LoanPage, IDC_LEFTFIELD, loan);
    Click(LoanPage, IDC_LEFTTORIGHT);
    ArmBoxDriver(CloseByEscape, inspect);
    SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_SCHEDULE, 0), 0);
    DisarmBoxDriver();
}

static void CheckBusyClipboard()
{
    ClipboardTaken = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ScheduleInspections = 0;
    OpenLoanSchedule("3", "12", "100", InspectBusyClipboard);
    CHECK_INT(ScheduleInspections, 1, "busy clipboard");
    CloseHandle(ClipboardTaken);
}

static void CheckScheduleBox()
{
    for (const ScheduleCase& c : ScheduleCases) {
        SelectTab(c.tab);
        HWND page = PageOf(c.tab);
        SetItemText(MainPanel, IDC_MONTHBOX, c.months);
        SetItemText(MainPanel, IDC_RATEBOX, c.rate);
        bool left = c.direction == LeftToRight;
        SetItemText(page, left ? IDC_LEFTFIELD : IDC_RIGHTFIELD, c.amount);
        SetItemText(page, left ? IDC_RIGHTFIELD : IDC_LEFTFIELD, "stale");
        Click(page, left ? IDC_LEFTTORIGHT : IDC_RIGHTTOLEFT);
        HWND field = GetDlgItem(page, left ? IDC_LEFTFIELD : IDC_RIGHTFIELD);
        SetFocus(field);

        ScheduleShown = &c;
        ScheduleInspections = 0;
        ArmBoxDriver(CloseByEscape, InspectSchedule);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_SCHEDULE, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(ScheduleInspections, 1, c.months);
        CHECK_INT(BoxesStuck, 0, c.months);
        CHECK(IsWindowEnabled(MainWindow));
        CHECK(GetFocus() == field);
    }
    // Enter and the close button close it too.
    const CloseBy ways[] = {CloseByEnter, CloseBySysClose, CloseByOkClick};
    for (CloseBy how : ways) {
        ArmBoxDriver(how);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(IDM_SCHEDULE, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(BoxesSeen, 1, "schedule box");
        CHECK_INT(BoxesStuck, 0, "schedule box closed");
    }
    SetItemText(MainPanel, IDC_MONTHBOX, "360");
    SetItemText(MainPanel, IDC_RATEBOX, "7.80");
    SelectTab(0);
}

// The extras and the view by year, on the worked example (80000 at 8 % over
// 360 months, paying 587.01): the fields as a user types into them, the list,
// heading and note following each change at once, the copied text and SYLK
// following the list; a field written back as used once it loses the focus;
// Tab and the Alt letters.
static char Cell[64];

static const char* CellOf(HWND list, int row, int column)
{
    ListCell(list, row, column, Cell, sizeof Cell);
    return Cell;
}

static void Type(HWND box, int id, const char* text)
{
    SendMessageA(GetDlgItem(box, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Alt and a letter, as the keyboard delivers it to the focused control and
// the box's own loop hands it to the dialog manager; the focus afterwards.
static HWND AltLetter(HWND box, char letter)
{
    MSG msg = {GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(letter), 0x20000001, 0, {0, 0}};
    if (!IsDialogMessageA(box, &msg))
        DispatchMessageA(&msg);
    Pump();
    return GetFocus();
}

static void CheckCopied(HWND box, HWND list, const char* what)
{
    ClearClipboard(box);
    SendMessageA(GetDlgItem(box, IDC_SCHEDULECOPY), BM_CLICK, 0, 0);
    CHECK_TEXT(ClipboardText(box), ListText(list), what);
    CheckSylk(box, list);
}

// The first payment chosen from its list, as a user's choice notifies the box.
static void ChooseFirstMonth(HWND box, int month)
{
    HWND list = GetDlgItem(box, IDC_FIRSTMONTH);
    SendMessageA(list, CB_SETCURSEL, month, 0);
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_FIRSTMONTH, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

// The statement on the calendar: the list of months and the year field as
// they start, a month chosen (the Date column, the heading), the calendar
// years, a year out of range written back as the nearest, and the copied
// text and SYLK following the list.
static void CheckCalendar(HWND box, HWND list)
{
    Type(box, IDC_EXTRAONCE, "");
    HWND months = GetDlgItem(box, IDC_FIRSTMONTH);
    CHECK_INT(SendMessageA(months, CB_GETCOUNT, 0, 0), 13, "an empty item and twelve months");
    CHECK_INT(SendMessageA(months, CB_GETCURSEL, 0, 0), 0, "no first payment at first");
    char name[32] = "";
    SendMessageA(months, CB_GETLBTEXT, 10, reinterpret_cast<LPARAM>(name));
    CHECK_TEXT(name, "October", "the tenth month");
    SYSTEMTIME now;
    GetLocalTime(&now);
    CHECK_INT(atoi(ItemText(box, IDC_FIRSTYEAR)), now.wYear, "the current year at first");
    CHECK_TEXT(CellOf(list, -1, 1), "Payment", "no dates without a first payment");

    ChooseFirstMonth(box, 10);
    Type(box, IDC_FIRSTYEAR, "2025");
    CHECK_TEXT(CellOf(list, -1, 1), "Date", "the Date column");
    CHECK_TEXT(CellOf(list, 0, 1), "Oct 2025", "the first payment's date");
    CHECK_TEXT(CellOf(list, 3, 1), "Jan 2026", "the fourth payment's date");
    CHECK_TEXT(HeadingText(box),
               "Loan of 80000.00 at 8.00 % over 360 months, paying 587.01 a month; first payment "
               "October 2025",
               "heading with the first payment");
    CheckCopied(box, list, "copied with dates");
    SendMessageA(GetDlgItem(box, IDC_BYYEAR), BM_CLICK, 0, 0);
    CHECK_INT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 32, "31 calendar years and the total");
    CHECK_TEXT(CellOf(list, 0, 0), "2025", "the first calendar year");
    CHECK_TEXT(CellOf(list, 0, 2), "1598.93", "the interest of 2025");
    CHECK_TEXT(CellOf(list, 1, 2), "6362.40", "the interest of 2026");
    CheckCopied(box, list, "copied by calendar year");
    SendMessageA(GetDlgItem(box, IDC_BYYEAR), BM_CLICK, 0, 0);

    SetFocus(GetDlgItem(box, IDC_FIRSTYEAR));
    Type(box, IDC_FIRSTYEAR, "12");
    CHECK_TEXT(CellOf(list, 0, 1), "Oct 1900", "a year read as the nearest");
    SetFocus(list);
    CHECK_TEXT(ItemText(box, IDC_FIRSTYEAR), "1900", "the year written back once left");
    Type(box, IDC_FIRSTYEAR, "2025");
    Type(box, IDC_EXTRAONCE, "5000");
}

// Typing a month's number in the list selects that month, as in any list.
static void CheckTypedMonth(HWND list, const char* what)
{
    for (const char* c = "120"; *c; ++c)
        SendMessageA(list, WM_CHAR, *c, 1);  // a key pressed once
    CHECK_INT(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 119, what);
}

static void InspectExtras(HWND box)
{
    ++ScheduleInspections;
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    const int fields[] = {IDC_EXTRAMONTHLY, IDC_EXTRAFROM, IDC_EXTRAONCE, IDC_EXTRAONCEMONTH};
    const char* const start[] = {"", "1", "", "1"};
    for (int i = 0; i < 4; ++i)
        CHECK_TEXT(ItemText(box, fields[i]), start[i], "an extras field at first");
    CHECK(!IsDlgButtonChecked(box, IDC_BYYEAR));
    CHECK_INT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 361, "no extras: every month");
    CheckTypedMonth(list, "month 120 typed in the list that draws its rows");

    // 100.00 more each month: the column, the rows, the heading and the note
    // follow at once; the field keeps what was typed until it is left.
    SetFocus(GetDlgItem(box, IDC_EXTRAMONTHLY));
    Type(box, IDC_EXTRAMONTHLY, "100");
    CHECK_INT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 227, "paid off in month 226");
    const char* first[] = {"1", "587.01", "100.00", "533.33", "153.68", "79846.32"};
    for (int c = 0; c < 6; ++c)
        CHECK_TEXT(CellOf(list, 0, c), first[c], "month 1 with 100.00 more");
    CHECK_TEXT(CellOf(list, -1, 2), "Extra", "the extras' column");
    CHECK_TEXT(HeadingText(box),
               "Loan of 80000.00 at 8.00 % over 360 months, paying 587.01 a month; extra 100.00 "
               "a month from month 1",
               "heading with the extra");
    CHECK_TEXT(ItemText(box, IDC_SCHEDULENOTE),
               "With the extras the loan is paid off in month 226, 134 months sooner, with a last "
               "payment of 256.43. Total interest 74833.68, 56492.62 less than without them.",
               "note with the extra");
    CHECK_TEXT(ItemText(box, IDC_EXTRAMONTHLY), "100", "not written back while typed");
    SetFocus(list);
    CHECK_TEXT(ItemText(box, IDC_EXTRAMONTHLY), "100.00", "written back once left");
    CheckCopied(box, list, "copied with the extra");

    // By year: 226 months make 19 years; then back to months.
    SendMessageA(GetDlgItem(box, IDC_BYYEAR), BM_CLICK, 0, 0);
    CHECK_INT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 20, "19 years and the total");
    CHECK_TEXT(CellOf(list, -1, 0), "Year", "the first column by year");
    CheckCopied(box, list, "copied by year");
    SendMessageA(GetDlgItem(box, IDC_BYYEAR), BM_CLICK, 0, 0);

    // A one-off instead; in a month past the term it is not applied (the
    // statement is the one without it, the note says so), and its field
    // keeps the month, shown as read once the field is left.
    Type(box, IDC_EXTRAMONTHLY, "");
    Type(box, IDC_EXTRAONCE, "5000");
    Type(box, IDC_EXTRAONCEMONTH, "12");
    const char* twelfth[] = {"12", "587.01", "5000.00", "529.26", "5057.75", "74331.74"};
    for (int c = 0; c < 6; ++c)
        CHECK_TEXT(CellOf(list, 11, c), twelfth[c], "month 12 with a one-off of 5000.00");
    SetFocus(GetDlgItem(box, IDC_EXTRAONCEMONTH));
    Type(box, IDC_EXTRAONCEMONTH, "9999 months");
    CHECK_INT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 361, "a one-off past the term");
    CHECK(strstr(ItemText(box, IDC_SCHEDULENOTE),
                 "Total interest 131326.30. The last payment is 589.71, not 587.01: it settles "
                 "the balance the other payments leave. The one-off of month 1200 falls after "
                 "the last month, 360, and is not applied.") != nullptr);
    SetFocus(list);
    CHECK_TEXT(ItemText(box, IDC_EXTRAONCEMONTH), "1200", "a month past the term kept");
    Type(box, IDC_EXTRAONCEMONTH, "12");

    CheckCalendar(box, list);

    // Tab in reading order, from the first field round to it again; Alt
    // and a letter to a field, and to the check box, which it clicks.
    const int order[] = {IDC_EXTRAMONTHLY, IDC_EXTRAFROM,    IDC_BYYEAR,       IDC_EXTRAONCE,
                         IDC_EXTRAONCEMONTH, IDC_FIRSTMONTH, IDC_FIRSTYEAR,    IDC_SCHEDULELIST,
                         IDC_SCHEDULECOPY,   IDC_SCHEDULEPRINT, IDOK,          IDC_EXTRAMONTHLY};
    for (int i = 0; i + 1 < 12; ++i)
        CHECK_INT(GetDlgCtrlID(GetNextDlgTabItem(box, GetDlgItem(box, order[i]), FALSE)),
                  order[i + 1], "Tab order");
    CHECK(AltLetter(box, 'f') == GetDlgItem(box, IDC_FIRSTMONTH));
    CHECK(AltLetter(box, 'o') == GetDlgItem(box, IDC_EXTRAONCE));
    CHECK(AltLetter(box, 'x') == GetDlgItem(box, IDC_EXTRAMONTHLY));
    AltLetter(box, 'y');
    CHECK(IsDlgButtonChecked(box, IDC_BYYEAR));
    SendMessageA(GetDlgItem(box, IDC_BYYEAR), BM_CLICK, 0, 0);
}

// What the extras were left at, shown again at the next opening.
static void InspectExtrasKept(HWND box)
{
    ++ScheduleInspections;
    CHECK_INT(SendDlgItemMessageA(box, IDC_FIRSTMONTH, CB_GETCURSEL, 0, 0), 10,
              "kept: the first payment's month");
    CHECK_TEXT(ItemText(box, IDC_FIRSTYEAR), "2025", "kept: its year");
    ChooseFirstMonth(box, 0);
    CHECK_TEXT(ItemText(box, IDC_EXTRAMONTHLY), "", "kept: no monthly extra");
    CHECK_TEXT(ItemText(box, IDC_EXTRAONCE), "5000.00", "kept: the one-off, as written back");
    CHECK_TEXT(ItemText(box, IDC_EXTRAONCEMONTH), "12", "kept: its month");
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    CHECK_TEXT(CellOf(list, 11, 2), "5000.00", "kept: the one-off in the list");
    // The list filled cell by cell, as with the common controls 4.00, holds
    // the same rows and follows a change alike.
    Type(box, IDC_EXTRAONCE, "");
    CHECK_INT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 361, "no extras again");
    CheckCopied(box, list, "copied again");
    CheckTypedMonth(list, "month 120 typed in the list filled cell by cell");
}

static void CheckExtras()
{
    ScheduleInspections = 0;
    OpenLoanSchedule("360", "8", "80000", InspectExtras);
    FillScheduleListPlainly(true);
    OpenLoanSchedule("360", "8", "80000", InspectExtrasKept);
    FillScheduleListPlainly(false);
    CHECK_INT(ScheduleInspections, 2, "the extras");
}

// Windows set to a language that writes a decimal comma (German): every
// number the program writes has the comma, every number typed is read with
// it, the keypad's "." key enters it; Copy's text has it, its SYLK the point.
static const ScheduleCase CommaCase = {
    0, "3", "12", LeftToRight, "100", "100,00", "34,00",
    "Loan of 100,00 at 12,00 % over 3 months, paying 34,00 a month",
    "Total interest 2,01. The last payment is 34,01, not 34,00: it settles the balance the "
    "other payments leave.",
    "Loan of 100,00 at 12,00 % over 3 months, paying 34,00 a month\r\n"
    "Month\tPayment\tInterest\tPrincipal\tBalance\r\n"
    "1\t34,00\t1,00\t33,00\t67,00\r\n"
    "2\t34,00\t0,67\t33,33\t33,67\r\n"
    "3\t34,01\t0,34\t33,67\t0,00\r\n"
    "Total\t102,01\t2,01\t100,00\r\n"};

static void CheckCommaLocale()
{
    CHECK_INT(DecimalMark(), ',', "the user's decimal mark");
    CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), "7,80", "the start-up rate");
    SelectTab(0);
    SetItemText(MainPanel, IDC_MONTHBOX, "360");
    SetItemText(MainPanel, IDC_RATEBOX, "6,5");
    SetItemText(LoanPage, IDC_LEFTFIELD, "100.000");
    Click(LoanPage, IDC_LEFTTORIGHT);
    Click(LoanPage, IDC_CALCULATE);
    CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), "6,50", "6,5 read as 6.5");
    CHECK_TEXT(ItemText(LoanPage, IDC_LEFTFIELD), "100000,00", "100.000 read as 100000");
    CHECK_TEXT(ItemText(LoanPage, IDC_RIGHTFIELD), "632,07", "the payment at 6.5 %");
    SetItemText(LoanPage, IDC_RIGHTFIELD, "1.822,83");
    Click(LoanPage, IDC_RIGHTTOLEFT);
    Click(LoanPage, IDC_CALCULATE);
    CHECK_TEXT(ItemText(LoanPage, IDC_RIGHTFIELD), "1822,83", "1.822,83 read as 1822.83");

    const int keys[] = {IDC_KEYC, IDC_KEY1, IDC_KEYPOINT, IDC_KEY5};
    for (int key : keys)
        Click(MainPanel, key);
    CHECK_TEXT(ItemText(MainPanel, IDC_DISPLAY), "1,5", "the keypad's point key");
    Click(MainPanel, IDC_KEYMULTIPLY);
    Click(MainPanel, IDC_KEY3);
    Click(MainPanel, IDC_KEYEQUALS);
    CHECK_TEXT(ItemText(MainPanel, IDC_DISPLAY), "4,5", "1,5 * 3");

    ScheduleShown = &CommaCase;
    ScheduleInspections = 0;
    OpenLoanSchedule(CommaCase.months, CommaCase.rate, CommaCase.amount, InspectSchedule);
    CHECK_INT(ScheduleInspections, 1, "the Schedule box with a decimal comma");
}

// The jobs of the test's own printer (printer.sh), read back from its spool
// folder: "d00001-001" is the first job's PostScript, "c00001" its
// attributes. Wine's PostScript driver begins a page with "%%Page:", a run
// of text with "X Y moveto", then writes "/name glyphshow" a character.
// A page is read as its lines, each line's runs joined by tabs.
static const char* Spool;
static char Printed[64][8192], FullJob[64][8192];
static int PrintedPages;

static char GlyphChar(const char* name)
{
    static const char* const names[] = {"zero", "one", "two",   "three",   "four",  "five",
                                        "six",  "seven", "eight", "nine",  "space", "period",
                                        "comma", "percent", "colon", "semicolon", "hyphen"};
    for (int i = 0; i < 17; ++i)
        if (strcmp(name, names[i]) == 0)
            return "0123456789 .,%:;-"[i];
    return name[1] ? '?' : name[0];
}

static FILE* JobFile(const char* name, int job)
{
    char unixPath[600], path[MAX_PATH];
    snprintf(unixPath, sizeof unixPath, name, Spool, job);
    ToWindowsPath(unixPath, path, sizeof path);
    FILE* f = nullptr;
    for (int i = 0; i < 300 && !(f = fopen(path, "rb")); ++i)
        Sleep(10);
    return f;
}

static bool ReadJob(int job)
{
    FILE* f = JobFile("%s/d%05d-001", job);
    PrintedPages = 0;
    char line[512], name[64], *page = nullptr;
    int y = -1, x = 0, runY = 0;
    bool run = false;
    while (f && fgets(line, sizeof line, f)) {
        if (strncmp(line, "%%Page:", 7) == 0 && PrintedPages < 64) {
            page = Printed[PrintedPages++];
            page[0] = '\0';
            y = -1;
        } else if (strstr(line, " moveto") && sscanf(line, "%d %d", &x, &runY) == 2) {
            run = true;
        } else if (page && strstr(line, " glyphshow") && sscanf(line, "/%63s", name) == 1) {
            size_t n = strlen(page);
            if (run && y >= 0 && n < 8000)
                page[n++] = runY == y ? '\t' : '\n';
            y = run ? runY : y;
            run = false;
            page[n] = GlyphChar(name);
            page[n + 1] = '\0';
        }
    }
    if (f)
        fclose(f);
    return f != nullptr;
}

// The copies a job was sent with: the IPP attribute "copies" (an integer
// of four bytes) in its attributes file.
static int JobCopies(int job)
{
    FILE* f = JobFile("%s/c%05d", job);
    unsigned char data[8192];
    size_t n = f ? fread(data, 1, sizeof data, f) : 0;
    if (f)
        fclose(f);
    for (size_t i = 0; i + 14 <= n; ++i)
        if (memcmp(data + i, "\0\6copies\0\4", 10) == 0)
            return data[i + 10] << 24 | data[i + 11] << 16 | data[i + 12] << 8 | data[i + 13];
    return -1;
}

// A line as printed: the list's column names (row -1) or a row's cells,
// the empty ones left out.
static const char* PrintedRow(HWND list, int row)
{
    static char text[512];
    text[0] = '\0';
    char cell[64];
    for (int c = 0; ListCell(list, -1, c, cell, sizeof cell), cell[0]; ++c) {
        ListCell(list, row, c, cell, sizeof cell);
        if (cell[0])
            wsprintfA(text + lstrlenA(text), text[0] ? "\t%s" : "%s", cell);
    }
    return text;
}

// Lines joined by spaces, as the text they were broken from.
static const char* Joined(char** lines, int from, int to)
{
    static char words[1024];
    words[0] = '\0';
    for (int i = from; i < to; ++i)
        wsprintfA(words + lstrlenA(words), i > from ? " %s" : "%s", lines[i]);
    return words;
}

// The job's pages against the box: the heading on the first, the column
// names on each, every row once and in order, the note after the Total row
// on the last, "Page k of N" at each foot.
static void CheckJob(HWND box)
{
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    char header[512], foot[32], copy[8192];
    lstrcpyA(header, PrintedRow(list, -1));
    int row = 0;
    for (int p = 0; p < PrintedPages; ++p) {
        char* lines[128];
        int m = 0;
        lstrcpyA(copy, Printed[p]);
        for (char* l = strtok(copy, "\n"); l && m < 128; l = strtok(nullptr, "\n")) {
            for (size_t n = strlen(l); n && l[n - 1] == ' ';)
                l[--n] = '\0';  // a space a line was broken at
            lines[m++] = l;
        }
        wsprintfA(foot, "Page %d of %d", p + 1, PrintedPages);
        CHECK_TEXT(m ? lines[m - 1] : "", foot, "a page's foot");
        int i = 0;
        while (i < m - 1 && strcmp(lines[i], header) != 0)
            ++i;
        CHECK_TEXT(Joined(lines, 0, i), p ? "" : HeadingText(box), "the heading, on page 1");
        CHECK(i < m - 1);  // the column names
        for (++i; i < m - 1 && row < rows && strcmp(lines[i], PrintedRow(list, row)) == 0; ++i)
            ++row;
        const char* note = p < PrintedPages - 1 ? "" : ItemText(box, IDC_SCHEDULENOTE);
        CHECK_TEXT(Joined(lines, i, m - 1), note, "the note after the Total row, on the last page");
    }
    CHECK_INT(row, rows, "every row printed once, in order");
}

// The worked example with 100 more a month (227 rows, a note): printed
// whole; the Print dialog cancelled; two copies of pages 2 and 3; a range
// past the last page; Cancel while printing; by year, with Ctrl+P. A job
// that should not have been made would be read in the place of the next.
static void InspectPrinting(HWND box)
{
    ++ScheduleInspections;
    Type(box, IDC_EXTRAMONTHLY, "100");
    PrintFromBox(box, {});
    CHECK(ReadJob(1) && PrintedPages >= 4);
    CheckJob(box);
    memcpy(FullJob, Printed, sizeof FullJob);
    char text[64];
    wsprintfA(text, "Printing page 1 of %d", PrintedPages);
    CHECK_TEXT(Progress, text, "the box shown while printing");
    CHECK_INT(JobCopies(1), 1, "one copy");
    CHECK(IsChild(box, GetFocus()));

    PrintFromBox(box, {nullptr, nullptr, nullptr, true});
    CHECK_INT(DialogsSeen, 1, "the Print dialog, cancelled");
    PrintFromBox(box, {"2", "2", "3"});
    CHECK(ReadJob(2) && PrintedPages == 2);
    CHECK_TEXT(Printed[0], FullJob[1], "page 2 of the range");
    CHECK_TEXT(Printed[1], FullJob[2], "page 3 of the range");
    CHECK_INT(JobCopies(2), 2, "two copies");
    PrintFromBox(box, {nullptr, "50", "60"});
    CHECK_TEXT(Told, "Ledgerly: The statement has no such page.", "a range past the end");
    PrintFromBox(box, {nullptr, nullptr, nullptr, false, true});
    CHECK_TEXT(Progress, text, "Cancel while printing, at once");
    CHECK_TEXT(Told, "", "Cancel while printing");

    SendMessageA(GetDlgItem(box, IDC_BYYEAR), BM_CLICK, 0, 0);
    PrintFromBox(box, {}, true);
    CHECK_INT(DialogsSeen, 1, "Ctrl+P");
    CHECK(ReadJob(3) && PrintedPages == 1);
    CheckJob(box);
}

// Given "comma", the program runs in a language whose decimal mark is a
// comma (the test's environment sets it) and is checked there; given
// "print" and a spool folder, it prints to the printer there.
int main(int argc, char** argv)
{
    HarnessStart();
    if (!CHECK(StartLedgerly() != nullptr))
        return HarnessFinish("schedule");
    if (argc > 1 && strcmp(argv[1], "comma") == 0) {
        CheckCommaLocale();
        DestroyWindow(MainWindow);
        return HarnessFinish("schedule, decimal comma");
    }
    if (argc > 2 && strcmp(argv[1], "print") == 0) {
        Spool = argv[2];
        ScheduleInspections = 0;
        OpenLoanSchedule("360", "8", "80000", InspectPrinting);
        CHECK_INT(ScheduleInspections, 1, "printing");
        DestroyWindow(MainWindow);
        return HarnessFinish("schedule, printing");
    }
    CHECK_INT(DecimalMark(), '.', "the test's own language writes a point");
    CheckScheduleBox();
    CheckExtras();
    CheckBusyClipboard();
    DestroyWindow(MainWindow);
    return HarnessFinish("schedule");
}
