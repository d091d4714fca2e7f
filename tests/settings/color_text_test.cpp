#include "settings/color_text.h"

#include <gtest/gtest.h>

TEST(ColorText, ParsesWithAutomaticBase) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"0xff", 0xff}, {"255", 255}, {"0xff0000", 0xff0000}, {"0xFFFFFF", 0xffffff}, {"012", 10}, {"08", 0},
      {"0x", 0},      {"zz", 0},    {"12zz", 12},           {"-1", 0xffffffff}};
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ParseColorText(text), expected);
  }
}

TEST(ColorText, FormatsInLowerCaseHexAndReadsBack) {
  EXPECT_EQ(FormatColorText(0), "0x0");
  EXPECT_EQ(FormatColorText(0xffffff), "0xffffff");
  EXPECT_EQ(FormatColorText(0xABCDEF), "0xabcdef");
  EXPECT_EQ(ParseColorText(FormatColorText(0x800000)), 0x800000u);
}
