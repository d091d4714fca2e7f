#include "list/csv_round_trip.h"

#include <algorithm>
#include <map>

#include "list/csv_encoding.h"
#include "list/csv_lines.h"

namespace {

bool HoldsLineBreak(const std::string& cell) {
  return cell.find_first_of("\r\n") != std::string::npos;
}

// The first position whose cell the line does not give back, or -1 when it gives back all of them.
int FirstDifference(const std::vector<std::string>& cells, const CsvLine* line) {
  if (!line) return 0;
  for (size_t position = 0; position < cells.size(); ++position) {
    if (position >= line->fields.size() || line->fields[position] != cells[position]) {
      return static_cast<int>(position);
    }
  }
  return line->fields.size() == cells.size() ? -1 : static_cast<int>(cells.size()) - 1;
}

}  // namespace

std::vector<CsvUnreadableCell> FindUnreadableCsvCells(const ListFileTable& table, std::string_view text) {
  const std::vector<CsvLine> lines = ReadCsvLines(CsvTextAsCp932(text));
  std::map<int, const CsvLine*> line_at;
  for (const CsvLine& line : lines) line_at[line.line_no] = &line;
  std::vector<CsvUnreadableCell> unreadable;
  int line_no = 2;  // the header takes line 1
  for (size_t row = 0; row < table.rows.size(); ++row) {
    const std::vector<std::string>& cells = table.rows[row];
    const int row_no = static_cast<int>(row);
    bool broken = false;
    for (size_t position = 0; position < cells.size(); ++position) {
      if (!HoldsLineBreak(cells[position])) continue;
      broken = true;
      unreadable.push_back({row_no, line_no, static_cast<int>(position)});
    }
    if (!broken) {
      auto line = line_at.find(line_no);
      const int position = FirstDifference(cells, line == line_at.end() ? nullptr : line->second);
      if (position >= 0) unreadable.push_back({row_no, line_no, position});
    }
    for (const std::string& cell : cells)
      line_no += static_cast<int>(std::count(cell.begin(), cell.end(), '\n'));
    ++line_no;
  }
  return unreadable;
}
