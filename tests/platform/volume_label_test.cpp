#include "platform/volume_label.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

dev_t DeviceNumberOf(const char* device_node) {
  struct stat info;
  return stat(device_node, &info) == 0 ? info.st_rdev : 0;
}

TEST(LabelFromLinkFolder, FindsTheLinkToTheDeviceAndDecodesItsName) {
  TempDir dir;
  // Device nodes stand in for disks: only the device number of the link's target counts.
  std::filesystem::create_symlink("/dev/zero", dir.path() + "/other");
  std::filesystem::create_symlink("/dev/null", dir.path() + "/My\\x20Movies\\x2fA");
  std::filesystem::create_symlink(dir.path() + "/nowhere", dir.path() + "/broken");
  dev_t null_device = DeviceNumberOf("/dev/null");
  ASSERT_NE(null_device, 0u);
  EXPECT_EQ(LabelFromLinkFolder(dir.path(), null_device), "My Movies/A");
  EXPECT_EQ(LabelFromLinkFolder(dir.path(), DeviceNumberOf("/dev/zero")), "other");
  EXPECT_EQ(LabelFromLinkFolder(dir.path(), DeviceNumberOf("/dev/random")), "");
  EXPECT_EQ(LabelFromLinkFolder(dir.path() + "/missing", null_device), "");
}

TEST(VolumeLabel, MissingPathsHaveNoLabelAndAnswersAreStable) {
  TempDir dir;
  EXPECT_EQ(VolumeLabel(dir.path() + "/missing"), "");
  const std::string label = VolumeLabel(dir.path());
  const std::string file = dir.Write("a.avi", "x");
  EXPECT_EQ(VolumeLabel(file), label);
  ClearVolumeLabelCache();
  EXPECT_EQ(VolumeLabel(dir.path()), label);
}

}  // namespace
