#include "probe/mpeg_reader.h"

#include "list/columns.h"
#include "platform/media_length.h"
#include "probe/mpeg_system_reader.h"
#include "settings/settings.h"

void ReadMpegSystem(const std::string& path) {
  MpegReadOptions options;
  options.get_play_time = Settings().MPGTIME == 1;
  options.play_time_shown = Columns().shown[kColPlayTime] == 1;
  options.playing_length_ms = PlayingLengthMs;
  ReadMpegSystemWith(path, options);
}
