#include "list/csv_lines.h"

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::string>;

struct Expected {
  Fields fields;
  bool misaligned = false;
};

// Each text is a header of two or three columns and its data lines, as the designed writer, a
// spreadsheet program or a hand wrote them.
TEST(ReadCsvLines, DesignedFilesAsDesignedSpreadsheetFilesAsWritten) {
  const struct {
    const char* what;
    const char* text;
    std::vector<Expected> lines;
  } cases[] = {
      {"designed, CR LF; the digit rule keeps sizes whole and a title with a comma",
       "\"name\",\"bytes\",\"title\"\r\n\"a.avi\",\"1,234,567\",\"Hello, World\"\r\n",
       {{{"name", "bytes", "title"}}, {{"a.avi", "1,234,567", "Hello, World"}}}},
      {"designed, LF; a quote inside a cell is kept as it is",
       "\"name\",\"title\"\n\"a.avi\",\"The \"Best\" Movie\"\n",
       {{{"name", "title"}}, {{"a.avi", "The \"Best\" Movie"}}}},
      {"hand-written plain lines the designed rules read into the header's shape keep their quotes",
       "name,title\nb.avi,\"x\"\n",
       {{{"name", "title"}}, {{"b.avi", "\"x\""}}}},
      {"short and empty lines and the digit rule, as designed: other readings do not fit every line",
       "\"name\",\"bytes\",\"title\"\r\n\"b.avi\",\"5\"\r\n\r\nplain.avi,12,345\r\n",
       {{{"name", "bytes", "title"}}, {{"b.avi", "5"}}, {{""}}, {{"plain.avi,12,345"}}}},
      {"quote-all with doubled quotes",
       "\"name\",\"title\"\r\n\"a.avi\",\"The \"\"Best\"\" Movie\"\r\n",
       {{{"name", "title"}}, {{"a.avi", "The \"Best\" Movie"}}}},
      {"minimal quoting, LF",
       "name,bytes,title\na.avi,45056,\"Hello, World\"\nb.avi,0,\n",
       {{{"name", "bytes", "title"}}, {{"a.avi", "45056", "Hello, World"}}, {{"b.avi", "0", ""}}}},
      {"a name with a line break, as the designed writer wrote it",
       "\"name\",\"title\"\r\n\"a\r\nb.avi\",\"t\"\r\n\"c.avi\",\"u\"\r\n",
       {{{"name", "title"}}, {{"a\nb.avi", "t"}}, {{"c.avi", "u"}}}},
      {"a name holding the separator",
       "\"name\",\"title\"\r\n\"x.avi\",\"x.avi\",\"t\"\r\n\"c.avi\",\"u\"\r\n",
       {{{"name", "title"}}, {{"x.avi", "x.avi", "t"}, true}, {{"c.avi", "u"}}}},
      {"a title holding the separator cannot hide a line break in another row",
       "\"name\",\"title\"\r\n\"a.avi\",\"x\",\"y\"\r\n\"b.avi\",\"two\r\nlines\"\r\n\"c.avi\",\"u\"\r\n",
       {{{"name", "title"}},
        {{"a.avi", "x", "y"}, true},
        {{"b.avi", "two"}, true},
        {{"lines\""}, true},
        {{"c.avi", "u"}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<CsvLine> lines = ReadCsvLines(c.text);
    ASSERT_EQ(lines.size(), c.lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(lines[i].fields, c.lines[i].fields);
      EXPECT_EQ(lines[i].misaligned, c.lines[i].misaligned);
    }
  }
  EXPECT_TRUE(ReadCsvLines("").empty());
}

TEST(ReadCsvLines, LinesAreNumberedAsInTheFile) {
  const std::vector<CsvLine> records = ReadCsvLines("n,t\n\"a\nb\",x\nc,y\n");  // one cell of two lines
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[2].line_no, 4);
  const std::vector<CsvLine> lines = ReadCsvLines("\"n\",\"t\"\n\"a\",\"b\",\"c\"\n\"d\",\"e\"\n");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].line_no, 2);
  EXPECT_EQ(lines[2].line_no, 3);
}

}  // namespace
