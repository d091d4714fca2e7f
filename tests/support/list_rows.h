#pragma once
// The rows of the row store as tests compare them.
#include <string>
#include <vector>

// The first cell (the file name) of every row, in row order.
std::vector<std::string> RowFileNames();
