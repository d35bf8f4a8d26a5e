// The file search over opendir / readdir. The pattern's folder part ends at
// its last backslash; the names come sorted in natural order, as Linux file
// managers show them, so the whole folder is read when the search starts.
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/natural_order.h"
#include "platform/file_search.h"

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

// "*.jpg" and its kind: a star and a plain suffix, matched in any ASCII case.
class NamePattern {
 public:
  explicit NamePattern(const std::string& pattern)
      : pattern_(pattern),
        suffix_only_(!pattern.empty() && pattern[0] == '*' &&
                     pattern.find_first_of("*?[\\", 1) == std::string::npos) {}

  bool Matches(const char* name, size_t length) const {
    if (!suffix_only_)
      return fnmatch(pattern_.c_str(), name, FNM_CASEFOLD) == 0;
    size_t suffix = pattern_.size() - 1;
    return length >= suffix &&
           strncasecmp(name + length - suffix, pattern_.c_str() + 1, suffix) ==
               0;
  }

 private:
  std::string pattern_;
  bool suffix_only_;
};

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
// after it; equal keys fall back to byte order.
void SortNaturally(SearchHandle& handle) {
  struct Item {
    NameRef key;
    NameRef name;
  };
  std::string keys;
  keys.reserve(handle.names.size() + handle.names.size() / 4);
  std::vector<Item> items;
  items.reserve(handle.order.size());
  for (NameRef name : handle.order) {
    uint32_t offset = static_cast<uint32_t>(keys.size());
    AppendNaturalKey(handle.Name(name), keys);
    items.push_back({{offset, static_cast<uint32_t>(keys.size() - offset)}, name});
  }
  std::string_view all_keys = keys;
  std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
    int order = all_keys.substr(a.key.offset, a.key.length)
                    .compare(all_keys.substr(b.key.offset, b.key.length));
    return order != 0 ? order < 0 : handle.Name(a.name) < handle.Name(b.name);
  });
  for (size_t i = 0; i < items.size(); ++i)
    handle.order[i] = items[i].name;
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
    size_t split = pattern.rfind('\\');
    std::string folder = split == Text::npos ? "." : pattern.substr(0, split);
    NamePattern names(split == Text::npos ? pattern : pattern.substr(split + 1));
    state.handle = ReadMatches(folder, names);
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
