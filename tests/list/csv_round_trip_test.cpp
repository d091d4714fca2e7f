#include "list/csv_round_trip.h"

#include <gtest/gtest.h>

#include "list/csv_format.h"
#include "list/list_text_sink.h"

namespace {

std::vector<std::vector<int>> Found(const std::vector<CsvUnreadableCell>& cells) {
  std::vector<std::vector<int>> found;
  for (const CsvUnreadableCell& cell : cells) found.push_back({cell.row, cell.line_no, cell.position});
  return found;
}

// Rows of a name and a title column; each reports the (row, line, position) of its unreadable cells,
// found in the whole text and again row by row as the text is written (unless only the whole tells).
TEST(FindUnreadableCsvCells, NamesTheCellsThatWouldNotComeBack) {
  const struct {
    const char* what;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::vector<int>> unreadable;
    bool whole_text_tells = false;
  } cases[] = {
      {"commas, quotes and digits read back", {{"a.avi", "Hello, \"World\""}, {"1,234", "x"}}, {}},
      {"a last cell ending in a quote runs on in a spreadsheet reading", {{"1,234", "x\""}}, {}, true},
      {"a name holding the separator", {{"holiday.avi\",\"x.avi", "t"}, {"b.avi", "t"}}, {{0, 2, 0}}},
      {"a title holding it", {{"a.avi", "x\",\"y"}}, {{0, 2, 1}}},
      {"a cell ending in a quote and a comma", {{"a\",", "t"}}, {{0, 2, 0}}},
      {"line breaks, which also move the lines after them",
       {{"a\nb.avi", "t"}, {"c.avi", "two\r\nlines"}, {"d.avi\",\"e", "t"}},
       {{0, 2, 0}, {1, 4, 1}, {2, 6, 0}}},
      {"doubled quotes, which a spreadsheet reading would halve", {{"a.avi", "say \"\"hi\"\""}}, {{0, 2, 1}}},
      {"line breaks read the spreadsheet way",
       {{"a.avi", "x\"\"y"}, {"b\nc.avi", "t"}, {"d.avi", "t"}},
       {{0, 2, 1}, {1, 3, 0}}},
      {"UTF-8 that is not CP932, read converted", {{"a.avi", "\xC2\x80"}}, {{0, 2, 1}}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ListFileTable table{{"name", "title"}, {false, false}, c.rows};
    const ListFileRows rows = RowsOfTable(table);
    EXPECT_EQ(Found(FindUnreadableCsvCells(rows, RenderCsvList(table))), c.unreadable);
    CsvReadBackCheck check;
    StringTextSink text;
    WriteCsvList(table.Columns(), rows, text, &check);
    EXPECT_EQ(check.NeedsWholeText(), c.whole_text_tells);
    if (!c.whole_text_tells) {
      EXPECT_EQ(Found(check.Unreadable()), c.unreadable);
    }
  }
}

}  // namespace
