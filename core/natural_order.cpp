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

void AppendNaturalKey(std::string_view name, std::string& keys) {
  size_t i = 0;
  while (i < name.size()) {
    if (!IsDigit(name[i])) {
      keys += static_cast<char>(Fold(name[i++]));
      continue;
    }
    while (i < name.size() && name[i] == '0')
      ++i;
    size_t start = i;
    while (i < name.size() && IsDigit(name[i]))
      ++i;
    size_t length = i - start;
    keys += '0';
    keys += static_cast<char>(length >> 8);
    keys += static_cast<char>(length & 0xFF);
    keys.append(name.substr(start, length));
  }
}
