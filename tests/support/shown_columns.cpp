#include "support/shown_columns.h"

#include "list/list_model.h"

void ShowOnlyColumns(std::initializer_list<ColumnNo> optional_columns) {
  std::array<int, kColumnCount> flags{};
  std::array<int, kColumnCount> widths{};
  for (int column_no = 0; column_no < kColumnCount; ++column_no)
    widths[column_no] = ColumnTable(column_no).default_width;
  flags[kColFileName] = 1;
  for (ColumnNo column_no : optional_columns) flags[column_no] = 1;
  ListResetForTesting();
  UseColumns(MakeColumnState(flags, widths));
}

std::string ShownColumnsIni(std::initializer_list<ColumnNo> optional_columns) {
  std::string ini = "[Customize]\r\n";
  for (int column_no = 0; column_no < kColumnCount; ++column_no) {
    const char* key = ColumnTable(column_no).visibility_key;
    if (!key) continue;
    bool shown = false;
    for (ColumnNo shown_no : optional_columns) shown = shown || shown_no == column_no;
    ini += std::string(key) + (shown ? "=1\r\n" : "=0\r\n");
  }
  return ini;
}
