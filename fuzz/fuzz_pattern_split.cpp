// The Linux search's pattern: split at the last backslash only, and the
// suffix patterns matched exactly as fnmatch would, in any ASCII case.
#include <fnmatch.h>

#include "fuzz/fuzz_input.h"
#include "platform/name_pattern_posix.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TextList parts = SplitInput(data, size, 2);
  const Text& pattern = parts[0];
  SplitPattern split = SplitSearchPattern(pattern);
  FUZZ_CHECK(split.names.find('\\') == Text::npos);
  if (pattern.find('\\') == Text::npos)
    FUZZ_CHECK(split.folder == "." && split.names == pattern);
  else
    FUZZ_CHECK(split.folder + "\\" + split.names == pattern);

  // A star and a plain suffix: the fast path must agree with fnmatch.
  Text suffix_pattern = "*";
  for (char c : split.names)
    if (c != '*' && c != '?' && c != '[' && c != '\\')
      suffix_pattern += c;
  const Text& name = parts[1];
  FUZZ_CHECK(NamePattern(suffix_pattern).Matches(name.c_str(), name.size()) ==
             (fnmatch(suffix_pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0));
  return 0;
}
