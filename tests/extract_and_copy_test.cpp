// The command over real folders, with the dialogs and clipboard stood in.
#include <gtest/gtest.h>

#include "command/extract_and_copy.h"
#include "tests/recording_desktop.h"
#include "tests/temp_folder.h"

namespace {

using Calls = std::vector<std::string>;

const Text kEarlier = "earlier text";

class ExtractAndCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDesktop();
    Desktop().clipboard = kEarlier;
    FolderPath.clear();
    DroppedFlag = 0;
    photos_.AddFile("a.jpg");
    photos_.AddFile("b.JPG");
    photos_.AddFile("c.png");
  }

  void ExpectSuccess(const Text& clipboard) {
    EXPECT_EQ(Desktop().clipboard, clipboard);
    EXPECT_EQ(Desktop().box_title, "成功");
    EXPECT_EQ(Desktop().box_text, "成功将照片文件名复制到剪辑板.");
    EXPECT_EQ(Desktop().box_style, 0);
  }

  void ExpectUnreadable(const Text& folder) {
    EXPECT_EQ(Desktop().clipboard, kEarlier);
    EXPECT_EQ(Desktop().box_title, "失败");
    EXPECT_EQ(Desktop().box_text, "无法读取文件夹:\r\n" + folder);
    EXPECT_EQ(Desktop().box_style, 0x10);
  }

  TempFolder photos_;
};

TEST_F(ExtractAndCopyTest, ChosenFolderGoesToTheClipboard) {
  Desktop().chosen_folder = photos_.path();
  ExtractAndCopy();
  EXPECT_EQ(Desktop().calls, (Calls{"browse", "clipboard", "box"}));
  ExpectSuccess("a\r\nb\r\n");
  EXPECT_EQ(FolderPath, photos_.path());
}

TEST_F(ExtractAndCopyTest, CancelCopiesNothingAndSaysNothing) {
  FolderPath = photos_.path();
  Desktop().chosen_folder = "";
  ExtractAndCopy();
  EXPECT_EQ(Desktop().calls, (Calls{"browse"}));
  EXPECT_EQ(Desktop().clipboard, kEarlier);
  EXPECT_EQ(FolderPath, "");
}

TEST_F(ExtractAndCopyTest, FolderWithoutPhotosGivesOneEmptyLine) {
  TempFolder empty;
  empty.AddFile("notes.txt");
  Desktop().chosen_folder = empty.path();
  ExtractAndCopy();
  ExpectSuccess("\r\n");
}

TEST_F(ExtractAndCopyTest, FolderThatCannotBeListedIsReportedNotCopied) {
  const Text file = photos_.PathOf("a.jpg");
  const Text cases[] = {
      photos_.PathOf("missing"),
      file,
      photos_.path() + "\r\n" + file + "\r\n",
  };
  for (const Text& folder : cases) {
    SCOPED_TRACE(folder);
    ResetDesktop();
    Desktop().clipboard = kEarlier;
    Desktop().chosen_folder = folder;
    ExtractAndCopy();
    EXPECT_EQ(Desktop().calls, (Calls{"browse", "box"}));
    ExpectUnreadable(folder);
  }
}

TEST_F(ExtractAndCopyTest, DropWithoutAPathIsReported) {
  DroppedFlag = 1;
  FolderPath = "";
  ExtractAndCopy();
  EXPECT_EQ(Desktop().calls, (Calls{"box"}));
  ExpectUnreadable("");
}

TEST_F(ExtractAndCopyTest, ClipboardThatRefusesIsReported) {
  Desktop().chosen_folder = photos_.path();
  Desktop().clipboard_works = false;
  ExtractAndCopy();
  EXPECT_EQ(Desktop().calls, (Calls{"browse", "clipboard", "box"}));
  EXPECT_EQ(Desktop().clipboard, kEarlier);
  EXPECT_EQ(Desktop().box_title, "失败");
  EXPECT_EQ(Desktop().box_text, "无法将照片文件名复制到剪辑板.");
  EXPECT_EQ(Desktop().box_style, 0x10);
}

TEST_F(ExtractAndCopyTest, AfterADropRunsReuseTheDroppedFolder) {
  DroppedFlag = 1;
  FolderPath = photos_.path();
  Desktop().chosen_folder = "never asked";
  ExtractAndCopy();
  ExtractAndCopy();
  EXPECT_EQ(Desktop().calls,
            (Calls{"clipboard", "box", "clipboard", "box"}));
  ExpectSuccess("a\r\nb\r\n");
  EXPECT_EQ(FolderPath, photos_.path());

  // The folder's contents are read anew by every run.
  photos_.AddFile("0.jpg");
  ExtractAndCopy();
  ExpectSuccess("0\r\na\r\nb\r\n");
}

}  // namespace
