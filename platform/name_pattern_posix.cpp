#include "platform/name_pattern_posix.h"

#include <fnmatch.h>
#include <strings.h>

SplitPattern SplitSearchPattern(const Text& pattern) {
  size_t split = pattern.rfind('\\');
  if (split == Text::npos)
    return {".", pattern};
  return {pattern.substr(0, split), pattern.substr(split + 1)};
}

NamePattern::NamePattern(const Text& pattern)
    : pattern_(pattern),
      suffix_only_(!pattern.empty() && pattern[0] == '*' &&
                   pattern.find_first_of("*?[\\", 1) == Text::npos) {}

bool NamePattern::Matches(const char* name, size_t length) const {
  if (!suffix_only_)
    return fnmatch(pattern_.c_str(), name, FNM_CASEFOLD) == 0;
  size_t suffix = pattern_.size() - 1;
  return length >= suffix &&
         strncasecmp(name + length - suffix, pattern_.c_str() + 1, suffix) == 0;
}
