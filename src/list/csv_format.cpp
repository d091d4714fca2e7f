#include "list/csv_format.h"

namespace {

void AppendQuotedLine(std::string& out, const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    out += '"';
    out += fields[i];
    out += '"';
  }
  out += '\n';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::vector<std::string> SplitQuoted(std::string_view line) {
  std::string_view body = line.substr(1);
  if (!body.empty() && body.back() == '"') body.remove_suffix(1);
  std::vector<std::string> fields;
  for (;;) {
    size_t separator = body.find("\",\"");
    if (separator == std::string_view::npos) break;
    fields.emplace_back(body.substr(0, separator));
    body.remove_prefix(separator + 3);
  }
  fields.emplace_back(body);
  return fields;
}

std::vector<std::string> SplitPlain(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != ',') continue;
    // A digit beside the comma makes it a thousands separator inside a size field.
    bool digit_before = i > 0 && IsDigit(line[i - 1]);
    bool digit_after = i + 1 < line.size() && IsDigit(line[i + 1]);
    if (digit_before || digit_after) continue;
    fields.emplace_back(line.substr(start, i - start));
    start = i + 1;
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

}  // namespace

std::string RenderCsvList(const ListFileTable& table) {
  std::string out;
  AppendQuotedLine(out, table.labels);
  for (const auto& row : table.rows) AppendQuotedLine(out, row);
  return out;
}

std::vector<std::string> SplitCsvFields(std::string_view line) {
  if (!line.empty() && line.front() == '"') return SplitQuoted(line);
  return SplitPlain(line);
}

bool SplitCsvLine(std::string_view text, size_t& offset, std::string_view& line,
                  std::vector<std::string>& fields) {
  if (offset >= text.size()) return true;
  size_t end = text.find('\n', offset);
  if (end == std::string_view::npos) end = text.size();
  line = text.substr(offset, end - offset);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  offset = end + 1;
  fields = SplitCsvFields(line);
  return false;
}
