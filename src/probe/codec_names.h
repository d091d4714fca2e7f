#pragma once
// Codec names from the built-in tables. The names never come from the installed decoders, which only
// say whether a stream can be played. Results are CP932 text; anything not in a table is "Unknon".
#include <cstdint>
#include <string>

// The name of a video codec by its handler code, a FOURCC as stored in the file (first character in the
// lowest byte; a zero byte ends the code early). "DIB " matches only in exactly that case; every other
// key matches ignoring ASCII letter case.
std::string VideoCodecName(uint32_t handler);

// The name of an audio codec by the byte size of its format chunk (as the chunk header gives it) and
// its format tag: the same tag can name different codecs by size, and a known tag with an unexpected
// size is unknown.
std::string AudioCodecName(int32_t format_size, uint16_t format_tag);
