#include "list/csv_format.h"

#include <cstring>

#include "list/csv_round_trip.h"

namespace {

void AppendQuotedLine(std::string& out, const std::vector<std::string_view>& fields) {
  size_t size = out.size() + 1;                                    // the "\n"
  for (std::string_view field : fields) size += field.size() + 3;  // two quotes and a comma
  const size_t start = out.size();
  out.resize(size - (fields.empty() ? 0 : 1));
  char* at = out.data() + start;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) *at++ = ',';
    *at++ = '"';
    if (!fields[i].empty()) std::memcpy(at, fields[i].data(), fields[i].size());
    at += fields[i].size();
    *at++ = '"';
  }
  *at = '\n';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void SplitQuoted(std::string_view line, std::vector<std::string_view>& fields) {
  std::string_view body = line.substr(1);
  if (!body.empty() && body.back() == '"') body.remove_suffix(1);
  for (;;) {
    size_t separator = body.find("\",\"");
    if (separator == std::string_view::npos) break;
    fields.push_back(body.substr(0, separator));
    body.remove_prefix(separator + 3);
  }
  fields.push_back(body);
}

void SplitPlain(std::string_view line, std::vector<std::string_view>& fields) {
  size_t start = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != ',') continue;
    // A digit beside the comma makes it a thousands separator inside a size field.
    bool digit_before = i > 0 && IsDigit(line[i - 1]);
    bool digit_after = i + 1 < line.size() && IsDigit(line[i + 1]);
    if (digit_before || digit_after) continue;
    fields.push_back(line.substr(start, i - start));
    start = i + 1;
  }
  fields.push_back(line.substr(start));
}

}  // namespace

void WriteCsvHeader(const ListFileColumns& columns, ListTextSink& sink, CsvReadBackCheck* check) {
  std::string line;
  AppendQuotedLine(line, std::vector<std::string_view>(columns.labels.begin(), columns.labels.end()));
  if (check) check->AddHeader(line);
  sink.Put(line);
}

void WriteCsvRow(const std::vector<std::string_view>& cells, std::string& line, ListTextSink& sink,
                 CsvReadBackCheck* check) {
  line.clear();
  AppendQuotedLine(line, cells);
  if (check) check->AddRow(cells, line);
  if (!sink.Failed()) sink.Put(line);
}

void WriteCsvList(const ListFileColumns& columns, const ListFileRows& rows, ListTextSink& sink,
                  CsvReadBackCheck* check) {
  WriteCsvHeader(columns, sink, check);
  std::vector<std::string_view> cells;
  std::string line;
  for (size_t row = 0; row < rows.count && (check || !sink.Failed()); ++row) {
    rows.read(row, cells);
    WriteCsvRow(cells, line, sink, check);
  }
}

std::string RenderCsvList(const ListFileTable& table) {
  StringTextSink sink;
  WriteCsvList(table.Columns(), RowsOfTable(table), sink);
  return std::move(sink.text());
}

void SplitCsvFieldViews(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  if (!line.empty() && line.front() == '"') {
    SplitQuoted(line, fields);
  } else {
    SplitPlain(line, fields);
  }
}

std::vector<std::string> SplitCsvFields(std::string_view line) {
  std::vector<std::string_view> views;
  SplitCsvFieldViews(line, views);
  return std::vector<std::string>(views.begin(), views.end());
}

bool SplitCsvLineViews(std::string_view text, size_t& offset, std::string_view& line,
                       std::vector<std::string_view>& fields) {
  if (offset >= text.size()) return true;
  size_t end = text.find('\n', offset);
  if (end == std::string_view::npos) end = text.size();
  line = text.substr(offset, end - offset);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  offset = end + 1;
  SplitCsvFieldViews(line, fields);
  return false;
}

bool SplitCsvLine(std::string_view text, size_t& offset, std::string_view& line,
                  std::vector<std::string>& fields) {
  std::vector<std::string_view> views;
  if (SplitCsvLineViews(text, offset, line, views)) return true;
  fields.assign(views.begin(), views.end());
  return false;
}
