// The command run 10,000 times in one process over a folder of 1,000 photos:
// the same text every time, and no memory that stays behind. Leaks are
// LeakSanitizer's to find (the linux-asan preset); the resident size is
// checked where no sanitizer keeps freed memory in quarantine.
#include <gtest/gtest.h>

#include "bench/process_memory.h"
#include "command/extract_and_copy.h"
#include "tests/recording_desktop.h"
#include "tests/temp_folder.h"

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

namespace {

constexpr int kPhotos = 1000;
constexpr int kWarmUpRuns = 1000;
constexpr int kRuns = 10000;

TEST(Soak, TenThousandRunsGiveTheSameTextAndKeepNothing) {
  TempFolder folder;
  for (int i = 0; i < kPhotos; ++i) {
    Text name = "IMG_";
    name += std::to_string(1000 + i);
    folder.AddFile(name += ".jpg");
  }
  ResetDesktop();
  DroppedFlag = 1;
  FolderPath = folder.path();

  ExtractAndCopy();
  const Text first = Desktop().clipboard;
  ASSERT_EQ(first.size(), kPhotos * (8 + 2u));

  size_t warm = 0;
  int differing = 0;
  for (int run = 1; run < kRuns; ++run) {
    Desktop().calls.clear();
    Desktop().clipboard.clear();
    ExtractAndCopy();
    differing += Desktop().clipboard != first || Desktop().box_title != "成功";
    if (run == kWarmUpRuns)
      warm = ResidentBytes();
  }
  EXPECT_EQ(differing, 0);
  const size_t last = ResidentBytes();
  if (!kSanitized && warm > 0) {
    // Flat after the warm-up: a leak of even a few bytes a run would show.
    EXPECT_LT(last, warm + 512 * 1024) << "resident " << warm << " -> " << last;
  }
  std::printf("resident after warm-up %zu bytes, after %d runs %zu bytes\n",
              warm, kRuns, last);
}

}  // namespace
