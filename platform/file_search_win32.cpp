// The file search over FindFirstFileW / FindNextFileW / FindClose, in the
// \\?\ form so that folders deeper than MAX_PATH are listed too.
#include <windows.h>

#include "platform/file_search.h"
#include "platform/wide_text_win32.h"

struct SearchHandle {
  HANDLE find = INVALID_HANDLE_VALUE;
  Text name;  // the last name handed out
  ~SearchHandle() { FindClose(find); }
};

SearchState::SearchState() = default;
SearchState::~SearchState() = default;

const char kPathSeparator[] = "\\";

std::wstring LongPathForm(const std::wstring& path) {
  if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0)
    return path;
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0)
    return path;
  std::wstring full(size, L'\0');
  DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size)
    return path;
  full.resize(length);
  if (full.rfind(L"\\\\", 0) == 0)
    return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

namespace {

bool IsDirectory(const WIN32_FIND_DATAW& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Whether the folder part of pattern (up to its last backslash) is a folder.
bool PatternFolderExists(const std::wstring& pattern) {
  size_t last = pattern.rfind(L'\\');
  if (last == std::wstring::npos)
    return true;  // relative to the current folder, which exists
  DWORD attributes = GetFileAttributesW(pattern.substr(0, last + 1).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool StartSearch(const Text& pattern, SearchState& state,
                 WIN32_FIND_DATAW& entry) {
  state.handle.reset();
  std::wstring wide = LongPathForm(WideText(pattern));
  HANDLE find = FindFirstFileW(wide.c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) {
    // "No match" is the only failure that still means the folder was listed.
    state.folder_unreadable = GetLastError() != ERROR_FILE_NOT_FOUND ||
                              !PatternFolderExists(wide);
    return false;
  }
  state.folder_unreadable = false;
  state.handle = std::make_unique<SearchHandle>();
  state.handle->find = find;
  return true;
}

bool NextEntry(SearchState& state, WIN32_FIND_DATAW& entry) {
  if (!state.handle)
    return false;
  if (FindNextFileW(state.handle->find, &entry))
    return true;
  state.handle.reset();
  return false;
}

}  // namespace

std::string_view FindFileInPlace(const Text& pattern, SearchState& state) {
  WIN32_FIND_DATAW entry;
  bool found = pattern.empty() ? NextEntry(state, entry)
                               : StartSearch(pattern, state, entry);
  while (found && IsDirectory(entry))
    found = NextEntry(state, entry);
  if (!found)
    return std::string_view();
  state.handle->name = TextOfWide(entry.cFileName);
  return state.handle->name;
}

void CloseFileSearch(SearchState& state) { state.handle.reset(); }

PendingNames PendingMatches(const SearchState&) { return {}; }
