// Character classification through the system, for the Windows build.
#include <windows.h>
#include "numtext/charclass.h"

// The system decides what is a letter-or-digit and not a letter. It may call
// other characters of the ANSI code page digits too (superscripts, for
// example); those have no digit value here and are dropped like letters.
bool IsDecimalDigit(char c)
{
    if (c < '0' || c > '9')
        return false;
    return IsCharAlphaNumericA(c) && !IsCharAlphaA(c);
}
