// The window's handlers and rules shared by both platforms' windows.
#include <gtest/gtest.h>

#include "command/extract_and_copy.h"
#include "tests/recording_desktop.h"
#include "tests/temp_folder.h"
#include "ui/main_window.h"

namespace {

int registrations = 0;

}  // namespace

// The stand-in for the platform's drop target registration.
bool RegisterDropTarget() {
  ++registrations;
  return true;
}

namespace {

struct EffectCase {
  bool acceptable, control, shift;
  uint32_t allowed, expected;
};

TEST(ChooseDropEffect, FollowsKeysAndWhatTheSourceAllows) {
  const uint32_t all = kDropCopy | kDropMove | kDropLink;
  const EffectCase cases[] = {
      {false, false, false, all, kDropNone},
      {false, true, false, all, kDropNone},
      {true, true, true, all, kDropNone},
      {true, true, false, all, kDropCopy},
      {true, true, false, kDropMove, kDropNone},
      {true, false, true, all, kDropMove},
      {true, false, true, kDropCopy, kDropNone},
      {true, false, false, all, kDropCopy},
      {true, false, false, kDropMove | kDropLink, kDropMove},
      {true, false, false, kDropLink, kDropLink},
      {true, false, false, kDropNone, kDropNone},
  };
  for (const EffectCase& c : cases)
    EXPECT_EQ(ChooseDropEffect(c.acceptable, c.control, c.shift, c.allowed),
              c.expected)
        << c.acceptable << c.control << c.shift << " allowed " << c.allowed;
}

TEST(DroppedPathsText, OnePathAloneSeveralEachEndedByCrLf) {
  EXPECT_EQ(DroppedPathsText({}), "");
  EXPECT_EQ(DroppedPathsText({"C:\\a"}), "C:\\a");
  EXPECT_EQ(DroppedPathsText({"C:\\a", "C:\\b"}), "C:\\a\r\nC:\\b\r\n");
}

TEST(Handlers, CreationClearsTheFlagAndRegistersTheDropTarget) {
  DroppedFlag = 1;
  registrations = 0;
  OnMainWindowCreated();
  EXPECT_EQ(DroppedFlag, 0);
  EXPECT_EQ(registrations, 1);
}

TEST(Handlers, ADropStoresTheFolderAndRunsTheCommandOnIt) {
  TempFolder folder;
  folder.AddFile("a.jpg");
  ResetDesktop();
  DroppedFlag = 0;
  OnFilesDropped(folder.path());
  EXPECT_EQ(DroppedFlag, 1);
  EXPECT_EQ(FolderPath, folder.path());
  EXPECT_EQ(Desktop().calls, (std::vector<std::string>{"clipboard", "box"}));
  EXPECT_EQ(Desktop().clipboard, "a\r\n");
}

}  // namespace
