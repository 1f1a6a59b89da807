// The calculator through its real buttons: each key is a BM_CLICK on the
// button in the main panel, and the display is read back from static 1030.
#include <string.h>

#include "tests/win/winharness.h"

struct KeyButton {
    const char* label;
    int id;
};

constexpr KeyButton KeyButtons[] = {
    {"0", IDC_KEY0},     {"1", IDC_KEY1},         {"2", IDC_KEY2},
    {"3", IDC_KEY3},     {"4", IDC_KEY4},         {"5", IDC_KEY5},
    {"6", IDC_KEY6},     {"7", IDC_KEY7},         {"8", IDC_KEY8},
    {"9", IDC_KEY9},     {".", IDC_KEYPOINT},     {"Back", IDC_KEYBACK},
    {"/", IDC_KEYDIVIDE}, {"*", IDC_KEYMULTIPLY}, {"-", IDC_KEYSUBTRACT},
    {"+", IDC_KEYADD},   {"+/-", IDC_KEYSIGN},    {"CE", IDC_KEYCE},
    {"C", IDC_KEYC},     {"=", IDC_KEYEQUALS},    {"1/x", IDC_KEYINVERT},
};

static int ButtonId(const char* label, size_t length)
{
    for (const KeyButton& key : KeyButtons) {
        if (strlen(key.label) == length && strncmp(key.label, label, length) == 0)
            return key.id;
    }
    return 0;
}

// Keys are labels separated by blanks, a run of digits and points standing
// for its keys; shown lists the display after each of the last keys,
// separated by "|".
struct Sequence {
    const char* keys;
    const char* shown;
};

// Each sequence but the first starts with "C" (which keeps the operator).
constexpr Sequence Sequences[] = {
    {"5 =", "0.0000000000"},
    {"C 2 + 3 = = =", "5.|8.|11."},
    {"C 9 - 3 = C 5 =", "-5."},
    {"C 2 + 3 * 4 =", "5.|4|20."},
    {"C 2 + - 5 =", "-3."},
    {"C 8 / 0 = 5", "Cannot divide by 0|5"},
    {"C 8 / 0 + Back", "Cannot divide by 0|Cannot divide by "},
    {"C 1/x", "Cannot invert 0"},
    {"C 4 1/x 5", "0.2500000000|0.25000000005"},
    {"C 100000000 * 10000000 = =", "Value is too large|0.0000000000"},
    {"C 100000000 +/- * 10000000 =", "Value is too samll"},
    {"C 999999999999998 + 1 =", "999999999999999."},
    {"C 1 . 2 . 3 + 1 =", "1.2.3|1.2.3|1|2.23"},
    {"C 2 + 3 CE 4 =", "6."},
    {"C 2 + CE", "2"},
    {"C +/- 5", "-|-5"},
    {"C 1 2 Back Back Back", "1||"},
    // The display control is read 29 characters at a time.
    {"C 1234567890123456789012345678907", "123456789012345678901234567897"},
    {"C 123456789012345678901234567890 Back", "1234567890123456789012345678"},
    {"C +/- 12345678901234567890123456789 +/-",
     "-12345678901234567890123456789|1234567890123456789012345678"},
};

static void RunSequence(const Sequence& row)
{
    static char seen[64][128];
    int count = 0;
    const char* p = row.keys;
    bool ok = true;
    while (*p != '\0' && ok) {
        while (*p == ' ')
            ++p;
        const char* start = p;
        while (*p != '\0' && *p != ' ')
            ++p;
        size_t length = static_cast<size_t>(p - start);
        bool digitRun = length > 1 && strspn(start, "0123456789.") >= length;
        size_t keys = digitRun ? length : 1;
        for (size_t i = 0; i < keys && ok; ++i) {
            int id = digitRun ? ButtonId(start + i, 1) : ButtonId(start, length);
            ok = id != 0 && count < 64;
            if (ok) {
                Click(MainPanel, id);
                lstrcpynA(seen[count++], ItemText(MainPanel, IDC_DISPLAY), 128);
            }
        }
    }
    if (!CHECK(ok)) {
        printf("  malformed sequence: %s\n", row.keys);
        return;
    }

    int shownCount = 1;
    for (const char* s = row.shown; *s; ++s)
        shownCount += *s == '|';
    const char* expected = row.shown;
    for (int i = 0; i < shownCount; ++i) {
        const char* end = strchr(expected, '|');
        size_t length = end ? static_cast<size_t>(end - expected) : strlen(expected);
        char want[128];
        lstrcpynA(want, expected, static_cast<int>(length + 1));
        char what[160];
        int key = count - shownCount + i;
        wsprintfA(what, "%s: display after key %d", row.keys, key + 1);
        CHECK_TEXT(seen[key], want, what);
        expected = end ? end + 1 : expected + length;
    }
}

// The display's text goes unchanged into a page field and a term box when
// their labels are clicked; the page takes that field as its input.
static void CheckSendToFields()
{
    RunSequence({"C 587.01", "587.01"});
    ClickLabel(LoanPage, IDC_RIGHTLABEL);
    CHECK_TEXT(ItemText(LoanPage, IDC_RIGHTFIELD), "587.01", "display sent to the payment");
    CHECK_INT(ReadDirection(LoanPage), RightToLeft, "payment is the input");
    RunSequence({"C 80000 +/-", "-80000"});
    ClickLabel(LoanPage, IDC_LEFTLABEL);
    CHECK_TEXT(ItemText(LoanPage, IDC_LEFTFIELD), "-80000", "display sent to the loan");
    CHECK_INT(ReadDirection(LoanPage), LeftToRight, "loan is the input");
    RunSequence({"C 24", "24"});
    ClickLabel(MainPanel, IDC_MONTHLABEL);
    CHECK_TEXT(ItemText(MainPanel, IDC_MONTHBOX), "24", "display sent to the month box");
    RunSequence({"C 8 / 0 =", "Cannot divide by 0"});
    ClickLabel(MainPanel, IDC_RATELABEL);
    CHECK_TEXT(ItemText(MainPanel, IDC_RATEBOX), "Cannot divide by 0", "message sent unchanged");
    CHECK_TEXT(ItemText(MainPanel, IDC_DISPLAY), "Cannot divide by 0", "display unchanged");
}

int main()
{
    HarnessStart();
    CHECK(StartLedgerly() != nullptr);
    if (!MainWindow)
        return HarnessFinish("keypad");
    CHECK_TEXT(ItemText(MainPanel, IDC_DISPLAY), "", "start-up display");
    for (const Sequence& row : Sequences)
        RunSequence(row);
    CheckSendToFields();

    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
    CHECK_INT(RunMessageLoop(), 0, "exit code");
    return HarnessFinish("keypad");
}
