// CollectPhotoNames over real folders, through the platform's own search.
#include <gtest/gtest.h>

#include "core/photo_names.h"
#include "platform/file_search.h"
#include "tests/temp_folder.h"

namespace {

struct FolderCase {
  const char* title;
  std::vector<Text> files;
  std::vector<Text> folders;
  Text joined;
};

TEST(CollectPhotoNames, ListsThePhotosOfARealFolder) {
  const FolderCase cases[] = {
      {"photos in any case, others left out",
       {"a.jpg", "b.JPG", "c.png", "d.jpeg", "e.jpg.txt"}, {}, "a\r\nb\r\n"},
      {"a folder named like a photo is not listed",
       {"a.jpg"}, {"x.jpg"}, "a\r\n"},
      {"the name .jpg gives an empty line and the list goes on",
       {".jpg", "a.jpg"}, {}, "\r\na\r\n"},
      {"Chinese names keep their bytes", {"照片.jpg"}, {}, "照片\r\n"},
      {"a trail byte 0x5C in code page 936 is no separator",
       {"運.jpg"}, {}, "運\r\n"},
      {"a folder without photos gives one empty line",
       {"notes.txt"}, {"sub.jpg"}, "\r\n"},
      {"an empty folder gives one empty line", {}, {}, "\r\n"},
  };
  for (const FolderCase& c : cases) {
    SCOPED_TRACE(c.title);
    TempFolder folder;
    for (const Text& name : c.files)
      folder.AddFile(name);
    for (const Text& name : c.folders)
      folder.AddFolder(name);

    SearchState state;
    TextList names = CollectPhotoNames(folder.path(), state);
    EXPECT_EQ(JoinPhotoNames(names), c.joined);
    EXPECT_FALSE(state.folder_unreadable);
    EXPECT_EQ(state.handle, nullptr) << "the search must be read to its end";
    // The command's one-pass form gives the same text.
    SearchState joined_state;
    EXPECT_EQ(CollectJoinedPhotoNames(folder.path(), joined_state), c.joined);
    EXPECT_FALSE(joined_state.folder_unreadable);
    EXPECT_EQ(joined_state.handle, nullptr);
  }
}

TEST(CollectPhotoNames, TellsAFolderThatCannotBeListed) {
  TempFolder folder;
  const Text file = folder.AddFile("a.jpg");
  const Text second = folder.AddFolder("second");
  const Text unreadable[] = {
      folder.PathOf("missing"),
      file,
      folder.path() + "\r\n" + second + "\r\n",
      folder.path() + "\n",
  };
  for (const Text& path : unreadable) {
    SCOPED_TRACE(path);
    SearchState state;
    EXPECT_EQ(JoinPhotoNames(CollectPhotoNames(path, state)), "\r\n");
    EXPECT_TRUE(state.folder_unreadable);
    EXPECT_EQ(state.handle, nullptr);
    SearchState joined_state;
    EXPECT_EQ(CollectJoinedPhotoNames(path, joined_state), "\r\n");
    EXPECT_TRUE(joined_state.folder_unreadable);
  }
}

TEST(CollectPhotoNames, ANewSearchForgetsAnEarlierFailure) {
  TempFolder folder;
  folder.AddFile("a.jpg");
  SearchState state;
  CollectPhotoNames(folder.PathOf("missing"), state);
  ASSERT_TRUE(state.folder_unreadable);
  EXPECT_EQ(JoinPhotoNames(CollectPhotoNames(folder.path(), state)), "a\r\n");
  EXPECT_FALSE(state.folder_unreadable);
}

TEST(FindFile, ContinuingWithoutASearchCallsNothing) {
  SearchState state;
  EXPECT_EQ(FindFile(Text(), state), "");
  CloseFileSearch(state);
  EXPECT_EQ(state.handle, nullptr);
  EXPECT_FALSE(state.folder_unreadable);
}

TEST(FindFile, ANewPatternClosesTheOpenSearch) {
  TempFolder first, second;
  first.AddFile("a.jpg");
  first.AddFile("b.jpg");
  second.AddFile("z.jpg");
  SearchState state;
  EXPECT_EQ(FindFile(first.path() + "\\*.jpg", state), "a.jpg");
  EXPECT_NE(state.handle, nullptr);
  EXPECT_EQ(FindFile(second.path() + "\\*.jpg", state), "z.jpg");
  EXPECT_EQ(FindFile(Text(), state), "");
  EXPECT_EQ(state.handle, nullptr);

  EXPECT_EQ(FindFile(first.path() + "\\*.jpg", state), "a.jpg");
  CloseFileSearch(state);
  EXPECT_EQ(state.handle, nullptr);
  EXPECT_EQ(FindFile(Text(), state), "");
}

}  // namespace
