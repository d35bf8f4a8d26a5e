#include <windows.h>

#include "bench/floor.h"
#include "platform/wide_text_win32.h"

// The bare wide search loop: what the product's own search calls cost.
size_t CountPhotosBare(const Text& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW(WideText(folder + "\\*.jpg").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE)
    return 0;
  size_t count = 0;
  do {
    count += !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  return count;
}

bool MakeFile(const Text& path) {
  HANDLE file = CreateFileW(WideText(path).c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  CloseHandle(file);
  return true;
}

bool MakeFolder(const Text& path) {
  return CreateDirectoryW(WideText(path).c_str(), nullptr) != 0;
}
