// Helpers for test programs that create Ledgerly's real windows in-process
// under Wine and drive them with the messages a user's actions produce.
#ifndef LEDGERLY_WINHARNESS_H
#define LEDGERLY_WINHARNESS_H

#include <windows.h>
#include <commctrl.h>
#include "panel/parts.h"
#include "res/resource.h"
#include "shell/shell.h"
#include "tests/harness.h"

inline HWND MainWindow;

// Dispatches everything that is waiting, as the message loop would.
inline void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Registers the class and creates the main window as the program's start-up
// does, without entering the message loop.
inline HWND StartLedgerly()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterMainClass(instance) || !CreateMainWindow(instance, SW_SHOW))
        return nullptr;
    MainWindow = FindWindowA(MainClassName, "Ledgerly");
    Pump();
    return MainWindow;
}

inline const char* TextOf(HWND window)
{
    static char text[1024];
    text[0] = '\0';
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

inline const char* ClassOf(HWND window)
{
    static char name[64];
    name[0] = '\0';
    GetClassNameA(window, name, sizeof name);
    return name;
}

inline const char* ItemText(HWND parent, int id)
{
    return TextOf(GetDlgItem(parent, id));
}

inline void SetItemText(HWND parent, int id, const char* text)
{
    SendMessageA(GetDlgItem(parent, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// A push button or radio button clicked by the user.
inline void Click(HWND parent, int id)
{
    SendMessageA(GetDlgItem(parent, id), BM_CLICK, 0, 0);
    Pump();
}

// A click on a static label with SS_NOTIFY: it tells its parent STN_CLICKED.
inline void ClickLabel(HWND parent, int id)
{
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(parent, id)));
    Pump();
}

// A mouse click in the middle of a tab of the tab strip, through the queue.
inline void ClickTab(int index)
{
    RECT item = {};
    SendMessageA(TabStrip, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(TabStrip, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(TabStrip, WM_LBUTTONUP, 0, at);
    Pump();
}

// A control's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The "..." mark the program keeps over the right end of a field whose text
// is too wide for it: a static control, not from a template, right above
// the field's holder (the field, or the term box around its edit field).
inline bool IsMark(HWND window)
{
    return window && GetDlgCtrlID(window) == 0 && lstrcmpiA(ClassOf(window), "Static") == 0 &&
           lstrcmpA(TextOf(window), "...") == 0;
}

inline HWND MarkOf(HWND field)
{
    HWND holder = field;
    if (lstrcmpiA(ClassOf(GetParent(field)), "ComboBox") == 0)
        holder = GetParent(field);
    HWND above = GetWindow(holder, GW_HWNDPREV);
    return IsMark(above) ? above : nullptr;
}

// The clipboard's text in a format (CF_TEXT unless told), or "(no text)",
// or "(clipboard busy)" where it cannot be opened. Each call overwrites the
// last answer.
inline const char* ClipboardText(HWND owner, UINT format = CF_TEXT)
{
    static char text[1 << 20];
    text[0] = '\0';
    if (!OpenClipboard(owner))
        return "(clipboard busy)";
    HANDLE data = GetClipboardData(format);
    if (data) {
        lstrcpynA(text, static_cast<const char*>(GlobalLock(data)), sizeof text);
        GlobalUnlock(data);
    } else {
        lstrcpyA(text, "(no text)");
    }
    CloseClipboard();
    return text;
}

// A rectangle of dialog units in pixels of the given dialog, converted as the
// dialog manager does: place and size each on their own.
inline RECT DialogRect(HWND dialog, int x, int y, int width, int height)
{
    RECT r = {x, y, width, height};
    MapDialogRect(dialog, &r);
    return RECT{r.left, r.top, r.left + r.right, r.top + r.bottom};
}

// A list view's cell as the list holds it; row -1 reads the column's name.
inline void ListCell(HWND list, int row, int column, char* cell, int size)
{
    cell[0] = '\0';
    if (row < 0) {
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT;
        c.pszText = cell;
        c.cchTextMax = size;
        SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
    } else {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = cell;
        item.cchTextMax = size;
        SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
}

// The room a static's text needs, laid out as the control draws it
// (word-wrapped within its width, in its own font, with the given flags).
inline RECT WrappedTextNeed(HWND control, const char* text, UINT flags)
{
    RECT client;
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(
        dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT need = {0, 0, client.right, 0};
    DrawTextA(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK | flags);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return need;
}

inline bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

#define CHECK_RECT(actual, expected, what)                                                   \
    do {                                                                                     \
        RECT a_ = (actual), e_ = (expected);                                                 \
        if (!CheckTrue(SameRect(a_, e_), what, __FILE__, __LINE__))                          \
            printf("    expected (%ld,%ld)-(%ld,%ld), got (%ld,%ld)-(%ld,%ld)\n", e_.left,    \
                   e_.top, e_.right, e_.bottom, a_.left, a_.top, a_.right, a_.bottom);       \
    } while (0)

// Watches for message boxes and dialogs from a second thread: records the
// caption and the text of each, then presses its button, so a modal box
// never hangs a test.
struct SeenBox {
    char caption[256];
    char text[512];
};

inline SeenBox SeenBoxes[8];
inline volatile LONG SeenBoxCount;
inline volatile LONG WatcherStop;
inline DWORD WatchedThread;

inline BOOL CALLBACK CollectStaticText(HWND child, LPARAM lParam)
{
    char* out = reinterpret_cast<char*>(lParam);
    char name[32];
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0 && out[0] == '\0') {
        SendMessageA(child, WM_GETTEXT, 512, lParam);
    }
    return TRUE;
}

inline BOOL CALLBACK FindBox(HWND window, LPARAM lParam)
{
    char name[32];
    GetClassNameA(window, name, sizeof name);
    if (IsWindowVisible(window) && lstrcmpA(name, "#32770") == 0 &&
        GetDlgItem(window, IDOK)) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

inline DWORD WINAPI WatchBoxes(LPVOID)
{
    while (!WatcherStop) {
        HWND box = nullptr;
        EnumThreadWindows(WatchedThread, FindBox, reinterpret_cast<LPARAM>(&box));
        if (box && SeenBoxCount < 8) {
            SeenBox& seen = SeenBoxes[SeenBoxCount];
            SendMessageA(box, WM_GETTEXT, sizeof seen.caption,
                         reinterpret_cast<LPARAM>(seen.caption));
            seen.text[0] = '\0';
            EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(seen.text));
            InterlockedIncrement(&SeenBoxCount);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            while (IsWindow(box) && IsWindowVisible(box) && !WatcherStop)
                Sleep(5);
        }
        Sleep(10);
    }
    return 0;
}

inline HANDLE StartBoxWatcher()
{
    SeenBoxCount = 0;
    WatcherStop = 0;
    WatchedThread = GetCurrentThreadId();
    return CreateThread(nullptr, 0, WatchBoxes, nullptr, 0, nullptr);
}

inline void StopBoxWatcher(HANDLE watcher)
{
    WatcherStop = 1;
    WaitForSingleObject(watcher, 5000);
    CloseHandle(watcher);
}

#endif
