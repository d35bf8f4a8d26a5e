#include "core/photo_names.h"

#include "platform/file_search.h"

namespace {

const char kPatternSuffix[] = "\\*.jpg";
const char kPhotoExtension[] = ".jpg";
constexpr int32_t kCutLength = 4;
const char kLineEnd[] = "\r\n";

}  // namespace

Text TrimPhotoName(const Text& name) {
  // The tail after the first separator (the whole name without one), less
  // its last four bytes: TextLeft (TextRight (name, n - p), ...) in one copy.
  int32_t n = TextLength(name);
  int32_t p = FindInText(name, kPathSeparator, true);
  int32_t tail_start = p < 0 ? 0 : p;
  int32_t kept = n - tail_start - kCutLength;
  return kept > 0 ? name.substr(tail_start, kept) : Text();
}

bool IsPhotoName(const Text& name) {
  Text extension = TextRight(name, kCutLength);
  return extension.size() == kCutLength &&
         FindInText(extension, kPhotoExtension, true) == 1;
}

namespace {

// A line break inside a name would split it over two lines of the list.
Text OneLine(Text name) {
  for (char& c : name)
    if (c == '\r' || c == '\n')
      c = '?';
  return name;
}

}  // namespace

TextList CollectPhotoNames(const Text& folder, SearchState& state) {
  TextList names;
  Text name = FindFile(folder + kPatternSuffix, state);
  names.reserve(PendingMatches(state) + 1);
  // The platform may match more than the pattern says (Windows also tries
  // 8.3 short names, so "a.jpgx" matches "*.jpg"): keep only real photos.
  for (; !name.empty(); name = FindFile(Text(), state)) {
    if (IsPhotoName(name))
      names.push_back(OneLine(TrimPhotoName(name)));
  }
  if (names.empty())
    names.emplace_back();
  return names;
}

Text JoinPhotoNames(const TextList& names) {
  size_t size = 0;
  for (const Text& name : names)
    size += name.size() + 2;
  Text joined;
  joined.reserve(size);
  for (const Text& name : names) {
    joined += name;
    joined += kLineEnd;
  }
  return joined;
}
