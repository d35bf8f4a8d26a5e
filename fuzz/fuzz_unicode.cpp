// The UTF-8 / UTF-16 conversions at the Windows edge: whatever the input,
// the output is well-formed, well-formed input goes both ways unchanged,
// and a broken character costs only itself.
#include <string>

#include "core/unicode.h"
#include "fuzz/fuzz_input.h"

namespace {

bool WellFormedUtf16(const std::u16string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c >= 0xDC00 && c <= 0xDFFF)
      return false;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF)
        return false;
      ++i;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The bytes as UTF-8, and as UTF-16 code units (little-endian pairs).
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::u16string units;
  for (size_t i = 0; i + 1 < size; i += 2)
    units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));

  std::u16string wide = Utf16FromUtf8(bytes);
  FUZZ_CHECK(WellFormedUtf16(wide));
  FUZZ_CHECK(wide.size() <= bytes.size());
  // What came out converts back to itself: UTF-8 that is well-formed.
  Text utf8 = Utf8FromUtf16(wide);
  FUZZ_CHECK(Utf16FromUtf8(utf8) == wide);

  Text narrow = Utf8FromUtf16(units);
  std::u16string back = Utf16FromUtf8(narrow);
  FUZZ_CHECK(WellFormedUtf16(back) && back.size() == units.size());
  for (size_t i = 0; i < units.size(); ++i)
    FUZZ_CHECK(back[i] == units[i] || back[i] == 0xFFFD);
  if (WellFormedUtf16(units))
    FUZZ_CHECK(back == units);
  // ASCII bytes, CR, LF and backslash among them, survive where they stood.
  for (size_t i = 0; i < units.size(); ++i)
    if (units[i] < 0x80)
      FUZZ_CHECK(back[i] == units[i]);
  return 0;
}
