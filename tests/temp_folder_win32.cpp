#include <windows.h>

#include <stdexcept>

#include "platform/wide_text_win32.h"
#include "tests/temp_folder.h"

namespace {

// Test paths may be deeper than MAX_PATH.
std::wstring Wide(const Text& path) { return LongPathForm(WideText(path)); }

void RemoveTree(const Text& path) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW(Wide(path + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      Text name = TextOfWide(entry.cFileName);
      if (name == "." || name == "..")
        continue;
      Text child = path + "\\" + name;
      SetFileAttributesW(Wide(child).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        DeleteFileW(Wide(child).c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(Wide(path).c_str());
}

}  // namespace

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  DWORD length = GetTempPathW(MAX_PATH, base);
  if (length == 0 || length >= MAX_PATH)
    throw std::runtime_error("no temporary folder");
  for (unsigned attempt = GetTickCount();; ++attempt) {
    Text path = TextOfWide(base) + "jpgnames-" + std::to_string(attempt);
    if (CreateDirectoryW(Wide(path).c_str(), nullptr)) {
      path_ = path;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS)
      throw std::runtime_error("cannot create " + path);
  }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

Text TempFolder::PathOf(const Text& name) const { return path_ + "\\" + name; }

Text TempFolder::AddFile(const Text& name) const {
  Text path = PathOf(name);
  AddFileAt(path);
  return path;
}

void TempFolder::AddFileAt(const Text& path) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw std::runtime_error("cannot create " + path);
  CloseHandle(file);
}

Text TempFolder::AddFolder(const Text& name) const {
  Text path = PathOf(name);
  if (!CreateDirectoryW(Wide(path).c_str(), nullptr))
    throw std::runtime_error("cannot create " + path);
  return path;
}
