#include "probe/info_list.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(InfoList, WorkedExamplesByteForByte) {
  // Title abc, no comment, creator xy: only the creator's n = 3 is odd and gets a pad byte.
  EXPECT_EQ(RenderInfoList({"abc", "xy", ""}),
            "LIST\x1c\0\0\0INFO"
            "ISBJ\x04\0\0\0abc\0"
            "ICOP\x03\0\0\0xy\0\0"s);
  // Texts of 5, 6 and 7 bytes: n = 6, 7, 8; only the comment is padded; L = 4 + 14 + 16 + 16 = 50.
  EXPECT_EQ(RenderInfoList({"title", "creator", "commnt"}),
            "LIST\x32\0\0\0INFO"
            "ISBJ\x06\0\0\0title\0"
            "ICMT\x07\0\0\0commnt\0\0"
            "ICOP\x08\0\0\0creator\0"s);
}

TEST(InfoList, OtherSubChunksGoFirstAndNothingToHoldIsNoList) {
  EXPECT_EQ(RenderInfoList({}), "");
  EXPECT_EQ(RenderInfoList({"", "", "c"}), "LIST\x0e\0\0\0INFOICMT\x02\0\0\0c\0"s);
  const std::string other = "INAM\x03\0\0\0ab\0\0"s;
  EXPECT_EQ(RenderInfoList({}, other), "LIST\x10\0\0\0INFO"s + other);
  EXPECT_EQ(RenderInfoList({"", "", "c"}, other), "LIST\x1a\0\0\0INFO"s + other + "ICMT\x02\0\0\0c\0"s);
}

TEST(InfoList, ParseReadsBackWhatWasRendered) {
  const std::string cp932_title = "\x83\x5e\x83\x43\x83\x67\x83\x8b";  // CP932 "タイトル"
  const InfoTags cases[] = {
      {cp932_title, "x", ""},
      {std::string(200, 't'), std::string(200, 'c'), std::string(201, 'm')},
  };
  for (const InfoTags& tags : cases) {
    SCOPED_TRACE(tags.title.size());
    const std::string list = RenderInfoList(tags);
    const InfoTags parsed = ParseInfoList(std::string_view(list).substr(8)).tags;
    EXPECT_EQ(parsed.title, tags.title);
    EXPECT_EQ(parsed.creator, tags.creator);
    EXPECT_EQ(parsed.comment, tags.comment);
  }
}

TEST(InfoList, ParseKeepsOtherSubChunksAndTellsDamage) {
  // Ours are taken out; the others keep their bytes and order, and a last odd one without its pad gets it.
  InfoList list = ParseInfoList("INFOIART\x02\0\0\0a\0ISBJ\x02\0\0\0t\0ISFT\x03\0\0\0lv\0"s);
  EXPECT_TRUE(list.whole);
  EXPECT_EQ(list.tags.title, "t");
  EXPECT_EQ(list.other_sub_chunks, "IART\x02\0\0\0a\0ISFT\x03\0\0\0lv\0\0"s);
  // Sub-chunk size past the end: the text is the bytes that exist, and the list is not whole.
  list = ParseInfoList(
      "INFOISBJ\xff\xff\xff\xff"
      "abc"s);
  EXPECT_EQ(list.tags.title, "abc");
  EXPECT_FALSE(list.whole);
  // Missing zero byte, then a truncated header: the walk stops without reading past the end.
  list = ParseInfoList("INFOICMT\x03\0\0\0xyzIC"s);
  EXPECT_EQ(list.tags.comment, "xyz");
  EXPECT_FALSE(list.whole);
  // Text ends at its first zero byte; a later sub-chunk with the same id wins.
  list = ParseInfoList("INFOISBJ\x04\0\0\0a\0bcIGNR\x01\0\0\0z\0ISBJ\x02\0\0\0b\0"s);
  EXPECT_EQ(list.tags.title, "b");
  EXPECT_TRUE(list.whole);
  EXPECT_FALSE(ParseInfoList("JUNKISBJ\x02\0\0\0b\0"s).whole);
  EXPECT_EQ(ParseInfoList("IN"s).tags.title, "");
}

}  // namespace
