// The Schedule box and its fields: the shown page's calculation carried out
// as its "Calculate It" does, then the month-by-month statement of the two
// amounts the page shows, with extra payments or savings, a view by year
// and on the calendar; the box's procedure and its commands.
#include "schedule/schedule.h"

#include <commctrl.h>
#include "finance/dates.h"
#include "finance/terms.h"
#include "numtext/numtext.h"
#include "panel/panel.h"
#include "res/resource.h"
#include "runtime/runtime.h"
#include "schedule/parts.h"

// The statement the open box shows. Copy builds the table again from the
// terms.
StatementTerms ShownTerms;
StatementRow ShownRows[MaxStatementRows];
int ShownRowCount;
static Statement ShownEnd;  // the statement as it ended, for its note
// The statement's own note, for the note line after a copy that succeeds.
char StatementNoteText[StatementTextSize];

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

// Whether the list is to be filled cell by cell where it could draw its
// rows (FillScheduleListPlainly).
static bool PlainListWanted;

// The box follows its fields only once it has filled them at opening.
static bool BoxReady;

static INT_PTR CALLBACK ScheduleBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
static void FillScheduleBox(HWND box);

// The box, made at its first opening and kept, hidden, for the next ones:
// made anew from its template each time, its windows took most of the time
// it needed to open. Null until then, and again once its owner is gone; made
// anew where the list is wanted filled otherwise than it is.
static HWND ScheduleBox;
static bool BoxListPlain;

// Where its controls, in their order, and the box itself stood as made: each
// opening starts from there, as a box made anew would (a statement's columns
// and texts grow the box and move its controls).
constexpr int MaxBoxControls = 32;
static RECT MadeAt[MaxBoxControls];
static SIZE MadeSize;

static void KeepMadeLayout(HWND box)
{
    int i = 0;
    for (HWND c = GetWindow(box, GW_CHILD); c && i < MaxBoxControls; c = GetWindow(c, GW_HWNDNEXT))
        MadeAt[i++] = PlaceOfWindow(box, c);
    RECT frame;
    GetWindowRect(box, &frame);
    MadeSize = {frame.right - frame.left, frame.bottom - frame.top};
}

static void RestoreMadeLayout(HWND box)
{
    int i = 0;
    for (HWND c = GetWindow(box, GW_CHILD); c && i < MaxBoxControls; c = GetWindow(c, GW_HWNDNEXT)) {
        const RECT& r = MadeAt[i++];
        SetWindowPos(c, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowPos(box, nullptr, 0, 0, MadeSize.cx, MadeSize.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The box's own loop, as a modal box's: the owner disabled, the box's keys
// through its dialog manager, the owner told each time the box has nothing
// more to do (as the system's loop of a modal box tells it), until the box
// is hidden by a command that closes it. A quit asked meanwhile is asked
// again for the main loop.
static void RunModal(HWND box, HWND owner)
{
    EnableWindow(owner, FALSE);
    ShowWindow(box, SW_SHOW);
    SetFocus(GetDlgItem(box, IDC_SCHEDULELIST));
    MSG message;
    bool idleTold = false;
    while (IsWindow(box) && IsWindowVisible(box)) {
        if (!idleTold && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(box));
            idleTold = true;
            continue;
        }
        if (!GetMessageA(&message, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        idleTold = false;
        if (!IsDialogMessageA(box, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    EnableWindow(owner, TRUE);
}

// Closes the box as a modal box ends: the owner enabled first, so it is the
// window that becomes active.
static void CloseScheduleBox(HWND box)
{
    EnableWindow(GetWindow(box, GW_OWNER), TRUE);
    ShowWindow(box, SW_HIDE);
}

void OpenSchedule(HWND owner)
{
    PageCalculation shown;
    if (!CalculateShownPage(&shown))
        return;
    // The left field holds the loan, the present worth or the saving; the
    // right one the payment or the future worth.
    ShownTerms = TermsOfPage(shown.kind, shown.direction, shown.months, shown.rate, shown.left,
                             shown.right);
    if (ScheduleBox && BoxListPlain != PlainListWanted) {
        DestroyWindow(ScheduleBox);
        ScheduleBox = nullptr;
    }
    if (!ScheduleBox) {
        HWND box = CreateDialogParamA(AppInstance, MAKEINTRESOURCEA(IDD_SCHEDULEBOX), owner,
                                      ScheduleBoxProc, 0);
        if (!box)
            return;
        PrepareScheduleList(box, PlainListWanted);
        BoxListPlain = PlainListWanted;
        KeepMadeLayout(box);
        ScheduleBox = box;
    }
    RestoreMadeLayout(ScheduleBox);
    FillScheduleBox(ScheduleBox);
    RunModal(ScheduleBox, owner);
}

void FillScheduleListPlainly(bool plain)
{
    PlainListWanted = plain;
}

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
    ShownTerms.extras =
        ExtrasOfTexts(ExtraTexts[0], ExtraTexts[1], ExtraTexts[2], ExtraTexts[3]);
    ShownTerms.byYear = ByYear;
    ShownTerms.firstMonth = FirstMonth;
    ShownTerms.firstYear = YearOfText(FirstYearText);
}

// Whether the user's formats are written in the system's ANSI code page,
// the one the program's texts are drawn in.
static bool UserCodePageIsSystems()
{
    char page[8] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, page, sizeof page);
    UINT number = 0;
    for (const char* c = page; *c >= '0' && *c <= '9'; ++c)
        number = number * 10 + static_cast<UINT>(*c - '0');
    return number == GetACP();
}

// A text of the user's formats in the system's ANSI code page. Windows 2000
// and later convert it when asked (LOCALE_USE_CP_ACP): a user whose formats
// are Polish on an English system would otherwise get another code page's
// bytes. Windows 95 and NT 4 take no such request and fail it; there the
// text is taken as it comes only where the user's code page is the
// system's, and not at all otherwise.
static bool LocaleText(LCTYPE type, char* text, int size)
{
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type | LOCALE_USE_CP_ACP, text, size))
        return true;
    return UserCodePageIsSystems() && GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, size);
}

// The user's month names, asked of the system as the box opens: the full
// ones for the first payment's list and the heading, the short ones for the
// dates. A name the system does not give in its code page keeps the one the
// statement has, English at first.
static void UseUserMonthNames()
{
    static char full[12][32];
    static char abbreviated[12][32];
    const char* fullNames[12];
    const char* shortNames[12];
    for (int m = 0; m < 12; ++m) {
        if (!LocaleText(LOCALE_SMONTHNAME1 + m, full[m], sizeof full[m]))
            lstrcpynA(full[m], MonthName(m + 1), sizeof full[m]);
        if (!LocaleText(LOCALE_SABBREVMONTHNAME1 + m, abbreviated[m], sizeof abbreviated[m]))
            lstrcpynA(abbreviated[m], full[m], 4);
        fullNames[m] = full[m];
        shortNames[m] = abbreviated[m];
    }
    UseMonthNames(fullNames, shortNames);
}

// The first payment's list: an empty item (no dates), then the months;
// the month and year as they were left, or the current year at first. Its
// label (the one before it) speaks of an investment's first month and a
// saving's first saving.
static void FillFirstPayment(HWND box)
{
    UseUserMonthNames();
    HWND list = GetDlgItem(box, IDC_FIRSTMONTH);
    SetWindowTextA(GetWindow(list, GW_HWNDPREV), ShownTerms.kind == LoanKind ? "&First payment:"
                                                 : ShownTerms.kind == SavingKind
                                                     ? "&First saving:"
                                                     : "&First month:");
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
    int columnsWidth = ShowScheduleRows(box);
    StatementNote(ShownEnd, StatementNoteText);
    ShowText(GetDlgItem(box, IDC_SCHEDULENOTE), StatementNoteText);
    LayOutScheduleBox(box, columnsWidth, opening);
}

// Fills the box as it opens: the extras' fields as they were left, then the
// statement, the list at its first row with none selected, as a box made
// anew shows it; the focus goes to the list once the box is shown.
static void FillScheduleBox(HWND box)
{
    LoadFpuControl();
    BoxReady = false;
    for (int i = 0; i < ExtraFieldCount; ++i)
        SetDlgItemTextA(box, ExtraFields[i], ExtraTexts[i]);
    CheckDlgButton(box, IDC_BYYEAR, ByYear ? BST_CHECKED : BST_UNCHECKED);
    FillFirstPayment(box);

    ShowStatement(box, true);
    HWND list = GetDlgItem(box, IDC_SCHEDULELIST);
    LVITEMA none = {};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    SendMessageA(list, LVM_ENSUREVISIBLE, 0, FALSE);
    SendMessageA(list, LVM_SCROLL, static_cast<WPARAM>(-0x7FFF), 0);
    BoxReady = true;
}

// Ctrl+C in the list copies, as the Copy button does; Ctrl+P prints, as
// the Print button does.
static void OnListKey(HWND box, const NMHDR* header)
{
    if (header->idFrom != IDC_SCHEDULELIST || header->code != static_cast<UINT>(LVN_KEYDOWN) ||
        GetKeyState(VK_CONTROL) >= 0)
        return;
    const NMLVKEYDOWN* key = reinterpret_cast<const NMLVKEYDOWN*>(header);
    if (key->wVKey == 'C')
        CopySchedule(box);
    if (key->wVKey == 'P')
        PrintSchedule(box);
}

static INT_PTR OnScheduleNotify(HWND box, const NMHDR* header)
{
    OnListKey(box, header);
    LRESULT answer = 0;
    if (!OnScheduleListNotify(header, &answer))
        return FALSE;
    SetWindowLongPtrA(box, DWLP_MSGRESULT, answer);
    return TRUE;
}

// A field written back as it is used, once it loses the focus: an amount
// with two places (empty for none), a month as a whole number (one after
// the statement's last month is kept, and not applied), a year from 1900 to
// 9999. Never while it is being typed in.
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

// Copy copies; Print prints; Close, Enter, Esc and the close button close
// the box; the extras' fields, the view by year and the first payment
// change the statement. Every command is answered.
static INT_PTR OnScheduleCommand(HWND box, WORD id, WORD code)
{
    switch (id) {
    case IDC_SCHEDULECOPY:
        CopySchedule(box);
        break;
    case IDC_SCHEDULEPRINT:
        PrintSchedule(box);
        break;
    case IDOK:
    case IDCANCEL:
        CloseScheduleBox(box);
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
        return FALSE;
    case WM_DESTROY:
        ScheduleBox = nullptr;
        return FALSE;
    case WM_NOTIFY:
        return OnScheduleNotify(box, reinterpret_cast<const NMHDR*>(lParam));
    case WM_HELP:
        return TRUE;
    case WM_COMMAND:
        return OnScheduleCommand(box, LOWORD(wParam), HIWORD(wParam));
    default:
        return FALSE;
    }
}
