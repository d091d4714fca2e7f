#pragma once
// The playing length of a movie or sound file, as the installed FFmpeg libraries tell it.
#include <cstdint>
#include <string>

// Opens the file (a file-system path; only local files are ever opened), reads enough of it to
// know its streams and returns its duration in milliseconds, truncated. Returns 0 when the file
// cannot be opened or read, or when its duration cannot be told.
int64_t PlayingLengthMs(const std::string& path);

// The same for a file taken to be an MPEG-1 system stream: read as one, without guessing its format,
// and with only its first 64 KB analysed for its streams. For such files the answer is that of
// PlayingLengthMs at a fraction of the cost; for a file that is none it may differ, and is 0 when the
// file holds no MPEG stream at all.
int64_t MpegPlayingLengthMs(const std::string& path);
