// How much memory this process holds, for the benchmark and the soak test.
#pragma once

#include <cstddef>

// Peak resident memory of this process so far, and now, in bytes (0 where
// the platform does not tell).
size_t PeakResidentBytes();
size_t ResidentBytes();
