// The Loan, Investment and Saving pages with the real windows: amounts typed
// into the fields, the direction clicked on the radio buttons, "Calculate It"
// clicked, the page solved for its term or rate from the menu, the labels
// clicked; the exact texts of both fields and both term boxes read back.
#include <string.h>

#include "tests/win/winharness.h"

enum PageIndex { Loan, Investment, Saving };

// What other code loaded into the process may leave on the thread: invalid
// operation, division by zero and overflow unmasked, as many DLLs built
// with other compilers' defaults do. The program must mask them again
// before it computes, or its first overflow raises an exception.
static void UnmaskExceptions()
{
    unsigned short cw = 0x1332;
    __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(cw));  // no flag left to fire at once
#if defined(__x86_64__)
    unsigned int csr = 0x1900;
    __asm__ volatile("ldmxcsr %0" : : "m"(csr));
#endif
}

// An exception that the program raised ends the test at once, with its code,
// instead of in Wine's crash dialog.
static LONG WINAPI ReportException(EXCEPTION_POINTERS* info)
{
    printf("FAILED: unhandled exception %#lx\n",
           static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
    fflush(stdout);
    ExitProcess(3);
}

// The whole control state is the program's own again.
static void CheckControlState(const char* what)
{
    CHECK_INT(ReadFpuControl(), FpuControlWord, what);
#if defined(__x86_64__)
    unsigned int csr;
    __asm__ volatile("stmxcsr %0" : "=m"(csr));
    CHECK_INT(csr & ~FpuExceptionMasks, SseControlWord, what);  // flags aside
#endif
}

static HWND ShowPage(int index)
{
    ClickTab(index);
    return PageOf(index);
}

static bool Checked(HWND page, int id)
{
    return SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A page seen for the first time: both fields empty, the left one the input.
static void CheckNewPages()
{
    CHECK(InvestmentPage == nullptr && SavingPage == nullptr);
    for (int index = Loan; index <= Saving; ++index) {
        HWND page = ShowPage(index);
        CHECK(page != nullptr);
        CHECK_TEXT(ItemText(page, IDC_LEFTFIELD), "", "new page left field");
        CHECK_TEXT(ItemText(page, IDC_RIGHTFIELD), "", "new page right field");
        CHECK(Checked(page, IDC_LEFTTORIGHT) && !Checked(page, IDC_RIGHTTOLEFT));
        CHECK_INT(ReadDirection(page), LeftToRight, "new page direction");
    }
}

// One calculation: terms and amount typed, direction clicked, "Calculate It"
// clicked; then the four texts.
struct Calculation {
    int page;
    const char* months;
    const char* rate;
    int direction;
    const char* amount;
    const char* input;    // input field afterwards
    const char* output;   // output field afterwards
    const char* monthBox;
    const char* rateBox;
};

constexpr int L = LeftToRight;
constexpr int R = RightToLeft;

constexpr Calculation Calculations[] = {
    // The worked example, and back.
    {Loan, "360", "8", L, "80000", "80000.00", "587.01", "360", "8.00"},
    {Loan, "360", "8", R, "587.01", "587.01", "79999.77", "360", "8.00"},
    // Start-up terms.
    {Loan, "360", "7.80", L, "10000", "10000.00", "71.99", "360", "7.80"},
    {Loan, "360", "7.80", R, "1000", "1000.00", "138913.87", "360", "7.80"},
    {Investment, "360", "7.80", L, "10000", "10000.00", "103029.25", "360", "7.80"},
    {Saving, "360", "7.80", L, "200", "200.00", "286243.83", "360", "7.80"},
    {Saving, "360", "7.80", R, "1000000", "1000000.00", "698.71", "360", "7.80"},
    // A year at 6 percent, both ways.
    {Investment, "12", "6", L, "1000", "1000.00", "1061.68", "12", "6.00"},
    {Investment, "12", "6", R, "1061.68", "1061.68", "1000.00", "12", "6.00"},
    {Saving, "12", "6", L, "100", "100.00", "1233.56", "12", "6.00"},
    {Saving, "12", "6", R, "1233.56", "1233.56", "100.00", "12", "6.00"},
    // One month: the principal plus one month's interest; a saving's worth
    // is the saving itself, and the saving for a worth the worth, at the cap.
    {Loan, "1", "8", L, "80000", "80000.00", "80533.33", "1", "8.00"},
    {Saving, "1", "0.1", L, "9999999999.99", "9999999999.99", "9999999999.99", "1", "0.10"},
    {Saving, "1", "0.1", R, "9999999999.99", "9999999999.99", "9999999999.99", "1", "0.10"},
    // Amounts: capped, empty, signed, lenient.
    {Loan, "360", "8", L, "25000000000", "10000000000.00", "73376457.39", "360", "8.00"},
    {Loan, "360", "8", L, "10000000000", "10000000000.00", "73376457.39", "360", "8.00"},
    {Loan, "360", "8", L, "10000000000.01", "10000000000.00", "73376457.39", "360", "8.00"},
    {Loan, "360", "8", L, "", "0.00", "0.00", "360", "8.00"},
    {Loan, "360", "8", L, "-500", "500.00", "3.67", "360", "8.00"},
    {Loan, "360", "8", L, "80,000 $", "80000.00", "587.01", "360", "8.00"},
    {Investment, "360", "8", R, "abc", "0.00", "0.00", "360", "8.00"},
    // Terms read, clamped and rewritten by the calculation.
    {Loan, "", "8", L, "80000", "80000.00", "80533.33", "1", "8.00"},
    // The rate used is the rate shown, with up to ten places; below 1 percent
    // it keeps its two places.
    {Loan, "360 (30 Yrs)", "8.001", L, "80000", "80000.00", "587.07", "360", "8.001"},
    {Loan, "12", "0.5", L, "1000", "1000.00", "83.56", "12", "0.50"},
    {Saving, " 12 ( 1 Yr )", "-6", L, "100", "100.00", "1233.56", "12", "6.00"},
    // The cent shown is the cent used: 99.995 shows 100.00 and is saved as
    // 100.00; 1199.995 reads just below it and shows 1199.99.
    {Saving, "480", "6", L, "99.995", "100.00", "199149.07", "480", "6.00"},
    {Loan, "360", "6", R, "1199.995", "1199.99", "200148.27", "360", "6.00"},
    // Rate 1000 over 1200 months: (1 + i)^n overflows to infinity. Results
    // are proportional to the amount: 0 gives 0, any other is too large.
    {Loan, "1200", "1000", L, "1000", "1000.00", "833.33", "1200", "1000.00"},
    {Loan, "5000", "2000", R, "1000", "1000.00", "1200.00", "1200", "1000.00"},
    {Investment, "1200", "1000", L, "1000", "1000.00", "Value is too large", "1200",
     "1000.00"},
    {Investment, "1200", "1000", R, "1000", "1000.00", "0.00", "1200", "1000.00"},
    {Investment, "1200", "1000", L, "0", "0.00", "0.00", "1200", "1000.00"},
    {Saving, "1200", "1000", L, "1000", "1000.00", "Value is too large", "1200",
     "1000.00"},
    {Saving, "1200", "1000", L, "", "0.00", "0.00", "1200", "1000.00"},
    {Saving, "1200", "1000", R, "1000", "1000.00", "0.00", "1200", "1000.00"},
    // 29 characters of a 42-digit amount are still above the cap.
    {Investment, "1200", "100", R, "518235919421682820000000000000000000000000.00",
     "10000000000.00", "0.00", "1200", "100.00"},
};

static void Run(const Calculation& row, int number)
{
    HWND page = ShowPage(row.page);
    SetItemText(MainPanel, IDC_MONTHBOX, row.months);
    SetItemText(MainPanel, IDC_RATEBOX, row.rate);
    int input = row.direction == L ? IDC_LEFTFIELD : IDC_RIGHTFIELD;
    int output = row.direction == L ? IDC_RIGHTFIELD : IDC_LEFTFIELD;
    SetItemText(page, input, row.amount);
    SetItemText(page, output, "stale");
    Click(page, row.direction == L ? IDC_LEFTTORIGHT : IDC_RIGHTTOLEFT);
    UnmaskExceptions();
    Click(page, IDC_CALCULATE);

    char what[64];
    wsprintfA(what, "calculation %d: control word", number);
    CheckControlState(what);
    wsprintfA(what, "calculation %d: input", number);
    CHECK_TEXT(ItemText(page, input), row.input, what);
    wsprintfA(what, "calculation %d: output", number);
    CHECK_TEXT(ItemText(page, output), row.output, what);
    wsprintfA(what, "calculation %d: month box", number);
    CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), row.monthBox, what);
    wsprintfA(what, "calculation %d: rate box", number);
    CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), row.rateBox, what);

    // Calculated again with nothing changed: the same amounts.
    Click(page, IDC_CALCULATE);
    wsprintfA(what, "calculation %d again", number);
    CHECK_TEXT(ItemText(page, input), row.input, what);
    CHECK_TEXT(ItemText(page, output), row.output, what);
}

// A third of 1000 from the keypad, sent into the Present Worth field: the
// field shows 333.33 after the calculation, and the result is that of
// 333.33, the first time and every time after.
static void CheckKeypadThird()
{
    HWND page = ShowPage(Investment);
    SetItemText(MainPanel, IDC_MONTHBOX, "1200");
    SetItemText(MainPanel, IDC_RATEBOX, "8");
    const int keys[] = {IDC_KEYC, IDC_KEY1, IDC_KEY0, IDC_KEY0, IDC_KEY0,
                        IDC_KEYDIVIDE, IDC_KEY3, IDC_KEYEQUALS};
    for (int key : keys)
        Click(MainPanel, key);
    CHECK_TEXT(ItemText(MainPanel, IDC_DISPLAY), "333.3333333333", "1000 / 3");
    ClickLabel(page, IDC_LEFTLABEL);
    for (int time = 1; time <= 2; ++time) {
        Click(page, IDC_CALCULATE);
        CHECK_TEXT(ItemText(page, IDC_LEFTFIELD), "333.33", "a third of 1000, as used");
        CHECK_TEXT(ItemText(page, IDC_RIGHTFIELD), "967609.86", "the future worth of 333.33");
    }
}

// Results far beyond 31 characters, short of overflow, are shown in full:
// the whole digits and two places. The power's last bits depend on the
// runtime's pow (the exact values are 5.18235919421682815e41, 6.2188310330601940e42
// and 3.67771653233183239e299), so only the leading digits are compared.
struct HugeResult {
    int page;
    const char* months;
    const char* rate;
    const char* amount;
    const char* leading;
    size_t wholeDigits;
};

constexpr HugeResult HugeResults[] = {
    {Investment, "1200", "100", "1", "5182359194216", 42},
    {Saving, "1200", "100", "1", "6218831033060", 43},
    {Investment, "1200", "100", "10000000000", "5182359194216", 52},
    {Investment, "1100", "1000", "10000000000", "3677716532331", 300},
};

static void CheckHugeResults()
{
    for (const HugeResult& row : HugeResults) {
        HWND page = ShowPage(row.page);
        SetItemText(MainPanel, IDC_MONTHBOX, row.months);
        SetItemText(MainPanel, IDC_RATEBOX, row.rate);
        SetItemText(page, IDC_LEFTFIELD, row.amount);
        Click(page, IDC_LEFTTORIGHT);
        Click(page, IDC_CALCULATE);
        const char* text = ItemText(page, IDC_RIGHTFIELD);
        char what[96];
        wsprintfA(what, "%s months at %s percent: length", row.months, row.rate);
        CHECK_INT(strlen(text), row.wholeDigits + 3, what);
        CHECK(strncmp(text, row.leading, strlen(row.leading)) == 0);
        CHECK(strspn(text, "0123456789") == row.wholeDigits);
        CHECK(strcmp(text + row.wholeDigits, ".00") == 0);
    }
}

// A label click copies the display's text unchanged into its field and
// makes that field the input; nothing is calculated.
static void CheckLabels()
{
    for (int index = Loan; index <= Saving; ++index) {
        HWND page = ShowPage(index);
        SetItemText(page, IDC_LEFTFIELD, "left");
        SetItemText(page, IDC_RIGHTFIELD, "right");

        SetDlgItemTextA(MainPanel, IDC_DISPLAY, "587.01");
        ClickLabel(page, IDC_RIGHTLABEL);
        CHECK_TEXT(ItemText(page, IDC_RIGHTFIELD), "587.01", "right label");
        CHECK_TEXT(ItemText(page, IDC_LEFTFIELD), "left", "right label: nothing calculated");
        CHECK(!Checked(page, IDC_LEFTTORIGHT) && Checked(page, IDC_RIGHTTOLEFT));

        SetDlgItemTextA(MainPanel, IDC_DISPLAY, "Cannot divide by 0");
        ClickLabel(page, IDC_LEFTLABEL);
        CHECK_TEXT(ItemText(page, IDC_LEFTFIELD), "Cannot divide by 0", "left label");
        CHECK_TEXT(ItemText(page, IDC_RIGHTFIELD), "587.01", "left label: nothing calculated");
        CHECK(Checked(page, IDC_LEFTTORIGHT) && !Checked(page, IDC_RIGHTTOLEFT));

        // Recognised by id alone: a double click copies again.
        SetDlgItemTextA(MainPanel, IDC_DISPLAY, "-12.5000000000");
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_RIGHTLABEL, STN_DBLCLK),
                     reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_RIGHTLABEL)));
        CHECK_TEXT(ItemText(page, IDC_RIGHTFIELD), "-12.5000000000", "double click");
        CHECK_INT(ReadDirection(page), RightToLeft, "double click direction");
    }

    // The worked example's way back, with the display's text.
    HWND loan = ShowPage(Loan);
    SetItemText(MainPanel, IDC_MONTHBOX, "360");
    SetItemText(MainPanel, IDC_RATEBOX, "8");
    SetDlgItemTextA(MainPanel, IDC_DISPLAY, "587.01");
    ClickLabel(loan, IDC_RIGHTLABEL);
    Click(loan, IDC_CALCULATE);
    CHECK_TEXT(ItemText(loan, IDC_LEFTFIELD), "79999.77", "loan from the display's payment");
    CHECK_TEXT(ItemText(loan, IDC_RIGHTFIELD), "587.01", "payment rewritten");
}

// Switching tabs hides a page without touching its fields or direction.
static void CheckHiddenPageKeeps()
{
    HWND loan = ShowPage(Loan);
    SetItemText(MainPanel, IDC_MONTHBOX, "360");
    SetItemText(MainPanel, IDC_RATEBOX, "8");
    SetItemText(loan, IDC_RIGHTFIELD, "587.01");
    Click(loan, IDC_RIGHTTOLEFT);
    Click(loan, IDC_CALCULATE);
    ShowPage(Saving);
    ShowPage(Investment);
    CHECK(ShowPage(Loan) == loan);
    CHECK_TEXT(ItemText(loan, IDC_LEFTFIELD), "79999.77", "kept left field");
    CHECK_TEXT(ItemText(loan, IDC_RIGHTFIELD), "587.01", "kept right field");
    CHECK_INT(ReadDirection(loan), RightToLeft, "kept direction");
}

// Selection, "Solve for Months" and "Solve for Rate" from the menu on the
// shown page: the term found in its box, both fields written back, the
// output field showing the result at that term; a "Calculate It" after it
// changes nothing. A solve that cannot solve says so in a message box of
// the main window's and writes nothing at all: every field and both boxes
// keep what was typed.
struct Solve {
    int page;
    WORD command;
    int direction;
    const char* months;
    const char* rate;
    const char* left;
    const char* right;
    const char* monthBox;   // afterwards, the boxes and fields
    const char* rateBox;    // null: any rate that gives the output field
    const char* leftAfter;
    const char* rightAfter;
    const char* message;    // what the message box says in part, or null: none
};

constexpr Solve Solves[] = {
    // 80000 paid at 700 a month at 8 %: 216 months, at 699.97.
    {Loan, IDM_SOLVEMONTHS, L, "360", "8", "80000", "700", "216", "8.00", "80000.00", "699.97",
     nullptr},
    // The worked example's payment: 8 %, not the exact 7.9999768233.
    {Loan, IDM_SOLVERATE, L, "360", "7.8", "80000", "587.01", "360", "8.00", "80000.00",
     "587.01", nullptr},
    // Solved for the payment as its field shows it after the command: 587.01.
    {Loan, IDM_SOLVERATE, R, "360", "8", "80000", "587.014", "360", "7.99997", "80000.00",
     "587.01", nullptr},
    {Saving, IDM_SOLVEMONTHS, L, "360 (30 Yrs)", "7.80", "500", "1000000", "408", "7.80",
     "500.00", "1004706.54", nullptr},
    // The target is not capped like an amount: a result can pass the cap.
    {Investment, IDM_SOLVEMONTHS, L, "12", "100", "1000", "25000000000", "213", "100.00",
     "1000.00", "25370477033.75", nullptr},
    // The whole field, past the 29 characters an amount is read with.
    {Investment, IDM_SOLVERATE, L, "1200", "7.80", "1000",
     "518235919421682850000000000000000000000000000.00", "1200", "100.00", "1000.00",
     "518235919421682850000000000000000000000000000.00", nullptr},
    // A loan whose last cents go up and down from one rate to the next: the
    // rate it was calculated at, 0.1000246914, gives it, and one near it is found.
    {Loan, IDM_SOLVERATE, R, "1", "0.1000246914", "9999166530.37", "10000000000", "1", nullptr,
     "9999166530.37", "10000000000.00", nullptr},
    {Investment, IDM_SOLVERATE, R, "120", "1", "1", "2", "120", "6.95", "1.00", "2.00",
     nullptr},
    // No term or rate reaches the target: the message gives the nearest and
    // its result, and the page stays as typed.
    {Loan, IDM_SOLVEMONTHS, L, "360 (30 Yrs)", "6.125", "300,000", "1000", "360 (30 Yrs)",
     "6.125", "300,000", "1000", "does not cover the first month's interest of 1531.25; over "
     "1200 months the payment is 1534.66"},
    {Loan, IDM_SOLVERATE, L, "360", "8", "80000", "200", "360", "8", "80000", "200",
     "at the lowest rate, 0.10 %, the payment is 225.58"},
    {Saving, IDM_SOLVERATE, L, "1", "7.8", "9999999999.99", "10000000000.00", "1", "7.8",
     "9999999999.99", "10000000000.00",
     "no rate gives a future worth of exactly 10000000000.00 from a monthly saving of "
     "9999999999.99"},
    // Nothing to solve: the box says which amount is missing.
    {Loan, IDM_SOLVERATE, L, "360", "7.8", "", "587.01", "360", "7.8", "", "587.01",
     "the Loan field is empty or 0"},
    {Loan, IDM_SOLVEMONTHS, L, "360", "8", "80000", "", "360", "8", "80000", "",
     "the Monthly Payment field is empty or 0"},
    // A target that is no amount, as a calculation left it.
    {Investment, IDM_SOLVERATE, L, "1200", "1000", "1000", "Value is too large", "1200", "1000",
     "1000", "Value is too large", "that future worth is too large to solve for"},
};

static void CheckSolveCommands()
{
    HANDLE watcher = StartBoxWatcher();
    int number = 0;
    for (const Solve& row : Solves) {
        SeenBoxCount = 0;  // the watcher keeps a few boxes only
        LONG boxes = SeenBoxCount;
        HWND page = ShowPage(row.page);
        SetItemText(MainPanel, IDC_MONTHBOX, row.months);
        SetItemText(MainPanel, IDC_RATEBOX, row.rate);
        SetItemText(page, IDC_LEFTFIELD, row.left);
        SetItemText(page, IDC_RIGHTFIELD, row.right);
        Click(page, row.direction == L ? IDC_LEFTTORIGHT : IDC_RIGHTTOLEFT);
        UnmaskExceptions();
        PostMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(row.command, 0), 0);
        Pump();
        ++number;
        char said[64];
        wsprintfA(said, "solve %d: message box", number);
        CHECK_INT(SeenBoxCount - boxes, row.message ? 1 : 0, said);
        if (row.message && SeenBoxCount > boxes) {
            const SeenBox& box = SeenBoxes[SeenBoxCount - 1];
            CHECK_TEXT(box.caption, "Ledgerly", said);
            if (!CheckTrue(strstr(box.text, row.message) != nullptr, said, __FILE__, __LINE__))
                printf("    said \"%s\"\n", box.text);
        }
        bool nothingWritten = row.message != nullptr;
        for (int again = 0; again < (nothingWritten ? 1 : 2); ++again) {
            char what[64];
            wsprintfA(what, "solve %d%s", number, again ? ", calculated again" : "");
            CheckControlState(what);
            CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), row.monthBox, what);
            if (row.rateBox)
                CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), row.rateBox, what);
            CHECK_TEXT(ItemText(page, IDC_LEFTFIELD), row.leftAfter, what);
            CHECK_TEXT(ItemText(page, IDC_RIGHTFIELD), row.rightAfter, what);
            CHECK_INT(ReadDirection(page), row.direction, what);
            Click(page, IDC_CALCULATE);
        }
    }
    StopBoxWatcher(watcher);
}

// Every page procedure returns FALSE, whatever the message.
// Every edit control of the program, as the system's edit control sees its
// messages: the test puts itself between the class and the program's own
// watch of the fields, before any field exists, and counts the characters
// that get through.
static WNDPROC SystemEditProc;
static int CharsThrough;

static LRESULT CALLBACK SpyEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR)
        ++CharsThrough;
    return CallWindowProcA(SystemEditProc, edit, message, wParam, lParam);
}

static void SpyOnEdits()
{
    HWND edit = CreateWindowExA(0, "Edit", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    SystemEditProc = reinterpret_cast<WNDPROC>(
        SetClassLongPtrA(edit, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpyEditProc)));
    DestroyWindow(edit);
}

// Enter, Esc and Tab typed into a page field or a term box: Windows' edit
// control would beep at each, so none reaches it; the text, the caret and
// the focus stay. A digit typed next still lands where the caret was.
static void CheckDialogKeys()
{
    HWND loan = ShowPage(Loan);
    struct Field {
        HWND edit;
        const char* name;
    };
    const Field fields[] = {{GetDlgItem(loan, IDC_LEFTFIELD), "Loan field"},
                            {GetDlgItem(loan, IDC_RIGHTFIELD), "Monthly Payment field"},
                            {GetDlgItem(MonthBox, 1001), "Month box"},
                            {GetDlgItem(RateBox, 1001), "Interest Rate box"}};
    const WPARAM keys[] = {VK_RETURN, VK_ESCAPE, VK_TAB};
    for (const Field& f : fields) {
        HWND field = f.edit;
        char what[64];
        wsprintfA(what, "Enter, Esc and Tab in the %s", f.name);
        SetFocus(field);
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12"));
        SendMessageA(field, EM_SETSEL, 2, 2);
        CharsThrough = 0;
        for (WPARAM key : keys) {
            // As the keyboard delivers them: TranslateMessage makes the character.
            PostMessageA(field, WM_KEYDOWN, key, 1);
            PostMessageA(field, WM_KEYUP, key, 0xC0000001);
        }
        Pump();
        CHECK_INT(CharsThrough, 0, what);
        CHECK(GetFocus() == field);
        PostMessageA(field, WM_CHAR, '5', 1);
        Pump();
        CHECK_INT(CharsThrough, 1, what);
        CHECK_TEXT(TextOf(field), "125", what);
    }
    SetItemText(MainPanel, IDC_MONTHBOX, "360");
    SetItemText(MainPanel, IDC_RATEBOX, "7.80");
}

static void CheckResults()
{
    DLGPROC procs[] = {LoanPageProc, InvestmentPageProc, SavingPageProc};
    static const WPARAM commands[] = {IDC_CALCULATE, IDC_LEFTLABEL, IDC_RIGHTLABEL, IDC_TABSTRIP,
                                      MAKEWPARAM(IDC_LEFTFIELD, EN_CHANGE)};
    for (int index = Loan; index <= Saving; ++index) {
        HWND page = ShowPage(index);
        for (WPARAM command : commands)
            CHECK_INT(procs[index](page, WM_COMMAND, command, 0), FALSE, "page command result");
        CHECK_INT(procs[index](page, WM_PAINT, 0, 0), FALSE, "page paint result");
    }
}

int main()
{
    HarnessStart();
    SetUnhandledExceptionFilter(ReportException);
    SpyOnEdits();
    UnmaskExceptions();
    CHECK(StartLedgerly() != nullptr);
    CheckControlState("control word after start-up");
    if (!MainWindow || !LoanPage)
        return HarnessFinish("pages");
    CheckNewPages();
    int number = 0;
    for (const Calculation& row : Calculations)
        Run(row, ++number);
    CheckHugeResults();
    CheckKeypadThird();
    CheckSolveCommands();
    CheckLabels();
    CheckHiddenPageKeeps();
    CheckDialogKeys();
    CheckResults();

    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
    CHECK_INT(RunMessageLoop(), 0, "exit code");
    return HarnessFinish("pages");
}
