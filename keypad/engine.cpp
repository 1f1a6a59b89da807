// The calculator engine.
//
// The display text is the calculator's number: digits are appended to it,
// operands are read back from it with ParseNumber (signed mode) and results
// are written to it with FormatNumber at 10 places, so chained and repeated
// work uses the shown, rounded value. The engine reaches the display only
// through ReadDisplay and WriteDisplay.
#include "keypad/keypad.h"

#include "keypad/display.h"
#include "numtext/numtext.h"
#include "res/resource.h"
#include "runtime/runtime.h"

int EntryState = Cleared;
int PendingOperator = NoOperator;
double StoredOperand = 0.0;
int OperationOpen = 2;
int StartNewNumber = 0;
int ErrorShown = 0;

namespace {

// The display is read into FieldTextSize bytes (at most 29 characters); one
// more byte leaves room for the character a key adds, at the end or in front.
constexpr int WorkTextSize = FieldTextSize + 1;

// A divisor or a value to invert counts as zero strictly inside these bounds.
constexpr double ZeroTolerance = 1e-15;
// A result is shown only strictly inside these bounds.
constexpr double ResultLimit = 1e15;

constexpr char DivideByZeroText[] = "Cannot divide by 0";
constexpr char InvertZeroText[] = "Cannot invert 0";
constexpr char TooSmallText[] = "Value is too samll";

constexpr int OperationOpenYes = 1;
constexpr int OperationOpenNo = 2;
constexpr int StartAfterOperator = 1;
constexpr int StartAfterResult = 2;

enum KeyAction : int {
    ActDigit,
    ActPoint,
    ActBack,
    ActOperator,
    ActSign,
    ActClearEntry,
    ActClearAll,
    ActEquals,
    ActInvert
};

struct KeyBinding {
    int id;
    KeyAction action;
    int argument;  // the digit character, or the operator
};

constexpr KeyBinding KeyTable[] = {
    {IDC_KEY7, ActDigit, '7'},
    {IDC_KEY4, ActDigit, '4'},
    {IDC_KEY1, ActDigit, '1'},
    {IDC_KEY0, ActDigit, '0'},
    {IDC_KEY8, ActDigit, '8'},
    {IDC_KEY5, ActDigit, '5'},
    {IDC_KEY2, ActDigit, '2'},
    {IDC_KEYBACK, ActBack, 0},
    {IDC_KEY9, ActDigit, '9'},
    {IDC_KEY6, ActDigit, '6'},
    {IDC_KEY3, ActDigit, '3'},
    {IDC_KEYPOINT, ActPoint, 0},
    {IDC_KEYDIVIDE, ActOperator, Divide},
    {IDC_KEYMULTIPLY, ActOperator, Multiply},
    {IDC_KEYSUBTRACT, ActOperator, Subtract},
    {IDC_KEYADD, ActOperator, Add},
    {IDC_KEYSIGN, ActSign, 0},
    {IDC_KEYCE, ActClearEntry, 0},
    {IDC_KEYC, ActClearAll, 0},
    {IDC_KEYEQUALS, ActEquals, 0},
    {IDC_KEYINVERT, ActInvert, 0},
};

// Reads the display into text (WorkTextSize bytes); returns its length,
// at most FieldTextSize - 1.
int ReadDisplayText(char* text)
{
    ReadDisplay(text);
    text[FieldTextSize - 1] = '\0';
    int length = 0;
    while (text[length] != '\0') {
        ++length;
    }
    return length;
}

// The value of the display, read from a copy of its text.
double DisplayValue()
{
    char text[WorkTextSize];
    ReadDisplayText(text);
    return ParseNumber(text, ParseSigned);
}

void ShowValue(double value)
{
    WriteDisplay(FormatNumber(value, 10));
}

void ClearDisplay()
{
    WriteDisplay("");
}

bool CountsAsZero(double value)
{
    return value > -ZeroTolerance && value < ZeroTolerance;
}

// Adds a digit or the point to the number being typed.
void AppendCharacter(char c)
{
    ClearErrorDisplay();
    if (StartNewNumber != 0) {
        ClearDisplay();
        StartNewNumber = 0;
    }
    char text[WorkTextSize];
    int length = ReadDisplayText(text);
    text[length] = c;
    text[length + 1] = '\0';
    WriteDisplay(text);
    EntryState = Entering;
}

}  // namespace

void ResetKeypad()
{
    EntryState = Cleared;
    PendingOperator = NoOperator;
    StoredOperand = 0.0;
    OperationOpen = OperationOpenNo;
    StartNewNumber = 0;
    ErrorShown = 0;
}

void ClearErrorDisplay()
{
    if (ErrorShown != 0) {
        ClearDisplay();
        ErrorShown = 0;
    }
}

// Called right after a division or inversion error message was written.
// PendingOperator and the display are kept.
void EnterErrorState()
{
    StoredOperand = 0.0;
    StartNewNumber = 0;
    EntryState = Cleared;
    OperationOpen = OperationOpenNo;
    ErrorShown = 1;
}

void AppendDigit(char c)
{
    AppendCharacter(c);
}

// The key is labelled "." and enters the user's decimal mark.
void AppendPoint()
{
    AppendCharacter(DecimalMark());
}

// Removes a leading "-", or puts one in front. StartNewNumber is kept, so
// after an operator or "=" the next digit still replaces the negated text.
void ToggleSign()
{
    if (ErrorShown == 1) {
        return;
    }
    char text[WorkTextSize];
    int length = ReadDisplayText(text);
    if (text[0] == '-') {
        for (int i = 0; i < length; ++i) {
            text[i] = text[i + 1];
        }
    } else {
        for (int i = length; i >= 0; --i) {
            text[i + 1] = text[i];
        }
        text[0] = '-';
    }
    WriteDisplay(text);
    EntryState = Entering;
}

void InvertDisplay()
{
    if (ErrorShown == 1) {
        return;
    }
    double x = DisplayValue();
    if (CountsAsZero(x)) {
        WriteDisplay(InvertZeroText);
        EnterErrorState();
        return;
    }
    ShowValue(1.0 / x);
    EntryState = Entering;
}

void ChooseOperator(int op)
{
    if (ErrorShown == 1) {
        return;
    }
    // A second operand was typed: evaluate the open operation first.
    if (OperationOpen == OperationOpenYes && EntryState == Entering) {
        Evaluate();
        if (ErrorShown == 1) {
            return;
        }
    }
    StoredOperand = DisplayValue();
    PendingOperator = op;
    StartNewNumber = StartAfterOperator;
    EntryState = OperatorChosen;
    OperationOpen = OperationOpenYes;
}

// The first "=" combines StoredOperand (left) with the display (right) and
// keeps the display's value as the right operand; each further "=" applies
// the same operation with that right operand to the value shown.
void Evaluate()
{
    if (ErrorShown == 1) {
        return;
    }
    double x = DisplayValue();
    bool repeated = EntryState == ResultShown;
    double left = repeated ? x : StoredOperand;
    double right = repeated ? StoredOperand : x;
    double r = 0.0;
    switch (PendingOperator) {
    case Add:
        r = left + right;
        break;
    case Subtract:
        r = left - right;
        break;
    case Multiply:
        r = left * right;
        break;
    case Divide:
        // A repeated "=" divides by a right operand that passed this test.
        if (CountsAsZero(right)) {
            WriteDisplay(DivideByZeroText);
            EnterErrorState();
            return;
        }
        r = left / right;
        break;
    default:
        break;
    }
    if (!repeated) {
        StoredOperand = x;
    }

    if (r >= ResultLimit) {
        WriteDisplay(TooLargeText);
    } else if (r <= -ResultLimit) {
        WriteDisplay(TooSmallText);
    } else {
        ShowValue(r);
    }
    // A range message stands in place of the result; it is no error state.
    EntryState = ResultShown;
    StartNewNumber = StartAfterResult;
    OperationOpen = OperationOpenNo;
}

// Drops the last character of the display; also shortens an error message.
void BackKey()
{
    if (EntryState == OperatorChosen) {
        return;
    }
    char text[WorkTextSize];
    int length = ReadDisplayText(text);
    if (length == 0) {
        return;
    }
    text[length - 1] = '\0';
    WriteDisplay(text);
}

void ClearEntry()
{
    if (EntryState == Entering) {
        ClearDisplay();
    }
    ClearErrorDisplay();
}

// Everything but PendingOperator returns to its start-up value.
void ClearAll()
{
    ClearDisplay();
    StoredOperand = 0.0;
    StartNewNumber = 0;
    EntryState = Cleared;
    OperationOpen = OperationOpenNo;
    ClearErrorDisplay();
}

bool PressKey(int id)
{
    for (const KeyBinding& key : KeyTable) {
        if (key.id != id) {
            continue;
        }
        LoadFpuControl();  // whatever other code left on the thread
        switch (key.action) {
        case ActDigit:
            AppendDigit(static_cast<char>(key.argument));
            break;
        case ActPoint:
            AppendPoint();
            break;
        case ActBack:
            BackKey();
            break;
        case ActOperator:
            ChooseOperator(key.argument);
            break;
        case ActSign:
            ToggleSign();
            break;
        case ActClearEntry:
            ClearEntry();
            break;
        case ActClearAll:
            ClearAll();
            break;
        case ActEquals:
            Evaluate();
            break;
        case ActInvert:
            InvertDisplay();
            break;
        }
        return true;
    }
    return false;
}
