#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/process_memory.h"

namespace {

size_t StatusKilobytes(const char* field) {
  FILE* status = fopen("/proc/self/status", "r");
  if (!status)
    return 0;
  char line[256];
  size_t kilobytes = 0, length = strlen(field);
  while (fgets(line, sizeof line, status))
    if (strncmp(line, field, length) == 0)
      kilobytes = strtoul(line + length, nullptr, 10);
  fclose(status);
  return kilobytes;
}

}  // namespace

size_t PeakResidentBytes() { return StatusKilobytes("VmHWM:") * 1024; }
size_t ResidentBytes() { return StatusKilobytes("VmRSS:") * 1024; }
