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

TEST(InfoList, AllEmptyIsTheEmptiedListHeader) {
  EXPECT_EQ(RenderInfoList({}), "LIST\0\0\0\0"s);
  EXPECT_EQ(RenderInfoList({"", "", "c"}), "LIST\x0e\0\0\0INFOICMT\x02\0\0\0c\0"s);
}

TEST(InfoList, ParseReadsBackWhatWasRendered) {
  const std::string cp932_title = "\x83\x5e\x83\x43\x83\x67\x83\x8b";  // CP932 "タイトル"
  const InfoTags cases[] = {
      {cp932_title, "x", ""},
      {std::string(200, 't'), std::string(200, 'c'), std::string(201, 'm')},
      {"", "", ""},
  };
  for (const InfoTags& tags : cases) {
    SCOPED_TRACE(tags.title.size());
    const std::string list = RenderInfoList(tags);
    const InfoTags parsed = ParseInfoList(std::string_view(list).substr(8));
    EXPECT_EQ(parsed.title, tags.title);
    EXPECT_EQ(parsed.creator, tags.creator);
    EXPECT_EQ(parsed.comment, tags.comment);
  }
}

TEST(InfoList, DamagedListsGiveWhatIsThere) {
  // Sub-chunk size past the end: the text is the bytes that exist.
  EXPECT_EQ(ParseInfoList("INFOISBJ\xff\xff\xff\xff"
                          "abc"s)
                .title,
            "abc");
  // Missing zero byte, then a truncated header: the walk stops without reading past the end.
  InfoTags tags = ParseInfoList("INFOICMT\x03\0\0\0xyzIC"s);
  EXPECT_EQ(tags.comment, "xyz");
  EXPECT_EQ(tags.title, "");
  // Text ends at its first zero byte; a later sub-chunk with the same id wins; unknown ids are skipped.
  tags = ParseInfoList("INFOISBJ\x04\0\0\0a\0bcIGNR\x01\0\0\0z\0ISBJ\x02\0\0\0b\0"s);
  EXPECT_EQ(tags.title, "b");
  EXPECT_EQ(ParseInfoList("JUNKISBJ\x02\0\0\0b\0"s).title, "");
  EXPECT_EQ(ParseInfoList("IN"s).title, "");
}

}  // namespace
