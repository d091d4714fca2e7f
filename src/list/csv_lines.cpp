#include "list/csv_lines.h"

#include "list/csv_format.h"
#include "list/csv_rfc4180.h"

namespace {

bool OpensUnclosedCell(std::string_view line) {
  return !line.empty() && line.front() == '"' && (line.size() == 1 || line.back() != '"');
}

bool EndsWithQuote(std::string_view line) {
  return !line.empty() && line.back() == '"';
}

// The designed reading, a line at a time, its fields viewing the text.
class DesignedLines {
 public:
  explicit DesignedLines(std::string_view text) : text_(text) {}

  // Reads the next line; false at the end of the text.
  bool Next() {
    std::string_view raw;
    if (SplitCsvLineViews(text_, offset_, raw, fields_)) return false;
    if (++line_no_ == 1) {
      header_fields_ = fields_.size();
      return true;
    }
    const bool continues = in_broken_cell_;
    in_broken_cell_ = continues ? !EndsWithQuote(raw) : OpensUnclosedCell(raw);
    misaligned_ = continues || in_broken_cell_ || fields_.size() > header_fields_;
    return true;
  }
  CsvLineView line() const { return {fields_, line_no_, misaligned_}; }

 private:
  std::string_view text_;
  size_t offset_ = 0;
  std::vector<std::string_view> fields_;
  int line_no_ = 0;
  size_t header_fields_ = 0;
  bool in_broken_cell_ = false;
  bool misaligned_ = false;
};

// Whether the RFC 4180 reading fits every line to the header and the designed reading does not, told in
// one pass over both readings that keeps no line.
bool ReadTheSpreadsheetWay(std::string_view text) {
  DesignedLines designed(text);
  size_t header_fields = 0;
  bool any = false, fits = true, reads_differently = false;
  const bool read = ForEachRfc4180Record(text, [&](const CsvRecord& record) {
    if (!any) header_fields = record.fields.size();
    any = true;
    if (record.fields.size() != header_fields) return fits = false;
    // While there are as many lines as records, line i is record i.
    reads_differently = reads_differently || record.doubled_quote || !designed.Next() ||
                        designed.line().fields.size() != header_fields;
    return true;
  });
  if (!read || !fits || !any) return false;
  return reads_differently || designed.Next();  // or more lines than records
}

}  // namespace

void ForEachCsvLine(std::string_view text, const std::function<bool(const CsvLineView&)>& visit) {
  if (ReadTheSpreadsheetWay(text)) {
    std::vector<std::string_view> fields;
    ForEachRfc4180Record(text, [&](const CsvRecord& record) {
      fields.assign(record.fields.begin(), record.fields.end());
      return visit({fields, record.first_line, false});
    });
    return;
  }
  DesignedLines designed(text);
  while (designed.Next()) {
    if (!visit(designed.line())) return;
  }
}

std::vector<CsvLine> ReadCsvLines(std::string_view text) {
  std::vector<CsvLine> lines;
  ForEachCsvLine(text, [&lines](const CsvLineView& line) {
    lines.push_back({{line.fields.begin(), line.fields.end()}, line.line_no, line.misaligned});
    return true;
  });
  return lines;
}
