#include "probe/av_media_fields.h"

#include <cstdio>
#include <limits>
#include <string>

#include "platform/cp932.h"
#include "probe/media_info.h"
#include "probe/modern_codec_names.h"
#include "probe/play_time.h"
#include "probe/probe_media_file.h"

namespace {

// A stream's own bit rate, or else what the file's leaves beside the other stream's: containers such
// as Matroska keep no rate per stream, and the file's rate is then the best figure there is.
std::optional<int64_t> StreamBitRate(const AvStreamFigures& stream, const AvStreamFigures* other,
                                     int64_t file_bit_rate) {
  if (stream.bit_rate > 0) return stream.bit_rate;
  if (file_bit_rate <= 0) return std::nullopt;
  const int64_t other_rate = other ? other->bit_rate : 0;
  if (other && other_rate <= 0) return std::nullopt;
  if (other_rate >= file_bit_rate) return std::nullopt;
  return file_bit_rate - other_rate;
}

std::string VideoRateText(std::optional<int64_t> bit_rate) {
  if (!bit_rate) return "";
  char text[64];
  std::snprintf(text, sizeof text, "%lldkbit", static_cast<long long>(*bit_rate / 1000));
  return text;
}

std::string AudioRateText(const AvStreamFigures& audio, std::optional<int64_t> bit_rate) {
  if (audio.sample_rate <= 0) return "";
  char text[64];
  const double khz = audio.sample_rate / 1000.0;
  if (bit_rate) {
    std::snprintf(text, sizeof text, "%.2fkHz/%lldkbit", khz, static_cast<long long>(*bit_rate / 1000));
  } else {
    std::snprintf(text, sizeof text, "%.2fkHz", khz);
  }
  return text;
}

void FillVideo(const AvStreamFigures& video, std::optional<int64_t> bit_rate) {
  MediaInfoRecord& info = MediaInfo();
  char text[64];
  info.video_format = ModernCodecName(video.codec_id);
  info.video_rate = VideoRateText(bit_rate);
  if (video.rate_num > 0 && video.rate_den > 0) {
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(video.rate_num) / video.rate_den);
    info.frame_rate = text;
  }
  if (video.width > 0 && video.height > 0) {
    std::snprintf(text, sizeof text, "%dx%d", video.width, video.height);
    info.picture_size = text;
  }
}

}  // namespace

void FillAvMediaFields(const AvMediaFigures& figures) {
  if (!figures.opened) return;
  const AvStreamFigures* video = figures.video ? &*figures.video : nullptr;
  const AvStreamFigures* audio = figures.audio ? &*figures.audio : nullptr;
  if (video) FillVideo(*video, StreamBitRate(*video, audio, figures.bit_rate));
  MediaInfoRecord& info = MediaInfo();
  if (audio) {
    info.audio_format = ModernCodecName(audio->codec_id);
    info.audio_rate = AudioRateText(*audio, StreamBitRate(*audio, video, figures.bit_rate));
  } else if (video) {
    static const std::string kNoAudio = Utf8ToCp932("音声なし");
    info.audio_format = kNoAudio;
  }
  // As for AVI files, a playing time beyond the 32-bit seconds of the original text is no figure.
  const int64_t seconds = figures.duration_us / 1000000;
  if (figures.duration_us >= 0 && seconds <= std::numeric_limits<int32_t>::max()) FormatPlayTime(seconds);
}

int AvCheckResult(const AvMediaFigures& figures, const DecoderQuery& decoders) {
  const bool video_plays = figures.video && decoders.has_codec_decoder(figures.video->codec_id);
  const bool audio_plays = figures.audio && decoders.has_codec_decoder(figures.audio->codec_id);
  if (!figures.video && !figures.audio) return kVideoDecoderMissing + kAudioDecoderMissing;
  if (!figures.video) return audio_plays ? kWaveAudioPlayable : kWaveAudioMissing;
  int result = video_plays ? 0 : kVideoDecoderMissing;
  if (!figures.audio) return result + kNoAudioStream;
  return result + (audio_plays ? 0 : kAudioDecoderMissing);
}
