// The real Win32 clipboard, read back as bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/desktop.h"

namespace {

Text ReadClipboardText() {
  Text text;
  if (!OpenClipboard(nullptr))
    return "<clipboard not opened>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    size_t size = GlobalSize(data);
    text.assign(bytes, strnlen(bytes, size));
    GlobalUnlock(data);
  } else {
    text = "<no CF_TEXT>";
  }
  CloseClipboard();
  return text;
}

void PutCustomFormat(UINT format) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  SetClipboardData(format, block);
  CloseClipboard();
}

TEST(Win32Clipboard, HoldsTheExactBytesAsText) {
  const Text texts[] = {"a\r\nb\r\n", "照片\r\n\xDF\x5C\r\n", "\r\n", ""};
  for (const Text& text : texts) {
    ASSERT_TRUE(SetClipboardText(text));
    EXPECT_EQ(ReadClipboardText(), text);
  }
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
