#pragma once
// Whether a CSV list file written from a table reads back as the same cells.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "list/list_file_table.h"

struct CsvUnreadableCell {
  int row = 0;       // 0-based row of the table
  int line_no = 0;   // 1-based line of the file where the row starts
  int position = 0;  // display position of the cell
};

// The cells of the rows that the CSV text written from them (WriteCsvList) cannot carry unambiguously:
// every cell holding a line break (CR or LF), which another reader may take for the end of the row;
// and, in a row without one that the reader (CsvTextAsCp932, ReadCsvLines) would not give back whole,
// its first cell that comes back otherwise (one holding the separator `","`, say). In row order.
std::vector<CsvUnreadableCell> FindUnreadableCsvCells(const ListFileRows& rows, std::string_view text);

// The same cells told a line at a time as the text is written, keeping no more than the cells found and a
// chunk of text. Which way the reader takes a file (the designed rules or the spreadsheet way) depends on
// all of it, so each row is read alone both ways and the choice is made at the end. A text this cannot
// follow row by row, one whose spreadsheet reading runs on from a quote left open at a row's end or one
// that is not CP932 but is UTF-8 (and would be read converted), is left to FindUnreadableCsvCells.
class CsvReadBackCheck {
 public:
  void AddHeader(std::string_view line);  // each line with its "\n"
  void AddRow(const std::vector<std::string_view>& cells, std::string_view line);
  // After the last row: whether only the whole text tells.
  bool NeedsWholeText();
  const std::vector<CsvUnreadableCell>& Unreadable() const;

 private:
  struct Readings;
  void Note(const Readings& readings);
  void CheckEncoding(std::string_view line);
  void CheckHeldText();

  int rows_ = 0;
  int line_no_ = 2;  // where the next row starts; the header takes line 1
  size_t header_fields_ = 0;
  bool spreadsheet_possible_ = true;  // the spreadsheet reading gives every line the header's fields
  bool reads_differently_ = false;    // and it reads the text otherwise than the designed rules
  bool beyond_rows_ = false;          // a quote left open at a row's end
  bool cp932_ = true, utf8_ = true;
  std::string held_;                                       // text whose encoding is not yet checked
  std::vector<CsvUnreadableCell> designed_, spreadsheet_;  // the cells found under each reading
};
