// Folder browser, clipboard and message box over the ANSI Win32 API.
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/desktop.h"
#include "platform/program_window_win32.h"

namespace {

HWND program_window = nullptr;

constexpr int kOpenClipboardTries = 10;
constexpr DWORD kOpenClipboardPauseMs = 50;

struct WindowState {
  HWND window;
  BOOL enabled;
};

// Disables the program's own top-level windows for the time the folder
// browser is open, remembering how they were.
std::vector<WindowState> DisableProgramWindows() {
  std::vector<WindowState> saved;
  HWND window = program_window;
  if (IsWindow(window) && !GetParent(window)) {
    saved.push_back({window, IsWindowEnabled(window)});
    EnableWindow(window, FALSE);
  }
  return saved;
}

void RestoreWindows(const std::vector<WindowState>& saved, HWND foreground,
                    HWND active) {
  for (const WindowState& state : saved)
    EnableWindow(state.window, state.enabled);
  if (IsWindow(foreground))
    SetForegroundWindow(foreground);
  if (IsWindow(active))
    SetActiveWindow(active);
}

Text PathOfItem(LPITEMIDLIST item, char* buffer) {
  buffer[0] = '\0';
  Text path;
  if (SHGetPathFromIDListA(item, buffer) && buffer[0] != '\0')
    path = buffer;
  IMalloc* shell_malloc = nullptr;
  if (SUCCEEDED(SHGetMalloc(&shell_malloc))) {
    shell_malloc->Free(item);
    shell_malloc->Release();
  }
  return path;
}

bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 1;; ++attempt) {
    if (OpenClipboard(owner))
      return true;
    if (attempt == kOpenClipboardTries)
      return false;
    Sleep(kOpenClipboardPauseMs);
  }
}

HGLOBAL CopyToGlobal(const Text& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  if (!block)
    return nullptr;
  if (void* bytes = GlobalLock(block)) {
    CopyMemory(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    return block;
  }
  GlobalFree(block);
  return nullptr;
}

}  // namespace

void SetProgramWindow(HWND window) { program_window = window; }

HWND ProgramWindow() { return program_window; }

Text BrowseForFolder(const Text& title) {
  char buffer[MAX_PATH];
  HWND active = GetActiveWindow();
  BROWSEINFOA info = {};
  info.hwndOwner = IsWindow(active) ? active : nullptr;
  info.pszDisplayName = buffer;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_EDITBOX;

  HWND foreground = GetForegroundWindow();
  std::vector<WindowState> saved = DisableProgramWindows();
  LPITEMIDLIST item = SHBrowseForFolderA(&info);
  RestoreWindows(saved, foreground, active);
  return item ? PathOfItem(item, buffer) : Text();
}

bool SetClipboardText(const Text& text) {
  // Built first, so that a failure here leaves the clipboard untouched.
  HGLOBAL block = CopyToGlobal(text);
  if (!block)
    return false;
  if (!OpenClipboardPatiently(IsWindow(program_window) ? program_window
                                                       : nullptr)) {
    GlobalFree(block);
    return false;
  }
  bool placed = EmptyClipboard() && SetClipboardData(CF_TEXT, block);
  CloseClipboard();
  if (!placed)
    GlobalFree(block);  // still ours: the clipboard did not take it
  return placed;
}

void ShowMessageBox(const Text& text, int32_t style, const Text& title) {
  UINT flags = static_cast<UINT>(style);
  if (!(flags & MB_SYSTEMMODAL))
    flags |= MB_TASKMODAL;
  // A box without an owner hands the activation to no one when it closes:
  // give it back to the window that had it, as the folder browser does.
  HWND active = GetActiveWindow();
  MessageBoxA(nullptr, text.c_str(), title.c_str(), flags);
  if (IsWindow(active)) {
    SetForegroundWindow(active);
    SetActiveWindow(active);
  }
}
