// The calculator engine, natively: key sequences from a cleared calculator,
// the 30-character display bounds, the zero and range bounds, the key ids.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "keypad/keypad.h"
#include "tests/harness.h"
#include "tests/native/keypad/keypad_display.h"
#include "tests/native/keypad/keypad_keys.h"

namespace {

constexpr int MaxKeys = 64;
constexpr int TextSize = 256;

// Keys are labels separated by blanks; a run of digits and points stands for
// its keys in order ("100000000", ".5"). shown lists the display after each
// of the last keys, separated by "|" ("1||" is "1", then "", then "");
// stored is the expected StoredOperand as a decimal text.
struct SequenceRow {
    const char* keys;
    const char* shown;
    int entryState;
    int errorShown;
    int operationOpen;
    int pendingOperator;
    const char* stored;
};

constexpr int RS = ResultShown;
constexpr int EN = Entering;
constexpr int OC = OperatorChosen;
constexpr int CL = Cleared;

constexpr SequenceRow SequenceRows[] = {
    // Results and repeated "=".
    {"2 + 3 =", "5.", RS, 0, 2, Add, "3"},
    {"2 + 3 = = =", "5.|8.|11.", RS, 0, 2, Add, "3"},
    {"9 - 3 = = =", "6.|3.|0.0000000000", RS, 0, 2, Subtract, "3"},
    {"8 / 2 = =", "4.|2.", RS, 0, 2, Divide, "2"},
    {"7 - = = =", "0.0000000000|-7.|-14.", RS, 0, 2, Subtract, "7"},
    {"3 * = =", "9.|27.", RS, 0, 2, Multiply, "3"},
    {"5 =", "0.0000000000", RS, 0, 2, NoOperator, "5"},
    {"2 + 3 = 4 =", "7.", RS, 0, 2, Add, "4"},
    {"9 - 3 = 4 =", "-1.", RS, 0, 2, Subtract, "4"},
    {"9 - 3 = C 5 =", "-5.", RS, 0, 2, Subtract, "5"},
    {"2 + 3 = Back =", "5|8.", RS, 0, 2, Add, "3"},
    // Chaining, left to right; operator keys in a row.
    {"2 + 3 * 4 =", "5.|4|20.", RS, 0, 2, Multiply, "4"},
    {"2 + 3 + 4 =", "5.|4|9.", RS, 0, 2, Add, "4"},
    {"2 + - 5 =", "-3.", RS, 0, 2, Subtract, "5"},
    {"2 + 3 * - 1 =", "5.|5.|1|4.", RS, 0, 2, Subtract, "1"},
    {"2 + 3 = * 4 =", "5.|5.|4|20.", RS, 0, 2, Multiply, "4"},
    {"2 +", "2", OC, 0, 1, Add, "2"},
    {"2 + 3", "3", EN, 0, 1, Add, "2"},
    // The error state: entered, blocked keys, and the ways out.
    {"8 / 0 =", "Cannot divide by 0", CL, 1, 2, Divide, "0"},
    {"8 / 0 = 5", "5", EN, 0, 2, Divide, "0"},
    {"8 / 0 = 5 =", "0.0000000000", RS, 0, 2, Divide, "5"},
    {"8 / 0 +", "Cannot divide by 0", CL, 1, 2, Divide, "0"},
    {"8 + 2 / 0 - 3", "10.|0|Cannot divide by 0|3", EN, 0, 2, Divide, "0"},
    {"1/x", "Cannot invert 0", CL, 1, 2, NoOperator, "0"},
    {"8 / 0 = +/- 1/x * - =", "Cannot divide by 0|Cannot divide by 0|Cannot divide by 0|"
     "Cannot divide by 0|Cannot divide by 0", CL, 1, 2, Divide, "0"},
    {"8 / 0 = Back Back", "Cannot divide by |Cannot divide by", CL, 1, 2, Divide, "0"},
    {"1/x Back Back 7", "Cannot invert |Cannot invert|7", EN, 0, 2, NoOperator, "0"},
    {"8 / 0 = CE", "", CL, 0, 2, Divide, "0"},
    {"8 / 0 = .", ".", EN, 0, 2, Divide, "0"},
    {"8 / 0 = C", "", CL, 0, 2, Divide, "0"},
    {"8 / 0 = C =", "|Cannot divide by 0", CL, 1, 2, Divide, "0"},
    // Inversion.
    {"4 1/x 5", "0.2500000000|0.25000000005", EN, 0, 2, NoOperator, "0"},
    {"4 + 1/x 5 =", "0.2500000000|5|9.", RS, 0, 2, Add, "5"},
    {"8 +/- 1/x", "-0.1250000000", EN, 0, 2, NoOperator, "0"},
    {"+/- 1/x", "Cannot invert 0", CL, 1, 2, NoOperator, "0"},
    {". 1/x", "Cannot invert 0", CL, 1, 2, NoOperator, "0"},
    // Result limit: the bounds themselves are out of range.
    {"100000000 * 10000000 = =", "Value is too large|0.0000000000", RS, 0, 2, Multiply,
     "10000000"},
    {"100000000 +/- * 10000000 =", "Value is too samll", RS, 0, 2, Multiply, "10000000"},
    {"999999999999998 + 1 =", "999999999999999.", RS, 0, 2, Add, "1"},
    {"999999999999998 +/- - 1 =", "-999999999999999.", RS, 0, 2, Subtract, "1"},
    {"999999999999999 + 1 =", "Value is too large", RS, 0, 2, Add, "1"},
    {"999999999999999.5 + .4 =", "999999999999999.88", RS, 0, 2, Add, "0.4"},
    {"999999999999999 +/- - 1 =", "Value is too samll", RS, 0, 2, Subtract, "1"},
    {"100000000 * 10000000 = +/- =", "-Value is too large|0.0000000000", RS, 0, 2, Multiply,
     "-0"},
    {"100000000 * 10000000 = 5", "5", EN, 0, 2, Multiply, "10000000"},
    // Zero tolerance: 10^-15 and -10^-15 are valid divisors, anything inside is zero.
    {".5 / .000000000000001 =", "499999999999999.94", RS, 0, 2, Divide, "0.000000000000001"},
    {".5 / .000000000000001 +/- =", "-499999999999999.94", RS, 0, 2, Divide, "-0.000000000000001"},
    {".5 / .0000000000000009 =", "Cannot divide by 0", CL, 1, 2, Divide, "0"},
    {".5 / .0000000000000009 +/- =", "Cannot divide by 0", CL, 1, 2, Divide, "0"},
    {".000000000000001 1/x", "999999999999999.88", EN, 0, 2, NoOperator, "0"},
    {".000000000000001 +/- 1/x", "-999999999999999.88", EN, 0, 2, NoOperator, "0"},
    {".0000000000000009 1/x", "Cannot invert 0", CL, 1, 2, NoOperator, "0"},
    {"5 / . =", ".|Cannot divide by 0", CL, 1, 2, Divide, "0"},
    {"5 / 1 Back +/- =", "|-|Cannot divide by 0", CL, 1, 2, Divide, "0"},
    // Back, +/-, CE and typed text.
    {"1 2 Back Back Back", "1||", EN, 0, 2, NoOperator, "0"},
    {"2 + Back", "2", OC, 0, 1, Add, "2"},
    {"5 +/- +/-", "-5|5", EN, 0, 2, NoOperator, "0"},
    {"+/- 5", "-|-5", EN, 0, 2, NoOperator, "0"},
    {"+/- +/-", "-|", EN, 0, 2, NoOperator, "0"},
    {"2 + +/- 3", "-2|3", EN, 0, 1, Add, "2"},
    {"2 + +/- =", "-2|0.0000000000", RS, 0, 2, Add, "-2"},
    {"1 . 2 . 3", "1.2.3", EN, 0, 2, NoOperator, "0"},
    {"1 . 2 . 3 + 1 =", "2.23", RS, 0, 2, Add, "1"},
    {"0 0 5", "005", EN, 0, 2, NoOperator, "0"},
    {"2 + 3 CE 4 =", "6.", RS, 0, 2, Add, "4"},
    {"2 + 3 CE =", "2.", RS, 0, 2, Add, "0"},
    {"2 + CE", "2", OC, 0, 1, Add, "2"},
    {"2 + 3 = CE", "5.", RS, 0, 2, Add, "3"},
    {"Back CE", "|", CL, 0, 2, NoOperator, "0"},
    {"2 + 3 C", "", CL, 0, 2, Add, "0"},
};

// Splits keys into key ids; returns their number, or -1 for an unknown label.
int ParseKeys(const char* keys, int* ids)
{
    int count = 0;
    const char* p = keys;
    while (*p != '\0') {
        while (*p == ' ') {
            ++p;
        }
        const char* start = p;
        while (*p != '\0' && *p != ' ') {
            ++p;
        }
        size_t length = static_cast<size_t>(p - start);
        if (length == 0) {
            break;
        }
        bool digitRun = length > 1 && strspn(start, "0123456789.") >= length;
        size_t keysInToken = digitRun ? length : 1;
        for (size_t i = 0; i < keysInToken; ++i) {
            int id = digitRun ? KeyIdOf(start + i, 1) : KeyIdOf(start, length);
            if (id == 0 || count == MaxKeys) {
                return -1;
            }
            ids[count++] = id;
        }
    }
    return count;
}

// Splits shown at "|" into texts; returns their number.
int SplitShown(const char* shown, char (*texts)[TextSize])
{
    int count = 0;
    const char* p = shown;
    for (;;) {
        const char* end = strchr(p, '|');
        size_t length = end ? static_cast<size_t>(end - p) : strlen(p);
        if (count == MaxKeys || length >= TextSize) {
            return -1;
        }
        memcpy(texts[count], p, length);
        texts[count][length] = '\0';
        ++count;
        if (!end) {
            return count;
        }
        p = end + 1;
    }
}

void CheckSequenceRows()
{
    static char expected[MaxKeys][TextSize];
    static char seen[MaxKeys][TextSize];
    for (const SequenceRow& row : SequenceRows) {
        int ids[MaxKeys];
        int keyCount = ParseKeys(row.keys, ids);
        int shownCount = SplitShown(row.shown, expected);
        if (!CHECK(keyCount > 0 && shownCount > 0 && shownCount <= keyCount)) {
            printf("  malformed row: %s\n", row.keys);
            continue;
        }
        StartKeypad();
        for (int i = 0; i < keyCount; ++i) {
            CHECK(PressKey(ids[i]));
            snprintf(seen[i], TextSize, "%s", DisplayShown());
        }
        char what[160];
        for (int i = 0; i < shownCount; ++i) {
            int key = keyCount - shownCount + i;
            snprintf(what, sizeof what, "%s: display after key %d", row.keys, key + 1);
            CHECK_TEXT(seen[key], expected[i], what);
        }
        snprintf(what, sizeof what, "%s: EntryState", row.keys);
        CHECK_INT(EntryState, row.entryState, what);
        snprintf(what, sizeof what, "%s: ErrorShown", row.keys);
        CHECK_INT(ErrorShown, row.errorShown, what);
        snprintf(what, sizeof what, "%s: OperationOpen", row.keys);
        CHECK_INT(OperationOpen, row.operationOpen, what);
        snprintf(what, sizeof what, "%s: PendingOperator", row.keys);
        CHECK_INT(PendingOperator, row.pendingOperator, what);
        snprintf(what, sizeof what, "%s: StoredOperand", row.keys);
        CHECK_DOUBLE(StoredOperand, strtod(row.stored, nullptr), what);
        snprintf(what, sizeof what, "%s: longest display write", row.keys);
        CHECK(LongestDisplayWrite() <= 30);
    }
}

// StartNewNumber: 1 after an operator, 2 after "=", kept by "+/-" and "1/x",
// reset by a digit or point, by "C" and by the error state.
void CheckStartNewNumber()
{
    struct Row {
        const char* keys;
        int startNewNumber;
    };
    constexpr Row rows[] = {
        {"2", 0},         {"2 +", 1},         {"2 + +/-", 1},  {"2 + 1/x", 1},
        {"2 + Back", 1},  {"2 + CE", 1},      {"2 + 3", 0},    {"2 + 3 =", 2},
        {"2 + 3 = +/-", 2}, {"2 + 3 = 1/x", 2}, {"2 + 3 = Back", 2}, {"2 + 3 = .", 0},
        {"2 + 3 = C", 0}, {"2 + 3 = *", 1},   {"8 / 0 =", 0},  {"2 + 1/x + 0 =", 2},
    };
    for (const Row& row : rows) {
        int ids[MaxKeys];
        int count = ParseKeys(row.keys, ids);
        StartKeypad();
        for (int i = 0; i < count; ++i) {
            PressKey(ids[i]);
        }
        char what[120];
        snprintf(what, sizeof what, "%s: StartNewNumber", row.keys);
        CHECK_INT(StartNewNumber, row.startNewNumber, what);
    }
}

// The display is read 29 characters at a time; the engine writes at most 30.
void CheckDisplayBounds()
{
    constexpr char typed[] = "1234567890123456789012345678907";  // 31 digits

    // 31 digit keys: the 30th digit fills the display, the 31st replaces it.
    StartKeypad();
    char key[2] = {0, 0};
    for (int i = 0; i < 31; ++i) {
        key[0] = typed[i];
        PressKey(KeyIdOf(key, 1));
        if (i == 29) {
            CHECK_TEXT(DisplayShown(), "123456789012345678901234567890", "30 digit keys");
        }
    }
    CHECK_TEXT(DisplayShown(), "123456789012345678901234567897", "31 digit keys");
    PressKey(KeyIdOf(".", 1));
    CHECK_TEXT(DisplayShown(), "12345678901234567890123456789.", "point on 30 characters");
    CHECK_INT(LongestDisplayWrite(), 30, "longest write while typing");

    struct Row {
        const char* before;
        const char* key;
        const char* after;
    };
    constexpr Row rows[] = {
        // "Back" reads 29 characters and drops the last of them.
        {"123456789012345678901234567890", "Back", "1234567890123456789012345678"},
        {"12345678901234567890123456789", "Back", "1234567890123456789012345678"},
        // "+/-" on 30 characters starting with "-": characters 2 to 29.
        {"-12345678901234567890123456789", "+/-", "1234567890123456789012345678"},
        // "+/-" on 29 characters puts "-" in front: 30 characters.
        {"12345678901234567890123456789", "+/-", "-12345678901234567890123456789"},
        // On 30 characters without "-", the 30th is lost first.
        {"123456789012345678901234567890", "+/-", "-12345678901234567890123456789"},
        {"-", "+/-", ""},
        {"", "Back", ""},
    };
    for (const Row& row : rows) {
        StartKeypad();
        PressKey(KeyIdOf("1", 1));  // typing: "Back" and "+/-" act
        SetDisplay(row.before);
        ResetDisplayLog();
        PressKey(KeyIdOf(row.key, strlen(row.key)));
        char what[120];
        snprintf(what, sizeof what, "%s on \"%s\"", row.key, row.before);
        CHECK_TEXT(DisplayShown(), row.after, what);
        CHECK(LongestDisplayWrite() <= 30);
    }

    // An operand of 30 characters is read as its first 29.
    StartKeypad();
    SetDisplay("000000000000000000000000000019");
    PressKey(KeyIdOf("+", 1));
    CHECK_DOUBLE(StoredOperand, 1.0, "operand of 30 characters");
}

// Every key id runs its key; ids that are no keys change nothing.
void CheckKeyIds()
{
    constexpr KeyLabel digits[] = {
        {"0", 1018}, {"1", 1017}, {"2", 1021}, {"3", 1025}, {"4", 1016},
        {"5", 1020}, {"6", 1024}, {"7", 1015}, {"8", 1019}, {"9", 1023}, {".", 1026},
    };
    for (const KeyLabel& key : digits) {
        StartKeypad();
        CHECK(PressKey(key.id));
        CHECK_TEXT(DisplayShown(), key.label, "digit key");
    }
    struct OperatorKey {
        int id;
        int op;
    };
    constexpr OperatorKey operators[] = {{1027, Divide}, {1028, Multiply}, {1031, Subtract},
                                         {1032, Add}};
    for (const OperatorKey& key : operators) {
        StartKeypad();
        PressKey(1017);
        CHECK(PressKey(key.id));
        CHECK_INT(PendingOperator, key.op, "operator key");
    }
    for (const KeyLabel& key : KeyLabels) {
        StartKeypad();
        CHECK(PressKey(key.id));
    }
    constexpr int notKeys[] = {0, 1, 1001, 1002, 1011, 1014, 1029, 1030, 1038, 1039, 40001};
    for (int id : notKeys) {
        StartKeypad();
        SetDisplay("12");
        EntryState = Entering;
        char what[60];
        snprintf(what, sizeof what, "id %d is no key", id);
        CHECK(!PressKey(id));
        CHECK_TEXT(DisplayShown(), "12", what);
        CHECK_INT(EntryState, Entering, what);
    }
}

void CheckStartUp()
{
    EntryState = ResultShown;
    PendingOperator = Divide;
    StoredOperand = 5.0;
    OperationOpen = 1;
    StartNewNumber = 2;
    ErrorShown = 1;
    ResetKeypad();
    CHECK_INT(EntryState, Cleared, "start-up EntryState");
    CHECK_INT(PendingOperator, 0, "start-up PendingOperator");
    CHECK_DOUBLE(StoredOperand, 0.0, "start-up StoredOperand");
    CHECK_INT(OperationOpen, 2, "start-up OperationOpen");
    CHECK_INT(StartNewNumber, 0, "start-up StartNewNumber");
    CHECK_INT(ErrorShown, 0, "start-up ErrorShown");
}

}  // namespace

int main()
{
    HarnessStart();
    CheckStartUp();
    CheckSequenceRows();
    CheckStartNewNumber();
    CheckDisplayBounds();
    CheckKeyIds();
    RunKeypadModelTests();
    return HarnessFinish("keypad");
}
