// The floor of the extraction's cost: the platform's own directory read with
// the ".jpg" test and nothing else kept.
#pragma once

#include <cstddef>

#include "core/text.h"

size_t CountPhotosBare(const Text& folder);

// Creates an empty file or folder.
bool MakeFile(const Text& path);
bool MakeFolder(const Text& path);
