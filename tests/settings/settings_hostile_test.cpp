// Hostile settings files: one of 50 MB reads as missing and is never replaced; values of 1 MB are cut to
// their fields and survive a write of another key.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "scan/core_state_reset.h"
#include "settings/profile_store.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace {

class SettingsHostile : public testing::Test {
 protected:
  void TearDown() override { ResetCoreStateForTesting(); }
  TempDir dir_;
};

TEST_F(SettingsHostile, FiftyMegabyteFileReadsAsMissingAndIsKept) {
  const std::string path = dir_.path() + "/dorirovo.ini";
  {
    std::ofstream out(path, std::ios::binary);
    out << "[Customize]\r\nAutoScan=/movies\r\nListClear=1\r\n";
    const std::string filler(1 << 20, ';');
    for (int i = 0; i < 50; ++i) out << filler;
  }
  const auto size = std::filesystem::file_size(path);
  UseSettingsFileForTesting(path);
  LoadSettings();
  EXPECT_EQ(Settings().ListClear, 0);
  EXPECT_NE(Settings().AutoScan, "/movies");
  EXPECT_FALSE(WriteSettingInt(kCustomize, "ListClear", 0));
  EXPECT_EQ(std::filesystem::file_size(path), size);
  EXPECT_EQ(ProfileReadText(kCustomize, "AutoScan", "default", 256, path), "default");
}

TEST_F(SettingsHostile, MegabyteValuesAreCutToTheirFieldsAndKept) {
  const std::string huge(1 << 20, 'v');
  const std::string path = dir_.Write(
      "dorirovo.ini", "[MainSeting]\r\nLoadPath=" + huge + "\r\n[Customize]\r\nAutoScan=" + huge + "\r\n");
  UseSettingsFileForTesting(path);
  LoadSettings();
  EXPECT_EQ(Settings().LoadPath, std::string(127, 'v'));
  EXPECT_EQ(Settings().AutoScan, std::string(255, 'v'));
  EXPECT_EQ(ProfileReadText(kMainSeting, "LoadPath", "", 1 << 21, path), huge);
  ASSERT_TRUE(WriteSettingText(kMainSeting, "SavePath", "/lists"));
  EXPECT_EQ(ProfileReadText(kMainSeting, "LoadPath", "", 1 << 21, path), huge);
  EXPECT_EQ(ProfileReadText(kCustomize, "AutoScan", "", 1 << 21, path), huge);
  EXPECT_EQ(ReadSettingText(kMainSeting, "SavePath", "", 128), "/lists");
}

}  // namespace
