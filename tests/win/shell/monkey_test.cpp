// Ten thousand random user actions on the real window, with a fixed seed:
// keys, labels, tabs, menu commands, random bytes (high ANSI included) typed
// into every field and box, drop-downs, radio buttons and "Calculate It".
// After each action the window must be alive, exactly the selected page
// visible, the display at most 30 characters, and after a calculation every
// rewritten field must hold a number's text.
#include <stdlib.h>

#include "tests/win/winharness.h"

constexpr int ActionCount = 10000;

static unsigned Seed = 20261207u;

// With LEDGERLY_MONKEY_TRACE set, each action is printed before it runs, so
// the last line names the action of a crash.
static bool Trace;

static unsigned Random(unsigned below)
{
    Seed ^= Seed << 13;
    Seed ^= Seed >> 17;
    Seed ^= Seed << 5;
    return Seed % below;
}

static const int KeyIds[] = {IDC_KEY7, IDC_KEY4, IDC_KEY1, IDC_KEY0, IDC_KEY8, IDC_KEY5,
                             IDC_KEY2, IDC_KEYBACK, IDC_KEY9, IDC_KEY6, IDC_KEY3,
                             IDC_KEYPOINT, IDC_KEYDIVIDE, IDC_KEYMULTIPLY, IDC_KEYSUBTRACT,
                             IDC_KEYADD, IDC_KEYSIGN, IDC_KEYCE, IDC_KEYC, IDC_KEYEQUALS,
                             IDC_KEYINVERT};

static HWND CurrentPage()
{
    HWND pages[] = {LoanPage, InvestmentPage, SavingPage};
    LRESULT selected = SendMessageA(TabStrip, TCM_GETCURSEL, 0, 0);
    return selected >= 0 && selected < 3 ? pages[selected] : nullptr;
}

// Something that takes typing: a page field or the edit part of a term box.
static HWND RandomField()
{
    switch (Random(4)) {
    case 0: return GetDlgItem(CurrentPage(), IDC_LEFTFIELD);
    case 1: return GetDlgItem(CurrentPage(), IDC_RIGHTFIELD);
    case 2: return FindWindowExA(MonthBox, nullptr, "Edit", nullptr);
    default: return FindWindowExA(RateBox, nullptr, "Edit", nullptr);
    }
}

// Any byte but the terminator; a third of them from the high half.
static char RandomByte()
{
    return static_cast<char>(Random(3) == 0 ? 128 + Random(128) : 1 + Random(127));
}

static void TypeInto(HWND field)
{
    int count = 1 + Random(12);
    for (int i = 0; i < count; ++i) {
        unsigned char c = static_cast<unsigned char>(RandomByte());
        if (Trace) {
            char text[64];
            GetWindowTextA(field, text, sizeof text);
            fprintf(stderr, "  type %02x into %p holding \"%s\"\n", c, static_cast<void*>(field), text);
            fflush(stderr);
        }
        SendMessageA(field, WM_CHAR, c, 1);
    }
}

static void SetRandomText(HWND field)
{
    char text[48];
    int length = Random(sizeof text);
    for (int i = 0; i < length; ++i)
        text[i] = RandomByte();
    text[length] = '\0';
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// A number as a calculation writes it: digits, then a point and between
// minPlaces and maxPlaces places (none at all for 0).
static bool IsNumberText(const char* text, int minPlaces, int maxPlaces)
{
    const char* p = text + (*text == '-');
    int whole = 0;
    while (*p >= '0' && *p <= '9') {
        ++p;
        ++whole;
    }
    if (whole == 0)
        return false;
    if (maxPlaces == 0)
        return *p == '\0';
    if (*p++ != '.')
        return false;
    int places = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        ++places;
    return *p == '\0' && places >= minPlaces && places <= maxPlaces;
}

// An amount field: two places, or the words for a result beyond any number.
static bool IsAmountText(const char* text)
{
    return IsNumberText(text, 2, 2) || strcmp(text, "Value is too large") == 0;
}

static int Calculations;

static void CheckCalculation(HWND page)
{
    ++Calculations;
    char what[160];
    wsprintfA(what, "left field \"%.100s\"", ItemText(page, IDC_LEFTFIELD));
    CheckTrue(IsAmountText(ItemText(page, IDC_LEFTFIELD)), what, __FILE__, __LINE__);
    wsprintfA(what, "right field \"%.100s\"", ItemText(page, IDC_RIGHTFIELD));
    CheckTrue(IsAmountText(ItemText(page, IDC_RIGHTFIELD)), what, __FILE__, __LINE__);
    wsprintfA(what, "month box \"%.100s\"", ItemText(MainPanel, IDC_MONTHBOX));
    CheckTrue(IsNumberText(ItemText(MainPanel, IDC_MONTHBOX), 0, 0), what, __FILE__, __LINE__);
    wsprintfA(what, "rate box \"%.100s\"", ItemText(MainPanel, IDC_RATEBOX));
    CheckTrue(IsNumberText(ItemText(MainPanel, IDC_RATEBOX), 2, 10), what, __FILE__, __LINE__);
}


static void DoAction(int action)
{
    HWND page = CurrentPage();
    unsigned choice = Random(100);
    if (Trace) {
        fprintf(stderr, "action %d: kind %u, focus %p\n", action, choice,
                static_cast<void*>(GetFocus()));
        fflush(stderr);
    }
    if (choice < 35) {
        Click(MainPanel, KeyIds[Random(21)]);
    } else if (choice < 40) {
        ClickLabel(MainPanel, Random(2) ? IDC_MONTHLABEL : IDC_RATELABEL);
    } else if (choice < 44) {
        ClickLabel(page, Random(2) ? IDC_LEFTLABEL : IDC_RIGHTLABEL);
    } else if (choice < 49) {
        ClickTab(Random(3));
    } else if (choice < 53) {
        const WORD pages[] = {IDM_LOAN, IDM_INVESTMENT, IDM_SAVING};
        SendMessageA(MainWindow, WM_COMMAND, pages[Random(3)], 0);
    } else if (choice < 57) {
        SetFocus(RandomField());
        SendMessageA(MainWindow, WM_COMMAND, IDM_CUT + Random(4), 0);
    } else if (choice < 75) {
        TypeInto(RandomField());
    } else if (choice < 80) {
        SetRandomText(RandomField());
    } else if (choice < 85) {
        HWND box = Random(2) ? MonthBox : RateBox;
        SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
        LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
        if (count > 0 && Random(2))
            SendMessageA(box, CB_SETCURSEL, Random(static_cast<unsigned>(count)), 0);
        SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
    } else if (choice < 90) {
        Click(page, Random(2) ? IDC_LEFTTORIGHT : IDC_RIGHTTOLEFT);
    } else {
        Click(page, IDC_CALCULATE);
        CheckCalculation(page);
    }
    Pump();

    if (!IsWindow(MainWindow)) {
        CheckTrue(false, "window alive", __FILE__, __LINE__);
        return;
    }
    HWND pages[] = {LoanPage, InvestmentPage, SavingPage};
    HWND selected = CurrentPage();
    int visible = 0;
    for (HWND p : pages)
        visible += p && IsWindowVisible(p);
    if (!selected || !IsWindowVisible(selected) || visible != 1) {
        char what[64];
        wsprintfA(what, "action %d: only the selected page visible", action);
        CheckTrue(false, what, __FILE__, __LINE__);
    }
    if (GetWindowTextLengthA(GetDlgItem(MainPanel, IDC_DISPLAY)) > 30)
        CheckTrue(false, "display at most 30 characters", __FILE__, __LINE__);
}

int main()
{
    HarnessStart();
    Trace = getenv("LEDGERLY_MONKEY_TRACE") != nullptr;
    if (!CHECK(StartLedgerly() != nullptr))
        return HarnessFinish("monkey");
    int failedBefore = HarnessFailed;
    for (int action = 0; action < ActionCount && HarnessFailed - failedBefore < 20; ++action)
        DoAction(action);
    printf("monkey: %d actions, %d calculations\n", ActionCount, Calculations);
    CHECK(IsWindow(MainWindow));
    CHECK(Calculations > 500);
    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
    CHECK_INT(RunMessageLoop(), 0, "exit code");
    return HarnessFinish("monkey");
}
