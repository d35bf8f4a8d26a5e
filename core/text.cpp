#include "core/text.h"

namespace {

char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MatchesAt(const Text& text, size_t start, const Text& search,
               bool ignore_case) {
  for (size_t i = 0; i < search.size(); ++i) {
    char a = text[start + i], b = search[i];
    if (ignore_case ? FoldAscii(a) != FoldAscii(b) : a != b)
      return false;
  }
  return true;
}

}  // namespace

int32_t TextLength(const Text& text) {
  return static_cast<int32_t>(text.size());
}

int32_t FindInText(const Text& text, const Text& search, bool ignore_case) {
  size_t start = 0;
  while (text.size() - start >= search.size()) {
    if (MatchesAt(text, start, search, ignore_case))
      return static_cast<int32_t>(start + 1);
    ++start;
  }
  return -1;
}

Text TextLeft(const Text& text, int32_t count) {
  if (count <= 0)
    return Text();
  return text.substr(0, static_cast<size_t>(count));
}

Text TextRight(const Text& text, int32_t count) {
  if (count <= 0)
    return Text();
  size_t n = static_cast<size_t>(count);
  return n >= text.size() ? text : text.substr(text.size() - n);
}

int32_t FindLastBackslash(const Text& text) {
  size_t last = text.rfind('\\');
  return last == Text::npos ? -1 : static_cast<int32_t>(last + 1);
}

Text ProgramFolderOf(const Text& module_path) {
  return TextLeft(module_path, FindLastBackslash(module_path) - 1);
}
