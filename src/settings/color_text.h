#pragma once
// Colour text: how a colour reference (0x00BBGGRR, red in the lowest byte) is stored in the settings file.
#include <cstdint>
#include <string>
#include <string_view>

// Reads an integer literal with automatic base: "0x" or "0X" then hexadecimal, a leading "0" octal,
// anything else decimal, after optional leading blanks and sign. Reading stops at the first character that
// does not fit the base; no digits at all give 0. The value is taken modulo 2^32.
uint32_t ParseColorText(std::string_view text);

// "0x" and the value in hexadecimal, all lower case: "0xffffff", "0xff", "0x0".
std::string FormatColorText(uint32_t color);
