// What the Linux search decides for itself: order, links, backslashes, case.
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/photo_names.h"
#include "platform/file_search.h"
#include "tests/temp_folder.h"

namespace {

Text Collect(const Text& folder) {
  SearchState state;
  Text joined = JoinPhotoNames(CollectPhotoNames(folder, state));
  EXPECT_FALSE(state.folder_unreadable) << folder;
  return joined;
}

TEST(PosixFileSearch, ListsInNaturalOrder) {
  TempFolder folder;
  for (const char* name : {"IMG_10.jpg", "b.JPG", "IMG_2.jpg", "a.jpg",
                           "B.jpg", "照片.jpg", "c.png", "IMG_1.Jpg"})
    folder.AddFile(name);
  folder.AddFolder("x.jpg");
  EXPECT_EQ(Collect(folder.path()),
            "a\r\nB\r\nb\r\nIMG_1\r\nIMG_2\r\nIMG_10\r\n照片\r\n");
}

TEST(PosixFileSearch, TellsHowManyNamesAreStillToCome) {
  TempFolder folder;
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.png"})
    folder.AddFile(name);
  SearchState state;
  EXPECT_EQ(PendingMatches(state).count, 0u);
  EXPECT_EQ(FindFile(folder.path() + "\\*.jpg", state), "a.jpg");
  EXPECT_EQ(PendingMatches(state).count, 2u);
  EXPECT_GE(PendingMatches(state).bytes, 2 * sizeof "b.jpg");
  EXPECT_EQ(FindFile(Text(), state), "b.jpg");
  EXPECT_EQ(FindFile(Text(), state), "c.jpg");
  EXPECT_EQ(PendingMatches(state).count, 0u);
  EXPECT_EQ(FindFile(Text(), state), "");
}

TEST(PosixFileSearch, FollowsLinksToTellFoldersFromFiles) {
  TempFolder folder;
  const Text target = folder.AddFile("target.png");
  const Text sub = folder.AddFolder("sub");
  ASSERT_EQ(symlink(target.c_str(), folder.PathOf("file-link.jpg").c_str()), 0);
  ASSERT_EQ(symlink(sub.c_str(), folder.PathOf("folder-link.jpg").c_str()), 0);
  ASSERT_EQ(symlink("nowhere", folder.PathOf("dangling.jpg").c_str()), 0);
  EXPECT_EQ(Collect(folder.path()), "dangling\r\nfile-link\r\n");
}

TEST(PosixFileSearch, BackslashIsAnOrdinaryByteInNamesAndFolders) {
  TempFolder folder;
  const Text odd = folder.AddFolder("a\\b");
  folder.AddFile("a\\b\\c.jpg");
  EXPECT_EQ(Collect(folder.path()), "a\\b\\c\r\n");
  // Only the pattern's last backslash separates: the folder "a\b" is read.
  folder.AddFile("a\\b/inside.jpg");
  EXPECT_EQ(Collect(odd), "inside\r\n");
}

TEST(PosixFileSearch, HiddenFilesAreListed) {
  TempFolder folder;
  folder.AddFile(".h.jpg");
  folder.AddFile(".jpg");
  EXPECT_EQ(Collect(folder.path()), ".h\r\n\r\n");
}

TEST(PosixFileSearch, PatternWithoutFolderSearchesTheCurrentFolder) {
  TempFolder folder;
  folder.AddFile("here.jpg");
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(folder.path().c_str()), 0);
  SearchState state;
  Text first = FindFile("*.JPG", state);
  ASSERT_EQ(chdir(previous), 0);
  EXPECT_EQ(first, "here.jpg");
}

}  // namespace
