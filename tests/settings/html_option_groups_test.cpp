#include "settings/html_option_groups.h"

#include <gtest/gtest.h>

#include "settings/settings.h"
#include "support/temp_dir.h"

namespace {

class HtmlOptionGroupsTest : public testing::Test {
 protected:
  void TearDown() override { UseSettingsFileForTesting(""); }
  TempDir dir_;
};

TEST(HtmlRadioGroups, ChoicesMapToTheirButtonsAndBack) {
  struct Row {
    const char* key;
    int choice;
    int button;
  };
  const Row rows[] = {{"FoStrDrawType", 0, 1024},  {"FoStrDrawType", 2, 1026}, {"FoBackDrawType", 1, 1028},
                      {"FitStrDrawType", 1, 1030}, {"FiiListDraw", 1, 1034},   {"FiiStrDrawType", 2, 1045}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.key) + " " + std::to_string(row.choice));
    const HtmlRadioGroup* group = RadioGroupOfButton(row.button);
    ASSERT_NE(group, nullptr);
    EXPECT_STREQ(group->key, row.key);
    EXPECT_EQ(RadioButtonOfChoice(*group, row.choice), row.button);
    EXPECT_EQ(ChoiceOfRadioButton(*group, row.button), row.choice);
  }
  const HtmlRadioGroup& list_draw = *RadioGroupOfButton(1032);
  EXPECT_EQ(RadioButtonOfChoice(list_draw, 2), 0) << "two-button groups end at choice 1";
  EXPECT_EQ(RadioButtonOfChoice(list_draw, -1), 0);
  EXPECT_EQ(ChoiceOfRadioButton(list_draw, 0), -1) << "no checked button";
  EXPECT_EQ(ChoiceOfRadioButton(list_draw, 1024), -1) << "a button of another group";
  EXPECT_EQ(RadioGroupOfButton(1033), nullptr);
  EXPECT_EQ(RadioGroupOfButton(0), nullptr);
}

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
