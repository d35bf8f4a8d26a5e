// The order in which Linux file managers show names.
#pragma once

#include <string>
#include <string_view>

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
