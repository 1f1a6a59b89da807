// The floor for start-up: registers a class and shows an empty window.
// Like Ledgerly, it has an entry point of its own and no C runtime.
#include <windows.h>

static LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static int RunMinimal(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MinimalProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "MinimalWindow";
    if (!RegisterClassA(&wc))
        return 1;
    HWND window = CreateWindowExA(0, "MinimalWindow", "Minimal", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  10, 10, 474, 227, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

extern "C" __attribute__((force_align_arg_pointer, noreturn)) void LedgerlyStart() __asm__(
    "LedgerlyStart");

extern "C" void LedgerlyStart()
{
    ExitProcess(static_cast<UINT>(RunMinimal(GetModuleHandleA(nullptr))));
}
