#include "settings/html_option_groups.h"

#include <gtest/gtest.h>

#include "scan/core_state_reset.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace {

class HtmlOptionGroupsTest : public testing::Test {
 protected:
  void TearDown() override { ResetCoreStateForTesting(); }
  TempDir dir_;
};

// A group left without a checked button (the file held 7) keeps its stored key; the others are written
// and read back as they were stored.
TEST_F(HtmlOptionGroupsTest, StoreKeepsTheKeyOfAGroupWithoutCheckedButton) {
  UseSettingsFileForTesting(dir_.Write("dorirovo.ini", "[HtmlSetting]\r\nFitStrDrawType=7\r\n"));
  HtmlOptions options = ReadHtmlOptions();
  options.Caption = std::string(200, 'c');
  options.FoBackImage = "back.jpg";
  options.FoStrDrawType = 2;
  options.FiiListDraw = 1;
  options.FiiBackColor2 = 0x336699;
  ASSERT_TRUE(StoreHtmlOptions(options));
  const HtmlOptions stored = ReadHtmlOptions();
  EXPECT_EQ(ReadSettingText(kHtmlSetting, "FitStrDrawType", "-", 8), "7");
  EXPECT_EQ(stored.Caption.size(), 127u);
  EXPECT_EQ(stored.FoBackImage, "back.jpg");
  EXPECT_EQ(stored.FoStrDrawType, 2);
  EXPECT_EQ(stored.FiiListDraw, 1);
  EXPECT_EQ(stored.FiiStrDrawType, 1);
  EXPECT_EQ(stored.FiiBackColor2, 0x336699u);
  EXPECT_EQ(ReadSettingText(kHtmlSetting, "FiiBackColor2", "-", 32), "0x336699");
}

}  // namespace
