// Byte strings as the program handles them: file names and messages in the
// platform's own byte encoding (the ANSI code page on Windows, the file
// system's bytes elsewhere). Positions are 1-based; -1 means "not found".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Text = std::string;
using TextList = std::vector<std::string>;

int32_t TextLength(const Text& text);

// First occurrence of search in text. Double-byte aware: a byte of 0x80 or
// above starts a two-byte character whose second byte is never tried as a
// start, so the trail byte 0x5C of a GBK character is not a backslash.
int32_t FindInText(const Text& text, const Text& search, bool ignore_case);

// The first / last count bytes; a count of 0 or less gives the empty text,
// a count past the length the whole text. Cuts bytes, not characters.
Text TextLeft(const Text& text, int32_t count);
Text TextRight(const Text& text, int32_t count);

// 1-based position of the last backslash, or -1. Double-byte aware in code
// page 936: a byte from 0x81 to 0xFE and the byte after it are one character.
int32_t FindLastBackslash(const Text& text);

// The folder of a program at module_path ("C:\a\b.exe" gives "C:\a", a
// program in a drive root the bare drive): cut before the last backslash.
Text ProgramFolderOf(const Text& module_path);
