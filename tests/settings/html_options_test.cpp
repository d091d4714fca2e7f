#include "settings/html_options.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "settings/html_option_groups.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace {

class HtmlOptionsTest : public testing::Test {
 protected:
  void TearDown() override { ResetCoreStateForTesting(); }
  TempDir dir_;
};

TEST_F(HtmlOptionsTest, WithoutKeysEveryOptionHasItsDefault) {
  UseSettingsFileForTesting(dir_.path() + "/dorirovo.ini");
  HtmlOptions o = ReadHtmlOptions();
  EXPECT_EQ(o.Caption + "|" + o.TopTitle + "|" + o.FoFontSize + "|" + o.FiiFontSize + "|" + o.FoBackImage,
            "Untitled|Untitled|7|3|C:\\");
  EXPECT_EQ(o.FoStrDrawType, 1);
  EXPECT_EQ(o.FoBackDrawType, 0);
  EXPECT_EQ(o.FitStrDrawType, 1);
  EXPECT_EQ(o.FiiListDraw, 0);
  EXPECT_EQ(o.FiiStrDrawType, 1);
  EXPECT_EQ(o.FoBackColor & o.FitBackColor & o.FiiBackColor1, 0xffffffu);
  EXPECT_EQ(o.FiiBackColor2, 0xccccccu);
  EXPECT_EQ(o.FoFontColor | o.FitFontColor | o.FiiFontColor1 | o.FiiFontColor2, 0u);
}

TEST_F(HtmlOptionsTest, ReadsStoredValuesAsTheSettingsFileHoldsThem) {
  std::string heading = Utf8ToCp932("動画一覧");
  std::string path = dir_.Write("dorirovo.ini", "[HtmlSetting]\r\nTopTitle=" + heading +
                                                    "\r\nCaption=" + std::string(200, 'c') +
                                                    "\r\nFoStrDrawType=7\r\nFiiListDraw=1\r\n"
                                                    "FoBackColor=255\r\nFiiBackColor2=0xFF0000\r\n"
                                                    "FoFontColor=junk\r\n");
  UseSettingsFileForTesting(path);
  HtmlOptions o = ReadHtmlOptions();
  EXPECT_EQ(o.TopTitle, heading);
  EXPECT_EQ(o.Caption, std::string(127, 'c'));
  EXPECT_EQ(o.FoStrDrawType, 7) << "kept as read; the dialog checks no button";
  EXPECT_EQ(o.FiiListDraw, 1);
  EXPECT_EQ(o.FoBackColor, 0xffu);
  EXPECT_EQ(o.FiiBackColor2, 0xff0000u);
  EXPECT_EQ(o.FoFontColor, 0u);
}

TEST_F(HtmlOptionsTest, StoredOptionsReadBackAndKeepTheirForms) {
  std::string path = dir_.path() + "/dorirovo.ini";
  UseSettingsFileForTesting(path);
  HtmlOptions o;
  o.Caption = Utf8ToCp932("私のリスト");
  o.FoBackImage = "back.jpg";
  o.FoBackDrawType = 1;
  o.FiiStrDrawType = 2;
  o.FoBackColor = 0x00abcdef;
  o.FiiFontColor2 = 0x10;
  ASSERT_TRUE(StoreHtmlOptions(o));
  std::string file = ReadWholeFile(path);
  EXPECT_NE(file.find("FoBackColor=0xabcdef\r\n"), std::string::npos);
  EXPECT_NE(file.find("FiiFontColor2=0x10\r\n"), std::string::npos);
  EXPECT_NE(file.find("FiiBackColor2=0xcccccc\r\n"), std::string::npos);
  HtmlOptions back = ReadHtmlOptions();
  EXPECT_EQ(back.Caption, o.Caption);
  EXPECT_EQ(back.FoBackImage, "back.jpg");
  EXPECT_EQ(back.FoBackDrawType, 1);
  EXPECT_EQ(back.FiiStrDrawType, 2);
  EXPECT_EQ(back.FitStrDrawType, 1);
  EXPECT_EQ(back.FoBackColor, 0x00abcdefu);
  EXPECT_EQ(back.FiiFontColor2, 0x10u);
}

TEST_F(HtmlOptionsTest, AnUnwritableSettingsFileIsReported) {
  // A folder that is a plain file cannot hold the settings file, whoever runs the test.
  std::string blocker = dir_.Write("blocker", "x");
  UseSettingsFileForTesting(blocker + "/dorirovo.ini");
  EXPECT_FALSE(StoreHtmlOptions(HtmlOptions()));
  EXPECT_EQ(ReadWholeFile(blocker), "x");
}

}  // namespace
