#pragma once
// What a dialog reads from one of its edit fields into a fixed-size field.
#include <cstddef>
#include <string>
#include <string_view>

// The edit's CP932 text cut to at most capacity - 1 bytes, never through a double-byte character:
// a size edit read through a 4-byte field keeps "012" of "0123". Capacity 0 gives "".
std::string CutEditText(std::string_view text, size_t capacity);
