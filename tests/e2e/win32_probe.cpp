// Reads the program's state back through real Win32 calls, for the
// end-to-end tests. One command per run; prints plain "key=value" lines.
// Texts are read with the wide calls and printed as the hex of their UTF-8,
// so that they read the same whatever the ANSI code page.
//   window CAPTION        the top-level window and its first child button
//   boxes                 every visible message box: caption and text
//   clipboard             CF_TEXT's bytes, CF_UNICODETEXT's UTF-16LE bytes,
//                         CF_LOCALE, the formats on it, the system's locale
//                         and ANSI code page
//   set-clipboard HEX     puts those bytes on the clipboard as CF_TEXT
//   hold-clipboard MS     keeps the clipboard open for MS milliseconds
//   cwd CAPTION           the current folder of that window's process
#include <windows.h>
#include <shellapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& wide) {
  if (wide.empty())
    return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(),
                                 static_cast<int>(wide.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string text(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                      text.data(), size, nullptr, nullptr);
  return text;
}

std::string Hex(const std::string& bytes) {
  std::string out;
  char digits[3];
  for (unsigned char c : bytes) {
    snprintf(digits, sizeof digits, "%02x", c);
    out += digits;
  }
  return out;
}

std::string WindowText(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return Utf8(text);
}

void PrintRect(const char* name, RECT r) {
  printf("%s=%ld,%ld,%ld,%ld\n", name, r.left, r.top, r.right - r.left,
         r.bottom - r.top);
}

int Window(const wchar_t* caption) {
  HWND window = FindWindowW(nullptr, caption);
  if (!window)
    return printf("found=0\n"), 1;
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  printf("found=1\n");
  PrintRect("outer", outer);
  PrintRect("client", client);
  printf("client_origin=%ld,%ld\n", origin.x, origin.y);
  printf("style=0x%08lx\nexstyle=0x%08lx\n", GetWindowLongA(window, GWL_STYLE),
         GetWindowLongA(window, GWL_EXSTYLE));
  printf("enabled=%d\nvisible=%d\n", IsWindowEnabled(window) ? 1 : 0,
         IsWindowVisible(window) ? 1 : 0);
  printf("foreground=%d\n", GetForegroundWindow() == window ? 1 : 0);
  printf("screen=%d,%d\n", GetSystemMetrics(SM_CXSCREEN),
         GetSystemMetrics(SM_CYSCREEN));
  if (HWND button = FindWindowExW(window, nullptr, L"Button", nullptr)) {
    RECT r;
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    PrintRect("button", r);
    printf("button_text_hex=%s\n", Hex(WindowText(button)).c_str());
    printf("button_style=0x%08lx\n", GetWindowLongA(button, GWL_STYLE));
  }
  return 0;
}

BOOL CALLBACK PrintBox(HWND window, LPARAM) {
  wchar_t class_name[64] = L"";
  GetClassNameW(window, class_name, 64);
  if (wcscmp(class_name, L"#32770") != 0 || !IsWindowVisible(window))
    return TRUE;
  HWND text = GetDlgItem(window, 0xFFFF);
  printf("box_caption_hex=%s\n", Hex(WindowText(window)).c_str());
  printf("box_text_hex=%s\n", Hex(text ? WindowText(text) : "").c_str());
  // An icon pushes the text to the right of it.
  RECT r = {};
  if (text) {
    GetWindowRect(text, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  }
  printf("box_icon=%d\n", r.left > 40 ? 1 : 0);
  printf("box_text_left=%ld\n", r.left);
  return TRUE;
}

int Clipboard() {
  for (int attempt = 0; !OpenClipboard(nullptr); ++attempt) {
    if (attempt == 50)
      return printf("opened=0\n"), 1;
    Sleep(20);
  }
  printf("opened=1\n");
  // Asked for first: asking for a format the system derives would add it.
  printf("formats=");
  for (UINT format = EnumClipboardFormats(0); format;
       format = EnumClipboardFormats(format))
    printf("%u,", format);
  printf("\n");
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    printf("text_hex=%s\n",
           Hex(std::string(bytes, strnlen(bytes, GlobalSize(data)))).c_str());
    GlobalUnlock(data);
  } else {
    printf("text=none\n");
  }
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const wchar_t* units = static_cast<const wchar_t*>(GlobalLock(data));
    size_t length = wcsnlen(units, GlobalSize(data) / sizeof(wchar_t));
    printf("unicode_hex=%s\n",
           Hex(std::string(reinterpret_cast<const char*>(units),
                           length * sizeof(wchar_t))).c_str());
    GlobalUnlock(data);
  }
  if (HANDLE data = GetClipboardData(CF_LOCALE)) {
    printf("locale=0x%04lx\n", *static_cast<const LCID*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  printf("system_locale=0x%04lx\nacp=%u\n", GetSystemDefaultLCID(), GetACP());
  return 0;
}

int SetClipboard(const char* hex) {
  std::string bytes;
  for (size_t i = 0; hex[i] && hex[i + 1]; i += 2)
    bytes += static_cast<char>(strtol(std::string(hex + i, 2).c_str(), nullptr, 16));
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  memcpy(GlobalLock(block), bytes.c_str(), bytes.size() + 1);
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr))
    return 1;
  EmptyClipboard();
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
  return 0;
}

int HoldClipboard(int ms) {
  HWND window = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0,
                                HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!OpenClipboard(window))
    return 1;
  printf("held=1\n");
  fflush(stdout);
  Sleep(ms);
  CloseClipboard();
  return 0;
}

// Reads the current folder out of the other process's parameters block.
int CurrentFolder(const wchar_t* caption) {
  HWND window = FindWindowW(nullptr, caption);
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ,
                               FALSE, id);
  if (!window || !process)
    return printf("found=0\n"), 1;
  PROCESS_BASIC_INFORMATION basic = {};
  NtQueryInformationProcess(process, ProcessBasicInformation, &basic,
                            sizeof basic, nullptr);
  PEB peb = {};
  RTL_USER_PROCESS_PARAMETERS parameters = {};
  ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr);
  ReadProcessMemory(process, peb.ProcessParameters, &parameters,
                    sizeof parameters, nullptr);
  // CurrentDirectory.DosPath is the UNICODE_STRING right after the
  // documented Reserved2 block of the parameters.
  UNICODE_STRING path = {};
  auto* base = reinterpret_cast<char*>(peb.ProcessParameters);
  ReadProcessMemory(process, base + offsetof(RTL_USER_PROCESS_PARAMETERS, Reserved2) +
                                 5 * sizeof(PVOID),
                    &path, sizeof path, nullptr);
  std::wstring wide(path.Length / sizeof(wchar_t), L'\0');
  ReadProcessMemory(process, path.Buffer, wide.data(), path.Length, nullptr);
  CloseHandle(process);
  printf("found=1\ncwd_hex=%s\n", Hex(Utf8(wide)).c_str());
  return 0;
}

}  // namespace

int main() {
  // The wide command line: the ANSI one cannot carry every caption.
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring command = argc > 1 ? argv[1] : L"";
  std::string argument = argc > 2 ? Utf8(argv[2]) : "";
  if (command == L"window" && argc > 2)
    return Window(argv[2]);
  if (command == L"boxes")
    return EnumWindows(PrintBox, 0), 0;
  if (command == L"clipboard")
    return Clipboard();
  if (command == L"cwd" && argc > 2)
    return CurrentFolder(argv[2]);
  if (command == L"set-clipboard" && argc > 2)
    return SetClipboard(argument.c_str());
  if (command == L"hold-clipboard" && argc > 2)
    return HoldClipboard(atoi(argument.c_str()));
  fprintf(stderr, "unknown command\n");
  return 2;
}
