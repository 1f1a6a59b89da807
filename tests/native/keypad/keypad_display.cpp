// Buffer-backed display for native test programs.
#include "tests/native/keypad/keypad_display.h"

#include "keypad/display.h"
#include "numtext/numtext.h"

namespace {

// Much larger than any text the engine may write, so an overlong write is
// seen and counted rather than cut.
constexpr int HeldTextSize = 256;
constexpr int MaxWrittenLength = 30;

char HeldText[HeldTextSize];
int LongestWrite = 0;
int OverlongWrites = 0;

void CopyText(char* target, const char* source, int limit)
{
    int i = 0;
    while (i < limit && source[i] != '\0') {
        target[i] = source[i];
        ++i;
    }
    target[i] = '\0';
}

}  // namespace

// Like reading the control with a count of FieldTextSize: at most
// FieldTextSize - 1 characters and the terminator.
void ReadDisplay(char* buffer)
{
    CopyText(buffer, HeldText, FieldTextSize - 1);
}

void WriteDisplay(const char* text)
{
    int length = 0;
    while (text[length] != '\0') {
        ++length;
    }
    if (length > LongestWrite) {
        LongestWrite = length;
    }
    if (length > MaxWrittenLength) {
        ++OverlongWrites;
    }
    CopyText(HeldText, text, HeldTextSize - 1);
}

const char* DisplayShown()
{
    return HeldText;
}

void SetDisplay(const char* text)
{
    CopyText(HeldText, text, HeldTextSize - 1);
}

int LongestDisplayWrite()
{
    return LongestWrite;
}

int OverlongDisplayWrites()
{
    return OverlongWrites;
}

void ResetDisplayLog()
{
    LongestWrite = 0;
    OverlongWrites = 0;
}
