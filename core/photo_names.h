// The photo names of one folder, and the text that goes on the clipboard.
#pragma once

#include "core/text.h"

struct SearchState;

// The name less its folder part (up to its first path separator) and its
// last four bytes; the empty text when four bytes or fewer remain.
Text TrimPhotoName(const Text& name);

// Whether name ends in ".jpg", ASCII case ignored.
bool IsPhotoName(const Text& name);

// The trimmed names of the photos in folder, in the search's order. Never
// empty: a folder without photos gives one empty name. A CR or LF inside a
// name (possible on Linux) becomes "?", so that every name stays one line.
// On return the search in state has run to its end; state.folder_unreadable
// tells whether the folder could be listed at all.
TextList CollectPhotoNames(const Text& folder, SearchState& state);

// Every name followed by CR LF.
Text JoinPhotoNames(const TextList& names);

// JoinPhotoNames (CollectPhotoNames (folder, state)), written straight into
// one text: no list of a million names on the way to the clipboard.
Text CollectJoinedPhotoNames(const Text& folder, SearchState& state);
