// TextLeft, TextRight, TrimPhotoName, JoinPhotoNames and ProgramFolderOf keep
// their shape whatever the bytes.
#include "core/photo_names.h"
#include "fuzz/fuzz_input.h"
#include "platform/file_search.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TextList parts = SplitInput(data, size, 4);
  const Text& text = parts[1];
  int32_t count = parts[0].empty() ? 0 : static_cast<signed char>(parts[0][0]);
  size_t expected = count <= 0 ? 0 : std::min<size_t>(count, text.size());
  Text left = TextLeft(text, count), right = TextRight(text, count);
  FUZZ_CHECK(left.size() == expected && text.compare(0, expected, left) == 0);
  FUZZ_CHECK(right.size() == expected &&
             text.compare(text.size() - expected, expected, right) == 0);

  // The trimmed name is the part after the first separator, less four bytes.
  Text trimmed = TrimPhotoName(text);
  int32_t separator = FindInText(text, kPathSeparator, true);
  size_t tail = separator < 0 ? 0 : static_cast<size_t>(separator);
  size_t kept = text.size() - tail > 4 ? text.size() - tail - 4 : 0;
  FUZZ_CHECK(trimmed == text.substr(tail, kept));

  TextList names = {parts[1], parts[2], parts[3]};
  Text joined = JoinPhotoNames(names);
  FUZZ_CHECK(joined == parts[1] + "\r\n" + parts[2] + "\r\n" + parts[3] + "\r\n");

  Text folder = ProgramFolderOf(text);
  FUZZ_CHECK(text.compare(0, folder.size(), folder) == 0);
  FUZZ_CHECK(folder.empty() || text[folder.size()] == '\\');
  return 0;
}
