// The main window over the Win32 API: a window class, a button, and a
// WndProc that hands each message to a short handler.
#include <windows.h>

#include "command/extract_and_copy.h"
#include "platform/program_window_win32.h"
#include "platform/wide_text_win32.h"
#include "ui/main_window.h"
#include "ui/main_window_form.h"
#include "ui/main_window_win32.h"

namespace {

const wchar_t kClassName[] = L"JpgNamesMainWindow";
const wchar_t kIconName[] = L"DEFAULT_ICON";
constexpr int kWidth = kMainWindowWidth;
constexpr int kHeight = kMainWindowHeight;
constexpr int kButtonId = 1;
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                         WS_CLIPCHILDREN;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                               BS_PUSHBUTTON | BS_CENTER | BS_VCENTER |
                               BS_MULTILINE;

HWND button = nullptr;

HANDLE LoadIconOfSize(HINSTANCE instance, int size) {
  return LoadImageW(instance, kIconName, IMAGE_ICON, size, size, 0);
}

void OnCommand(WPARAM wparam) {
  if (LOWORD(wparam) == kButtonId && HIWORD(wparam) == BN_CLICKED)
    ExtractAndCopy();
}

void OnDestroy(HWND window) {
  ReleaseDropTarget(window);
  SetProgramWindow(nullptr);
  PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam,
                                LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(wparam);
      return 0;
    case WM_ACTIVATE:
      // The button is the only control: it has the focus whenever we do.
      if (LOWORD(wparam) != WA_INACTIVE && button)
        SetFocus(button);
      return 0;
    case WM_SETFOCUS:
      if (button)
        SetFocus(button);
      return 0;
    case WM_DESTROY:
      OnDestroy(window);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = MainWindowProc;
  window_class.hInstance = instance;
  window_class.hIcon = static_cast<HICON>(LoadIconOfSize(instance, 32));
  window_class.hIconSm = static_cast<HICON>(LoadIconOfSize(instance, 16));
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  return RegisterClassExW(&window_class) != 0;
}

POINT CentredOrigin() {
  return {(GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2,
          (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2};
}

// Outer size 193 x 91, centred: put back if the system chose another size.
void KeepOuterSize(HWND window, POINT origin) {
  RECT rect;
  GetWindowRect(window, &rect);
  if (rect.right - rect.left != kWidth || rect.bottom - rect.top != kHeight)
    MoveWindow(window, origin.x, origin.y, kWidth, kHeight, FALSE);
}

void SetIconsAndFont(HWND window, HINSTANCE instance) {
  if (HANDLE big = LoadIconOfSize(instance, 32))
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  if (HANDLE small = LoadIconOfSize(instance, 16))
    SendMessageW(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(small));
  SendMessageW(window, WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
}

HWND CreateButton(HWND window, HINSTANCE instance) {
  HWND control = CreateWindowExW(
      0, L"BUTTON", WideText(kButtonCaption).c_str(), kButtonStyle,
      kButtonRect.x, kButtonRect.y, kButtonRect.width, kButtonRect.height,
      window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)),
      instance, nullptr);
  SendMessageW(control, WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return control;
}

}  // namespace

bool LoadStartWindow() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterMainWindowClass(instance))
    return false;
  POINT origin = CentredOrigin();
  HWND window = CreateWindowExW(0, kClassName,
                                WideText(kMainWindowCaption).c_str(), kStyle,
                                origin.x, origin.y, kWidth, kHeight, nullptr,
                                nullptr, instance, nullptr);
  if (!window)
    return false;
  KeepOuterSize(window, origin);
  SetIconsAndFont(window, instance);
  button = CreateButton(window, instance);
  SetProgramWindow(window);
  OnMainWindowCreated();
  if (IsWindow(window))
    ShowWindow(window, SW_SHOW);
  return true;
}

bool HandleMainWindowKey(const MSG& message) {
  HWND window = ProgramWindow();
  if (message.message != WM_KEYDOWN || !window ||
      (message.hwnd != window && !IsChild(window, message.hwnd)))
    return false;
  switch (message.wParam) {
    case VK_ESCAPE:
      if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0 ||
          GetKeyState(VK_MENU) < 0)
        return false;
      PostMessageW(window, WM_CLOSE, 0, 0);
      return true;
    case VK_TAB:     // the focus stays on the button
    case VK_RETURN:  // no default button
      return true;
  }
  return false;
}
