// Folder browser, clipboard and message box over the wide Win32 API.
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/desktop.h"
#include "platform/program_window_win32.h"
#include "platform/wide_text_win32.h"

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

// The item's file-system path, however long; the empty text for an item
// that has none (the computer, the network).
Text PathOfItem(LPITEMIDLIST item) {
  std::wstring buffer(32768, L'\0');
  Text path;
  if (SHGetPathFromIDListEx(item, buffer.data(),
                            static_cast<DWORD>(buffer.size()), GPFIDL_DEFAULT))
    path = TextOfWide(buffer.c_str());
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

HGLOBAL CopyToGlobal(const void* bytes, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block)
    return nullptr;
  if (void* target = GlobalLock(block)) {
    CopyMemory(target, bytes, size);
    GlobalUnlock(block);
    return block;
  }
  GlobalFree(block);
  return nullptr;
}

// The text in the ANSI code page, as programs that read CF_TEXT expect it;
// a character that code page cannot spell comes out as the system's
// default character.
std::string AnsiText(const std::wstring& wide) {
  if (wide.empty())
    return std::string();
  int size = WideCharToMultiByte(CP_ACP, 0, wide.data(),
                                 static_cast<int>(wide.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string ansi(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                      ansi.data(), size, nullptr, nullptr);
  return ansi;
}

// One clipboard format's block, built before the clipboard is opened and
// freed again unless the clipboard took it.
struct ClipboardBlock {
  UINT format;
  HGLOBAL block;
};

std::vector<ClipboardBlock> TextBlocks(const Text& text) {
  std::wstring wide = WideText(text);
  std::string ansi = AnsiText(wide);
  // The locale whose ANSI code page CF_TEXT is in: a reader converting
  // between the two text formats must not guess it from the keyboard.
  LCID locale = GetSystemDefaultLCID();
  return {
      {CF_UNICODETEXT,
       CopyToGlobal(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t))},
      {CF_TEXT, CopyToGlobal(ansi.c_str(), ansi.size() + 1)},
      {CF_LOCALE, CopyToGlobal(&locale, sizeof locale)},
  };
}

void FreeBlocks(std::vector<ClipboardBlock>& blocks) {
  for (ClipboardBlock& entry : blocks)
    if (entry.block)
      GlobalFree(entry.block);
}

bool PlaceBlocks(std::vector<ClipboardBlock>& blocks) {
  if (!EmptyClipboard())
    return false;
  for (ClipboardBlock& entry : blocks) {
    if (!SetClipboardData(entry.format, entry.block))
      return false;
    entry.block = nullptr;  // the clipboard's now
  }
  return true;
}

}  // namespace

void SetProgramWindow(HWND window) { program_window = window; }

HWND ProgramWindow() { return program_window; }

Text BrowseForFolder(const Text& title) {
  wchar_t display_name[MAX_PATH];
  std::wstring wide_title = WideText(title);
  HWND active = GetActiveWindow();
  BROWSEINFOW info = {};
  info.hwndOwner = IsWindow(active) ? active : nullptr;
  info.pszDisplayName = display_name;
  info.lpszTitle = wide_title.c_str();
  info.ulFlags = BIF_EDITBOX;

  HWND foreground = GetForegroundWindow();
  std::vector<WindowState> saved = DisableProgramWindows();
  LPITEMIDLIST item = SHBrowseForFolderW(&info);
  RestoreWindows(saved, foreground, active);
  return item ? PathOfItem(item) : Text();
}

bool SetClipboardText(const Text& text) {
  // Built first, so that a failure here leaves the clipboard untouched.
  std::vector<ClipboardBlock> blocks = TextBlocks(text);
  bool built = true;
  for (const ClipboardBlock& entry : blocks)
    built = built && entry.block;
  bool placed = false;
  if (built && OpenClipboardPatiently(IsWindow(program_window) ? program_window
                                                               : nullptr)) {
    placed = PlaceBlocks(blocks);
    CloseClipboard();
  }
  FreeBlocks(blocks);
  return placed;
}

void ShowMessageBox(const Text& text, int32_t style, const Text& title) {
  UINT flags = static_cast<UINT>(style);
  if (!(flags & MB_SYSTEMMODAL))
    flags |= MB_TASKMODAL;
  // A box without an owner hands the activation to no one when it closes:
  // give it back to the window that had it, as the folder browser does.
  HWND active = GetActiveWindow();
  MessageBoxW(nullptr, WideText(text).c_str(), WideText(title).c_str(), flags);
  if (IsWindow(active)) {
    SetForegroundWindow(active);
    SetActiveWindow(active);
  }
}
