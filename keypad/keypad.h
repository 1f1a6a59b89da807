// The on-screen calculator: key operations and their state.
#ifndef LEDGERLY_KEYPAD_H
#define LEDGERLY_KEYPAD_H

enum EntryStateValue : int {
    Cleared = 0,
    Entering = 1,
    OperatorChosen = 2,
    ResultShown = 10
};

enum Operator : int {
    NoOperator = 0,
    Add = 1,
    Subtract = 2,
    Multiply = 3,
    Divide = 4
};

// Calculator state, one set for the process.
extern int EntryState;        // an EntryStateValue
extern int PendingOperator;   // an Operator; 0 until the first operator key
extern double StoredOperand;  // left operand, or right operand after "="
extern int OperationOpen;     // 1: operator pressed, not yet evaluated; 2: no
extern int StartNewNumber;    // non-zero: next digit or point empties the display
extern int ErrorShown;        // 1: a division or inversion error is shown

// Restores the start-up state (the display is not touched).
void ResetKeypad();

// Runs the key with this control id; false if the id is not a keypad key.
bool PressKey(int id);

void AppendDigit(char c);
void AppendPoint();
void ToggleSign();
void InvertDisplay();
void ChooseOperator(int op);
void Evaluate();
void BackKey();
void ClearEntry();
void ClearAll();
void ClearErrorDisplay();
void EnterErrorState();

#endif
