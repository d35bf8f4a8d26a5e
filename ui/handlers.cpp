#include "command/extract_and_copy.h"
#include "ui/main_window.h"

void OnMainWindowCreated() {
  DroppedFlag = 0;
  RegisterDropTarget();
}

void OnFilesDropped(const Text& text) {
  DroppedFlag = 1;
  FolderPath = text;
  ExtractAndCopy();
}

Text DroppedPathsText(const TextList& paths) {
  if (paths.size() == 1)
    return paths.front();
  Text text;
  for (const Text& path : paths)
    text += path + "\r\n";
  return text;
}

uint32_t ChooseDropEffect(bool acceptable, bool control, bool shift,
                          uint32_t allowed) {
  if (!acceptable || (control && shift))
    return kDropNone;
  if (control)
    return allowed & kDropCopy;
  if (shift)
    return allowed & kDropMove;
  for (uint32_t effect : {kDropCopy, kDropMove, kDropLink})
    if (allowed & effect)
      return effect;
  return kDropNone;
}
