// The program's entry point.
#include <windows.h>
#include "numtext/fpu.h"
#include "shell/shell.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    SetDoublePrecision();
    return RunLedgerly(instance);
}
