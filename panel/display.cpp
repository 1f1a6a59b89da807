// The calculator display: static 1030 of the main panel.
#include <windows.h>
#include "keypad/display.h"
#include "numtext/numtext.h"
#include "panel/panel.h"
#include "res/resource.h"

void ReadDisplay(char* buffer)
{
    buffer[0] = '\0';
    GetDlgItemTextA(MainPanel, IDC_DISPLAY, buffer, FieldTextSize);
}

void WriteDisplay(const char* text)
{
    SetDlgItemTextA(MainPanel, IDC_DISPLAY, text);
}
