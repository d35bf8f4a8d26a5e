// The platform's file search: the entries of one folder that match a pattern.
#pragma once

#include <memory>
#include <string_view>

#include "core/text.h"

// An open search of the platform's; defined by each platform.
struct SearchHandle;

// One search in progress, or none. Owned by one run of the command.
struct SearchState {
  SearchState();
  ~SearchState();
  SearchState(const SearchState&) = delete;
  SearchState& operator=(const SearchState&) = delete;

  std::unique_ptr<SearchHandle> handle;
  // Set by a new search whose folder could not be listed at all (missing,
  // not a folder, refused, unreadable), as opposed to one that was listed
  // and held no match.
  bool folder_unreadable = false;
};

// The byte that separates folders in a path on this platform.
extern const char kPathSeparator[];

// With a pattern ("folder\*.jpg"), starts a new search, closing the one in
// state; with the empty text, goes on with the search in state. Returns the
// bare name of the next match that is not a directory, or the empty text
// at the end, when the search has been closed. The name is a view into the
// search's own storage, valid until the next call on state: a caller that
// copies names anyway copies them once.
std::string_view FindFileInPlace(const Text& pattern, SearchState& state);

// The same, the name a text of its own.
inline Text FindFile(const Text& pattern, SearchState& state) {
  return Text(FindFileInPlace(pattern, state));
}

// Closes the search in state, if any.
void CloseFileSearch(SearchState& state);

// What the search in state is sure to give still, where the platform knows
// it ahead (zeros where it does not): lets a caller size its storage.
struct PendingNames {
  size_t count = 0;
  size_t bytes = 0;  // at most, a NUL after every name counted
};
PendingNames PendingMatches(const SearchState& state);
