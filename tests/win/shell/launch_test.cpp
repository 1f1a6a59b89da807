// Starts the built program as a separate process, waits for its window,
// closes it as the close button does and checks the exit code.
#include <windows.h>
#include "tests/harness.h"
#include "tests/win/winpath.h"

static HWND WaitForWindow(DWORD milliseconds)
{
    for (DWORD waited = 0; waited < milliseconds; waited += 20) {
        HWND window = FindWindowA("Win32Generic", "Ledgerly");
        if (window && IsWindowVisible(window))
            return window;
        Sleep(20);
    }
    return nullptr;
}

int main(int argc, char** argv)
{
    HarnessStart();
    if (!CHECK(argc == 2))
        return HarnessFinish("launch");
    char path[MAX_PATH];
    ToWindowsPath(argv[1], path, sizeof path);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CHECK(CreateProcessA(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process)))
        return HarnessFinish("launch");
    WaitForInputIdle(process.hProcess, 10000);
    HWND window = WaitForWindow(10000);
    CHECK(window != nullptr);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    CHECK_INT(pid, process.dwProcessId, "window belongs to the new process");
    RECT r = {};
    GetWindowRect(window, &r);
    CHECK(r.left == 10 && r.top == 10 && r.right - r.left == 474 && r.bottom - r.top == 227);

    PostMessageA(window, WM_CLOSE, 0, 0);
    CHECK_INT(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0, "process ends");
    DWORD code = 12345;
    GetExitCodeProcess(process.hProcess, &code);
    CHECK_INT(code, 0, "exit code");
    if (code == STILL_ACTIVE)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return HarnessFinish("launch");
}
