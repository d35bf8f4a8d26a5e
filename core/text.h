// Byte strings as the program handles them: UTF-8 (on Linux, a file name's
// bytes as the file system holds them, UTF-8 or not). UTF-8 never hides an
// ASCII byte inside a longer character, so finding a backslash or ".jpg" is
// a plain byte scan. Positions are 1-based; -1 means "not found".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Text = std::string;
using TextList = std::vector<std::string>;

int32_t TextLength(const Text& text);

// First occurrence of search in text; ignore_case folds ASCII letters only.
int32_t FindInText(const Text& text, const Text& search, bool ignore_case);

// The first / last count bytes; a count of 0 or less gives the empty text,
// a count past the length the whole text. Cuts bytes, not characters.
Text TextLeft(const Text& text, int32_t count);
Text TextRight(const Text& text, int32_t count);

// 1-based position of the last backslash, or -1.
int32_t FindLastBackslash(const Text& text);

// The folder of a program at module_path ("C:\a\b.exe" gives "C:\a", a
// program in a drive root the bare drive): cut before the last backslash.
Text ProgramFolderOf(const Text& module_path);
