// The main window grown to hold the panel, where the panel's dialog units
// come out larger than the window's fixed size allows: a higher DPI, or a
// wider font standing in for "MS Sans Serif".
#include <windows.h>
#include "panel/panel.h"
#include "shell/shell.h"

// Whether every shown control under a window lies left of and above the
// given screen coordinates. The main window is not shown yet while it is
// being created, so each control's own visible style decides: a hidden
// page and its controls do not count.
static bool ControlsWithin(HWND parent, LONG right, LONG bottom)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT r;
        GetWindowRect(child, &r);
        if (r.right > right || r.bottom > bottom || !ControlsWithin(child, right, bottom))
            return false;
    }
    return true;
}

// The client area in screen coordinates.
static RECT ScreenClient(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// Where the panel's units are those the window's fixed size was made for,
// the window keeps that size while every control fits (the panel itself is
// a few pixels wider than the client area there, with nothing in them).
// At any other setting, and where a control reaches past the client area,
// the window grows to the right and down until its client area holds the
// whole panel, and the host grows with it.
void FitWindowToPanel(HWND window)
{
    if (!MainPanel)
        return;
    RECT client = ScreenClient(window);
    RECT panel;
    GetWindowRect(MainPanel, &panel);
    if (ControlsWithin(MainPanel, client.right, client.bottom) &&
        (PanelAtReferenceUnits() || (panel.right <= client.right && panel.bottom <= client.bottom)))
        return;
    // A wider window may fold its menu bar onto fewer lines, which changes
    // the client height: measure again after each step.
    for (int step = 0; step < 3; ++step) {
        LONG wider = panel.right > client.right ? panel.right - client.right : 0;
        LONG taller = panel.bottom > client.bottom ? panel.bottom - client.bottom : 0;
        if (!wider && !taller)
            break;
        RECT frame;
        GetWindowRect(window, &frame);
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + wider,
                     frame.bottom - frame.top + taller,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        client = ScreenClient(window);
    }
    SetWindowPos(PanelHost, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
