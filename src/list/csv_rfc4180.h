#pragma once
// CSV text read the way spreadsheet programs write it (RFC 4180).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CsvRecord {
  std::vector<std::string> fields;
  int first_line = 0;          // 1-based line of the text where the record starts
  bool doubled_quote = false;  // a quoted field held a doubled quote
};

// Commas outside quotes separate fields. A field that starts with a double quote runs to the next
// quote that is not doubled, and a comma, a line end or the end of the text must follow it; inside,
// a doubled quote stands for one quote and a line end (LF or CR LF) is kept as LF. A quote inside a
// field that does not start with one is an ordinary byte. A line end outside quotes ends the record;
// a line end at the end of the text starts no further record. Returns nothing when a quoted field is
// left open or is followed by anything else; left_open, when given, tells the first from the second.
std::optional<std::vector<CsvRecord>> SplitRfc4180Records(std::string_view text, bool* left_open = nullptr);

// The same records one at a time, each valid during the call, until take returns false; false when the
// text is refused (a record may have been taken before that).
bool ForEachRfc4180Record(std::string_view text, const std::function<bool(const CsvRecord&)>& take,
                          bool* left_open = nullptr);
