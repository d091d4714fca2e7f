#include "list/csv_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "list/columns.h"
#include "list/csv_format.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "platform/regular_file.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

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

bool SplitCsvLine(std::FILE* file, std::vector<std::string>& fields) {
  char* buffer = nullptr;
  size_t capacity = 0;
  ssize_t length = getline(&buffer, &capacity, file);
  std::unique_ptr<char, decltype(&std::free)> owned(buffer, &std::free);
  if (length < 0) return true;
  std::string_view line(buffer, static_cast<size_t>(length));
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  fields = SplitCsvFields(line);
  return false;
}

CsvReadCode ReadCsvListFile(const std::string& path) {
  const int fd = OpenRegularFile(path);
  if (fd < 0) return kCsvCategoryCountMismatch;
  std::unique_ptr<std::FILE, FileCloser> file(fdopen(fd, "rb"));
  if (!file) {
    close(fd);
    return kCsvCategoryCountMismatch;
  }
  std::vector<std::string> fields;
  if (SplitCsvLine(file.get(), fields)) return kCsvCategoryCountMismatch;
  int columns = ListColumnCount();
  if (static_cast<int>(fields.size()) != columns) return kCsvCategoryCountMismatch;
  for (int position = 0; position < columns; ++position) {
    if (!EqualIgnoringAsciiCase(fields[position], FileLabelOfHeader(ListColumnHeader(position)))) {
      return kCsvCategoryItemMismatch;
    }
  }
  std::vector<std::vector<std::string>> lines;
  while (!SplitCsvLine(file.get(), fields)) lines.push_back(std::move(fields));
  // Line n goes to row n with key n. Inserting from the last line up, each at the top, gives the same
  // rows without moving the rows already in the list once per line.
  for (int32_t line_no = static_cast<int32_t>(lines.size()) - 1; line_no >= 0; --line_no) {
    const std::vector<std::string>& line = lines[line_no];
    ListInsertRow(0, line_no, line[0]);
    int last = std::min(static_cast<int>(line.size()), columns);
    for (int position = 1; position < last; ++position) ListSetCell(0, position, line[position]);
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
