// The user's decimal mark, asked of the system, for the Windows build.
#include <windows.h>
#include "numtext/numtext.h"

// Both marks may be up to three characters; a longer answer fails and
// leaves the text empty, which keeps the point.
void UseUserDecimalMark()
{
    char decimal[4] = "";
    char grouping[4] = "";
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal))
        decimal[0] = '\0';
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, grouping, sizeof grouping))
        grouping[0] = '\0';
    UseDecimalMark(decimal, grouping);
}
