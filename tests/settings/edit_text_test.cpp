#include "settings/edit_text.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace {

TEST(EditText, CutToTheFieldWithoutSplittingACharacter) {
  EXPECT_EQ(CutEditText("0123", 4), "012");
  EXPECT_EQ(CutEditText("12", 4), "12");
  EXPECT_EQ(CutEditText("", 4), "");
  EXPECT_EQ(CutEditText("abc", 0), "");
  EXPECT_EQ(CutEditText("abc", 1), "");
  const std::string kana = Utf8ToCp932("動画");  // two double-byte characters
  ASSERT_EQ(kana.size(), 4u);
  EXPECT_EQ(CutEditText("a" + kana, 4), "a" + kana.substr(0, 2)) << "the second character does not fit";
  EXPECT_EQ(CutEditText(kana, 4), kana.substr(0, 2));
  EXPECT_EQ(CutEditText(kana, 5), kana);
  EXPECT_EQ(CutEditText("ab\x83", 8), "ab\x83") << "a lone lead byte at the end is kept as it is";
}

}  // namespace
