// The desktop services the command needs besides the file search: the
// folder chooser, the clipboard and the message box. Each runs modally on
// the calling (GUI) thread and returns when it is done.
#pragma once

#include <cstdint>

#include "core/text.h"

// Message box styles, with the values Windows gives them.
constexpr int32_t kMessageBoxPlain = 0x00;
constexpr int32_t kMessageBoxIconError = 0x10;

// Lets the user choose a folder, the program's windows blocked meanwhile.
// Returns its file-system path, or the empty text when the user cancelled or
// the chosen item has no path.
Text BrowseForFolder(const Text& title);

// Replaces the clipboard's contents with text, as plain text in every form
// the platform's readers take. Returns false, leaving the clipboard's
// earlier contents where it could, when the clipboard could not be written.
bool SetClipboardText(const Text& text);

// A modal box with text, title and one OK button, blocking the program's
// windows until it is closed.
void ShowMessageBox(const Text& text, int32_t style, const Text& title);
