#include "core/photo_names.h"

#include "platform/file_search.h"
#include "platform/large_memory.h"

namespace {

const char kPatternSuffix[] = "\\*.jpg";
const char kPhotoExtension[] = ".jpg";
constexpr size_t kCutLength = 4;
const char kLineEnd[] = "\r\n";

char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The kept part of a name: after its first separator (the whole name
// without one), less its last four bytes.
std::string_view TrimmedPart(std::string_view name) {
  size_t separator = name.find(kPathSeparator[0]);
  std::string_view tail =
      separator == std::string_view::npos ? name : name.substr(separator + 1);
  return tail.size() > kCutLength ? tail.substr(0, tail.size() - kCutLength)
                                  : std::string_view();
}

bool EndsInPhotoExtension(std::string_view name) {
  if (name.size() < kCutLength)
    return false;
  std::string_view extension = name.substr(name.size() - kCutLength);
  for (size_t i = 0; i < kCutLength; ++i)
    if (FoldAscii(extension[i]) != kPhotoExtension[i])
      return false;
  return true;
}

// A line break inside a name would split it over two lines of the list.
void AppendOneLine(std::string_view name, Text& text) {
  size_t start = text.size();
  text.append(name);
  for (size_t i = start; i < text.size(); ++i)
    if (text[i] == '\r' || text[i] == '\n')
      text[i] = '?';
}

// Hands every photo of the folder, as the search returns it, to take.
template <typename Take>
void ForEachPhoto(const Text& folder, SearchState& state, Take take) {
  std::string_view name = FindFileInPlace(folder + kPatternSuffix, state);
  // The platform may match more than the pattern says (Windows also tries
  // 8.3 short names, so "a.jpgx" matches "*.jpg"): keep only real photos.
  for (; !name.empty(); name = FindFileInPlace(Text(), state))
    if (EndsInPhotoExtension(name))
      take(name);
}

}  // namespace

Text TrimPhotoName(const Text& name) { return Text(TrimmedPart(name)); }

bool IsPhotoName(const Text& name) { return EndsInPhotoExtension(name); }

TextList CollectPhotoNames(const Text& folder, SearchState& state) {
  TextList names;
  bool sized = false;
  ForEachPhoto(folder, state, [&](std::string_view name) {
    if (!sized) {
      names.reserve(PendingMatches(state).count + 1);
      sized = true;
    }
    names.emplace_back();
    AppendOneLine(TrimmedPart(name), names.back());
  });
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

Text CollectJoinedPhotoNames(const Text& folder, SearchState& state) {
  Text joined;
  size_t count = 0;
  ForEachPhoto(folder, state, [&](std::string_view name) {
    if (count++ == 0) {
      // Every line is at most its name with its NUL and one byte more.
      PendingNames pending = PendingMatches(state);
      joined.reserve(pending.bytes + pending.count + 2);
      AdviseLargePages(joined.data(), joined.capacity());
    }
    AppendOneLine(TrimmedPart(name), joined);
    joined += kLineEnd;
  });
  if (count == 0)
    joined = kLineEnd;
  return joined;
}
