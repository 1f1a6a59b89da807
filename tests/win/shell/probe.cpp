// Looks at a running Ledgerly from outside, as a second process: finds its
// windows and prints where they are on the screen or what they show, so a
// script can click them with real mouse events and read the results.
//   probe wait                    wait for the main window
//   probe rect TARGET             screen rectangle: x y width height
//   probe center TARGET           screen point in the middle: x y
//   probe text TARGET             the window's text
//   probe settext TARGET TEXT     replace the window's text
//   probe command ID              post a menu command to the main window
// TARGET: main, panel:ID, page:ID (on the visible page), tab:INDEX, box, box:ID.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static HWND FindMain()
{
    return FindWindowA("Win32Generic", "Ledgerly");
}

static HWND FindPanel()
{
    HWND host = GetDlgItem(FindMain(), 101);
    return host ? GetWindow(host, GW_CHILD) : nullptr;
}

static HWND VisiblePage()
{
    for (HWND child = GetWindow(FindPanel(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = "";
        GetClassNameA(child, name, sizeof name);
        if (strcmp(name, "#32770") == 0 && IsWindowVisible(child))
            return child;
    }
    return nullptr;
}

// A visible modal box of the program (Help or About).
static HWND FindBox()
{
    DWORD pid = 0;
    GetWindowThreadProcessId(FindMain(), &pid);
    for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT)) {
        char name[16] = "";
        DWORD owner = 0;
        GetWindowThreadProcessId(top, &owner);
        GetClassNameA(top, name, sizeof name);
        if (owner == pid && strcmp(name, "#32770") == 0 && IsWindowVisible(top))
            return top;
    }
    return nullptr;
}

// The rectangle of a tab item, read through memory in the program's process.
static bool TabRect(int index, RECT* out)
{
    HWND tabs = GetDlgItem(FindPanel(), 1011);
    DWORD pid = 0;
    GetWindowThreadProcessId(tabs, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    bool ok = remote && SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote)) &&
              ReadProcessMemory(process, remote, out, sizeof *out, nullptr);
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    if (ok)
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(out), 2);
    return ok;
}

static bool Resolve(const char* target, HWND* window, RECT* rect)
{
    const char* colon = strchr(target, ':');
    int number = colon ? atoi(colon + 1) : 0;
    *window = nullptr;
    if (strcmp(target, "main") == 0)
        *window = FindMain();
    else if (strncmp(target, "panel:", 6) == 0)
        *window = GetDlgItem(FindPanel(), number);
    else if (strncmp(target, "page:", 5) == 0)
        *window = GetDlgItem(VisiblePage(), number);
    else if (strcmp(target, "box") == 0)
        *window = FindBox();
    else if (strncmp(target, "box:", 4) == 0)
        *window = GetDlgItem(FindBox(), number);
    else if (strncmp(target, "tab:", 4) == 0)
        return TabRect(number, rect);
    return *window && GetWindowRect(*window, rect);
}

int main(int argc, char** argv)
{
    if (argc >= 2 && strcmp(argv[1], "wait") == 0) {
        for (int i = 0; i < 750; ++i) {
            HWND main = FindMain();
            if (main && IsWindowVisible(main) && FindPanel()) {
                puts("ok");
                return 0;
            }
            Sleep(20);
        }
        return 1;
    }
    if (argc >= 3 && strcmp(argv[1], "command") == 0)
        return PostMessageA(FindMain(), WM_COMMAND, atoi(argv[2]), 0) ? 0 : 1;
    if (argc < 3)
        return 2;
    HWND window;
    RECT r;
    if (!Resolve(argv[2], &window, &r)) {
        fprintf(stderr, "probe: no window for %s\n", argv[2]);
        return 1;
    }
    if (strcmp(argv[1], "rect") == 0) {
        printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (strcmp(argv[1], "center") == 0) {
        printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    } else if (strcmp(argv[1], "text") == 0) {
        char text[1024] = "";
        SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        puts(text);
    } else if (strcmp(argv[1], "settext") == 0 && argc >= 4) {
        SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]));
    } else {
        return 2;
    }
    return 0;
}
