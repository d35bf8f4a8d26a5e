// The real Win32 clipboard, read back as bytes and as UTF-16.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/desktop.h"
#include "platform/wide_text_win32.h"

namespace {

// What the clipboard holds in the three formats the program places.
struct ClipboardTexts {
  std::string ansi = "<no CF_TEXT>";
  std::wstring wide = L"<no CF_UNICODETEXT>";
  LCID locale = 0;
};

ClipboardTexts ReadClipboard() {
  ClipboardTexts texts;
  if (!OpenClipboard(nullptr))
    return texts;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    texts.ansi.assign(bytes, strnlen(bytes, GlobalSize(data)));
    GlobalUnlock(data);
  }
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const wchar_t* units = static_cast<const wchar_t*>(GlobalLock(data));
    texts.wide.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
    GlobalUnlock(data);
  }
  if (HANDLE data = GetClipboardData(CF_LOCALE)) {
    texts.locale = *static_cast<const LCID*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return texts;
}

Text ReadClipboardText() { return TextOfWide(ReadClipboard().wide); }

void PutCustomFormat(UINT format) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  SetClipboardData(format, block);
  CloseClipboard();
}

// The unit tests run with code page 936, as on a Chinese Windows.
TEST(Win32Clipboard, HoldsTheExactNamesAsUnicodeAndAnsiTextWithItsLocale) {
  ASSERT_EQ(GetACP(), 936u);
  struct Case {
    Text text;
    std::wstring wide;
    std::string ansi;  // code page 936
  };
  const Case cases[] = {
      {"a\r\nb\r\n", L"a\r\nb\r\n", "a\r\nb\r\n"},
      {"照片\r\n運\r\n", L"\u7167\u7247\r\n\u904B\r\n",
       "\xD5\xD5\xC6\xAC\r\n\xDF\x5C\r\n"},
      {"\r\n", L"\r\n", "\r\n"},
      {"", L"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ASSERT_TRUE(SetClipboardText(c.text));
    ClipboardTexts texts = ReadClipboard();
    EXPECT_EQ(texts.wide, c.wide);
    EXPECT_EQ(texts.ansi, c.ansi);
    EXPECT_EQ(texts.locale, GetSystemDefaultLCID());
  }
}

TEST(Win32Clipboard, NamesCodePage936CannotSpellAreWholeInUnicode) {
  const Text text = "한국\r\n😀 café\r\n照片\r\n";
  ASSERT_TRUE(SetClipboardText(text));
  ClipboardTexts texts = ReadClipboard();
  EXPECT_EQ(texts.wide, L"\uD55C\uAD6D\r\n\U0001F600 caf\u00E9\r\n\u7167\u7247\r\n");
  // In CF_TEXT the line of a name stays a line, and what GBK spells is kept.
  EXPECT_EQ(texts.ansi.substr(texts.ansi.size() - 6), "\xD5\xD5\xC6\xAC\r\n");
  EXPECT_EQ(texts.ansi.substr(0, 4), "??\r\n");
}

TEST(Win32Clipboard, ReplacesEverythingThatWasThere) {
  const UINT custom = RegisterClipboardFormatA("jpgnames test format");
  PutCustomFormat(custom);
  ASSERT_TRUE(SetClipboardText("a\r\n"));
  EXPECT_FALSE(IsClipboardFormatAvailable(custom));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
}

// Another thread holds the clipboard open for hold_ms while the text is set.
// It opens it with a window of its own, as another program would: the
// clipboard tells openers apart by their window.
bool SetWhileHeld(const Text& text, DWORD hold_ms) {
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0,
                                  HWND_MESSAGE, nullptr, nullptr, nullptr);
    bool ok = OpenClipboard(window);
    SetEvent(opened);
    Sleep(hold_ms);
    if (ok)
      CloseClipboard();
    DestroyWindow(window);
  });
  WaitForSingleObject(opened, INFINITE);
  bool placed = SetClipboardText(text);
  holder.join();
  CloseHandle(opened);
  return placed;
}

TEST(Win32Clipboard, WaitsBrieflyForAClipboardHeldOpen) {
  ASSERT_TRUE(SetClipboardText("earlier"));
  EXPECT_TRUE(SetWhileHeld("later", 150));
  EXPECT_EQ(ReadClipboardText(), "later");
}

TEST(Win32Clipboard, GivesUpOnAClipboardHeldOpenLongerAndKeepsItsText) {
  ASSERT_TRUE(SetClipboardText("earlier"));
  EXPECT_FALSE(SetWhileHeld("later", 1500));
  EXPECT_EQ(ReadClipboardText(), "earlier");
}

}  // namespace
