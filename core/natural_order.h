// Natural order: the order a person expects of numbered names, as file
// managers show them for ASCII names (other bytes go by their value, not by
// a locale's collation).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/large_memory.h"

// Runs of digits compare by their value, other bytes ASCII-case-insensitively;
// byte order breaks ties, so that only equal names are equivalent
// (IMG_2 < IMG_10, a.jpg < B.jpg, A.jpg < a.jpg).
bool NaturalLess(std::string_view a, std::string_view b);

// Appends to keys a sort key of name whose plain byte order (memcmp, a
// shorter key first) is the natural order of the names, up to the ties that
// NaturalLess breaks by byte order: letters folded to lower case, and every
// run of digits as '0', its length without leading zeros in two bytes, and
// those digits (so runs of up to 65,535 digits). Sorting by keys costs a
// byte comparison per step instead of a parse of both names.
void AppendNaturalKey(std::string_view name, std::string& keys);

// The same key written to out, which has room for 4 * name.size() bytes;
// returns its length.
size_t WriteNaturalKey(std::string_view name, char* out);

// The natural keys of a list of names, built one name at a time into one
// arena (so the names can be keyed as they are read), and sorted.
class NaturalKeys {
 public:
  NaturalKeys();

  // Room for names whose keys take about bytes in all, before they come.
  void Reserve(size_t names, size_t bytes);
  void Add(std::string_view name);
  size_t size() const { return starts_.size() - 1; }

  // The indexes of the names added, in natural order: by key, and names
  // with equal keys by tie_less(index, index), their byte order. An MSD
  // radix sort over the key bytes, seven at a time: each byte that tells
  // names apart is looked at about once, not once per comparison.
  template <typename TieLess>
  LargeVector<uint32_t> Sort(TieLess tie_less) const;

 private:
  struct [[gnu::packed]] Item {
    uint64_t chunk;  // seven key bytes from some depth, then how many remain
    uint32_t index;
  };
  using Items = LargeVector<Item>;
  uint64_t ChunkOf(uint32_t index, size_t depth) const;
  template <typename TieLess>
  void SortRun(Items& items, Items& temp, size_t lo, size_t hi, size_t depth,
               TieLess& tie_less) const;
  static void SortChunks(Items& items, Items& temp, size_t lo, size_t hi,
                         int byte);

  LargeVector<char> keys_;
  LargeVector<uint32_t> starts_;
};

template <typename TieLess>
LargeVector<uint32_t> NaturalKeys::Sort(TieLess tie_less) const {
  Items items(size()), temp(size());
  for (uint32_t i = 0; i < items.size(); ++i)
    items[i].index = i;
  SortRun(items, temp, 0, items.size(), 0, tie_less);
  Items().swap(temp);
  LargeVector<uint32_t> order(items.size());
  for (size_t i = 0; i < items.size(); ++i)
    order[i] = items[i].index;
  return order;
}

// Sorts items[lo, hi), whose keys agree on their first depth bytes.
template <typename TieLess>
void NaturalKeys::SortRun(Items& items, Items& temp, size_t lo, size_t hi,
                          size_t depth, TieLess& tie_less) const {
  for (size_t i = lo; i < hi; ++i)
    items[i].chunk = ChunkOf(items[i].index, depth);
  SortChunks(items, temp, lo, hi, 7);
  for (size_t a = lo, b; a < hi; a = b) {
    for (b = a + 1; b < hi && items[b].chunk == items[a].chunk; ++b) {
    }
    if (b - a < 2)
      continue;
    if ((items[a].chunk & 0xFF) == 7)  // the keys go on: look further
      SortRun(items, temp, a, b, depth + 7, tie_less);
    else  // equal keys
      std::sort(items.begin() + a, items.begin() + b,
                [&](const Item& x, const Item& y) {
                  return tie_less(x.index, y.index);
                });
  }
}
