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
