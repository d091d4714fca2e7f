#include "settings/settings.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "settings/settings_location.h"
#include "support/temp_dir.h"

namespace {

class SettingsTest : public testing::Test {
 protected:
  void TearDown() override { ResetCoreStateForTesting(); }
  TempDir dir_;
};

std::vector<int> Flags(const SettingsRecord& s) {
  return {s.ExtAVI, s.ExtMPEG1, s.ExtASF, s.ExtRM, s.ExtWAVE, s.MPGTIME, s.MPG4RATE, s.ExtMPG2,
          s.ExtQT,  s.ExtMP4,   s.ExtMKV, s.ExtTS, s.ExtFLV,  s.ExtOGG,  s.ExtAUDIO, s.ExtWM};
}

}  // namespace

TEST_F(SettingsTest, WithoutAFileEveryKeyReadsItsDefault) {
  UseSettingsFileForTesting(dir_.path() + "/missing/dorirovo.ini");
  LoadSettings();
  LoadColors();
  const SettingsRecord& s = Settings();
  EXPECT_EQ(s.AutoScan, Utf8ToCp932(HomeFolder()));
  EXPECT_EQ(s.MainFontType, Utf8ToCp932("ＭＳ Ｐゴシック"));
  EXPECT_EQ(s.ListFontType, s.MainFontType);
  EXPECT_EQ(s.MainFontSize + s.ListFontSize, "1212");
  EXPECT_EQ(s.LoadPath + s.SavePath, "");
  EXPECT_EQ(Flags(s), std::vector<int>(16, 1));
  EXPECT_EQ(s.ListClear + s.SizeInfo, 0);
  EXPECT_EQ(s.mvTitle, "Tessaroll");
  EXPECT_EQ(s.MainColor + s.ListFoColor, 0u);
  EXPECT_EQ(s.ListBkColor, 0xffffffu);
}

TEST_F(SettingsTest, LoadsEachKeyFromItsSectionCutToItsField) {
  const std::string x300(300, 'x');
  UseSettingsFileForTesting(dir_.Write(
      "dorirovo.ini", "[mainseting]\nAutoScan=/wrong/section\nLoadPath=" + x300 +
                          "\nSavePath=/srv\nmvTitle=" + x300 +
                          "\nextavi=0\nExtMPEG1=0\nExtASF=0\nExtRM=0\nExtWAVE=0\nMPGTIME=0\n" +
                          "MPG4RATE=0\nExtMPG2=0\nExtQT=0\nExtMP4=0\nExtMKV=0\nExtTS=0\nExtFLV=0\n" +
                          "ExtOGG=0\nExtAUDIO=0\nExtWM=0\n[Customize]\nAutoScan=" + x300 +
                          "\nListClear=1\nSizeInfo=1\n[WindowFonts]\nMainFontType=" + x300 +
                          "\nListFontType=Sans\nMainFontSize=12345\nListFontSize=9\n"));
  LoadSettings();
  const SettingsRecord& s = Settings();
  EXPECT_EQ(s.AutoScan.size(), 255u);
  EXPECT_EQ(s.MainFontType.size(), 31u);
  EXPECT_EQ(s.ListFontType, "Sans");
  EXPECT_EQ(s.MainFontSize, "123");
  EXPECT_EQ(s.ListFontSize, "9");
  EXPECT_EQ(s.LoadPath.size(), 127u);
  EXPECT_EQ(s.SavePath, "/srv");
  EXPECT_EQ(s.mvTitle.size(), 127u);
  EXPECT_EQ(Flags(s), std::vector<int>(16, 0));
  EXPECT_EQ(s.ListClear + s.SizeInfo, 2);
}

TEST_F(SettingsTest, ListColoursAreColourReferences) {
  UseSettingsFileForTesting(
      dir_.Write("dorirovo.ini", "[Customize]\nMainColor=255\nListFoColor=0xff\nListBkColor=0xff0000\n"));
  LoadColors();
  EXPECT_EQ(Settings().MainColor, 0xffu);        // red
  EXPECT_EQ(Settings().ListFoColor, 0xffu);      // red
  EXPECT_EQ(Settings().ListBkColor, 0xff0000u);  // blue
  EXPECT_TRUE(WriteSettingColor(kCustomize, "ListBkColor", 0x00FF80));
  EXPECT_EQ(ReadSettingText(kCustomize, "ListBkColor", "", 32), "0xff80");
}

TEST_F(SettingsTest, WritesGoToTheFileInUseAndCreateIt) {
  const std::string file = dir_.path() + "/config/tessaroll/dorirovo.ini";
  UseSettingsFileForTesting(file);
  EXPECT_TRUE(WriteSettingInt(kMainSeting, "Left", -20));
  EXPECT_TRUE(WriteSettingText(kMainSeting, "LoadPath", "/srv"));
  EXPECT_EQ(ReadSettingInt(kMainSeting, "left", 64), -20);
  EXPECT_EQ(ReadWholeFile(file), "[MainSeting]\r\nLeft=-20\r\nLoadPath=/srv\r\n");
}
