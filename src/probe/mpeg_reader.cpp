#include "probe/mpeg_reader.h"

#include "platform/media_length.h"
#include "probe/mpeg_system_reader.h"

namespace {

MpegReadOptions ReadOptions(const ProbeOptions& probe) {
  MpegReadOptions options;
  options.get_play_time = probe.mpeg_play_time;
  options.play_time_shown = probe.mpeg_play_time_shown;
  options.playing_length_ms = MpegPlayingLengthMs;
  return options;
}

}  // namespace

void ReadMpegSystem(const std::string& path) {
  ReadMpegSystemWith(path, ReadOptions(CurrentProbeOptions()));
}

void ReadMpegSystem(MediaFile& file, const std::string& path, const ProbeOptions& options) {
  ReadMpegSystemWith(file, path, ReadOptions(options));
}
