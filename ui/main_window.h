// The program's one window: a button that runs the command, and the whole
// window a drop target for folders. Each platform builds it its own way.
#pragma once

#include <cstdint>

#include "core/text.h"

// Creates the main window and shows it; Created is raised in between.
// Returns false when the window could not be created.
bool LoadStartWindow();

// Registers the drop target on the main window, once. Returns whether it
// took this time.
bool RegisterDropTarget();

// Created: the window and its button exist, the window is not yet shown.
void OnMainWindowCreated();

// FilesDropped: text is what DroppedPathsText made of the dropped paths.
void OnFilesDropped(const Text& text);

// The event text of a drop: one path alone, several each followed by CR LF,
// none the empty text.
Text DroppedPathsText(const TextList& paths);

// Drop effects, with the values both Windows and Qt give them.
constexpr uint32_t kDropNone = 0;
constexpr uint32_t kDropCopy = 1;
constexpr uint32_t kDropMove = 2;
constexpr uint32_t kDropLink = 4;

// The effect a drag over the window gets, from whether its data is
// acceptable, the keys held and the effects the source allows.
uint32_t ChooseDropEffect(bool acceptable, bool control, bool shift,
                          uint32_t allowed);
