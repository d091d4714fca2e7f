#include "support/media_fields.h"

#include "probe/media_info.h"

std::vector<std::string> MediaInfoFields() {
  const MediaInfoRecord& info = MediaInfo();
  return {info.video_format, info.audio_format, info.video_rate, info.audio_rate,
          info.frame_rate,   info.picture_size, info.play_time};
}
