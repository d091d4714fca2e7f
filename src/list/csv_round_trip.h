#pragma once
// Whether a CSV list file written from a table reads back as the same cells.
#include <string_view>
#include <vector>

#include "list/list_file_table.h"

struct CsvUnreadableCell {
  int row = 0;       // 0-based row of the table
  int line_no = 0;   // 1-based line of the file where the row starts
  int position = 0;  // display position of the cell
};

// The cells of the table that the CSV text written from it (RenderCsvList) cannot carry unambiguously:
// every cell holding a line break (CR or LF), which another reader may take for the end of the row;
// and, in a row without one that the reader (CsvTextAsCp932, ReadCsvLines) would not give back whole,
// its first cell that comes back otherwise (one holding the separator `","`, say). In row order.
std::vector<CsvUnreadableCell> FindUnreadableCsvCells(const ListFileTable& table, std::string_view text);
