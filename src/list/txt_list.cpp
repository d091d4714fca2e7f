#include "list/txt_list.h"

#include <algorithm>

namespace {

void AppendLine(std::string& out, const std::vector<std::string_view>& texts,
                const std::vector<size_t>& widths, const std::vector<bool>& right_aligned) {
  size_t last = widths.size() - 1;
  for (size_t position = 0; position < widths.size(); ++position) {
    const std::string_view text = position < texts.size() ? texts[position] : std::string_view();
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

void WriteTxtList(const ListFileColumns& columns, const ListFileRows& rows, bool header_line,
                  ListTextSink& sink) {
  if (columns.labels.empty()) return;
  std::vector<size_t> widths(columns.labels.size());
  for (size_t position = 0; position < widths.size(); ++position)
    widths[position] = columns.labels[position].size();
  std::vector<std::string_view> cells;
  for (size_t row = 0; row < rows.count; ++row) {
    rows.read(row, cells);
    for (size_t position = 0; position < std::min(cells.size(), widths.size()); ++position) {
      widths[position] = std::max(widths[position], cells[position].size());
    }
  }
  std::string line;
  if (header_line) {
    cells.assign(columns.labels.begin(), columns.labels.end());
    AppendLine(line, cells, widths, columns.right_aligned);
    sink.Put(line);
  }
  for (size_t row = 0; row < rows.count && !sink.Failed(); ++row) {
    rows.read(row, cells);
    line.clear();
    AppendLine(line, cells, widths, columns.right_aligned);
    sink.Put(line);
  }
}

std::string RenderTxtList(const ListFileTable& table, bool header_line) {
  StringTextSink sink;
  WriteTxtList(table.Columns(), RowsOfTable(table), header_line, sink);
  return std::move(sink.text());
}
