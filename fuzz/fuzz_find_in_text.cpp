// FindInText against a plain reading of its rule: try every start, first
// to last, comparing with ASCII letters folded when asked to.
#include "fuzz/fuzz_input.h"

namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

int32_t Reference(const Text& text, const Text& search, bool ignore_case) {
  for (size_t i = 0; i + search.size() <= text.size(); ++i) {
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
