#include "list/cell_compare.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace {

struct Ordered {
  const char* smaller;
  const char* larger;
};

TEST(CellCompare, FoldedComparesBytesIgnoringAsciiCase) {
  EXPECT_EQ(CompareFolded("Movie.AVI", "movie.avi"), 0);
  EXPECT_LT(CompareFolded("abc", "abd"), 0);
  EXPECT_LT(CompareFolded("ab", "abc"), 0);  // ends first
  EXPECT_LT(CompareFolded("_", "A"), 0);     // "A" (0x41) counts as "a" (0x61), after "_" (0x5F)
  EXPECT_LT(CompareFolded("Z", "\xB1"), 0);  // half-width katakana bytes are above ASCII
  EXPECT_EQ(CompareFolded("", ""), 0);
  // Designed byte order: numbers as text, so 999 is after 1,000.
  EXPECT_GT(CompareFolded("999", "1,000"), 0);
}

TEST(CellCompare, SecondBytesOfDoubleByteCharactersAreNotFolded) {
  // ア is 83 41 and ヂ 83 61: folding the 41 would make them equal. セ (83 5A) comes before タ (83 5E).
  EXPECT_LT(CompareFolded(Utf8ToCp932("ア"), Utf8ToCp932("ヂ")), 0);
  EXPECT_LT(CompareFolded(Utf8ToCp932("セ"), Utf8ToCp932("タ")), 0);
  EXPECT_LT(CompareByValue(Utf8ToCp932("1セ"), Utf8ToCp932("1タ")), 0);
  EXPECT_EQ(CompareFolded("\x83", "\x83"), 0);  // a character cut after its first byte
}

TEST(CellCompare, NumbersCompareByValue) {
  const Ordered cases[] = {
      {"999", "1,000"},
      {"999,999", "1,234,567"},
      {"999,999,999", "1,000,000,000"},
      {"999KB", "1,234KB"},
      {"5.23", "12.5"},
      {"12.5", "123.4"},
      {"999.9", "1234.5"},
      {"5.23MB", "12.5MB"},
      {"872kbit", "1276kbit"},
      {"125KB", "872kbit"},
      {"44.10kHz/96kbit", "44.10kHz/128kbit"},
      {"22.05kHz/16bit", "44.1kHz/224kbit"},
      {"9.99", "25.00"},
      {"640x480", "1280x720"},
      {"720x480", "720x576"},
      {"62:05", "100:00"},
      {"09:59", "10:00"},
      {"", "0"},
      {"0.5", "0.55"},
      {"0.05", "0.5"},
      {"1,2345", "12,346"},  // separators at other places: the digits still decide
  };
  for (const Ordered& c : cases) {
    SCOPED_TRACE(std::string(c.smaller) + " < " + c.larger);
    EXPECT_LT(CompareByValue(c.smaller, c.larger), 0);
    EXPECT_GT(CompareByValue(c.larger, c.smaller), 0);
  }
  EXPECT_EQ(CompareByValue("5.20MB", "5.2mb"), 0);
  EXPECT_EQ(CompareByValue("007", "7"), 0);
  EXPECT_EQ(CompareByValue("1,000", "1000"), 0);
  EXPECT_EQ(CompareByValue("0,012", "12"), 0);
  EXPECT_LT(CompareByValue("7KB", "7MB"), 0);  // equal numbers, then the rest of the text
}

}  // namespace
