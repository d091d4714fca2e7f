#include "list/csv_format.h"

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::string>;

TEST(RenderCsvList, QuotesEveryFieldAndKeepsCellsAsTheyAre) {
  ListFileTable table{{"name", "bytes", "mb"}, {false, true, true}, {{"a.avi", "1,234,567", "1.18MB"}}};
  EXPECT_EQ(RenderCsvList(table), "\"name\",\"bytes\",\"mb\"\n\"a.avi\",\"1,234,567\",\"1.18MB\"\n");
  ListFileTable names{{"name"}, {false}, {{"Hello, \"World\""}, {""}}};
  EXPECT_EQ(RenderCsvList(names), "\"name\"\n\"Hello, \"World\"\"\n\"\"\n");
}

TEST(SplitCsvFields, QuotedLinesSplitOnlyAtQuoteCommaQuote) {
  const struct {
    const char* line;
    Fields fields;
  } cases[] = {
      {"\"a.avi\",\"1,234,567\",\"5.23MB\"", {"a.avi", "1,234,567", "5.23MB"}},
      // A comma between letters inside a title no longer moves the later fields.
      {"\"a.avi\",\"Hello, World\",\"x\"", {"a.avi", "Hello, World", "x"}},
      {"\"a.avi\",\"\",\"\"", {"a.avi", "", ""}},
      {"\"only\"", {"only"}},
      {"\"\"", {""}},
      {"\"", {""}},
      {"\"unterminated", {"unterminated"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(SplitCsvFields(c.line), c.fields);
  }
}

TEST(SplitCsvFields, PlainLinesKeepCommasBesideDigits) {
  const struct {
    const char* line;
    Fields fields;
  } cases[] = {
      {"name,title,x", {"name", "title", "x"}},
      // A digit on either side keeps the comma, so a number sticks to its neighbours.
      {"a.avi,1,234,567,MB", {"a.avi,1,234,567,MB"}},
      {"a,,b", {"a", "", "b"}},
      {"7,a,b", {"7,a", "b"}},
      {"", {""}},
      {",", {"", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(SplitCsvFields(c.line), c.fields);
  }
}

TEST(SplitCsvLine, ReadsLineByLineToTheEnd) {
  const std::string text = "\"a\",\"b\"\r\nc\n\n\"d\"";
  size_t offset = 0;
  std::string_view line;
  Fields fields;
  const struct {
    const char* line;
    Fields fields;
  } expected[] = {{"\"a\",\"b\"", {"a", "b"}}, {"c", {"c"}}, {"", {""}}, {"\"d\"", {"d"}}};
  for (const auto& e : expected) {  // CR LF and LF end lines; the last line needs no line end
    SCOPED_TRACE(e.line);
    ASSERT_FALSE(SplitCsvLine(text, offset, line, fields));
    EXPECT_EQ(line, e.line);
    EXPECT_EQ(fields, e.fields);
  }
  EXPECT_TRUE(SplitCsvLine(text, offset, line, fields));
  EXPECT_EQ(fields, Fields{"d"});
}

}  // namespace
