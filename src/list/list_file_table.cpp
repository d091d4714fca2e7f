#include "list/list_file_table.h"

ListFileRows RowsOfTable(const ListFileTable& table) {
  return {table.rows.size(), [&table](size_t row, std::vector<std::string_view>& cells) {
            cells.assign(table.rows[row].begin(), table.rows[row].end());
          }};
}
