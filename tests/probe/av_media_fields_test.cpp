// The record's texts from libavformat's figures, including the figures a damaged file can give.
#include "probe/av_media_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "platform/cp932.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"
#include "support/media_fields.h"

namespace {

using Fields = std::vector<std::string>;

AvStreamFigures Video(int64_t bit_rate, int width, int height, int rate_num, int rate_den) {
  return {AV_CODEC_ID_H264, bit_rate, width, height, rate_num, rate_den, 0};
}

AvStreamFigures Audio(int64_t bit_rate, int sample_rate) {
  return {AV_CODEC_ID_AAC, bit_rate, 0, 0, 0, 0, sample_rate};
}

TEST(AvMediaFields, TextsAndTheirGuards) {
  const std::string no_audio = Utf8ToCp932("音声なし");
  struct Case {
    const char* what;
    AvMediaFigures figures;
    Fields expected;
  };
  const Case cases[] = {
      {"every figure known",
       {true, Video(1500000, 1920, 1080, 24000, 1001), Audio(128000, 48000), 5400 * 1000000LL + 999999, 0},
       {"H.264", "AAC", "1500kbit", "48.00kHz/128kbit", "23.98", "1920x1080", "90:00"}},
      {"rates from the file's less the other stream's",
       {true, Video(0, 64, 48, 25, 1), Audio(64000, 44100), 1000000, 200000},
       {"H.264", "AAC", "136kbit", "44.10kHz/64kbit", "25.00", "64x48", "00:01"}},
      {"no stream rate: the sound shows its sample rate alone",
       {true, Video(0, 64, 48, 30, 1), Audio(0, 48000), 2000000, 50000},
       {"H.264", "AAC", "", "48.00kHz", "30.00", "64x48", "00:02"}},
      {"sound alone takes the file's rate",
       {true, {}, Audio(0, 22050), 61500000, 33055},
       {"", "AAC", "", "22.05kHz/33kbit", "", "", "01:01"}},
      {"video without sound",
       {true, Video(0, 320, 240, 0, 0), {}, -1, 800000},
       {"H.264", no_audio, "800kbit", "", "", "320x240", ""}},
      {"the other stream's rate above the file's",
       {true, Video(0, 64, 48, 1, 0), Audio(900000, 8000), 0, 500000},
       {"H.264", "AAC", "", "8.00kHz/900kbit", "", "64x48", "00:00"}},
      {"the longest playing time",
       {true, {}, Audio(0, 8000), INT32_MAX * 1000000LL + 999999, 0},
       {"", "AAC", "", "8.00kHz", "", "", "35791394:07"}},
      {"hostile figures",
       {true, Video(-5, -1, 48, -25, 1), Audio(INT64_MAX, -44100), INT64_MAX, INT64_MAX},
       {"H.264", "AAC", "", "", "", "", ""}},
      {"an opened file without streams", {true, {}, {}, 3000000, 1000}, {"", "", "", "", "", "", "00:03"}},
      {"not opened", {false, Video(1000, 64, 48, 25, 1), Audio(1000, 8000), 1000000, 1000}, Fields(7)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearMediaInfo();
    FillAvMediaFields(c.figures);
    EXPECT_EQ(MediaInfoFields(), c.expected);
  }
}

bool OnlyH264AndAac(int codec_id) {
  return codec_id == AV_CODEC_ID_H264 || codec_id == AV_CODEC_ID_AAC;
}

TEST(AvMediaFields, CheckResultOfTheStreams) {
  constexpr DecoderQuery kDecoders{nullptr, nullptr, OnlyH264AndAac};
  AvStreamFigures other_video = Video(0, 64, 48, 25, 1);
  other_video.codec_id = AV_CODEC_ID_VP9;
  AvStreamFigures other_audio = Audio(0, 48000);
  other_audio.codec_id = AV_CODEC_ID_OPUS;
  struct Case {
    std::optional<AvStreamFigures> video, audio;
    int expected;
  };
  const Case cases[] = {
      {Video(0, 64, 48, 25, 1), Audio(0, 8000), 0},
      {other_video, Audio(0, 8000), kVideoDecoderMissing},
      {Video(0, 64, 48, 25, 1), other_audio, kAudioDecoderMissing},
      {other_video, other_audio, kVideoDecoderMissing + kAudioDecoderMissing},
      {Video(0, 64, 48, 25, 1), {}, kNoAudioStream},
      {other_video, {}, kVideoDecoderMissing + kNoAudioStream},
      {{}, Audio(0, 8000), kWaveAudioPlayable},
      {{}, other_audio, kWaveAudioMissing},
      {{}, {}, kVideoDecoderMissing + kAudioDecoderMissing},  // nothing to play
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(AvCheckResult({true, c.video, c.audio, -1, 0}, kDecoders), c.expected);
  }
}

}  // namespace
