#include "list/csv_list_ahead.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "list/list_model.h"
#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

using Row = std::vector<std::string>;  // name, title, folder

struct AheadCase {
  const char* what;
  std::vector<Row> rows;
  ListFileEncoding encoding = ListFileEncoding::kCp932;
  bool append = false;
  bool last_row_first = false;  // the last row goes in at the top, as a command-line file does
  const char* folder = "";      // where the file goes, below the test folder
  bool made_ahead = true;
};

std::string Bytes(const std::string& path) {
  return ReadWholeFile(path);
}

// The file made ahead, row by row as the rows come in, is the file the list writer makes of the finished
// list, with the same result, whatever the rows hold and however they come.
TEST(CsvListAhead, WritesWhatTheListWriterWrites) {
  const std::string long_cell(40000, 'x');
  const std::vector<AheadCase> cases = {
      {"plain rows", {{"a.avi", "t", "/m"}, {Utf8ToCp932("映画.avi"), "", "/m/s"}, {"c.mpg", "", "/"}}},
      {"cells a reader takes otherwise",
       {{"a.avi", "one, two", "/m"}, {"b.avi", "say \"hi\"", "/m"}, {"c.avi", "two\r\nlines", "/m"}}},
      {"text that is UTF-8, not CP932", {{"a.avi", "\xE2\x80\x94", "/m"}, {"b.avi", "t", "/m"}}},
      {"UTF-8 with a byte order mark",
       {{Utf8ToCp932("映画.avi"), "t", "/m"}},
       ListFileEncoding::kUtf8WithBom},
      {"appended to a file", {{"a.avi", "t", "/m"}}, ListFileEncoding::kCp932, true},
      {"a row in at the top",
       {{"a.avi", "", "/m"}, {"b.avi", "", "/m"}},
       ListFileEncoding::kCp932,
       false,
       true,
       "",
       false},
      {"a folder that is not there", {{"a.avi", "", "/m"}}, ListFileEncoding::kCp932, false, false, "gone/"},
      {"more text than is made ahead",
       std::vector<Row>(CsvListAhead::kMostBytes / long_cell.size() + 2, Row{"a.avi", long_cell, "/m"}),
       ListFileEncoding::kCp932, false, false, "", false},
  };
  for (const AheadCase& c : cases) {
    ResetCoreStateForTesting();
    ShowOnlyColumns({kColTitle, kColFolder});
    TempDir dir;
    const std::string ahead_path = dir.path() + "/" + c.folder + "ahead.csv";
    const std::string list_path = dir.path() + "/" + c.folder + "list.csv";
    if (c.append) {
      dir.Write("ahead.csv", "old\r\n");
      dir.Write("list.csv", "old\r\n");
    }
    std::optional<CsvListAhead> ahead(std::in_place, c.encoding);
    for (size_t i = 0; i < c.rows.size(); ++i) {
      std::vector<std::string_view> cells(c.rows[i].begin(), c.rows[i].end());
      const bool first = c.last_row_first && i + 1 == c.rows.size();
      ListInsertFilledRow(first ? 0 : ListRowCount(), static_cast<int32_t>(i), cells, "/m/" + c.rows[i][0]);
    }
    EXPECT_EQ(ahead->MadeAhead(), c.made_ahead) << c.what;
    const ListFileResult made_ahead = ahead->Write(ahead_path, c.append);
    ahead.reset();
    const ListFileResult written = WriteListFile(list_path, kListFileCsv, c.append, {}, c.encoding);
    EXPECT_EQ(made_ahead.ok, written.ok) << c.what;
    EXPECT_EQ(made_ahead.what, written.what) << c.what;
    EXPECT_EQ(made_ahead.error_number, written.error_number) << c.what;
    ASSERT_EQ(made_ahead.unreadable_cells.size(), written.unreadable_cells.size()) << c.what;
    for (size_t i = 0; i < written.unreadable_cells.size(); ++i) {
      EXPECT_EQ(made_ahead.unreadable_cells[i].line_no, written.unreadable_cells[i].line_no) << c.what;
      EXPECT_EQ(made_ahead.unreadable_cells[i].position, written.unreadable_cells[i].position) << c.what;
    }
    if (written.ok) {
      EXPECT_EQ(Bytes(ahead_path), Bytes(list_path)) << c.what;
    }
    if (std::string(c.what) == "cells a reader takes otherwise") {
      EXPECT_FALSE(written.unreadable_cells.empty());
    }
  }
  ResetCoreStateForTesting();
}

}  // namespace
