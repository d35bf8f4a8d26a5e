// What the Windows search brings that the pattern alone does not say.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "core/photo_names.h"
#include "platform/file_search.h"
#include "platform/wide_text_win32.h"
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

// The lines of a joined text, sorted: the file system gives its own order.
TextList SortedLines(const Text& joined) {
  TextList lines;
  for (size_t start = 0, end; (end = joined.find("\r\n", start)) != Text::npos;
       start = end + 2)
    lines.push_back(joined.substr(start, end - start));
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST(Win32FileSearch, EveryNameComesWholeWhateverTheCodePage) {
  TempFolder root;
  TempFolder::AddFileAt(root.path() + "\\x");  // the folder is not empty
  const Text folder = root.AddFolder("한국 사진 😀 照片 café");
  const TextList names = {"plain", "照片", "한국", "😀 smile", "café", "Ελλάδα"};
  for (const Text& name : names)
    TempFolder::AddFileAt(folder + "\\" + name + ".jpg");
  TextList expected = names;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(SortedLines(Collect(folder)), expected);
}

TEST(Win32FileSearch, FoldersDeeperThanMaxPathAreListed) {
  TempFolder root;
  Text relative = Text(40, 'd');
  Text deep = root.AddFolder(relative);
  while (deep.size() < 360) {
    relative += "\\" + Text(40, 'd');
    deep = root.AddFolder(relative);
  }
  ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
  TempFolder::AddFileAt(deep + "\\deep.jpg");
  bool unreadable = true;
  EXPECT_EQ(Collect(deep, &unreadable), "deep\r\n");
  EXPECT_FALSE(unreadable);
  EXPECT_EQ(Collect(deep + "\\missing", &unreadable), "\r\n");
  EXPECT_TRUE(unreadable);
}

// A name that is not valid UTF-16 (NTFS allows a lone surrogate) keeps its
// line, with U+FFFD for the broken character, and its neighbours theirs.
TEST(Win32FileSearch, ALoneSurrogateInANameGivesTheReplacementCharacter) {
  TempFolder folder;
  folder.AddFile("a.jpg");
  folder.AddFile("z.jpg");
  std::wstring broken = WideText(folder.path() + "\\b") + L'\xD800' + L".jpg";
  HANDLE file = CreateFileW(broken.c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    GTEST_SKIP() << "this file system takes no lone surrogate in a name";
  CloseHandle(file);
  EXPECT_EQ(SortedLines(Collect(folder.path())),
            (TextList{"a", "b\xEF\xBF\xBD", "z"}));
}

TEST(LongPathForm, IsAbsoluteNormalisedAndPrefixed) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"C:\\a\\..\\b\\*.jpg", L"\\\\?\\C:\\b\\*.jpg"},
      {L"C:\\\\*.jpg", L"\\\\?\\C:\\*.jpg"},  // a drive root's doubled backslash
      {L"\\\\server\\share\\p\\*.jpg", L"\\\\?\\UNC\\server\\share\\p\\*.jpg"},
      {L"\\\\?\\C:\\x\\*.jpg", L"\\\\?\\C:\\x\\*.jpg"},  // already long
  };
  for (const auto& [path, expected] : cases)
    EXPECT_EQ(LongPathForm(path), expected) << TextOfWide(path);
}

TEST(Win32FileSearch, TooLongAPatternIsRefused) {
  TempFolder folder;
  bool unreadable = false;
  EXPECT_EQ(Collect(folder.path() + "\\" + Text(300, 'x'), &unreadable),
            "\r\n");
  EXPECT_TRUE(unreadable);
}

}  // namespace
