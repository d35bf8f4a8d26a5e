// NaturalLess is a strict weak ordering (here a total one: only equal names
// are equivalent), and sorting by natural keys, one pair at a time or a whole
// list with the radix sort, gives the same order.
#include <algorithm>

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

  // A list long enough for the radix sort: the three names, each also with
  // a number and a letter after it, sharing their prefixes.
  TextList names;
  for (int i = 0; i < 12; ++i)
    for (const Text& name : t)
      names.push_back(name + (i % 2 ? std::to_string(i * 37) : Text(1, 'A' + i)));
  names.insert(names.end(), t.begin(), t.end());
  NaturalKeys keys;
  for (const Text& name : names)
    keys.Add(name);
  LargeVector<uint32_t> order =
      keys.Sort([&](uint32_t x, uint32_t y) { return names[x] < names[y]; });
  TextList expected = names;
  std::sort(expected.begin(), expected.end(), NaturalLess);
  for (size_t i = 0; i < order.size(); ++i)
    FUZZ_CHECK(names[order[i]] == expected[i]);
  return 0;
}
