#pragma once
// The lines of a CSV list file split into fields: the designed way, or the way spreadsheet programs
// write CSV when that is plainly how the file was written.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct CsvLine {
  std::vector<std::string> fields;
  int line_no = 0;          // 1-based line of the file where it starts
  bool misaligned = false;  // its fields do not line up with the header's, so its cells are not trusted
};

// The header line first, then the data lines (nothing for an empty text). The text is read the RFC 4180
// way (SplitRfc4180Records) when that gives every line exactly the header's number of fields and the
// designed rules would read it differently: another number of lines, another number of fields on some
// line, or a doubled quote in a quoted field. Otherwise each line is split by SplitCsvLine, exactly as
// designed, and a data line is misaligned when it has more fields than the header (a cell held the
// separator), when it starts with a quote but does not end with one (a cell went on past a line
// break), or when it continues such a line, up to the first line that ends with a quote.
std::vector<CsvLine> ReadCsvLines(std::string_view text);

// The same lines one at a time without a copy of the text, until visit returns false. The fields view the
// text, or the reader's own copy of one spreadsheet record, and are valid during the call.
struct CsvLineView {
  const std::vector<std::string_view>& fields;
  int line_no;
  bool misaligned;
};
void ForEachCsvLine(std::string_view text, const std::function<bool(const CsvLineView&)>& visit);
