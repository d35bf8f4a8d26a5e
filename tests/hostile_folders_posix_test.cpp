// Folders that try to break the Linux search: each gives the listed names or
// an unreadable folder, never a crash, a hang or a damaged line.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>

#include "core/photo_names.h"
#include "platform/file_search.h"
#include "tests/temp_folder.h"

namespace {

struct Listing {
  Text joined;
  bool unreadable;
};

Listing List(const Text& folder) {
  SearchState state;
  Text joined = JoinPhotoNames(CollectPhotoNames(folder, state));
  return {joined, state.folder_unreadable};
}

TEST(HostileFolders, OddNamesStayOneLineEach) {
  TempFolder folder;
  const Text long_name = Text(251, 'x') + ".jpg";  // 255 bytes, the limit
  for (const Text& name : {Text("\xFF\xFE.jpg"), Text("a\nb.jpg"),
                           Text("c\rd.jpg"), Text("e\r\n.jpg"),
                           Text("f\\g.jpg"), long_name})
    folder.AddFile(name);
  Listing listing = List(folder.path());
  EXPECT_FALSE(listing.unreadable);
  EXPECT_EQ(listing.joined, "a?b\r\nc?d\r\ne??\r\nf\\g\r\n" + Text(251, 'x') +
                                "\r\n\xFF\xFE\r\n");
}

TEST(HostileFolders, VeryLongFolderPaths) {
  TempFolder folder;
  Text path = folder.path();
  while (path.size() < 4000) {
    path += "/" + Text(200, 'd');
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << path.size();
  }
  TempFolder::AddFileAt(path + "/deep.jpg");
  EXPECT_EQ(List(path).joined, "deep\r\n");

  Listing too_long = List(path + "/" + Text(200, 'e'));
  EXPECT_TRUE(too_long.unreadable);
  EXPECT_EQ(too_long.joined, "\r\n");
}

TEST(HostileFolders, LinkLoopsAreListedAsFilesNotFollowedForever) {
  TempFolder folder;
  ASSERT_EQ(symlink("self.jpg", folder.PathOf("self.jpg").c_str()), 0);
  ASSERT_EQ(symlink("ping.jpg", folder.PathOf("pong.jpg").c_str()), 0);
  ASSERT_EQ(symlink("pong.jpg", folder.PathOf("ping.jpg").c_str()), 0);
  ASSERT_EQ(symlink(".", folder.PathOf("here.jpg").c_str()), 0);
  EXPECT_EQ(List(folder.path()).joined, "ping\r\npong\r\nself\r\n");
}

TEST(HostileFolders, FolderRemovedWhileItIsListed) {
  TempFolder folder;
  const Text inner = folder.AddFolder("inner");
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
    folder.AddFile(Text("inner/") + name);
  SearchState state;
  EXPECT_EQ(FindFile(inner + "\\*.jpg", state), "a.jpg");
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
    ASSERT_EQ(unlink((inner + "/" + name).c_str()), 0);
  ASSERT_EQ(rmdir(inner.c_str()), 0);
  // What was read when the search started is what the search gives.
  EXPECT_EQ(FindFile(Text(), state), "b.jpg");
  EXPECT_EQ(FindFile(Text(), state), "c.jpg");
  EXPECT_EQ(FindFile(Text(), state), "");
  EXPECT_TRUE(List(inner).unreadable);
}

TEST(HostileFolders, AHundredThousandFoldersNamedLikePhotos) {
  TempFolder folder;
  for (int i = 0; i < 100000; ++i) {
    Text name = "x";
    name += std::to_string(i);
    folder.AddFolder(name += ".jpg");
  }
  auto start = std::chrono::steady_clock::now();
  Listing listing = List(folder.path());
  auto seconds = std::chrono::duration<double>(
                     std::chrono::steady_clock::now() - start)
                     .count();
  EXPECT_EQ(listing.joined, "\r\n");
  EXPECT_FALSE(listing.unreadable);
  EXPECT_LT(seconds, 10.0);
}

// Lists folder in a child process that runs as the user "nobody" when the
// tests run as root, so that file permissions apply. Returns the child's
// verdict: 0 unreadable, 1 listed, 2 the child could not drop its rights.
int ListAsUnprivilegedUser(const Text& folder) {
  pid_t child = fork();
  if (child == 0) {
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
      _exit(2);
    _exit(List(folder).unreadable ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
}

TEST(HostileFolders, FolderTheUserMayNotReadIsReported) {
  TempFolder folder;
  const Text locked = folder.AddFolder("locked");
  folder.AddFile("locked/a.jpg");
  ASSERT_EQ(chmod(folder.path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(locked.c_str(), 0000), 0);
  EXPECT_EQ(ListAsUnprivilegedUser(locked), 0);
  ASSERT_EQ(chmod(locked.c_str(), 0755), 0);
  EXPECT_EQ(ListAsUnprivilegedUser(locked), 1);
}

}  // namespace
