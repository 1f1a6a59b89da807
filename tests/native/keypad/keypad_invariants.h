// What must hold after every key of the calculator, whatever keys came before.
// Used by the random-key test and the fuzz target.
#ifndef LEDGERLY_KEYPAD_INVARIANTS_H
#define LEDGERLY_KEYPAD_INVARIANTS_H

#include <string.h>

#include "keypad/keypad.h"
#include "tests/native/keypad/keypad_display.h"

constexpr char KeypadDivideMessage[] = "Cannot divide by 0";
constexpr char KeypadInvertMessage[] = "Cannot invert 0";
constexpr char KeypadLargeMessage[] = "Value is too large";
constexpr char KeypadSmallMessage[] = "Value is too samll";

// The pairs of EntryState and OperationOpen that can occur.
constexpr struct {
    int entry;
    int open;
} KeypadStatePairs[] = {{Cleared, 2}, {Entering, 2}, {OperatorChosen, 1}, {Entering, 1},
                        {ResultShown, 2}};
constexpr int KeypadStatePairCount = 5;

// Index of the current pair in KeypadStatePairs, or -1.
inline int KeypadStatePair()
{
    for (int i = 0; i < KeypadStatePairCount; ++i) {
        if (EntryState == KeypadStatePairs[i].entry &&
            OperationOpen == KeypadStatePairs[i].open) {
            return i;
        }
    }
    return -1;
}

// text is a prefix of message (the empty text included).
inline bool KeypadIsPrefixOf(const char* text, const char* message)
{
    return strncmp(message, text, strlen(text)) == 0;
}

// Digits and points, with at most a leading "-".
inline bool KeypadIsNumberText(const char* text)
{
    const char* p = text[0] == '-' ? text + 1 : text;
    return strspn(p, "0123456789.") == strlen(p);
}

// Carried from key to key: the message that entered the error state, while
// the calculator is in it. Zero-initialise before the first key.
struct KeypadWatch {
    const char* errorMessage;
};

// Returns a description of the first broken invariant, or null.
//
// The error state is entered with one of the two error messages as the whole
// display; in it only "Back" changes the display, so the display is always a
// prefix (down to the empty text) of the message that entered it. Outside it
// no non-empty prefix of an error message is shown: the display holds typed
// digits and points with at most a leading "-", a result, or a range message
// that "+/-" may have negated and "Back" shortened.
inline const char* BrokenKeypadInvariant(KeypadWatch* watch)
{
    const char* text = DisplayShown();
    if (strlen(text) > 30 || OverlongDisplayWrites() != 0) {
        return "display longer than 30 characters";
    }
    if (KeypadStatePair() < 0) {
        return "EntryState and OperationOpen form no allowed pair";
    }
    if (PendingOperator < NoOperator || PendingOperator > Divide) {
        return "PendingOperator out of range";
    }
    if (StartNewNumber < 0 || StartNewNumber > 2) {
        return "StartNewNumber out of range";
    }
    if (ErrorShown == 1) {
        if (watch->errorMessage == nullptr) {
            if (strcmp(text, KeypadDivideMessage) == 0) {
                watch->errorMessage = KeypadDivideMessage;
            } else if (strcmp(text, KeypadInvertMessage) == 0) {
                watch->errorMessage = KeypadInvertMessage;
            } else {
                return "error state entered without its whole message";
            }
        }
        if (!KeypadIsPrefixOf(text, watch->errorMessage)) {
            return "error state shows other than a prefix of its message";
        }
        unsigned long long storedBits;
        memcpy(&storedBits, &StoredOperand, sizeof storedBits);
        if (EntryState != Cleared || StartNewNumber != 0 || storedBits != 0) {
            return "error state without Cleared, StartNewNumber 0 and StoredOperand 0.0";
        }
        return nullptr;
    }
    if (ErrorShown != 0) {
        return "ErrorShown neither 0 nor 1";
    }
    watch->errorMessage = nullptr;
    if (text[0] != '\0' && (KeypadIsPrefixOf(text, KeypadDivideMessage) ||
                            KeypadIsPrefixOf(text, KeypadInvertMessage))) {
        return "an error message shown outside the error state";
    }
    const char* unsignedText = text[0] == '-' ? text + 1 : text;
    if (!KeypadIsNumberText(text) && !KeypadIsPrefixOf(unsignedText, KeypadLargeMessage) &&
        !KeypadIsPrefixOf(unsignedText, KeypadSmallMessage)) {
        return "display holds no number and no range message";
    }
    return nullptr;
}

#endif
