#pragma once
// Fills the media info record from an MPEG-1 system stream, with the two options and the playing
// length service passed in (ReadMpegSystem passes the settings, the column state and the platform's
// service). The file is read from its start only up to the first audio frame header
// (probe/mpeg_headers.h).
//
// Every field is emptied first; then (all stay empty when the file cannot be opened):
// - video format "MPEG1";
// - picture size "%dx%d" and frame rate "23.97".."60.00" from the first sequence header; no frame
//   rate for codes 0 and 9 to 15;
// - audio format "MPEG Layer2" and audio rate "%.1fkHz/%dkbit" from the first Layer II frame header
//   after the first audio packet; index 15 gives ".../0kbit". The audio rate stays empty for free
//   format (bit-rate index 0) and for the reserved sampling code 3: the header does not tell that
//   figure, and an invented one would be listed and sorted as if it were true.
// - only with get_play_time: S is the whole seconds of the playing length, asked only when the
//   playing-time column is shown (S is 0 when it is hidden or the length is unknown), and the playing
//   time is the minutes:seconds text of S;
// - video rate "%dkbit" = file length / S / 100 - the audio bit rate, only when the length was asked,
//   S > 0 and the audio header gives a bit rate (not free format); empty otherwise.
#include <cstdint>
#include <functional>
#include <string>

#include "probe/media_file.h"

using PlayingLengthService = std::function<int64_t(const std::string& path)>;

struct MpegReadOptions {
  bool get_play_time = false;              // the user asked for playing times of MPEG-1 files
  bool play_time_shown = false;            // the playing-time column is shown
  PlayingLengthService playing_length_ms;  // milliseconds, 0 when it cannot tell
};

void ReadMpegSystemWith(const std::string& path, const MpegReadOptions& options);
// The same on a file the caller has opened from path; the playing length service is given the path.
void ReadMpegSystemWith(MediaFile& file, const std::string& path, const MpegReadOptions& options);
