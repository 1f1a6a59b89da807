// The keypad's display (keypad/display.h): static 1030 of the main panel,
// which marks a text too wide for it.
#include "keypad/display.h"
#include "panel/parts.h"
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

// The display as the system made it.
static WNDPROC PlainDisplayProc;

// The display marks a text too wide for it, as the fields do, and shows it
// whole in a tip; its text stays what the keys wrote. A static control lets
// the mouse through to what lies below it; this one takes it, so the tip
// sees the pointer resting on it.
static LRESULT CALLBACK DisplayProc(HWND display, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_SETTEXT: {
        LRESULT result = CallWindowProcA(PlainDisplayProc, display, message, wParam, lParam);
        ShowLongText(display);
        return result;
    }
    case WM_PAINT: {
        LRESULT result = 0;
        if (!PaintMarkedDisplay(display))
            result = CallWindowProcA(PlainDisplayProc, display, message, wParam, lParam);
        RepaintLongTextMark(display);
        return result;
    }
    default:
        return CallWindowProcA(PlainDisplayProc, display, message, wParam, lParam);
    }
}

void WatchDisplay()
{
    HWND display = GetDlgItem(MainPanel, IDC_DISPLAY);
    if (!display)
        return;
    AddDisplayMark(display);
    PlainDisplayProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(display, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DisplayProc)));
}
