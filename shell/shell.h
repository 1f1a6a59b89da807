// The application shell: start-up, the main window, its menu and boxes.
// The instance handle and PanelHost, each set once at start-up, are declared
// with the panel, which lives in them.
#ifndef LEDGERLY_SHELL_H
#define LEDGERLY_SHELL_H

#include <windows.h>

// The name of the main window's class.
constexpr const char* MainClassName = "Win32Generic";

// Where a start-up failure is reported from: the fixed line and source unit
// that the warning box names.
constexpr WORD RegisterFailedLine = 83;
constexpr WORD CreateWindowFailedLine = 211;
constexpr WORD PanelHostFailedLine = 297;
constexpr const char* InitUnit = "INITPROC";
constexpr const char* WndprocUnit = "Wndproc";

// Start-up (initproc.cpp).
int RunLedgerly(HINSTANCE instance);
int RegisterMainClass(HINSTANCE instance);
int CreateMainWindow(HINSTANCE instance, int show);
WPARAM RunMessageLoop();
void ReportSystemError(WORD line, const char* unit);

// The main window and its boxes (wndproc.cpp).
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void HandleMenuCommand(HWND window, WORD id);
INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK HelpBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

// The main window grown to hold the panel where it does not fit (fit.cpp).
void FitWindowToPanel(HWND window);

#endif
