// Times the product's extraction against the floor of a bare directory read.
//   extraction_bench make DIR COUNT       fills DIR with COUNT entries, once
//   extraction_bench time DIR RUNS [CMD]  RUNS interleaved rounds: product,
//                                         floor, and CMD (a shell command on
//                                         the same folder) if given; prints
//                                         medians in ms
//   extraction_bench floor DIR            one bare read, as a fresh process
//                                         meets it
//   extraction_bench phases DIR RUNS      medians of the run's parts
//   extraction_bench memory DIR           one product run: peak resident
//                                         bytes above the baseline, per name
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/floor.h"
#include "bench/process_memory.h"
#include "core/photo_names.h"
#include "platform/file_search.h"

namespace {

using Clock = std::chrono::steady_clock;

// Realistic shapes: camera names in both cases, Chinese names, others.
Text EntryName(size_t i, bool* folder) {
  char name[64];
  size_t kind = i % 100;
  *folder = kind == 99;
  if (kind == 99)
    snprintf(name, sizeof name, i % 200 == 99 ? "x%zu.jpg" : "dir %zu", i);
  else if (kind >= 90)
    snprintf(name, sizeof name, kind % 2 ? "notes %zu.txt" : "IMG_%04zu.png", i);
  else if (kind % 3 == 0)
    snprintf(name, sizeof name, "IMG_%04zu.jpg", i);
  else if (kind % 3 == 1)
    snprintf(name, sizeof name, "DSC %zu.JPG", i);
  else
    snprintf(name, sizeof name, "\xE7\x85\xA7\xE7\x89\x87 %zu.jpg", i);
  return name;
}

int Make(const Text& folder, size_t count) {
  Text done = folder + kPathSeparator + ".complete-" + std::to_string(count);
  if (FILE* marker = fopen(done.c_str(), "r")) {
    fclose(marker);
    return 0;
  }
  MakeFolder(folder);
  for (size_t i = 0; i < count; ++i) {
    bool is_folder = false;
    Text path = folder + kPathSeparator + EntryName(i, &is_folder);
    if (!(is_folder ? MakeFolder(path) : MakeFile(path))) {
      fprintf(stderr, "cannot create %s\n", path.c_str());
      return 1;
    }
  }
  return MakeFile(done) ? 0 : 1;
}

volatile size_t joined_bytes;  // keeps the join from being optimised away

// What the command runs: the joined text of the folder's photos.
size_t RunProduct(const Text& folder) {
  SearchState state;
  Text joined = CollectJoinedPhotoNames(folder, state);
  joined_bytes = joined.size();
  return static_cast<size_t>(std::count(joined.begin(), joined.end(), '\n'));
}

template <typename F>
double Milliseconds(F&& run) {
  auto start = Clock::now();
  run();
  return std::chrono::duration<double, std::milli>(Clock::now() - start)
      .count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int Time(const Text& folder, int runs, const char* command) {
  std::vector<double> product, floor, other;
  size_t names = 0, bare = 0;
  RunProduct(folder);  // warm the cache
  for (int run = 0; run < runs; ++run) {
    product.push_back(Milliseconds([&] { names = RunProduct(folder); }));
    floor.push_back(Milliseconds([&] { bare = CountPhotosBare(folder); }));
    if (command)
      other.push_back(Milliseconds([&] { (void)std::system(command); }));
  }
  printf("names=%zu\nbare_names=%zu\nproduct_ms=%.3f\nfloor_ms=%.3f\n", names,
         bare, Median(product), Median(floor));
  if (command)
    printf("command_ms=%.3f\n", Median(other));
  return 0;
}

// Where a product run spends its time: the search's start (reading, keying
// and sorting the folder), then handing out, trimming and joining the names.
int Phases(const Text& folder, int runs) {
  std::vector<double> start, rest;
  for (int run = 0; run < runs; ++run) {
    SearchState state;
    std::string_view name;
    start.push_back(Milliseconds([&] { name = FindFileInPlace(folder + "\\*.jpg", state); }));
    Text joined;
    rest.push_back(Milliseconds([&] {
      for (; !name.empty(); name = FindFileInPlace(Text(), state)) {
        joined += TrimPhotoName(Text(name));
        joined += "\r\n";
      }
    }));
  }
  printf("search_start_ms=%.3f\nhand_out_and_join_ms=%.3f\n", Median(start),
         Median(rest));
  return 0;
}

int Memory(const Text& folder) {
  size_t baseline = ResidentBytes();
  size_t names = 0;
  names = RunProduct(folder);
  size_t peak = PeakResidentBytes();
  printf("names=%zu\nbaseline_bytes=%zu\npeak_bytes=%zu\nbytes_per_name=%.1f\n",
         names, baseline, peak,
         names ? double(peak - std::min(peak, baseline)) / names : 0.0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Text command = argc > 1 ? argv[1] : "";
  if (command == "make" && argc == 4)
    return Make(argv[2], strtoull(argv[3], nullptr, 10));
  if (command == "time" && argc >= 4)
    return Time(argv[2], atoi(argv[3]), argc > 4 ? argv[4] : nullptr);
  if (command == "floor" && argc == 3) {
    size_t bare = 0;
    double ms = Milliseconds([&] { bare = CountPhotosBare(argv[2]); });
    printf("bare_names=%zu\nfloor_ms=%.3f\n", bare, ms);
    return 0;
  }
  if (command == "phases" && argc == 4)
    return Phases(argv[2], atoi(argv[3]));
  if (command == "memory" && argc == 3)
    return Memory(argv[2]);
  fprintf(stderr, "usage: extraction_bench make|time|memory DIR ...\n");
  return 2;
}
