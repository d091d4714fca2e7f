#include "probe/mpeg_reader.h"

#include "list/columns.h"
#include "platform/media_length.h"
#include "probe/mpeg_system_reader.h"
#include "settings/settings.h"

namespace {

MpegReadOptions OptionsFromSettings() {
  MpegReadOptions options;
  options.get_play_time = Settings().MPGTIME == 1;
  options.play_time_shown = Columns().shown[kColPlayTime] == 1;
  options.playing_length_ms = MpegPlayingLengthMs;
  return options;
}

}  // namespace

void ReadMpegSystem(const std::string& path) {
  ReadMpegSystemWith(path, OptionsFromSettings());
}

void ReadMpegSystem(MediaFile& file, const std::string& path) {
  ReadMpegSystemWith(file, path, OptionsFromSettings());
}
