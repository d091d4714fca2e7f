#include "probe/tag_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// A sub-chunk as the tag writer lays it out: name, four size bytes, the value and its zero byte.
std::string Tag(const std::string& name, const std::string& value) {
  return "I" + name + "\x09\0\0\0"s + value + '\0';
}

TEST(ScanTags, ReadsTheThreeTagsOfAnInfoList) {
  std::string tail =
      "junk" + "LIST\x30\0\0\0INFO"s + Tag("SBJ", "Title") + Tag("CMT", "A comment") + Tag("COP", "Maker");
  TagValues tags = ScanTags(tail);
  EXPECT_EQ(tags.title, "Title");
  EXPECT_EQ(tags.comment, "A comment");
  EXPECT_EQ(tags.creator, "Maker");
}

TEST(ScanTags, ValuesAreTidiedButNeverCut) {
  // A line feed in a value would break the list files' lines: it becomes a blank.
  EXPECT_EQ(ScanTags(Tag("SBJ", "two\nlines\n")).title, "two lines ");
  // A tag seen twice: the later one wins.
  EXPECT_EQ(ScanTags(Tag("SBJ", "first") + Tag("SBJ", "second")).title, "second");
  // The value's zero byte is missing: the value ends with the bytes.
  EXPECT_EQ(ScanTags("ICMT\x05\0\0\0unterminated"s).comment, "unterminated");
  // Values longer than 127 bytes come back whole.
  const std::string long_value(600, 'x');
  EXPECT_EQ(ScanTags(Tag("COP", long_value)).creator, long_value);
  // Bytes of CP932 text pass unchanged.
  EXPECT_EQ(ScanTags(Tag("SBJ", "\x83\x5e\x83\x43\x83\x67\x83\x8b")).title,
            "\x83\x5e\x83\x43\x83\x67\x83\x8b");
}

TEST(ScanTags, TruncatedAndMisleadingBytesGiveNoTag) {
  const std::string cases[] = {
      ""s,
      "I"s,
      "IS"s,
      "ISB"s,
      // After an "I" that starts no tag the three following bytes are passed over, so this tag is missed.
      "IISBJ\x03\0\0\0abc\0"s,
      "isbj\x03\0\0\0abc\0"s,
  };
  for (const std::string& tail : cases) {
    SCOPED_TRACE(testing::PrintToString(tail));
    TagValues tags = ScanTags(tail);
    EXPECT_EQ(tags.title, "");
    EXPECT_EQ(tags.comment, "");
    EXPECT_EQ(tags.creator, "");
  }
  // The name at the very end, with part of its size bytes missing: the tag is there, empty.
  EXPECT_EQ(ScanTags("ISBJ\x01\0"s).title, "");
  // The scan goes on after a value's zero byte, so a tag name inside a value is not a tag.
  TagValues inside = ScanTags(Tag("CMT", "see ISBJ") + "tail");
  EXPECT_EQ(inside.comment, "see ISBJ");
  EXPECT_EQ(inside.title, "");
}

}  // namespace
