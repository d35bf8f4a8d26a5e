// What the Windows search brings that the pattern alone does not say.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/photo_names.h"
#include "platform/file_search.h"
#include "tests/temp_folder.h"

namespace {

Text Collect(const Text& folder, bool* unreadable = nullptr) {
  SearchState state;
  Text joined = JoinPhotoNames(CollectPhotoNames(folder, state));
  if (unreadable)
    *unreadable = state.folder_unreadable;
  return joined;
}

TEST(Win32FileSearch, HiddenAndReadOnlyPhotosAreListed) {
  TempFolder folder;
  SetFileAttributesA(folder.AddFile("h.jpg").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA(folder.AddFile("r.jpg").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(Collect(folder.path()), "h\r\nr\r\n");
}

TEST(Win32FileSearch, NamesMatchedOnlyByTheirShortFormAreNotPhotos) {
  TempFolder folder;
  folder.AddFile("a.jpgx");
  folder.AddFile("b.jpg");
  EXPECT_EQ(Collect(folder.path()), "b\r\n");

  TempFolder only_lookalikes;
  only_lookalikes.AddFile("a.jpgx");
  EXPECT_EQ(Collect(only_lookalikes.path()), "\r\n");
}

TEST(Win32FileSearch, DriveRootWithItsBackslashIsListed) {
  char windows_folder[MAX_PATH];
  ASSERT_GT(GetWindowsDirectoryA(windows_folder, MAX_PATH), 2u);
  const Text root = Text(windows_folder, 3);  // "C:\"
  bool unreadable = true;
  Collect(root, &unreadable);
  EXPECT_FALSE(unreadable) << root;
}

TEST(Win32FileSearch, TooLongAPatternIsRefused) {
  TempFolder folder;
  bool unreadable = false;
  EXPECT_EQ(Collect(folder.path() + "\\" + Text(300, 'x'), &unreadable),
            "\r\n");
  EXPECT_TRUE(unreadable);
}

}  // namespace
