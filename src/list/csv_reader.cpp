#include "list/csv_reader.h"

#include <unistd.h>

#include <algorithm>

#include "list/columns.h"
#include "list/csv_encoding.h"
#include "list/csv_lines.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "platform/regular_file.h"

namespace {

bool ReadWholeListFile(const std::string& path, std::string& bytes) {
  uint64_t length = 0;
  const int fd = OpenRegularFile(path, &length);
  if (fd < 0) return false;
  const bool read = ReadExactlyAt(fd, 0, static_cast<size_t>(length), bytes);
  close(fd);
  return read;
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// The list shows list headers; files carry the file label of the same column.
std::string FileLabelOfHeader(const std::string& list_header) {
  for (int column_no = 0; column_no < kColumnCount; ++column_no) {
    if (ColumnTable(column_no).list_header == list_header) return ColumnTable(column_no).file_label;
  }
  return list_header;
}

}  // namespace

CsvReadCode ReadCsvListFile(const std::string& path, std::vector<int>* misaligned_lines) {
  std::string bytes;
  if (!ReadWholeListFile(path, bytes)) return kCsvCategoryCountMismatch;
  const std::vector<CsvLine> lines = ReadCsvLines(CsvTextAsCp932(bytes));
  if (lines.empty()) return kCsvCategoryCountMismatch;
  const std::vector<std::string>& header = lines.front().fields;
  int columns = ListColumnCount();
  if (static_cast<int>(header.size()) != columns) return kCsvCategoryCountMismatch;
  for (int position = 0; position < columns; ++position) {
    if (!EqualIgnoringAsciiCase(header[position], FileLabelOfHeader(ListColumnHeader(position)))) {
      return kCsvCategoryItemMismatch;
    }
  }
  // Data line n goes to row n with key n. Inserting from the last line up, each at the top, gives the
  // same rows without moving the rows already in the list once per line.
  for (int32_t line_no = static_cast<int32_t>(lines.size()) - 2; line_no >= 0; --line_no) {
    const CsvLine& line = lines[line_no + 1];
    ListInsertRow(0, line_no, line.fields[0]);
    int last = std::min(static_cast<int>(line.fields.size()), columns);
    for (int position = 1; position < last; ++position) ListSetCell(0, position, line.fields[position]);
    ListSetRowMisaligned(0, line.misaligned);
  }
  if (misaligned_lines) {
    for (const CsvLine& line : lines) {
      if (line.misaligned) misaligned_lines->push_back(line.line_no);
    }
  }
  return kCsvLoaded;
}

std::string CsvReadErrorCaption(CsvReadCode code) {
  static const std::string kCount = Utf8ToCp932("CSVﾃﾞｰﾀ読み込み失敗 [ｶﾃｺﾞﾘ数不一致]");
  static const std::string kItem = Utf8ToCp932("CSVﾃﾞｰﾀ読み込み失敗 [ｶﾃｺﾞﾘ項目不一致]");
  return code == kCsvCategoryItemMismatch ? kItem : kCount;
}

std::string CsvReadErrorText(CsvReadCode code) {
  static const std::string kText = Utf8ToCp932(
      "ﾃﾞｰﾀ書き込み時とｶﾃｺﾞﾘﾃｰﾌﾞﾙが異なるか、CSV形式が異なります\n読み込みに失敗しました ｴﾗｰｺｰﾄﾞ");
  return kText + std::to_string(static_cast<int>(code));
}
