// The program's entry point: Windows calls it directly, with no C runtime
// start-up code before it (the program links none), and the process ends
// with the message loop's exit code.
#include <windows.h>
#include "runtime/runtime.h"
#include "shell/shell.h"

// Named LedgerlyStart for the linker on both targets (no i686 underscore).
// Windows 95 enters with the stack aligned to 4 bytes only.
extern "C" __attribute__((force_align_arg_pointer, noreturn)) void LedgerlyStart() __asm__(
    "LedgerlyStart");

extern "C" void LedgerlyStart()
{
    LoadFpuControl();
    ExitProcess(static_cast<UINT>(RunLedgerly(GetModuleHandleA(nullptr))));
}
