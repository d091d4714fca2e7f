#include "probe/riff_media.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "platform/cp932.h"
#include "probe/codec_names.h"
#include "probe/media_info.h"
#include "probe/number_text.h"
#include "probe/play_time.h"
#include "probe/probe_media_file.h"
#include "probe/riff_fields.h"
#include "probe/riff_reader.h"
#include "probe/wave_format.h"

namespace {

struct StreamHeader {
  std::optional<uint32_t> handler, scale, rate, length;
};

struct AviHeaders {
  std::optional<uint32_t> width, height;
  std::optional<StreamHeader> video;
  std::optional<WaveFormat> audio;  // the second stream's format, when it has one
  bool has_audio = false;           // a second stream list exists
};

AviHeaders ReadAviHeaders(RiffReader& reader, const RiffChunk& riff) {
  AviHeaders headers;
  RiffChunk hdrl, chunk, strl;
  if (reader.FindList(riff, FourCC("hdrl"), hdrl)) {
    if (reader.FindChunk(hdrl, FourCC("avih"), chunk)) {
      RiffFields avih = ReadRiffFields(reader, chunk, 56);
      headers.width = avih.U32(32);
      headers.height = avih.U32(36);
      reader.Leave(chunk);
    }
    if (reader.FindList(hdrl, FourCC("strl"), strl) && reader.FindChunk(strl, FourCC("strh"), chunk)) {
      RiffFields strh = ReadRiffFields(reader, chunk, 36);
      headers.video = StreamHeader{strh.U32(4), strh.U32(20), strh.U32(24), strh.U32(32)};
      reader.Leave(chunk);
    }
  }
  // The second stream list is searched from here to the end of the RIFF chunk, so when there is none
  // the walk skips over the movie data by its size.
  if (reader.FindList(riff, FourCC("strl"), strl)) {
    headers.has_audio = true;
    if (reader.FindChunk(strl, FourCC("strf"), chunk)) headers.audio = ReadWaveFormat(reader, chunk);
  }
  return headers;
}

// A file over 1 GiB goes on in RIFF "AVIX" chunks after the first one, and the video rate stands for
// the whole file, so they count too; bytes after the last one still do not.
uint64_t AviRiffBytes(RiffReader& reader, const RiffChunk& riff) {
  // Each chunk holds at most 4 GiB; a file of empty chunks must not make the probe crawl.
  constexpr int kMaxFollowingChunks = 100000;
  uint64_t bytes = riff.size;
  RiffChunk chunk = riff, next;
  for (int count = 0; count < kMaxFollowingChunks && reader.FindNextRiff(chunk, FourCC("AVIX"), next);
       ++count) {
    bytes += 8 + next.size;
    chunk = next;
  }
  return bytes;
}

std::optional<double> FramesPerSecond(const StreamHeader& video) {
  if (!video.rate || !video.scale || *video.scale == 0) return std::nullopt;
  return static_cast<double>(*video.rate) / *video.scale;
}

std::optional<int64_t> PlayingSeconds(const StreamHeader& video) {
  std::optional<double> fps = FramesPerSecond(video);
  if (!fps || *fps == 0 || !video.length) return std::nullopt;
  double seconds = std::trunc(*video.length / *fps);
  if (seconds > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int64_t>(seconds);
}

std::string VideoRateText(uint64_t riff_bytes, std::optional<int64_t> seconds, const WaveFormat* audio,
                          bool in_kbit) {
  if (!seconds || *seconds == 0) return "";
  const auto kilobytes = static_cast<int64_t>(riff_bytes / 1024);
  if (in_kbit) {
    // The whole file's kbit per second less exactly what the audio rate shows after its slash.
    std::optional<int64_t> audio_shown = audio ? AudioFigureShown(*audio) : std::nullopt;
    if (!audio_shown) return "";
    return std::to_string(kilobytes * 8 / *seconds - *audio_shown) + "kbit";
  }
  return std::to_string(kilobytes / *seconds) + "KB";
}

int CheckAvi(const AviHeaders& headers, const DecoderQuery& decoders) {
  int result = 0;
  if (!headers.video || !headers.video->handler || !decoders.has_video_decoder(*headers.video->handler)) {
    result += kVideoDecoderMissing;
  }
  if (!headers.has_audio) {
    result += kNoAudioStream;
  } else if (!headers.audio || !headers.audio->format_tag ||
             !decoders.has_audio_decoder(*headers.audio->format_tag)) {
    result += kAudioDecoderMissing;
  }
  return result;
}

void FillAvi(const AviHeaders& headers, uint64_t riff_bytes, bool mpeg4_rate) {
  MediaInfoRecord& info = MediaInfo();
  if (headers.video && headers.video->handler) info.video_format = VideoCodecName(*headers.video->handler);
  if (!headers.has_audio) {
    static const std::string kNoAudio = Utf8ToCp932("音声なし");
    info.audio_format = kNoAudio;
  } else if (headers.audio) {
    info.audio_format = WaveFormatName(*headers.audio);
    info.audio_rate = AudioRateText(*headers.audio);
  }
  std::optional<int64_t> seconds = headers.video ? PlayingSeconds(*headers.video) : std::nullopt;
  if (headers.has_audio) {
    info.video_rate =
        VideoRateText(riff_bytes, seconds, headers.audio ? &*headers.audio : nullptr, mpeg4_rate);
  }
  if (std::optional<double> fps = headers.video ? FramesPerSecond(*headers.video) : std::nullopt) {
    info.frame_rate = FixedText(*fps, 2);
  }
  if (headers.width && headers.height) {
    info.picture_size = std::to_string(*headers.width) + "x" + std::to_string(*headers.height);
  }
  if (seconds) FormatPlayTime(*seconds);
}

int ReadWave(RiffReader& reader, const RiffChunk& riff, bool check_mode, const DecoderQuery& decoders) {
  RiffChunk chunk;
  if (!reader.FindChunk(riff, FourCC("fmt "), chunk)) return check_mode ? kWaveAudioMissing : 0;
  WaveFormat format = ReadWaveFormat(reader, chunk);
  MediaInfoRecord& info = MediaInfo();
  info.audio_format = WaveFormatName(format);
  info.audio_rate = AudioRateText(format);
  // The RIFF size counts the header chunks too, as the playing time always has.
  if (format.avg_bytes_per_sec && *format.avg_bytes_per_sec != 0)
    FormatPlayTime(riff.size / *format.avg_bytes_per_sec);
  if (!check_mode) return 0;
  return format.format_tag && decoders.has_audio_decoder(*format.format_tag) ? kWaveAudioPlayable
                                                                             : kWaveAudioMissing;
}

}  // namespace

int ReadRiffMedia(const std::string& path, bool check_mode, const DecoderQuery& decoders, bool mpeg4_rate) {
  MediaFile file(path);
  return ReadRiffMedia(file, check_mode, decoders, mpeg4_rate);
}

int ReadRiffMedia(MediaFile& file, bool check_mode, const DecoderQuery& decoders, bool mpeg4_rate) {
  RiffReader reader(file);
  RiffChunk riff;
  if (reader.FindRiff(FourCC("AVI "), riff)) {
    AviHeaders headers = ReadAviHeaders(reader, riff);
    FillAvi(headers, AviRiffBytes(reader, riff), mpeg4_rate);
    return check_mode ? CheckAvi(headers, decoders) : 0;
  }
  if (reader.FindRiff(FourCC("WAVE"), riff)) return ReadWave(reader, riff, check_mode, decoders);
  return 0;
}
