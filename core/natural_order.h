// The order in which Linux file managers show names.
#pragma once

#include <string_view>

// Runs of digits compare by their value, other bytes ASCII-case-insensitively;
// byte order breaks ties, so that only equal names are equivalent
// (IMG_2 < IMG_10, a.jpg < B.jpg, A.jpg < a.jpg).
bool NaturalLess(std::string_view a, std::string_view b);
