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
#include "platform/large_memory.h"
#include "platform/name_pattern_posix.h"

// The matches of one search, read in full and sorted: the names back to
// back in the order they are handed out, each ending in NUL, and where each
// one starts.
struct SearchHandle {
  LargeVector<char> names;
  LargeVector<uint32_t> starts;
  size_t next = 0;

  size_t Count() const { return starts.size() - 1; }
  std::string_view Name(uint32_t i) const {
    return std::string_view(names.data() + starts[i],
                            starts[i + 1] - starts[i] - 1);
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

// Copies the names into a new arena in the order they will be handed out:
// the one pass that reads them from all over the old arena, ahead of time.
void LaySortedOut(SearchHandle& handle, const LargeVector<uint32_t>& order) {
  LargeVector<char> names(handle.names.size());
  LargeVector<uint32_t> starts(handle.starts.size());
  char* at = names.data();
  starts[0] = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i + 16 < order.size()) {
      __builtin_prefetch(&handle.starts[order[i + 16]]);
      if (i + 8 < order.size())
        __builtin_prefetch(handle.names.data() + handle.starts[order[i + 8]]);
    }
    uint32_t from = handle.starts[order[i]], to = handle.starts[order[i] + 1];
    at = std::copy(handle.names.data() + from, handle.names.data() + to, at);
    starts[i + 1] = static_cast<uint32_t>(at - names.data());
  }
  handle.names.swap(names);
  handle.starts.swap(starts);
}

// Room for the names before they are read, so that the arrays are never
// copied as they grow. A folder's size is about what its entries take:
// enough for their names on the usual file systems.
void ReserveForFolder(DIR* dir, SearchHandle& handle, NaturalKeys& keys) {
  struct stat folder;
  if (fstat(dirfd(dir), &folder) != 0 || folder.st_size <= 0)
    return;
  size_t bytes = std::min<size_t>(folder.st_size, size_t{1} << 30);
  size_t names = bytes / 16;
  handle.names.reserve(bytes);
  handle.starts.reserve(names + 1);
  keys.Reserve(names, bytes + bytes / 4);
}

// Each name's sort key is built as it is read, while its bytes are at hand.
std::unique_ptr<SearchHandle> ReadMatches(const std::string& folder,
                                          const NamePattern& pattern) {
  DIR* dir = opendir(folder.c_str());
  if (!dir)
    return nullptr;
  auto handle = std::make_unique<SearchHandle>();
  NaturalKeys keys;
  ReserveForFolder(dir, *handle, keys);
  handle->starts.push_back(0);
  while (const dirent* entry = readdir(dir)) {
    size_t length = strlen(entry->d_name);
    if (!pattern.Matches(entry->d_name, length) || IsDirectoryEntry(dir, entry))
      continue;
    handle->names.insert(handle->names.end(), entry->d_name,
                         entry->d_name + length + 1);
    handle->starts.push_back(static_cast<uint32_t>(handle->names.size()));
    keys.Add(std::string_view(entry->d_name, length));
  }
  closedir(dir);
  const SearchHandle& read = *handle;
  LargeVector<uint32_t> order = keys.Sort(
      [&](uint32_t a, uint32_t b) { return read.Name(a) < read.Name(b); });
  keys = NaturalKeys();
  LaySortedOut(*handle, order);
  return handle;
}

}  // namespace

std::string_view FindFileInPlace(const Text& pattern, SearchState& state) {
  if (!pattern.empty()) {
    state.handle.reset();
    SplitPattern parts = SplitSearchPattern(pattern);
    state.handle = ReadMatches(parts.folder, NamePattern(parts.names));
    state.folder_unreadable = state.handle == nullptr;
  }
  SearchHandle* search = state.handle.get();
  if (!search || search->next == search->Count()) {
    state.handle.reset();
    return std::string_view();
  }
  return search->Name(search->next++);
}

void CloseFileSearch(SearchState& state) { state.handle.reset(); }

PendingNames PendingMatches(const SearchState& state) {
  const SearchHandle* search = state.handle.get();
  if (!search)
    return {};
  return {search->Count() - search->next, search->names.size()};
}
