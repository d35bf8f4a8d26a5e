#include <new>

#include "platform/large_memory.h"

// The Windows search hands names out as it reads them: nothing large to
// place, so the ordinary heap does.
void* AllocateLarge(size_t bytes) { return ::operator new(bytes); }

void FreeLarge(void* block, size_t) { ::operator delete(block); }

void AdviseLargePages(void*, size_t) {}
