#include "core/unicode.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsTrail(unsigned char c) { return (c & 0xC0) == 0x80; }

// The range the first trail byte of a sequence may take: narrower than
// 80..BF after E0, ED, F0 and F4, which rules out overlong forms,
// surrogates and code points past U+10FFFF.
struct Lead {
  int trails;
  unsigned char low, high;
};

Lead LeadOf(unsigned char c) {
  if (c >= 0xC2 && c <= 0xDF) return {1, 0x80, 0xBF};
  if (c == 0xE0) return {2, 0xA0, 0xBF};
  if (c == 0xED) return {2, 0x80, 0x9F};
  if (c >= 0xE1 && c <= 0xEF) return {2, 0x80, 0xBF};
  if (c == 0xF0) return {3, 0x90, 0xBF};
  if (c >= 0xF1 && c <= 0xF3) return {3, 0x80, 0xBF};
  if (c == 0xF4) return {3, 0x80, 0x8F};
  return {0, 0, 0};  // not a lead byte
}

// Decodes the character at text[i] and moves i past it, or past the
// maximal subpart of a broken sequence, which gives U+FFFD.
char32_t DecodeUtf8(std::string_view text, size_t& i) {
  unsigned char c = static_cast<unsigned char>(text[i++]);
  if (c < 0x80)
    return c;
  Lead lead = LeadOf(c);
  if (lead.trails == 0)
    return kReplacement;
  char32_t code = c & (0x3F >> lead.trails);
  for (int k = 0; k < lead.trails; ++k) {
    if (i == text.size())
      return kReplacement;
    unsigned char t = static_cast<unsigned char>(text[i]);
    bool fits = k == 0 ? (t >= lead.low && t <= lead.high) : IsTrail(t);
    if (!fits)
      return kReplacement;
    code = (code << 6) | (t & 0x3F);
    ++i;
  }
  return code;
}

void AppendUtf16(char32_t code, std::u16string& out) {
  if (code < 0x10000) {
    out += static_cast<char16_t>(code);
    return;
  }
  code -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (code >> 10));
  out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

void AppendUtf8(char32_t code, Text& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();)
    AppendUtf16(DecodeUtf8(text, i), out);
  return out;
}

Text Utf8FromUtf16(std::u16string_view text) {
  Text out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    char32_t code = c;
    if (IsHighSurrogate(c) && i + 1 < text.size() &&
        IsLowSurrogate(text[i + 1])) {
      code = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      code = kReplacement;
    }
    AppendUtf8(code, out);
  }
  return out;
}
