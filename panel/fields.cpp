// What every page field and term box answers alike: the keys of a dialog,
// which they drop, and the calculator display sent into them.
#include "keypad/display.h"
#include "panel/parts.h"

// Enter, Esc and Tab arrive as characters: the program runs no dialog
// manager that would turn them into a default button, a cancel or a move.
// Windows' edit control answers each such character with the default beep
// (Wine's stays silent), so the fields drop them instead.
static bool IsDialogKeyChar(WPARAM ch)
{
    return ch == '\r' || ch == '\x1b' || ch == '\t';
}

LRESULT FieldMessage(WNDPROC plain, HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR:
        if (IsDialogKeyChar(wParam))
            return 0;
        break;
    case WM_PAINT: {
        LRESULT result = CallWindowProcA(plain, edit, message, wParam, lParam);
        RepaintLongTextMark(edit);
        return result;
    }
    default:
        break;
    }
    return CallWindowProcA(plain, edit, message, wParam, lParam);
}

void SendDisplayInto(HWND parent, int id)
{
    char text[FieldTextSize];
    ReadDisplay(text);
    SetDlgItemTextA(parent, id, text);
}
