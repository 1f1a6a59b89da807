// Fuzz target: any sequence of key presses from a cleared calculator keeps
// the calculator's invariants. Each byte is one key (or a control that is no
// key); the display is a test buffer read 29 characters at a time.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "keypad/keypad.h"
#include "runtime/runtime.h"
#include "tests/native/keypad/keypad_display.h"
#include "tests/native/keypad/keypad_invariants.h"
#include "tests/native/keypad/keypad_keys.h"

namespace {

// Ids that reach the panel but are no keypad keys.
constexpr int OtherIds[] = {1030, 1001, 1011, 1038};
constexpr int OtherIdCount = sizeof OtherIds / sizeof OtherIds[0];
// Longer sequences reach no state that 64 keys do not: the display holds 29
// characters. Shorter inputs keep the target fast (10^7 runs in minutes).
constexpr size_t MaxKeys = 64;

void Fail(const char* what, size_t key, const uint8_t* data)
{
    fprintf(stderr, "keypad invariant broken after key %zu: %s\n", key + 1, what);
    fprintf(stderr, "keys:");
    for (size_t i = 0; i <= key; ++i) {
        int index = data[i] % (KeyCount + OtherIdCount);
        fprintf(stderr, " %s", index < KeyCount ? KeyLabels[index].label : "(no key)");
    }
    fprintf(stderr, "\ndisplay: \"%s\"\n", DisplayShown());
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    LoadFpuControl();
    StartKeypad();
    KeypadWatch watch{};
    if (size > MaxKeys) {
        size = MaxKeys;
    }
    for (size_t i = 0; i < size; ++i) {
        int index = data[i] % (KeyCount + OtherIdCount);
        if (index < KeyCount) {
            if (!PressKey(KeyLabels[index].id)) {
                Fail("a key id is not taken as a key", i, data);
            }
        } else {
            char before[64];
            snprintf(before, sizeof before, "%s", DisplayShown());
            int entry = EntryState;
            int error = ErrorShown;
            if (PressKey(OtherIds[index - KeyCount])) {
                Fail("an id that is no key is taken as a key", i, data);
            }
            if (strcmp(before, DisplayShown()) != 0 || entry != EntryState ||
                error != ErrorShown) {
                Fail("an id that is no key changed the calculator", i, data);
            }
        }
        const char* broken = BrokenKeypadInvariant(&watch);
        if (broken) {
            Fail(broken, i, data);
        }
    }
    return 0;
}
