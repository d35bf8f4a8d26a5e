#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include <new>

#include "platform/large_memory.h"

namespace {

// From here on a block gets a mapping of its own, advised to huge pages.
constexpr size_t kLargeBlock = size_t{1} << 20;

}  // namespace

void* AllocateLarge(size_t bytes) {
  if (bytes < kLargeBlock)
    return ::operator new(bytes);
  // As operator new does: the new handler runs until memory comes, or it
  // ends the program.
  for (;;) {
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block != MAP_FAILED) {
      madvise(block, bytes, MADV_HUGEPAGE);  // advice: else small pages
      return block;
    }
    std::new_handler handler = std::get_new_handler();
    if (!handler)
      throw std::bad_alloc();
    handler();
  }
}

void FreeLarge(void* block, size_t bytes) {
  if (bytes < kLargeBlock)
    ::operator delete(block);
  else
    munmap(block, bytes);
}

void AdviseLargePages(void* buffer, size_t bytes) {
  if (bytes < kLargeBlock)
    return;
  // madvise takes whole pages: the ones inside the buffer.
  const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  uintptr_t begin = (reinterpret_cast<uintptr_t>(buffer) + page - 1) & ~(page - 1);
  uintptr_t end = (reinterpret_cast<uintptr_t>(buffer) + bytes) & ~(page - 1);
  if (begin < end)
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}
