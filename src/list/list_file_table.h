#pragma once
// The list as the list file formats see it: the shown columns in display order and the cells of every
// row, whole (cells are never cut in list files).
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct ListFileColumns {
  std::vector<std::string> labels;  // file label of each display position
  std::vector<bool> right_aligned;  // right-aligned in TXT files, by display position
};

// A list held in memory as a whole.
struct ListFileTable {
  std::vector<std::string> labels;
  std::vector<bool> right_aligned;
  std::vector<std::vector<std::string>> rows;  // cells by display position, one entry per position

  ListFileColumns Columns() const { return {labels, right_aligned}; }
};

// The rows read one at a time, so that the writers never need a copy of a large list.
struct ListFileRows {
  size_t count = 0;
  // Sets cells to the row's cells by display position; the views last until the list next changes.
  std::function<void(size_t row, std::vector<std::string_view>& cells)> read;
};

// The rows of a table held in memory (which must outlive the result).
ListFileRows RowsOfTable(const ListFileTable& table);
