// Splits a fuzzer's input into texts at its NUL bytes (no Text holds one).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/text.h"

inline TextList SplitInput(const uint8_t* data, size_t size, size_t parts) {
  TextList texts(parts);
  size_t part = 0;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0 && part + 1 < parts)
      ++part;
    else if (data[i] != 0)
      texts[part] += static_cast<char>(data[i]);
  }
  return texts;
}

// A failed invariant: abort, so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition))         \
      abort();                \
  } while (0)
