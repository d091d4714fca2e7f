#include "support/list_rows.h"

#include "list/list_model.h"

std::vector<std::string> RowFileNames() {
  std::vector<std::string> names;
  for (int row = 0; row < ListRowCount(); ++row) names.push_back(ListGetCell(row, 0));
  return names;
}
