#include "list/txt_list.h"

#include <algorithm>

namespace {

void AppendLine(std::string& out, const std::vector<std::string>& texts, const std::vector<size_t>& widths,
                const std::vector<bool>& right_aligned) {
  size_t last = widths.size() - 1;
  for (size_t position = 0; position < widths.size(); ++position) {
    const std::string& text = position < texts.size() ? texts[position] : std::string();
    size_t padding = widths[position] - text.size();
    bool right = position < right_aligned.size() && right_aligned[position];
    if (position == last) {
      out += text;
      if (right) out += ' ';
    } else if (right) {
      out.append(padding, ' ');
      out += text;
      out += ' ';
    } else {
      out += text;
      out.append(padding + 1, ' ');
    }
  }
  out += '\n';
}

}  // namespace

std::string RenderTxtList(const ListFileTable& table, bool header_line) {
  std::string out;
  if (table.labels.empty()) return out;
  std::vector<size_t> widths(table.labels.size());
  for (size_t position = 0; position < widths.size(); ++position) {
    widths[position] = table.labels[position].size();
    for (const auto& row : table.rows) {
      if (position < row.size()) widths[position] = std::max(widths[position], row[position].size());
    }
  }
  if (header_line) AppendLine(out, table.labels, widths, table.right_aligned);
  for (const auto& row : table.rows) AppendLine(out, row, widths, table.right_aligned);
  return out;
}
