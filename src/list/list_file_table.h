#pragma once
// A snapshot of the list as the list file formats see it: the shown columns in display order and the
// cells of every row, whole (cells are never cut in list files).
#include <string>
#include <vector>

struct ListFileTable {
  std::vector<std::string> labels;             // file label of each display position
  std::vector<bool> right_aligned;             // right-aligned in TXT files, by display position
  std::vector<std::vector<std::string>> rows;  // cells by display position, one entry per position
};
