// Memory for arrays of tens of megabytes (a folder of a million names): on
// Linux in huge pages where the kernel offers them, which saves most of the
// page faults and TLB misses of filling and sorting such arrays; elsewhere
// the ordinary heap. Both throw std::bad_alloc when memory runs out.
#pragma once

#include <cstddef>
#include <vector>

void* AllocateLarge(size_t bytes);
void FreeLarge(void* block, size_t bytes);

template <typename T>
struct LargeAllocator {
  using value_type = T;
  LargeAllocator() = default;
  template <typename U>
  LargeAllocator(const LargeAllocator<U>&) {}
  T* allocate(size_t n) { return static_cast<T*>(AllocateLarge(n * sizeof(T))); }
  void deallocate(T* block, size_t n) { FreeLarge(block, n * sizeof(T)); }
  friend bool operator==(const LargeAllocator&, const LargeAllocator&) {
    return true;
  }
};

template <typename T>
using LargeVector = std::vector<T, LargeAllocator<T>>;
