#pragma once
// The playing length of a movie or sound file, as the installed FFmpeg libraries tell it.
#include <cstdint>
#include <string>

// Opens the file (a file-system path; only local files are ever opened), reads enough of it to
// know its streams and returns its duration in milliseconds, truncated. Returns 0 when the file
// cannot be opened or read, or when its duration cannot be told.
int64_t PlayingLengthMs(const std::string& path);
