// The file search over FindFirstFileA / FindNextFileA / FindClose.
#include <windows.h>

#include "platform/file_search.h"

struct SearchHandle {
  HANDLE find = INVALID_HANDLE_VALUE;
  ~SearchHandle() { FindClose(find); }
};

SearchState::SearchState() = default;
SearchState::~SearchState() = default;

const char kPathSeparator[] = "\\";

namespace {

bool IsDirectory(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Whether the folder part of pattern (up to its last backslash) is a folder.
bool PatternFolderExists(const Text& pattern) {
  int32_t last = FindLastBackslash(pattern);
  if (last < 0)
    return true;  // relative to the current folder, which exists
  DWORD attributes = GetFileAttributesA(TextLeft(pattern, last).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool StartSearch(const Text& pattern, SearchState& state,
                 WIN32_FIND_DATAA& entry) {
  state.handle.reset();
  HANDLE find = FindFirstFileA(pattern.c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) {
    // "No match" is the only failure that still means the folder was listed.
    state.folder_unreadable = GetLastError() != ERROR_FILE_NOT_FOUND ||
                              !PatternFolderExists(pattern);
    return false;
  }
  state.folder_unreadable = false;
  state.handle = std::make_unique<SearchHandle>();
  state.handle->find = find;
  return true;
}

bool NextEntry(SearchState& state, WIN32_FIND_DATAA& entry) {
  if (!state.handle)
    return false;
  if (FindNextFileA(state.handle->find, &entry))
    return true;
  state.handle.reset();
  return false;
}

}  // namespace

Text FindFile(const Text& pattern, SearchState& state) {
  WIN32_FIND_DATAA entry;
  bool found = pattern.empty() ? NextEntry(state, entry)
                               : StartSearch(pattern, state, entry);
  while (found && IsDirectory(entry))
    found = NextEntry(state, entry);
  return found ? Text(entry.cFileName) : Text();
}

void CloseFileSearch(SearchState& state) { state.handle.reset(); }

size_t PendingMatches(const SearchState&) { return 0; }
