#pragma once
// The playing-time text of the media info record.
#include <cstdint>

// Sets the playing time field to minutes and seconds, each at least two digits, minutes never split
// into hours (3725 gives "62:05"). A negative number of seconds empties the field.
void FormatPlayTime(int64_t seconds);
