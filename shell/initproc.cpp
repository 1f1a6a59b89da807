// Start-up: class registration, the main window, the message loop and the
// warning box that reports a failed start-up.
#include <windows.h>
#include "numtext/numtext.h"
#include "runtime/runtime.h"
#include "panel/panel.h"
#include "res/resource.h"
#include "shell/shell.h"

HINSTANCE AppInstance;

// Register, create, run. The show state the program was started with is
// ignored: the window always appears as SW_SHOW.
int RunLedgerly(HINSTANCE instance)
{
    if (!RegisterMainClass(instance)) {
        ReportSystemError(RegisterFailedLine, InitUnit);
        return 0;
    }
    if (!CreateMainWindow(instance, SW_SHOW))
        return 0;
    return static_cast<int>(RunMessageLoop());
}

int RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = 0;
    wc.lpfnWndProc = MainWindowProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_LEDGERLY));
    wc.hCursor = nullptr;  // PanelHost and MainPanel cover the client area
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
    wc.lpszClassName = MainClassName;
    return RegisterClassA(&wc) != 0;
}

int CreateMainWindow(HINSTANCE instance, int show)
{
    // The creation handler runs inside CreateWindowExA and needs the instance;
    // the panel it builds writes its numbers with the user's decimal mark.
    AppInstance = instance;
    UseUserDecimalMark();
    HWND window = CreateWindowExA(0, MainClassName, "Ledgerly",
                                  WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  10, 10, 474, 227, nullptr, nullptr, instance, nullptr);
    if (!window) {
        ReportSystemError(CreateWindowFailedLine, InitUnit);
        return 0;
    }
    ShowWindow(window, show);
    ShowKeyboardCues();
    UpdateWindow(window);
    // Creating and showing the window loads the common controls, and can
    // load other code (input methods, hooks) that changes the control word.
    LoadFpuControl();
    return 1;
}

// No dialog manager and no accelerators: the panel gets its keys as sent.
WPARAM RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return msg.wParam;
}

void ReportSystemError(WORD line, const char* unit)
{
    // Read first: any later call may change the thread's last error.
    DWORD code = GetLastError();
    char caption[256];
    char text[256];
    wsprintfA(caption, "An %ld error occured.", static_cast<long>(code));
    wsprintfA(text, "Generic, Line=%d, File=%s", static_cast<int>(line), unit);
    MessageBoxA(nullptr, text, caption, MB_ICONWARNING | MB_OK);
}
