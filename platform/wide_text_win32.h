// The program's UTF-8 texts as the wide Win32 calls take them, and back.
#pragma once

#include <string>
#include <string_view>

#include "core/unicode.h"

inline std::wstring WideText(const Text& text) {
  std::u16string wide = Utf16FromUtf8(text);
  return std::wstring(wide.begin(), wide.end());
}

inline Text TextOfWide(std::wstring_view wide) {
  return Utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}

// A path as the wide file calls reach it past MAX_PATH: made absolute by the
// system's own rules, then in the \\?\ form (\\?\UNC\ for a share). A path
// already in a device form is left as it is.
std::wstring LongPathForm(const std::wstring& path);
