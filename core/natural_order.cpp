#include "core/natural_order.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char Fold(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a')
                                : u;
}

// Compares the digit runs starting at a[i] and b[j] by value and moves both
// indexes past them. Leading zeros do not count.
int CompareNumbers(std::string_view a, size_t& i, std::string_view b,
                   size_t& j) {
  while (i < a.size() && a[i] == '0')
    ++i;
  while (j < b.size() && b[j] == '0')
    ++j;
  size_t a_start = i, b_start = j;
  while (i < a.size() && IsDigit(a[i]))
    ++i;
  while (j < b.size() && IsDigit(b[j]))
    ++j;
  size_t a_len = i - a_start, b_len = j - b_start;
  if (a_len != b_len)
    return a_len < b_len ? -1 : 1;
  int order = a.substr(a_start, a_len).compare(b.substr(b_start, b_len));
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int CompareNatural(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      if (int order = CompareNumbers(a, i, b, j))
        return order;
      continue;
    }
    unsigned char x = Fold(a[i]), y = Fold(b[j]);
    if (x != y)
      return x < y ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size())
    return 1;
  return j < b.size() ? -1 : 0;
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
  int order = CompareNatural(a, b);
  return order != 0 ? order < 0 : a < b;
}

size_t WriteNaturalKey(std::string_view name, char* out) {
  char* at = out;
  size_t i = 0;
  while (i < name.size()) {
    if (!IsDigit(name[i])) {
      *at++ = static_cast<char>(Fold(name[i++]));
      continue;
    }
    while (i < name.size() && name[i] == '0')
      ++i;
    size_t start = i;
    while (i < name.size() && IsDigit(name[i]))
      ++i;
    size_t length = i - start;
    *at++ = '0';
    *at++ = static_cast<char>(length >> 8);
    *at++ = static_cast<char>(length & 0xFF);
    at = std::copy(name.begin() + start, name.begin() + i, at);
  }
  return static_cast<size_t>(at - out);
}

void AppendNaturalKey(std::string_view name, std::string& keys) {
  size_t old = keys.size();
  keys.resize(old + 4 * name.size());
  keys.resize(old + WriteNaturalKey(name, keys.data() + old));
}

NaturalKeys::NaturalKeys() : starts_{0} {}

void NaturalKeys::Reserve(size_t names, size_t bytes) {
  starts_.reserve(names + 1);
  keys_.reserve(bytes);
}

void NaturalKeys::Add(std::string_view name) {
  // A name's key takes at most four bytes per byte of it (a lone digit:
  // the run's mark, two bytes of length, the digit).
  char buffer[1024];
  std::string long_key;
  char* out = buffer;
  if (4 * name.size() > sizeof buffer) {
    long_key.resize(4 * name.size());
    out = long_key.data();
  }
  size_t length = WriteNaturalKey(name, out);
  keys_.insert(keys_.end(), out, out + length);
  starts_.push_back(static_cast<uint32_t>(keys_.size()));
}

// Seven key bytes from depth on, zeros past the end, and in the low byte how
// many of them are real (7: maybe more follow). A key that ends sorts before
// the keys it is a prefix of, as memcmp order has it.
uint64_t NaturalKeys::ChunkOf(uint32_t index, size_t depth) const {
  size_t begin = starts_[index] + depth, end = starts_[index + 1];
  size_t real = begin < end ? std::min<size_t>(end - begin, 7) : 0;
  const unsigned char* bytes =
      reinterpret_cast<const unsigned char*>(keys_.data()) + begin;
  uint64_t chunk = 0;
  for (size_t k = 0; k < 7; ++k)
    chunk = (chunk << 8) | (k < real ? bytes[k] : 0);
  return (chunk << 8) | real;
}

// Sorts items[lo, hi) by their chunks, most significant byte first; byte 7
// is the top one. Small ranges go to insertion sort.
void NaturalKeys::SortChunks(Items& items, Items& temp, size_t lo, size_t hi,
                             int byte) {
  if (hi - lo <= 32) {
    for (size_t i = lo + 1; i < hi; ++i) {
      Item item = items[i];
      size_t j = i;
      for (; j > lo && items[j - 1].chunk > item.chunk; --j)
        items[j] = items[j - 1];
      items[j] = item;
    }
    return;
  }
  for (; byte >= 0; --byte) {
    const int shift = 8 * byte;
    size_t count[256] = {};
    for (size_t i = lo; i < hi; ++i)
      ++count[(items[i].chunk >> shift) & 0xFF];
    if (count[(items[lo].chunk >> shift) & 0xFF] == hi - lo)
      continue;  // one value here: the next byte decides
    size_t next[256];
    for (size_t b = 0, at = lo; b < 256; at += count[b++])
      next[b] = at;
    for (size_t i = lo; i < hi; ++i)
      temp[next[(items[i].chunk >> shift) & 0xFF]++] = items[i];
    std::copy(temp.begin() + lo, temp.begin() + hi, items.begin() + lo);
    if (byte == 0)
      return;
    for (size_t b = 0, at = lo; b < 256; at += count[b++])
      if (count[b] > 1)
        SortChunks(items, temp, at, at + count[b], byte - 1);
    return;
  }
}
