#include "list/csv_rfc4180.h"

#include <gtest/gtest.h>

namespace {

using Records = std::vector<std::vector<std::string>>;

TEST(SplitRfc4180Records, QuotesEncloseAndDoubleAndLineEndsEndRecords) {
  const struct {
    const char* text;
    Records records;
  } cases[] = {
      {"a,\"b,c\",\"d\"\"e\"\r\nf,,\n", {{"a", "b,c", "d\"e"}, {"f", "", ""}}},
      {"\"x\r\ny\",5\" floppy\n", {{"x\ny", "5\" floppy"}}},  // a quote inside an unquoted field stays
      {"a\n\nb", {{"a"}, {""}, {"b"}}},
      {"\"\"", {{""}}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto records = SplitRfc4180Records(c.text);
    ASSERT_TRUE(records.has_value());
    Records fields;
    for (const CsvRecord& record : *records) fields.push_back(record.fields);
    EXPECT_EQ(fields, c.records);
  }
  const auto doubled = SplitRfc4180Records("\"a\"\"\",b\n\"c\"\n");
  ASSERT_TRUE(doubled.has_value());
  EXPECT_TRUE((*doubled)[0].doubled_quote);
  EXPECT_FALSE((*doubled)[1].doubled_quote);
  EXPECT_EQ((*doubled)[1].first_line, 2);
}

// A quote inside a quoted field that is neither doubled nor closing it: the designed writer's text,
// not a spreadsheet's.
TEST(SplitRfc4180Records, StrayOrOpenQuotesRefuseTheText) {
  for (const char* text : {"\"The \"Best\" Movie\"\n", "\"open\n", "\"a\"b,c\n"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(SplitRfc4180Records(text).has_value());
  }
}

}  // namespace
