#pragma once
// Orderings of cell texts (CP932 bytes) for the column sort. Results are negative, zero or positive.
#include <string_view>

// Byte by byte as unsigned values, single-byte upper-case ASCII letters folded to lower case (the
// second byte of a double-byte character is never folded); the first differing byte decides and a
// text that ends first is smaller.
int CompareFolded(std::string_view a, std::string_view b);

// As CompareFolded, except that where both texts have a number at the same place the numbers compare
// by value: "," between digits is a thousands separator and "." before a digit starts a fraction, so
// "999,999,999" < "1,000,000,000", "5.23MB" < "12.5MB", "62:05" < "100:00", "640x480" < "1280x720".
// Numbers of equal value ("5.20", "5.2") compare equal and the walk goes on after them.
int CompareByValue(std::string_view a, std::string_view b);
