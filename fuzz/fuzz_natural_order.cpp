// NaturalLess is a strict weak ordering (here a total one: only equal names
// are equivalent), and sorting by natural keys gives the same order.
#include "core/natural_order.h"
#include "fuzz/fuzz_input.h"

namespace {

bool KeyLess(const Text& a, const Text& b) {
  Text key_a, key_b;
  AppendNaturalKey(a, key_a);
  AppendNaturalKey(b, key_b);
  return key_a != key_b ? key_a < key_b : a < b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TextList t = SplitInput(data, size, 3);
  const Text &a = t[0], &b = t[1], &c = t[2];
  FUZZ_CHECK(!NaturalLess(a, a));
  FUZZ_CHECK(!(NaturalLess(a, b) && NaturalLess(b, a)));
  FUZZ_CHECK((!NaturalLess(a, b) && !NaturalLess(b, a)) == (a == b));
  if (NaturalLess(a, b) && NaturalLess(b, c))
    FUZZ_CHECK(NaturalLess(a, c));
  FUZZ_CHECK(KeyLess(a, b) == NaturalLess(a, b));
  FUZZ_CHECK(KeyLess(b, c) == NaturalLess(b, c));
  return 0;
}
