// The CSV reader on arbitrary lines: splitting never fails, quoted lines of cells without double quotes
// split back into those cells, and a file with the right header gives one row per data line of the
// reader's reading, whose cells are that line's fields. The save check told row by row finds the cells
// the whole-text check finds.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_file.h"
#include "list/columns.h"
#include "list/csv_encoding.h"
#include "list/csv_format.h"
#include "list/csv_lines.h"
#include "list/csv_reader.h"
#include "list/csv_round_trip.h"
#include "list/list_model.h"
#include "list/list_text_sink.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "csv: %s\n", what);
  std::abort();
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> pieces(1);
  for (char c : text) {
    if (c == separator) {
      pieces.emplace_back();
    } else {
      pieces.back() += c;
    }
  }
  return pieces;
}

// The file name, size and title columns, so that lines have fewer, as many and more fields.
std::string ShowThreeColumns() {
  std::array<int, kColumnCount> flags{};
  std::array<int, kColumnCount> widths{};
  flags[kColSizeBytes] = 1;
  flags[kColTitle] = 1;
  UseColumns(MakeColumnState(flags, widths));
  return "\"" + ColumnTable(kColFileName).file_label + "\",\"" + ColumnTable(kColSizeBytes).file_label +
         "\",\"" + ColumnTable(kColTitle).file_label + "\"\r\n";
}

void CheckQuotedRoundTrip(std::string_view data) {
  std::string cleaned;
  for (char c : data) {
    if (c != '"' && c != '\r' && c != '\n') cleaned += c;
  }
  const std::vector<std::string> cells = Split(cleaned, '\t');
  std::string line = "\"";
  for (size_t i = 0; i < cells.size(); ++i) line += (i ? "\",\"" : "") + cells[i];
  line += '"';
  if (SplitCsvFields(line) != cells) Fail("a quoted line does not split into its cells");
}

void CheckFileRead(std::string_view data) {
  static const std::string header = ShowThreeColumns();
  const std::string path = FuzzFilePath("list.csv");
  const std::string content = header + std::string(data);
  WriteFuzzFile(path, reinterpret_cast<const uint8_t*>(content.data()), content.size());
  ListDeleteAll();
  if (ReadCsvListFile(path) != kCsvLoaded) Fail("a file with the right header is refused");
  // The lines as the reader splits the whole file (the designed rules or the spreadsheet reading).
  const std::vector<CsvLine> lines = ReadCsvLines(CsvTextAsCp932(content));
  if (lines.empty() || ListRowCount() != static_cast<int>(lines.size()) - 1) Fail("not one row per line");
  for (size_t row = 0; row + 1 < lines.size(); ++row) {
    const std::vector<std::string>& fields = lines[row + 1].fields;
    if (ListRowMisaligned(static_cast<int>(row)) != lines[row + 1].misaligned)
      Fail("a misaligned mark is lost");
    for (int position = 0; position < 3; ++position) {
      std::string_view expected = position < static_cast<int>(fields.size())
                                      ? std::string_view(fields[position])
                                      : std::string_view();
      if (ListCellView(static_cast<int>(row), position) != expected) Fail("a cell is not its field");
    }
  }
  ListDeleteAll();
}

// Rows end at 0x1E and cells at tabs, so that cells may hold quotes, commas and line breaks.
void CheckReadBack(std::string_view data) {
  ListFileTable table{{"name", "title"}, {false, false}, {}};
  for (const std::string& row : Split(data, '\x1e')) table.rows.push_back(Split(row, '\t'));
  const ListFileRows rows = RowsOfTable(table);
  CsvReadBackCheck check;
  StringTextSink text;
  WriteCsvList(table.Columns(), rows, text, &check);
  if (check.NeedsWholeText()) return;
  const std::vector<CsvUnreadableCell> whole = FindUnreadableCsvCells(rows, text.text());
  const std::vector<CsvUnreadableCell>& streamed = check.Unreadable();
  const auto same = [](const CsvUnreadableCell& a, const CsvUnreadableCell& b) {
    return a.row == b.row && a.line_no == b.line_no && a.position == b.position;
  };
  if (!std::equal(whole.begin(), whole.end(), streamed.begin(), streamed.end(), same))
    Fail("the row by row check finds other cells");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (SplitCsvFields(text).empty()) Fail("no field");
  CheckQuotedRoundTrip(text);
  CheckFileRead(text);
  CheckReadBack(text);
  return 0;
}
