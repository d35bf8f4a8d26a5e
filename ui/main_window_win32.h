// What the Win32 main window shares with its drop target and the loop.
#pragma once

#include <windows.h>

// Revokes and releases the drop target, as the window is destroyed.
void ReleaseDropTarget(HWND window);

// The window's own keys (Esc closes, Tab and Enter do nothing); true when
// the message was one of them and must not be dispatched.
bool HandleMainWindowKey(const MSG& message);
