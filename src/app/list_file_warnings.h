#pragma once
// The warnings of a list file that was read or written but that the program cannot fully trust.
#include <vector>

#include "list/csv_round_trip.h"

// One warning box naming the lines of a loaded CSV file whose fields did not line up with the header
// (their rows never reach a file); nothing when there are none.
void ShowMisalignedCsvLines(const std::vector<int>& line_numbers);

// One warning box naming the cells of a saved CSV file that will not read back as they are; nothing
// when there are none.
void ShowUnreadableCsvCells(const std::vector<CsvUnreadableCell>& cells);
