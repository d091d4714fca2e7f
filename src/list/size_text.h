#pragma once
// Size cells turned back into numbers. Sizes are 64-bit so files of 2 GiB and more count in full.
#include <cstdint>
#include <string_view>

// Removes every "," and reads the rest as an integer literal with automatic base ("0x" hexadecimal,
// a leading "0" octal, otherwise decimal), up to the first character that does not fit; no digits
// give 0. "1,234KB" gives 1234.
int64_t ParseGroupedNumber(std::string_view text);

// The leading decimal number of the text (optional spaces and sign, integer part, "." and fraction),
// independent of the locale; no digits give 0. "5.23MB" gives 5.23.
double ParseDecimal(std::string_view text);
