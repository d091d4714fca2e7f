#include "platform/disk_space.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

TEST(DiskSpaceKB, FiguresOfTheFileSystemHoldingThePath) {
  TempDir dir;
  std::string file = dir.Write("a.avi", "x");
  uint64_t total = DiskSpaceKB(kDiskTotal, dir.path());
  uint64_t free = DiskSpaceKB(kDiskFree, dir.path());
  EXPECT_GT(total, 0u);
  EXPECT_LE(free, total);
  EXPECT_EQ(DiskSpaceKB(kDiskTotal, file), total) << "a file names its file system too";
  EXPECT_EQ(DiskSpaceKB(kDiskTotal, dir.path() + "/missing"), 0u);
  EXPECT_EQ(DiskSpaceKB(kDiskFree, ""), 0u);
}

}  // namespace
