// A stand-in for the desktop services that answers as a test says and
// records what the command asked of it.
#pragma once

#include <string>
#include <vector>

#include "core/text.h"

struct RecordingDesktop {
  // What the folder browser answers next ("" is Cancel).
  Text chosen_folder;
  // Whether the clipboard takes the text.
  bool clipboard_works = true;

  // What happened, in order: "browse", "clipboard", "box".
  std::vector<std::string> calls;
  Text clipboard;
  Text box_text;
  Text box_title;
  int32_t box_style = -1;
};

// The one stand-in the desktop functions talk to; reset for every test.
RecordingDesktop& Desktop();
void ResetDesktop();
