// Drives Ledgerly's modal boxes (About, Help) from a thread timer on the test's
// own thread: the box's dialog loop dispatches the timer, so the callback runs
// while the box is open. It looks at each new box once (an inspector given by
// the test), then closes it the chosen way, as the user would, at once or when
// a condition given by the test holds. A box that does not close is ended with
// a distinct result, so no test ever hangs.
#ifndef LEDGERLY_BOXDRIVER_H
#define LEDGERLY_BOXDRIVER_H

#include <windows.h>
#include "tests/win/winharness.h"

enum CloseBy {
    CloseByOkClick,   // a click on the OK button
    CloseByEnter,     // Enter on the focused control, through the box's loop
    CloseByEscape,    // Esc, through the box's loop
    CloseBySysClose,  // the title bar's close button (SC_CLOSE)
    CloseByWmClose,   // WM_CLOSE, as Alt+F4 ends in
    CloseByIdOk,      // WM_COMMAND IDOK
    CloseByIdCancel,  // WM_COMMAND IDCANCEL
};

constexpr INT_PTR BoxStuckResult = 77;  // what a box that would not close returns

inline CloseBy BoxCloseBy;
inline void (*BoxInspector)(HWND box);
inline bool (*BoxCloseWhen)();  // asked on each tick; the box closes once it says so
inline bool BoxClosing;         // the close action has been taken
inline int BoxesSeen;     // boxes found open while the driver was armed
inline int BoxesStuck;    // of those, boxes that the close action did not close
inline HWND BoxCurrent;   // the box being driven
inline int BoxWaitTicks;  // ticks since the close action
inline UINT_PTR BoxTimer;
inline char BoxCaption[128];  // caption of the last box seen

// A visible dialog box of this thread owned by the main window.
inline BOOL CALLBACK FindOwnedBox(HWND window, LPARAM lParam)
{
    if (IsWindowVisible(window) && lstrcmpA(ClassOf(window), "#32770") == 0 &&
        GetWindow(window, GW_OWNER) == MainWindow) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

inline HWND FindOpenBox()
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

// Keys go through the queue, so the box's own loop and its dialog manager see them.
inline void PressKey(HWND target, WPARAM key)
{
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

inline void CloseOpenBox(HWND box, CloseBy how)
{
    switch (how) {
    case CloseByOkClick:
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        break;
    case CloseByEnter:
        PressKey(GetFocus(), VK_RETURN);
        break;
    case CloseByEscape:
        PressKey(GetFocus(), VK_ESCAPE);
        break;
    case CloseBySysClose:
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CloseByWmClose:
        PostMessageA(box, WM_CLOSE, 0, 0);
        break;
    case CloseByIdOk:
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        break;
    case CloseByIdCancel:
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        break;
    }
}

inline void CALLBACK DriveBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindOpenBox();
    if (!box)
        return;
    if (box != BoxCurrent) {
        BoxCurrent = box;
        BoxWaitTicks = 0;
        ++BoxesSeen;
        BoxCaption[0] = '\0';
        GetWindowTextA(box, BoxCaption, sizeof BoxCaption);
        BoxClosing = false;
        if (BoxInspector)
            BoxInspector(box);
    }
    if (!BoxClosing) {
        // A condition that never holds gives up after as many ticks as a close.
        if (BoxCloseWhen && !BoxCloseWhen() && ++BoxWaitTicks <= 100)
            return;
        CloseOpenBox(box, BoxCloseBy);
        BoxClosing = true;
        BoxWaitTicks = 0;
        return;
    }
    if (++BoxWaitTicks > 100) {
        ++BoxesStuck;
        EndDialog(box, BoxStuckResult);
    }
}

// Arms the driver: every box that opens until DisarmBoxDriver is inspected and
// closed the given way, once the condition (if any) holds.
inline void ArmBoxDriver(CloseBy how, void (*inspect)(HWND box) = nullptr,
                         bool (*closeWhen)() = nullptr)
{
    BoxCloseBy = how;
    BoxInspector = inspect;
    BoxCloseWhen = closeWhen;
    BoxesSeen = 0;
    BoxesStuck = 0;
    BoxCurrent = nullptr;
    BoxCaption[0] = '\0';
    BoxTimer = SetTimer(nullptr, 0, 10, DriveBox);
}

inline void DisarmBoxDriver()
{
    KillTimer(nullptr, BoxTimer);
    BoxTimer = 0;
    BoxCurrent = nullptr;
    // A tick that was already queued must not reach a later test.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
}

#endif
