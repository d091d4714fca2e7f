#pragma once
// The media info record: seven texts (CP932, at most 63 bytes each) filled by the readers and three
// container tags, overwritten by every probe, and read by the caller before the next probe starts.
#include <array>
#include <string>

struct MediaInfoRecord {
  std::string video_format;
  std::string audio_format;
  std::string video_rate;
  std::string audio_rate;
  std::string frame_rate;
  std::string picture_size;
  std::string play_time;
  // The container's own tags, filled only by the reader of the kinds read through libavformat (whose
  // files carry them in their headers rather than in AVI INFO chunks); at most 255 bytes each.
  std::string title;
  std::string creator;
  std::string comment;
};

// The seven texts in column order, for code that treats them alike.
inline std::array<const std::string*, 7> MediaTexts(const MediaInfoRecord& info) {
  return {&info.video_format, &info.audio_format, &info.video_rate, &info.audio_rate,
          &info.frame_rate,   &info.picture_size, &info.play_time};
}

// The media info record of the calling thread.
MediaInfoRecord& MediaInfo();

// Empties every field.
void ClearMediaInfo();
