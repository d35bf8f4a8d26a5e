// The file search over opendir / readdir. The pattern's folder part ends at
// its last backslash; the names come sorted in natural order, as Linux file
// managers show them, so the whole folder is read when the search starts.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/natural_order.h"
#include "platform/file_search.h"
#include "platform/name_pattern_posix.h"

namespace {

struct NameRef {
  uint32_t offset;
  uint32_t length;
};

}  // namespace

// The matches of one search, read in full: the names back to back, each
// ending in NUL, and where each one starts, in the order they are handed out.
struct SearchHandle {
  std::string names;
  std::vector<NameRef> order;
  size_t next = 0;

  std::string_view Name(NameRef ref) const {
    return std::string_view(names).substr(ref.offset, ref.length);
  }
};

SearchState::SearchState() = default;
SearchState::~SearchState() = default;

const char kPathSeparator[] = "/";

namespace {

bool IsDirectoryEntry(DIR* dir, const dirent* entry) {
  if (entry->d_type == DT_DIR)
    return true;
  if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
    return false;
  // A link counts as what it points to; a dangling link is listed.
  struct stat target;
  return fstatat(dirfd(dir), entry->d_name, &target, 0) == 0 &&
         S_ISDIR(target.st_mode);
}

// Sorts the names by their natural keys, built for the sort and dropped
// after it; equal keys fall back to byte order. Key i spans
// [starts[i], starts[i + 1]); the sort moves 4-byte indexes, not names.
void SortNaturally(SearchHandle& handle) {
  const size_t count = handle.order.size();
  std::string keys;
  keys.reserve(handle.names.size() + handle.names.size() / 4);
  std::vector<uint32_t> starts;
  starts.reserve(count + 1);
  for (NameRef name : handle.order) {
    starts.push_back(static_cast<uint32_t>(keys.size()));
    AppendNaturalKey(handle.Name(name), keys);
  }
  starts.push_back(static_cast<uint32_t>(keys.size()));

  std::vector<uint32_t> sorted(count);
  for (size_t i = 0; i < count; ++i)
    sorted[i] = static_cast<uint32_t>(i);
  std::string_view all_keys = keys;
  auto key = [&](uint32_t i) {
    return all_keys.substr(starts[i], starts[i + 1] - starts[i]);
  };
  std::sort(sorted.begin(), sorted.end(), [&](uint32_t a, uint32_t b) {
    int order = key(a).compare(key(b));
    return order != 0 ? order < 0
                      : handle.Name(handle.order[a]) < handle.Name(handle.order[b]);
  });
  std::vector<NameRef> order(count);
  for (size_t i = 0; i < count; ++i)
    order[i] = handle.order[sorted[i]];
  handle.order.swap(order);
}

std::unique_ptr<SearchHandle> ReadMatches(const std::string& folder,
                                          const NamePattern& pattern) {
  DIR* dir = opendir(folder.c_str());
  if (!dir)
    return nullptr;
  auto handle = std::make_unique<SearchHandle>();
  while (const dirent* entry = readdir(dir)) {
    size_t length = strlen(entry->d_name);
    if (!pattern.Matches(entry->d_name, length) || IsDirectoryEntry(dir, entry))
      continue;
    handle->order.push_back({static_cast<uint32_t>(handle->names.size()),
                             static_cast<uint32_t>(length)});
    handle->names.append(entry->d_name, length + 1);
  }
  closedir(dir);
  SortNaturally(*handle);
  return handle;
}

}  // namespace

Text FindFile(const Text& pattern, SearchState& state) {
  if (!pattern.empty()) {
    state.handle.reset();
    SplitPattern parts = SplitSearchPattern(pattern);
    state.handle = ReadMatches(parts.folder, NamePattern(parts.names));
    state.folder_unreadable = state.handle == nullptr;
  }
  SearchHandle* search = state.handle.get();
  if (!search || search->next == search->order.size()) {
    state.handle.reset();
    return Text();
  }
  return Text(search->Name(search->order[search->next++]));
}

void CloseFileSearch(SearchState& state) { state.handle.reset(); }

size_t PendingMatches(const SearchState& state) {
  const SearchHandle* search = state.handle.get();
  return search ? search->order.size() - search->next : 0;
}
