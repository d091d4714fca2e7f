#include "list/csv_round_trip.h"

#include <algorithm>
#include <map>
#include <optional>

#include "list/csv_encoding.h"
#include "list/csv_format.h"
#include "list/csv_lines.h"
#include "list/csv_rfc4180.h"
#include "platform/byte_scan.h"
#include "platform/cp932.h"

namespace {

bool HoldsLineBreak(std::string_view cell) {
  return cell.find_first_of("\r\n") != std::string_view::npos;
}

// The first position whose cell the fields read back do not give back, or -1 when they give back all.
int FirstDifference(const std::vector<std::string_view>& cells, const std::vector<std::string>* fields) {
  if (!fields) return 0;
  for (size_t position = 0; position < cells.size(); ++position) {
    if (position >= fields->size() || (*fields)[position] != cells[position])
      return static_cast<int>(position);
  }
  return fields->size() == cells.size() ? -1 : static_cast<int>(cells.size()) - 1;
}

int LineBreaks(const std::vector<std::string_view>& cells) {
  int breaks = 0;
  for (std::string_view cell : cells) breaks += static_cast<int>(std::count(cell.begin(), cell.end(), '\n'));
  return breaks;
}

// Cells no reading can take otherwise: written in quotes, each line splits back into exactly them. Told
// from the line written of them (two quotes a cell and one line break, at its end) because every row of
// every CSV file written passes here, and the line is one run of bytes to scan.
bool Plain(const std::vector<std::string_view>& cells, std::string_view line) {
  if (cells.empty() || line.empty() || line.back() != '\n') return false;
  size_t quotes = 0;
  uint64_t line_breaks = 0;
  ForEachWord(line.substr(0, line.size() - 1), ' ', [&](uint64_t word) {
    quotes += CountMarked(MatchingBytes(word, '"'));
    line_breaks |= MatchingBytes(word, '\r') | MatchingBytes(word, '\n');
  });
  return quotes == 2 * cells.size() && line_breaks == 0;
}

}  // namespace

std::vector<CsvUnreadableCell> FindUnreadableCsvCells(const ListFileRows& rows, std::string_view text) {
  const std::vector<CsvLine> lines = ReadCsvLines(CsvTextAsCp932(std::string(text)));
  std::map<int, const CsvLine*> line_at;
  for (const CsvLine& line : lines) line_at[line.line_no] = &line;
  std::vector<CsvUnreadableCell> unreadable;
  int line_no = 2;  // the header takes line 1
  std::vector<std::string_view> cells;
  for (size_t row = 0; row < rows.count; ++row) {
    rows.read(row, cells);
    const int row_no = static_cast<int>(row);
    bool broken = false;
    for (size_t position = 0; position < cells.size(); ++position) {
      if (!HoldsLineBreak(cells[position])) continue;
      broken = true;
      unreadable.push_back({row_no, line_no, static_cast<int>(position)});
    }
    if (!broken) {
      auto line = line_at.find(line_no);
      const int position = FirstDifference(cells, line == line_at.end() ? nullptr : &line->second->fields);
      if (position >= 0) unreadable.push_back({row_no, line_no, position});
    }
    line_no += LineBreaks(cells) + 1;
  }
  return unreadable;
}

// One row's text read alone both ways; as the whole text reads it while the spreadsheet reading of every
// row before ended at that row's end.
struct CsvReadBackCheck::Readings {
  explicit Readings(std::string_view text) {
    size_t offset = 0;
    std::string_view line;
    std::vector<std::string> fields;
    while (!SplitCsvLine(text, offset, line, fields)) lines.push_back(std::move(fields));
    records = SplitRfc4180Records(text, &left_open);
  }
  std::vector<std::vector<std::string>> lines;
  std::optional<std::vector<CsvRecord>> records;
  bool left_open = false;
};

void CsvReadBackCheck::Note(const Readings& readings) {
  if (!spreadsheet_possible_) return;
  if (!readings.records) {
    beyond_rows_ = readings.left_open;
    spreadsheet_possible_ = false;
    return;
  }
  if (header_fields_ == 0) header_fields_ = readings.records->front().fields.size();
  reads_differently_ = reads_differently_ || readings.records->size() != readings.lines.size();
  for (size_t i = 0; i < readings.records->size(); ++i) {
    const CsvRecord& record = (*readings.records)[i];
    if (record.fields.size() != header_fields_) {
      spreadsheet_possible_ = false;
      return;
    }
    reads_differently_ = reads_differently_ || record.doubled_quote ||
                         (i < readings.lines.size() && readings.lines[i].size() != header_fields_);
  }
}

void CsvReadBackCheck::AddHeader(std::string_view line) {
  CheckEncoding(line);
  Note(Readings(line));
}

void CsvReadBackCheck::AddRow(const std::vector<std::string_view>& cells, std::string_view line) {
  CheckEncoding(line);
  const int row = rows_++;
  if (Plain(cells, line)) {
    spreadsheet_possible_ = spreadsheet_possible_ && cells.size() == header_fields_;
    ++line_no_;
    return;
  }
  bool broken = false;
  for (size_t position = 0; position < cells.size(); ++position) {
    if (!HoldsLineBreak(cells[position])) continue;
    broken = true;
    designed_.push_back({row, line_no_, static_cast<int>(position)});
    spreadsheet_.push_back(designed_.back());
  }
  const Readings readings(line);
  Note(readings);
  if (!broken) {
    const int designed = FirstDifference(cells, readings.lines.empty() ? nullptr : &readings.lines.front());
    if (designed >= 0) designed_.push_back({row, line_no_, designed});
    const int spreadsheet =
        FirstDifference(cells, readings.records ? &readings.records->front().fields : nullptr);
    if (spreadsheet >= 0) spreadsheet_.push_back({row, line_no_, spreadsheet});
  }
  line_no_ += LineBreaks(cells) + 1;
}

void CsvReadBackCheck::CheckEncoding(std::string_view line) {
  // ASCII is valid in both encodings.
  if ((!cp932_ && !utf8_) || IsAsciiText(line)) return;
  held_ += line;
  // Lines end between characters in both encodings, so the text may be checked in pieces.
  if (held_.size() >= 256 * 1024) CheckHeldText();
}

void CsvReadBackCheck::CheckHeldText() {
  if (cp932_) cp932_ = IsCp932Text(held_);
  if (utf8_) utf8_ = IsUtf8Text(held_);
  held_.clear();
}

bool CsvReadBackCheck::NeedsWholeText() {
  CheckHeldText();
  return beyond_rows_ || (!cp932_ && utf8_);
}

const std::vector<CsvUnreadableCell>& CsvReadBackCheck::Unreadable() const {
  return spreadsheet_possible_ && reads_differently_ ? spreadsheet_ : designed_;
}
