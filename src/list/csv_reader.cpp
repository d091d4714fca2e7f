#include "list/csv_reader.h"

#include "list/columns.h"
#include "list/csv_encoding.h"
#include "list/csv_lines.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "platform/regular_file.h"

namespace {

bool ReadWholeListFile(const std::string& path, std::string& bytes) {
  uint64_t length = 0;
  const FileDescriptor fd = OpenRegularFile(path, &length);
  return fd.is_open() && ReadExactlyAt(fd.get(), 0, static_cast<size_t>(length), bytes);
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
  const std::string text = CsvTextAsCp932(std::move(bytes));
  std::vector<std::string> header;
  ForEachCsvLine(text, [&header](const CsvLineView& line) {
    header.assign(line.fields.begin(), line.fields.end());
    return false;
  });
  const int columns = ListColumnCount();
  if (header.empty() || static_cast<int>(header.size()) != columns) return kCsvCategoryCountMismatch;
  for (int position = 0; position < columns; ++position) {
    if (!EqualIgnoringAsciiCase(header[position], FileLabelOfHeader(ListColumnHeader(position)))) {
      return kCsvCategoryItemMismatch;
    }
  }
  // Data line n goes to row n with key n, the rows above those already in the list.
  ListInsertRows(0, [&](const ListRowAdder& add) {
    int32_t key = -1;
    ForEachCsvLine(text, [&](const CsvLineView& line) {
      if (key >= 0) add(key, line.fields, line.misaligned);
      if (key >= 0 && line.misaligned && misaligned_lines) misaligned_lines->push_back(line.line_no);
      ++key;
      return true;
    });
  });
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
