#pragma once
// Conversion between the program's CP932 (Shift-JIS) byte strings and UTF-8, used only at the
// edges: file-system names, widgets, clipboard, terminal.
#include <string>
#include <string_view>

// Characters CP932 cannot hold, and bytes that are not valid UTF-8, become "?".
std::string Utf8ToCp932(std::string_view utf8);

// Bytes that are not valid CP932 become "?".
std::string Cp932ToUtf8(std::string_view cp932);

// True when every character of the UTF-8 text survives the round trip through CP932.
bool Cp932CanHold(std::string_view utf8);
