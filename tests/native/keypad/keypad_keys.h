// The calculator's keys by label, for the keypad test programs.
#ifndef LEDGERLY_KEYPAD_KEYS_H
#define LEDGERLY_KEYPAD_KEYS_H

#include <string.h>

#include "keypad/keypad.h"
#include "tests/native/keypad/keypad_display.h"

struct KeyLabel {
    const char* label;
    int id;
};

// The keys as the panel lays them out: label and control id.
constexpr KeyLabel KeyLabels[] = {
    {"7", 1015},   {"4", 1016},  {"1", 1017}, {"0", 1018},   {"8", 1019},
    {"5", 1020},   {"2", 1021},  {"Back", 1022}, {"9", 1023}, {"6", 1024},
    {"3", 1025},   {".", 1026},  {"/", 1027}, {"*", 1028},   {"-", 1031},
    {"+", 1032},   {"+/-", 1033}, {"CE", 1034}, {"C", 1035}, {"=", 1036},
    {"1/x", 1037},
};
constexpr int KeyCount = sizeof KeyLabels / sizeof KeyLabels[0];

// The id of the key with this label, or 0.
inline int KeyIdOf(const char* label, size_t length)
{
    for (const KeyLabel& key : KeyLabels) {
        if (strlen(key.label) == length && strncmp(key.label, label, length) == 0) {
            return key.id;
        }
    }
    return 0;
}

// The start-up state with an empty display.
inline void StartKeypad()
{
    ResetKeypad();
    SetDisplay("");
    ResetDisplayLog();
}

// Runs the model comparison and the random-sequence property checks.
void RunKeypadModelTests();

#endif
