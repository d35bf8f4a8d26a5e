#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "tests/temp_folder.h"

TempFolder::TempFolder() {
  std::string name = std::filesystem::temp_directory_path() / "jpgnames-XXXXXX";
  if (!mkdtemp(name.data()))
    throw std::runtime_error("mkdtemp failed");
  path_ = name;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

Text TempFolder::PathOf(const Text& name) const { return path_ + "/" + name; }

Text TempFolder::AddFile(const Text& name) const {
  Text path = PathOf(name);
  AddFileAt(path);
  return path;
}

void TempFolder::AddFileAt(const Text& path) {
  int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
  if (fd < 0)
    throw std::runtime_error("cannot create " + path);
  close(fd);
}

Text TempFolder::AddFolder(const Text& name) const {
  Text path = PathOf(name);
  if (mkdir(path.c_str(), 0755) != 0)
    throw std::runtime_error("cannot create " + path);
  return path;
}
