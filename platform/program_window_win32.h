// The program's top-level window as the Win32 desktop services see it: the
// folder browser disables it while open, and the clipboard takes it as the
// owner of what the program places there.
#pragma once

#include <windows.h>

void SetProgramWindow(HWND window);
HWND ProgramWindow();
