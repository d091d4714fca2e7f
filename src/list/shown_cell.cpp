#include "list/shown_cell.h"

#include "list/columns.h"
#include "list/list_model.h"

std::optional<std::string> ShownCell(int row, int column_no, size_t capacity) {
  const int position = ColumnPosition(column_no);
  if (position < 0) return std::nullopt;
  return ListGetCell(row, position, capacity);
}
