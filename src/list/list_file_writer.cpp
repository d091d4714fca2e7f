#include "list/list_file_writer.h"

#include <cerrno>

#include "list/columns.h"
#include "list/csv_format.h"
#include "list/html_list.h"
#include "list/list_model.h"
#include "list/txt_list.h"
#include "platform/file_replacement.h"

namespace {

// TXT files right-align the sizes and the two bit rates; the list view itself right-aligns only sizes.
bool RightAlignedInTxt(int column_no) {
  return column_no == kColSizeBytes || column_no == kColSizeMB || column_no == kColSizeKB ||
         column_no == kColVideoRate || column_no == kColAudioRate;
}

// The check follows the rows as they are written.
std::vector<CsvUnreadableCell> WriteCheckedCsvList(const ListFileColumns& columns, const ListFileRows& rows,
                                                   ListTextSink& output) {
  CsvReadBackCheck check;
  WriteCsvList(columns, rows, output, &check);
  return FinishCsvCheck(check, columns, rows);
}

}  // namespace

ListFileColumns ListFileColumnsFromList() {
  ListFileColumns columns;
  int last = Columns().last_position;
  std::vector<int> column_at(last + 1, kColFileName);
  for (int column_no = 0; column_no < kColumnCount; ++column_no) {
    int position = ColumnPosition(column_no);
    if (position >= 0 && position <= last) column_at[position] = column_no;
  }
  for (int column_no : column_at) {
    columns.labels.push_back(ColumnTable(column_no).file_label);
    columns.right_aligned.push_back(RightAlignedInTxt(column_no));
  }
  return columns;
}

ListFileRows ListFileRowsFromList() {
  const int positions = Columns().last_position + 1;
  return {static_cast<size_t>(ListRowCount()), [positions](size_t row, std::vector<std::string_view>& cells) {
            ListRowCellViews(static_cast<int>(row), positions, cells);
          }};
}

std::vector<CsvUnreadableCell> FinishCsvCheck(CsvReadBackCheck& check, const ListFileColumns& columns,
                                              const ListFileRows& rows) {
  if (!check.NeedsWholeText()) return check.Unreadable();
  // The rare text whose reading only the whole of it tells is made again in memory.
  StringTextSink whole;
  WriteCsvList(columns, rows, whole);
  return FindUnreadableCsvCells(rows, whole.text());
}

ListFileResult WriteListFile(const std::string& path, ListFileKind kind, bool append, const HtmlOptions& html,
                             ListFileEncoding encoding) {
  ListFileResult result;
  result.path = path;
  if (kind != kListFileTxt && kind != kListFileCsv && kind != kListFileHtml) {
    result.ok = false;
    result.error_number = EINVAL;
    result.what = "format";
    return result;
  }
  const ListFileColumns columns = ListFileColumnsFromList();
  const ListFileRows rows = ListFileRowsFromList();
  FileReplacement file(path, append);
  FileReplacementSink bytes(file);
  ListFileOutput output(bytes, encoding);
  if (kind == kListFileTxt) WriteTxtList(columns, rows, !append, output);
  if (kind == kListFileCsv) result.unreadable_cells = WriteCheckedCsvList(columns, rows, output);
  if (kind == kListFileHtml) WriteHtmlList(columns, rows, html, output);
  output.Finish();
  static_cast<WriteResult&>(result) = file.Commit();
  return result;
}
