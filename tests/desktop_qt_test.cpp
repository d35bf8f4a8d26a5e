// The real X clipboard through Qt, read back as bytes by another process.
#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/desktop.h"

namespace {

// Runs xclip while this process keeps serving its clipboard.
Text ReadClipboardWithXclip() {
  QProcess xclip;
  QEventLoop loop;
  QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  xclip.start("xclip", {"-selection", "clipboard", "-o"});
  loop.exec();
  return xclip.readAllStandardOutput().toStdString();
}

TEST(QtClipboard, HoldsTheExactUtf8BytesAsText) {
  const Text texts[] = {"a\r\nb\r\n", "照片\r\nIMG_2\r\n", "\r\n"};
  for (const Text& text : texts) {
    ASSERT_TRUE(SetClipboardText(text));
    EXPECT_EQ(ReadClipboardWithXclip(), text);
  }
}

TEST(QtClipboard, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  // A Linux file name may hold any bytes; the clipboard's text is UTF-8.
  ASSERT_TRUE(SetClipboardText("a\xFF\r\nb\r\n"));
  EXPECT_EQ(ReadClipboardWithXclip(), "a\xEF\xBF\xBD\r\nb\r\n");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
