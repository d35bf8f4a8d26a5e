// The floor of the extraction's cost: the platform's own directory read with
// the ".jpg" test and nothing else kept.
#pragma once

#include <cstddef>

#include "core/text.h"

size_t CountPhotosBare(const Text& folder);

// Peak resident memory of this process so far, and now, in bytes (0 where
// the platform does not tell).
size_t PeakResidentBytes();
size_t ResidentBytes();

// Creates an empty file or folder.
bool MakeFile(const Text& path);
bool MakeFolder(const Text& path);
