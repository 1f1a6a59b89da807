// Start-up failures: each is reported in a warning box with the system's
// last error code, a fixed line and the source unit, and the program ends
// with exit code 0 without a window.
#include "tests/win/winharness.h"

static const char* BlockedClass;

// Refuses the creation of windows of one class, as a failing system would.
static LRESULT CALLBACK BlockCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        char name[64] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (lstrcmpiA(name, BlockedClass) == 0)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A top-level window of this test's thread: none may appear after a failure.
// (Other programs on the same display may show a Ledgerly window of their own.)
static BOOL CALLBACK NoteWindow(HWND window, LPARAM lParam)
{
    if (IsWindowVisible(window))
        *reinterpret_cast<bool*>(lParam) = true;
    return TRUE;
}

static bool OwnWindowShown()
{
    bool shown = false;
    EnumThreadWindows(GetCurrentThreadId(), NoteWindow, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

static bool EndsWith(const char* text, const char* tail)
{
    size_t n = strlen(text), m = strlen(tail);
    return n >= m && strcmp(text + n - m, tail) == 0;
}

static void CheckBox(int index, const char* text)
{
    char what[64];
    wsprintfA(what, "box %d", index);
    if (!CHECK(SeenBoxCount > index))
        return;
    CHECK_TEXT(SeenBoxes[index].text, text, what);
    CHECK(strncmp(SeenBoxes[index].caption, "An ", 3) == 0);
    CHECK(EndsWith(SeenBoxes[index].caption, " error occured."));
}

// RunLedgerly with a watcher that answers every box.
static int RunWatched()
{
    HANDLE watcher = StartBoxWatcher();
    int code = RunLedgerly(GetModuleHandleA(nullptr));
    StopBoxWatcher(watcher);
    return code;
}

int main()
{
    HarnessStart();
    HINSTANCE instance = GetModuleHandleA(nullptr);

    // The box names the last error as a signed number, read first.
    HANDLE watcher = StartBoxWatcher();
    SetLastError(12345);
    ReportSystemError(RegisterFailedLine, InitUnit);
    SetLastError(0xFFFFFFFF);
    ReportSystemError(PanelHostFailedLine, WndprocUnit);
    StopBoxWatcher(watcher);
    CHECK_INT(SeenBoxCount, 2, "boxes shown");
    CHECK_TEXT(SeenBoxes[0].caption, "An 12345 error occured.", "caption");
    CHECK_TEXT(SeenBoxes[0].text, "Generic, Line=83, File=INITPROC", "text");
    CHECK_TEXT(SeenBoxes[1].caption, "An -1 error occured.", "negative code");
    CHECK_TEXT(SeenBoxes[1].text, "Generic, Line=297, File=Wndproc", "text");

    // The class is taken already: registration fails, line 83.
    WNDCLASSA taken = {};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = instance;
    taken.lpszClassName = MainClassName;
    CHECK(RegisterClassA(&taken) != 0);
    CHECK_INT(RunWatched(), 0, "exit code after failed registration");
    CHECK_INT(SeenBoxCount, 1, "one box");
    CheckBox(0, "Generic, Line=83, File=INITPROC");
    CHECK_TEXT(SeenBoxes[0].caption, "An 1410 error occured.", "class already exists");
    CHECK(!OwnWindowShown());
    UnregisterClassA(MainClassName, instance);

    // The host cannot be created: line 297, then the main window fails, line 211.
    BlockedClass = "SysTreeView32";
    HHOOK hook = SetWindowsHookExA(WH_CBT, BlockCreation, nullptr, GetCurrentThreadId());
    CHECK_INT(RunWatched(), 0, "exit code after failed host");
    CHECK_INT(SeenBoxCount, 2, "two boxes");
    CheckBox(0, "Generic, Line=297, File=Wndproc");
    CheckBox(1, "Generic, Line=211, File=INITPROC");
    CHECK(!OwnWindowShown());
    UnhookWindowsHookEx(hook);
    UnregisterClassA(MainClassName, instance);

    // The main window itself cannot be created: line 211 only.
    BlockedClass = MainClassName;
    hook = SetWindowsHookExA(WH_CBT, BlockCreation, nullptr, GetCurrentThreadId());
    CHECK_INT(RunWatched(), 0, "exit code after failed window");
    CHECK_INT(SeenBoxCount, 1, "one box");
    CheckBox(0, "Generic, Line=211, File=INITPROC");
    UnhookWindowsHookEx(hook);
    return HarnessFinish("startup");
}
