// Memory for arrays of tens of megabytes (a folder of a million names): on
// Linux in huge pages where the kernel offers them, which saves most of the
// page faults and TLB misses of filling and sorting such arrays; elsewhere
// the ordinary heap. Both throw std::bad_alloc when memory runs out.
#pragma once

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

void* AllocateLarge(size_t bytes);
void FreeLarge(void* block, size_t bytes);

// Asks for huge pages under a buffer that another allocator made and that
// has not been written yet (a reserved string's room): its first writes
// then fault in a few large pages instead of thousands of small ones.
void AdviseLargePages(void* buffer, size_t bytes);

template <typename T>
struct LargeAllocator {
  using value_type = T;
  LargeAllocator() = default;
  template <typename U>
  LargeAllocator(const LargeAllocator<U>&) {}
  T* allocate(size_t n) { return static_cast<T*>(AllocateLarge(n * sizeof(T))); }
  void deallocate(T* block, size_t n) { FreeLarge(block, n * sizeof(T)); }
  // A vector sized ahead is filled in afterwards: leave its elements
  // uninitialised rather than write zeros over megabytes first.
  template <typename U>
  void construct(U* at) {
    ::new (static_cast<void*>(at)) U;
  }
  template <typename U, typename... Args>
  void construct(U* at, Args&&... args) {
    ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
  }
  friend bool operator==(const LargeAllocator&, const LargeAllocator&) {
    return true;
  }
};

template <typename T>
using LargeVector = std::vector<T, LargeAllocator<T>>;
