#include "platform/cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, FixedTextsHaveTheirByteLengths) {
  EXPECT_EQ(Utf8ToCp932("ファイル名").size(), 10u);
  EXPECT_EQ(Utf8ToCp932("ﾌｧｲﾙ名").size(), 6u);
  EXPECT_EQ(Utf8ToCp932("サイズ(Byte)").size(), 12u);
  EXPECT_EQ(Utf8ToCp932("ＭＳ Ｐゴシック"), "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e");
  EXPECT_EQ(Utf8ToCp932("abc.avi"), "abc.avi");
}

TEST(Cp932, RoundTripsJapaneseText) {
  const std::string text = "音声なし・アニメ～①";
  EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(text)), text);
  EXPECT_TRUE(Cp932CanHold(text));
}

TEST(Cp932, CharactersCp932LacksBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp932("a\xF0\x9F\x8E\xACz.avi"), "a?z.avi");  // an emoji
  EXPECT_EQ(Utf8ToCp932("caf\xC3\xA9"), "caf?");                // é is not in CP932
  EXPECT_FALSE(Cp932CanHold("caf\xC3\xA9"));
}

TEST(Cp932, InvalidBytesAreReplacedAndConversionGoesOn) {
  EXPECT_EQ(Utf8ToCp932("a\xFF\xFE"
                        "b"),
            "a??b");                      // not UTF-8 (a Linux name may hold any bytes)
  EXPECT_EQ(Cp932ToUtf8("x\x82"), "x?");  // a lead byte cut off at the end
  EXPECT_EQ(Cp932ToUtf8(""), "");
}

TEST(Cp932, AsciiPassesUnchanged) {
  // Backslash and tilde included: file names and cells keep them as typed in both directions.
  std::string ascii;
  for (int c = 1; c < 0x80; ++c) ascii.push_back(static_cast<char>(c));
  EXPECT_EQ(Utf8ToCp932(ascii), ascii);
  EXPECT_EQ(Cp932ToUtf8(ascii), ascii);
  EXPECT_TRUE(Cp932CanHold(ascii));
  EXPECT_EQ(Utf8ToCp932("dir\\~/\xE6\x98\xA0.avi"), "dir\\~/\x89\x66.avi");
}
