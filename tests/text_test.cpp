#include <gtest/gtest.h>

#include "core/natural_order.h"
#include "core/photo_names.h"
#include "core/text.h"
#include "platform/file_search.h"

namespace {

struct FindCase {
  const char* text;
  const char* search;
  bool ignore_case;
  int32_t expected;
};

TEST(FindInText, ScansForwardByteByByte) {
  const FindCase cases[] = {
      {"a\\b\\c", "\\", true, 2},
      {"abc", "\\", true, -1},
      {"", "\\", true, -1},
      {"ABC.JPG", ".jpg", true, 4},
      {"ABC.JPG", ".jpg", false, -1},
      {"abc", "abcd", true, -1},
      // UTF-8 hides no ASCII byte inside a character: 運 (E9 81 8B in
      // UTF-8, whose code-page-936 trail byte was 0x5C) holds no backslash,
      // and a backslash right after a character is found.
      {"運.jpg", "\\", true, -1},
      {"照\\b.jpg", "\\", true, 4},
      {"\xE7\x85\\x", "\\", true, 3},
      // Only ASCII letters fold; other bytes compare exactly.
      {"\xC1\xE1", "\xE1\xE1", true, -1},
      {"x\xC1\xE1", "\xC1\xE1", true, 2},
  };
  for (const FindCase& c : cases)
    EXPECT_EQ(FindInText(c.text, c.search, c.ignore_case), c.expected)
        << "text \"" << c.text << "\" search \"" << c.search << "\"";
}

TEST(TextLeftRight, CutBytesWithinBounds) {
  EXPECT_EQ(TextLeft("abcdef", 2), "ab");
  EXPECT_EQ(TextRight("abcdef", 2), "ef");
  for (int32_t count : {0, -1, -100}) {
    EXPECT_EQ(TextLeft("abc", count), "");
    EXPECT_EQ(TextRight("abc", count), "");
  }
  EXPECT_EQ(TextLeft("abc", 99), "abc");
  EXPECT_EQ(TextRight("abc", 99), "abc");
  EXPECT_EQ(TextLeft("", 3), "");
  EXPECT_EQ(TextRight("", 3), "");
  // Not double-byte aware: a cut may split a character.
  EXPECT_EQ(TextLeft("\xD5\xD5", 1), "\xD5");
}

TEST(ProgramFolderOf, CutsBeforeTheLastBackslash) {
  EXPECT_EQ(ProgramFolderOf("C:\\tools\\jpgnames.exe"), "C:\\tools");
  EXPECT_EQ(ProgramFolderOf("C:\\jpgnames.exe"), "C:");
  EXPECT_EQ(ProgramFolderOf("jpgnames.exe"), "");
  // 運, whose code-page-936 form ends in the byte 0x5C, in the folder's name
  // and in the program's: neither is taken for a separator.
  EXPECT_EQ(ProgramFolderOf("C:\\運\\jpgnames.exe"), "C:\\運");
  EXPECT_EQ(ProgramFolderOf("D:\\運 程序\\運.exe"), "D:\\運 程序");
  EXPECT_EQ(ProgramFolderOf("\\\\server\\照片\\p.exe"), "\\\\server\\照片");
}

TEST(TrimPhotoName, DropsFolderPartAndLastFourBytes) {
  const Text s = kPathSeparator;
  const std::pair<Text, Text> cases[] = {
      {"a.jpg", "a"},
      {"photo.JPG", "photo"},
      {".jpg", ""},
      {"abc", ""},
      {"", ""},
      {"a.jpgx", "a."},
      {"運.jpg", "運"},
      {"한국 😀.jpg", "한국 😀"},
      {"照" + s + "b.jpg", "b"},
      {"a" + s + "b.jpg", "b"},
      {"a" + s, ""},
      {s + "x.jpg", "x"},
  };
  for (const auto& [name, trimmed] : cases)
    EXPECT_EQ(TrimPhotoName(name), trimmed) << name;
}

TEST(IsPhotoName, EndsInJpgInAnyCase) {
  for (const char* name : {"a.jpg", "b.JPG", "c.JpG", ".jpg"})
    EXPECT_TRUE(IsPhotoName(name)) << name;
  for (const char* name : {"a.jpgx", "a.jpeg", "jpg", "", "a.png", "a jpg"})
    EXPECT_FALSE(IsPhotoName(name)) << name;
}

TEST(JoinPhotoNames, EndsEveryNameWithCrLf) {
  EXPECT_EQ(JoinPhotoNames({}), "");
  EXPECT_EQ(JoinPhotoNames({""}), "\r\n");
  EXPECT_EQ(JoinPhotoNames({"", "a"}), "\r\na\r\n");
  EXPECT_EQ(JoinPhotoNames({"a", "b"}), "a\r\nb\r\n");
}

TEST(NaturalLess, OrdersAsFileManagersDo) {
  // Each name sorts strictly before the next.
  const char* ordered[] = {
      "",        ".jpg",     "a.jpg",    "B.jpg",   "c",
      "IMG_2",   "IMG_02x",  "IMG_010",  "IMG_10",  "img_11",
      "x9y",     "x10",      "x99999999999999999999", "x100000000000000000000",
      "\xE7\x85\xA7",
  };
  const size_t count = std::size(ordered);
  for (size_t i = 0; i < count; ++i) {
    EXPECT_FALSE(NaturalLess(ordered[i], ordered[i])) << ordered[i];
    for (size_t j = i + 1; j < count; ++j) {
      EXPECT_TRUE(NaturalLess(ordered[i], ordered[j]))
          << ordered[i] << " < " << ordered[j];
      EXPECT_FALSE(NaturalLess(ordered[j], ordered[i]))
          << ordered[j] << " < " << ordered[i];
    }
  }
  // Sort keys, with byte order for equal keys, give the same order.
  auto key_less = [](std::string_view a, std::string_view b) {
    std::string key_a, key_b;
    AppendNaturalKey(a, key_a);
    AppendNaturalKey(b, key_b);
    return key_a != key_b ? key_a < key_b : a < b;
  };
  for (size_t i = 0; i < count; ++i)
    for (size_t j = 0; j < count; ++j)
      EXPECT_EQ(key_less(ordered[i], ordered[j]), i < j)
          << ordered[i] << " / " << ordered[j];
  // Equal in every other way, byte order decides.
  EXPECT_TRUE(NaturalLess("A.jpg", "a.jpg"));
  EXPECT_TRUE(NaturalLess("a01", "a1"));
}

// The radix sort over the keys, against a comparison sort by NaturalLess,
// on names shaped to stress it: long shared prefixes that span several
// seven-byte steps, digit runs across a step's edge, keys that end where
// others go on, names equal but for case or leading zeros, non-ASCII bytes,
// and runs of more than 32 names, which go past the insertion sort.
TEST(NaturalKeys, SortsAsNaturalLessDoes) {
  TextList names = {"", ".jpg", "a", "A", "a0", "a00", "a1", "a01", "a001"};
  const Text prefixes[] = {"IMG_", "DSC ", "照片 ", "a-very-long-shared-prefix-",
                           "Photo", "photo", "x"};
  const std::string_view others = "abcXYZ\xE9.- ";
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245 + 12345; };
  for (int i = 0; i < 6000; ++i) {
    Text name = prefixes[next() % std::size(prefixes)];
    for (int part = 0, parts = 1 + next() % 4; part < parts; ++part) {
      if (next() % 2)
        name += std::string(next() % 3, '0') + std::to_string(next() % 100000);
      else
        name += others[next() % others.size()];
    }
    names.push_back(name);
  }
  NaturalKeys keys;
  for (const Text& name : names)
    keys.Add(name);
  LargeVector<uint32_t> order =
      keys.Sort([&](uint32_t a, uint32_t b) { return names[a] < names[b]; });
  TextList sorted;
  for (uint32_t i : order)
    sorted.push_back(names[i]);
  TextList expected = names;
  std::sort(expected.begin(), expected.end(), NaturalLess);
  EXPECT_EQ(sorted, expected);
}

}  // namespace
