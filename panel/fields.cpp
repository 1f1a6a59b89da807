// What every page field and term box answers alike: the keys of a dialog,
// which they drop, the calculator display sent into them, and their texts
// rewritten by a calculation.
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

void RewriteField(HWND parent, int id, const char* text)
{
    HWND field = GetDlgItem(parent, id);
    SetWindowTextA(field, text);
    // A field, or a term box's edit field, with the focus: the caret goes
    // to the end, where typing goes on (the edit control puts it at the
    // start of a text it is given).
    HWND focus = GetFocus();
    if (!focus || (focus != field && GetParent(focus) != field))
        return;
    int length = GetWindowTextLengthA(focus);
    SendMessageA(focus, EM_SETSEL, length, length);
    SendMessageA(focus, EM_SCROLLCARET, 0, 0);
}
