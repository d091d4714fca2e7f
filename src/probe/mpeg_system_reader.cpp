#include "probe/mpeg_system_reader.h"

#include <algorithm>
#include <optional>
#include <string>

#include "probe/media_info.h"
#include "probe/mpeg_headers.h"
#include "probe/mpeg_timestamps.h"
#include "probe/play_time.h"
#include "probe/sequential_file_reader.h"

namespace {

std::string AudioRateText(const MpegAudioHeader& audio) {
  const std::optional<int> tenths_khz = MpegSamplingTenthsKhz(audio.sampling_code);
  const std::optional<int> kbit = LayerTwoBitRateKbit(audio.bit_rate_index);
  if (!tenths_khz || !kbit) return {};
  // Tenths rather than a float, so the text never takes a locale's decimal comma.
  return std::to_string(*tenths_khz / 10) + "." + std::to_string(*tenths_khz % 10) + "kHz/" +
         std::to_string(*kbit) + "kbit";
}

// The file's bytes per second divided by 100 stand for its kbit per second.
std::string VideoRateText(uint64_t file_length, int64_t seconds,
                          const std::optional<MpegAudioHeader>& audio) {
  if (seconds <= 0 || !audio) return {};
  const std::optional<int> audio_kbit = LayerTwoBitRateKbit(audio->bit_rate_index);
  if (!audio_kbit) return {};
  const long long rate =
      static_cast<long long>(file_length / static_cast<uint64_t>(seconds) / 100) - *audio_kbit;
  return std::to_string(rate) + "kbit";
}

// Whole seconds of the service's answer; a negative answer counts as unknown.
int64_t PlayingSeconds(const std::string& path, const PlayingLengthService& playing_length_ms) {
  if (!playing_length_ms) return 0;
  return std::max<int64_t>(playing_length_ms(path) / 1000, 0);
}

}  // namespace

void ReadMpegSystemWith(const std::string& path, const MpegReadOptions& options) {
  MediaFile file(path);
  ReadMpegSystemWith(file, path, options);
}

void ReadMpegSystemWith(MediaFile& file, const std::string& path, const MpegReadOptions& options) {
  ClearMediaInfo();
  if (!file.is_open()) return;
  const uint64_t file_length = file.size();
  MpegSystemHeaders headers;
  {
    SequentialFileReader reader(file);
    headers = FindMpegSystemHeaders(reader);
  }
  MediaInfoRecord& info = MediaInfo();
  info.video_format = "MPEG1";
  if (headers.video) {
    info.picture_size = std::to_string(headers.video->width) + "x" + std::to_string(headers.video->height);
    if (const char* rate = MpegFrameRateText(headers.video->frame_rate_code)) info.frame_rate = rate;
  }
  if (headers.audio) {
    info.audio_format = "MPEG Layer2";
    info.audio_rate = AudioRateText(*headers.audio);
  }

  if (!options.get_play_time) return;
  int64_t seconds = 0;
  if (options.play_time_shown) {
    // The stream's own time stamps answer at the cost of two reads; a full probe only where they cannot.
    const std::optional<int64_t> stamped_ms = MpegTimestampLengthMs(file, headers);
    seconds = stamped_ms ? *stamped_ms / 1000 : PlayingSeconds(path, options.playing_length_ms);
    info.video_rate = VideoRateText(file_length, seconds, headers.audio);
  }
  FormatPlayTime(seconds);
}
