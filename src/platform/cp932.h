#pragma once
// Conversion between the program's CP932 (Shift-JIS) byte strings and UTF-8, used only at the
// edges: file-system names, widgets, clipboard, terminal.
#include <string>
#include <string_view>

// Characters CP932 cannot hold, and bytes that are not valid UTF-8, become "?".
std::string Utf8ToCp932(std::string_view utf8);

// Bytes that are not valid CP932 become "?".
std::string Cp932ToUtf8(std::string_view cp932);

// Bytes in the CP932 character starting at text[i]: 2 for a lead byte followed by a trail byte, else 1.
size_t Cp932CharLength(std::string_view text, size_t i);

// True when every character of the UTF-8 text survives the round trip through CP932.
bool Cp932CanHold(std::string_view utf8);

// True when the bytes are well-formed text in that encoding (no byte needs replacing by "?"); ASCII
// is both.
bool IsUtf8Text(std::string_view bytes);
bool IsCp932Text(std::string_view bytes);
