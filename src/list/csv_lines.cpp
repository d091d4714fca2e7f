#include "list/csv_lines.h"

#include <optional>

#include "list/csv_format.h"
#include "list/csv_rfc4180.h"

namespace {

bool OpensUnclosedCell(std::string_view line) {
  return !line.empty() && line.front() == '"' && (line.size() == 1 || line.back() != '"');
}

bool EndsWithQuote(std::string_view line) {
  return !line.empty() && line.back() == '"';
}

std::vector<CsvLine> DesignedLines(std::string_view text) {
  std::vector<CsvLine> lines;
  size_t offset = 0;
  std::string_view raw;
  std::vector<std::string> fields;
  bool in_broken_cell = false;
  while (!SplitCsvLine(text, offset, raw, fields)) {
    CsvLine line;
    line.line_no = static_cast<int>(lines.size()) + 1;
    if (!lines.empty()) {
      const bool continues = in_broken_cell;
      in_broken_cell = continues ? !EndsWithQuote(raw) : OpensUnclosedCell(raw);
      line.misaligned = continues || in_broken_cell || fields.size() > lines.front().fields.size();
    }
    line.fields = std::move(fields);
    lines.push_back(std::move(line));
  }
  return lines;
}

// The RFC 4180 reading, when it fits every line to the header and the designed reading does not.
std::optional<std::vector<CsvLine>> SpreadsheetLines(std::string_view text,
                                                     const std::vector<CsvLine>& designed) {
  std::optional<std::vector<CsvRecord>> records = SplitRfc4180Records(text);
  if (!records || records->empty()) return std::nullopt;
  const size_t header_fields = records->front().fields.size();
  bool reads_differently = records->size() != designed.size();
  for (size_t i = 0; i < records->size(); ++i) {
    const CsvRecord& record = (*records)[i];
    if (record.fields.size() != header_fields) return std::nullopt;
    // With as many lines as records, line i is record i.
    reads_differently =
        reads_differently || record.doubled_quote || designed[i].fields.size() != header_fields;
  }
  if (!reads_differently) return std::nullopt;
  std::vector<CsvLine> lines;
  lines.reserve(records->size());
  for (CsvRecord& record : *records) lines.push_back({std::move(record.fields), record.first_line, false});
  return lines;
}

}  // namespace

std::vector<CsvLine> ReadCsvLines(std::string_view text) {
  std::vector<CsvLine> designed = DesignedLines(text);
  std::optional<std::vector<CsvLine>> spreadsheet = SpreadsheetLines(text, designed);
  return spreadsheet ? std::move(*spreadsheet) : designed;
}
