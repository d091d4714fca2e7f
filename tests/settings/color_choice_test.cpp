#include "settings/color_choice.h"

#include <gtest/gtest.h>

namespace {

class ColorChoiceTest : public testing::Test {
 protected:
  void SetUp() override { ResetColorChoiceForTesting(); }
  void TearDown() override { ResetColorChoiceForTesting(); }
};

// A cancelled chooser gives its field the colour it started on, which is the colour confirmed last with
// any other button, not the field's own previous colour.
TEST_F(ColorChoiceTest, CancelGivesTheColourLastConfirmedElsewhere) {
  EXPECT_EQ(TakeChooserResult(std::nullopt), 0u) << "black before anything was chosen";
  const uint32_t first_button = TakeChooserResult(0x123456);
  EXPECT_EQ(first_button, 0x123456u);
  EXPECT_EQ(LastChosenColor(), 0x123456u);
  const uint32_t second_button = TakeChooserResult(std::nullopt);
  EXPECT_EQ(second_button, 0x123456u);
  EXPECT_EQ(TakeChooserResult(0x0), 0u) << "black can be confirmed too";
  EXPECT_EQ(LastChosenColor(), 0u);
}

TEST_F(ColorChoiceTest, EachDialogKeepsItsOwnCustomColours) {
  CustomColorsOf(ColorChooserOwner::kSettingsDialog)[3] = 0xff;
  EXPECT_EQ(CustomColorsOf(ColorChooserOwner::kHtmlOptions)[3], 0u);
  EXPECT_EQ(CustomColorsOf(ColorChooserOwner::kSettingsDialog)[3], 0xffu);
  ResetColorChoiceForTesting();
  EXPECT_EQ(CustomColorsOf(ColorChooserOwner::kSettingsDialog)[3], 0u);
}

}  // namespace
