#include "tests/recording_desktop.h"

#include "platform/desktop.h"

namespace {
RecordingDesktop desktop;
}

RecordingDesktop& Desktop() { return desktop; }

void ResetDesktop() { desktop = RecordingDesktop(); }

Text BrowseForFolder(const Text&) {
  desktop.calls.push_back("browse");
  return desktop.chosen_folder;
}

bool SetClipboardText(const Text& text) {
  desktop.calls.push_back("clipboard");
  if (desktop.clipboard_works)
    desktop.clipboard = text;
  return desktop.clipboard_works;
}

void ShowMessageBox(const Text& text, int32_t style, const Text& title) {
  desktop.calls.push_back("box");
  desktop.box_text = text;
  desktop.box_style = style;
  desktop.box_title = title;
}
