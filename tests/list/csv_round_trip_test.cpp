#include "list/csv_round_trip.h"

#include <gtest/gtest.h>

#include "list/csv_format.h"

namespace {

// Rows of a name and a title column; each reports the (row, line, position) of its unreadable cells.
TEST(FindUnreadableCsvCells, NamesTheCellsThatWouldNotComeBack) {
  const struct {
    const char* what;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::vector<int>> unreadable;
  } cases[] = {
      {"commas, quotes and digits read back", {{"a.avi", "Hello, \"World\""}, {"1,234", "x\""}}, {}},
      {"a name holding the separator", {{"holiday.avi\",\"x.avi", "t"}, {"b.avi", "t"}}, {{0, 2, 0}}},
      {"a title holding it", {{"a.avi", "x\",\"y"}}, {{0, 2, 1}}},
      {"a cell ending in a quote and a comma", {{"a\",", "t"}}, {{0, 2, 0}}},
      {"line breaks, which also move the lines after them",
       {{"a\nb.avi", "t"}, {"c.avi", "two\r\nlines"}, {"d.avi\",\"e", "t"}},
       {{0, 2, 0}, {1, 4, 1}, {2, 6, 0}}},
      {"doubled quotes, which a spreadsheet reading would halve", {{"a.avi", "say \"\"hi\"\""}}, {{0, 2, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ListFileTable table{{"name", "title"}, {false, false}, c.rows};
    std::vector<std::vector<int>> found;
    for (const CsvUnreadableCell& cell : FindUnreadableCsvCells(table, RenderCsvList(table))) {
      found.push_back({cell.row, cell.line_no, cell.position});
    }
    EXPECT_EQ(found, c.unreadable);
  }
}

}  // namespace
