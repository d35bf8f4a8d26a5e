#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "bench/floor.h"

size_t CountPhotosBare(const Text& folder) {
  DIR* dir = opendir(folder.c_str());
  if (!dir)
    return 0;
  size_t count = 0;
  while (const dirent* entry = readdir(dir)) {
    size_t length = strlen(entry->d_name);
    count += length >= 4 &&
             strcasecmp(entry->d_name + length - 4, ".jpg") == 0;
  }
  closedir(dir);
  return count;
}


bool MakeFile(const Text& path) {
  int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
  if (fd < 0)
    return false;
  close(fd);
  return true;
}

bool MakeFolder(const Text& path) { return mkdir(path.c_str(), 0755) == 0; }
