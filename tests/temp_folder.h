// A real folder for a test, removed with everything in it afterwards.
#pragma once

#include "core/text.h"

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, without a trailing separator.
  const Text& path() const { return path_; }
  Text PathOf(const Text& name) const;

  // Creates an empty file, or a subfolder, of that name; returns its path.
  Text AddFile(const Text& name) const;
  Text AddFolder(const Text& name) const;
  // Creates an empty file at a full path.
  static void AddFileAt(const Text& path);

 private:
  Text path_;
};
