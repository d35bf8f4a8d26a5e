// FindInText against a plain reading of its rule: mark the bytes that may
// start a match (not the byte after a byte of 0x80 or above), then try each.
#include <vector>

#include "fuzz/fuzz_input.h"

namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

int32_t Reference(const Text& text, const Text& search, bool ignore_case) {
  std::vector<bool> may_start(text.size(), true);
  for (size_t i = 0; i < text.size(); ++i)
    if (may_start[i] && static_cast<unsigned char>(text[i]) >= 0x80 &&
        i + 1 < text.size())
      may_start[i + 1] = false;
  for (size_t i = 0; i + search.size() <= text.size(); ++i) {
    if (i < text.size() && !may_start[i])
      continue;
    bool same = true;
    for (size_t j = 0; j < search.size() && same; ++j)
      same = ignore_case ? Fold(text[i + j]) == Fold(search[j])
                         : text[i + j] == search[j];
    if (same)
      return static_cast<int32_t>(i + 1);
  }
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TextList parts = SplitInput(data, size, 3);
  bool ignore_case = !parts[0].empty() && (parts[0][0] & 1);
  FUZZ_CHECK(FindInText(parts[1], parts[2], ignore_case) ==
             Reference(parts[1], parts[2], ignore_case));
  return 0;
}
