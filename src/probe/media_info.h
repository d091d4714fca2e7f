#pragma once
// The media info record: seven texts (CP932, at most 63 bytes each) filled by the readers, overwritten
// by every probe, and read by the caller before the next probe starts.
#include <string>

struct MediaInfoRecord {
  std::string video_format;
  std::string audio_format;
  std::string video_rate;
  std::string audio_rate;
  std::string frame_rate;
  std::string picture_size;
  std::string play_time;
};

// The one media info record of the run.
MediaInfoRecord& MediaInfo();

// Empties every field.
void ClearMediaInfo();
