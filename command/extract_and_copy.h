// The program's one command: a folder's photo names onto the clipboard.
#pragma once

#include <cstdint>

#include "core/text.h"

// The folder that the next run reads: the last folder chosen or dropped.
extern Text FolderPath;
// 1 once something has been dropped on the window: runs then reuse
// FolderPath instead of asking for a folder.
extern int32_t DroppedFlag;

// Settles the folder (asking for one unless something was dropped), puts the
// names of its photos on the clipboard, one per line, and tells the user how
// that went. Returns once the user has closed the message box.
void ExtractAndCopy();
