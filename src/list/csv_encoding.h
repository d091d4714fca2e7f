#pragma once
// The encoding of a CSV list file: the program writes CP932, spreadsheet programs often UTF-8.
#include <string>
#include <string_view>

// The file's bytes as CP932 text: a file starting with a UTF-8 byte order mark, or one that is
// well-formed UTF-8 but not well-formed CP932, is converted from UTF-8 (without the mark; characters
// CP932 lacks become "?"); any other file is taken as it is (moved, not copied).
std::string CsvTextAsCp932(std::string bytes);
