// Character classification for builds without the Windows API.
#include "numtext/charclass.h"

bool IsDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}
