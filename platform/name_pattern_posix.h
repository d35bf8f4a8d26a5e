// How the Linux file search reads its pattern: "folder\names", split at the
// last backslash (a backslash is an ordinary byte in a Linux folder name,
// so only the last one separates), and the names part matched against
// entries.
#pragma once

#include <string>

#include "core/text.h"

struct SplitPattern {
  Text folder;  // "." when the pattern has no backslash
  Text names;
};

SplitPattern SplitSearchPattern(const Text& pattern);

// "*.jpg" and its kind (a star and a plain suffix) match in any ASCII case;
// other patterns go to fnmatch, also without regard to case.
class NamePattern {
 public:
  explicit NamePattern(const Text& pattern);
  bool Matches(const char* name, size_t length) const;

 private:
  Text pattern_;
  bool suffix_only_;
};
