// UTF-8 inside the program against UTF-16 at the Windows calls.
#include <gtest/gtest.h>

#include "core/unicode.h"

namespace {

// Every kind of character both ways: ASCII, two, three and four bytes
// (U+1F600 is a surrogate pair in UTF-16), Hangul, CR LF.
TEST(Unicode, WellFormedTextsGoBothWaysUnchanged) {
  const std::pair<Text, std::u16string> cases[] = {
      {"", u""},
      {"a.jpg\r\n", u"a.jpg\r\n"},
      {"café", u"caf\u00E9"},
      {"照片 運", u"\u7167\u7247 \u904B"},
      {"한국 사진", u"\uD55C\uAD6D \uC0AC\uC9C4"},
      {"😀", u"\U0001F600"},
      {"\xEF\xBF\xBF\xF4\x8F\xBF\xBF", u"\uFFFF\U0010FFFF"},
  };
  for (const auto& [utf8, utf16] : cases) {
    EXPECT_EQ(Utf16FromUtf8(utf8), utf16) << utf8;
    EXPECT_EQ(Utf8FromUtf16(utf16), utf8) << utf8;
  }
}

TEST(Unicode, BrokenUtf8GivesOneReplacementPerMaximalSubpart) {
  const std::pair<Text, std::u16string> cases[] = {
      {"\xFF", u"\uFFFD"},
      {"a\x80z", u"a\uFFFDz"},
      {"a\xE7\x85", u"a\uFFFD"},        // cut short at the end
      {"\xE7\x85z", u"\uFFFDz"},        // cut short before an ASCII byte
      {"\xC0\xAF", u"\uFFFD\uFFFD"},    // overlong '/'
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // a surrogate's code point
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {"\xF0\x9F\x98z", u"\uFFFDz"},
  };
  for (const auto& [utf8, utf16] : cases)
    EXPECT_EQ(Utf16FromUtf8(utf8), utf16) << testing::PrintToString(utf8);
}

TEST(Unicode, LoneSurrogatesGiveReplacementAndKeepTheirNeighbours) {
  const std::pair<std::u16string, Text> cases[] = {
      {u"a\xD800", "a\xEF\xBF\xBD"},
      {u"\xDC00" "b", "\xEF\xBF\xBD" "b"},
      {u"\xD800x.jpg", "\xEF\xBF\xBDx.jpg"},
      {u"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {u"\xD83D\xD83D\xDE00", "\xEF\xBF\xBD😀"},
  };
  for (const auto& [utf16, utf8] : cases)
    EXPECT_EQ(Utf8FromUtf16(utf16), utf8) << utf8;
}

}  // namespace
