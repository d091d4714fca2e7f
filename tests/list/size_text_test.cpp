#include "list/size_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseGroupedNumber, DropsCommasAndReadsWithAutomaticBase) {
  const struct {
    const char* text;
    int64_t value;
  } cases[] = {
      {"1,234,567", 1234567},
      {"1,023", 1023},
      {"1,234KB", 1234},
      {"56", 56},
      {"0x1F", 31},
      {"017", 15},
      {"", 0},
      {"KB", 0},
      {"3,221,225,472", 3221225472LL},    // 3 GiB does not wrap
      {"99,999,999,999,999,999,999", 0},  // out of range counts nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseGroupedNumber(c.text), c.value);
  }
}

TEST(ParseDecimal, ReadsTheLeadingNumberWhateverTheLocale) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"5.23", 5.23}, {"5.23MB", 5.23}, {"12.5", 12.5}, {"1234.5MB", 1234.5},
      {"  7", 7},     {"-2.5", -2.5},   {"", 0},        {"MB", 0},
      {".", 0},       {"3.", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(ParseDecimal(c.text), c.value);
  }
  EXPECT_EQ(static_cast<int64_t>(ParseDecimal("5.23MB") * 1024), 5355);
}

}  // namespace
