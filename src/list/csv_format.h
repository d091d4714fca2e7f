#pragma once
// The CSV list file, both ways: every field in double quotes, fields separated by commas.
#include <string>
#include <string_view>
#include <vector>

#include "list/list_file_table.h"
#include "list/list_text_sink.h"

class CsvReadBackCheck;

// The header line of file labels and one line per row, with "\n" line ends (the output turns them into
// CR LF), a line at a time. Cells are written unchanged inside the quotes, thousands separators and units
// included. Each line also goes to the check when one is given, every row even after the sink failed.
void WriteCsvList(const ListFileColumns& columns, const ListFileRows& rows, ListTextSink& sink,
                  CsvReadBackCheck* check = nullptr);
// The same a line at a time: the header, then each row's line (line is room to make it in).
void WriteCsvHeader(const ListFileColumns& columns, ListTextSink& sink, CsvReadBackCheck* check);
void WriteCsvRow(const std::vector<std::string_view>& cells, std::string& line, ListTextSink& sink,
                 CsvReadBackCheck* check);

// The same text as one string.
std::string RenderCsvList(const ListFileTable& table);

// The fields of one line given without its line end. A line starting with a double quote is quoted:
// its fields are separated only by the three bytes `","`, and the opening and closing quotes are dropped,
// so commas inside a cell (1,234,567 or "Hello, World") stay in it. Any other line is plain: a comma
// separates fields unless an ASCII digit stands right before or after it. There is always at least one
// field; an empty line gives one empty field.
std::vector<std::string> SplitCsvFields(std::string_view line);
// The same fields as views into the line, replacing those held in fields.
void SplitCsvFieldViews(std::string_view line, std::vector<std::string_view>& fields);

// Reads the line of the text that starts at offset and moves offset past its line end: LF ends a line,
// neither it nor a CR just before it is part of the line, and the last line needs none. Sets line to it and
// fields to its fields (SplitCsvFields). Returns true, leaving line and fields unchanged, at the end of the
// text.
bool SplitCsvLine(std::string_view text, size_t& offset, std::string_view& line,
                  std::vector<std::string>& fields);
// The same with the fields as views into the text.
bool SplitCsvLineViews(std::string_view text, size_t& offset, std::string_view& line,
                       std::vector<std::string_view>& fields);
