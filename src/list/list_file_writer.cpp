#include "list/list_file_writer.h"

#include <algorithm>
#include <cerrno>
#include <limits>

#include "list/columns.h"
#include "list/csv_format.h"
#include "list/html_list.h"
#include "list/list_model.h"
#include "list/txt_list.h"
#include "platform/cp932.h"
#include "platform/file_write.h"

namespace {

// TXT files right-align the sizes and the two bit rates; the list view itself right-aligns only sizes.
bool RightAlignedInTxt(int column_no) {
  return column_no == kColSizeBytes || column_no == kColSizeMB || column_no == kColSizeKB ||
         column_no == kColVideoRate || column_no == kColAudioRate;
}

}  // namespace

ListFileTable ListFileTableFromList() {
  ListFileTable table;
  int last = Columns().last_position;
  std::vector<int> column_at(last + 1, kColFileName);
  for (int column_no = 0; column_no < kColumnCount; ++column_no) {
    int position = ColumnPosition(column_no);
    if (position >= 0 && position <= last) column_at[position] = column_no;
  }
  for (int column_no : column_at) {
    table.labels.push_back(ColumnTable(column_no).file_label);
    table.right_aligned.push_back(RightAlignedInTxt(column_no));
  }
  int rows = ListRowCount();
  table.rows.resize(rows);
  for (int row = 0; row < rows; ++row) {
    table.rows[row].reserve(last + 1);
    for (int position = 0; position <= last; ++position) {
      table.rows[row].push_back(ListGetCell(row, position, std::numeric_limits<size_t>::max()));
    }
  }
  return table;
}

std::string ToCrLfLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + static_cast<size_t>(std::count(text.begin(), text.end(), '\n')));
  for (size_t start = 0; start < text.size();) {
    size_t line_end = text.find('\n', start);
    if (line_end == std::string_view::npos) {
      out += text.substr(start);
      break;
    }
    out += text.substr(start, line_end - start);
    out += "\r\n";
    start = line_end + 1;
  }
  return out;
}

std::string EncodeListText(std::string cp932, ListFileEncoding encoding) {
  if (encoding == ListFileEncoding::kCp932) return cp932;
  return "\xEF\xBB\xBF" + Cp932ToUtf8(cp932);
}

ListFileResult WriteListFile(const std::string& path, ListFileKind kind, bool append, const HtmlOptions& html,
                             ListFileEncoding encoding) {
  ListFileResult result;
  result.path = path;
  ListFileTable table = ListFileTableFromList();
  std::string text;
  switch (kind) {
    case kListFileTxt:
      text = RenderTxtList(table, !append);
      break;
    case kListFileCsv:
      text = RenderCsvList(table);
      result.unreadable_cells = FindUnreadableCsvCells(table, text);
      break;
    case kListFileHtml:
      text = RenderHtmlList(table, html);
      break;
    default:
      result.ok = false;
      result.error_number = EINVAL;
      result.what = "format";
      return result;
  }
  std::string bytes = EncodeListText(ToCrLfLineEnds(text), encoding);
  WriteResult written = append ? AppendFileContents(path, bytes) : ReplaceFileContents(path, bytes);
  result.ok = written.ok;
  result.error_number = written.error_number;
  result.what = written.what;
  return result;
}
