// UTF-8, the program's texts, against UTF-16, what Windows' wide calls take
// and give. Neither direction fails: what is not well-formed in the input
// becomes U+FFFD in the output, so a name with a broken character still
// gives its line, and its neighbours are kept.
#pragma once

#include <string>
#include <string_view>

#include "core/text.h"

// A byte sequence that is not UTF-8 gives one U+FFFD for each maximal
// subpart of it, as the Unicode standard recommends.
std::u16string Utf16FromUtf8(std::string_view text);

// A lone surrogate gives U+FFFD.
Text Utf8FromUtf16(std::u16string_view text);
