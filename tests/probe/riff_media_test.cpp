#include "probe/riff_media.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "probe/probe_media_file.h"
#include "settings/settings.h"
#include "support/media_fields.h"
#include "support/riff_builder.h"
#include "support/temp_dir.h"

namespace {

using Fields = std::vector<std::string>;

const std::string kNoAudio = Utf8ToCp932("音声なし");

constexpr DecoderQuery kAllInstalled{[](uint32_t) { return true; }, [](uint16_t) { return true; }};

class RiffMediaTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_mpg4rate_ = Settings().MPG4RATE; }
  void TearDown() override { Settings().MPG4RATE = saved_mpg4rate_; }

  Fields Probe(const std::string& bytes, bool check_mode = false,
               const DecoderQuery& decoders = kAllInstalled) {
    check_result_ = ProbeMediaFile(dir_.Write("f.avi", bytes), check_mode, decoders);
    return MediaInfoFields();
  }
  // A large AVI whose RIFF size is file_size - 8, made sparse so it costs no disk.
  Fields ProbeSparse(const AviSpec& spec, uint32_t file_size) {
    const std::string path = dir_.Write("big.avi", SparseAviHead(spec, file_size));
    std::filesystem::resize_file(path, file_size);
    check_result_ = ProbeMediaFile(path, false);
    return MediaInfoFields();
  }

  TempDir dir_;
  int check_result_ = -1;
  int saved_mpg4rate_ = 1;
};

AviSpec Mp3Avi() {
  AviSpec spec;
  spec.handler = "DIV3";
  spec.length = 140000;  // 5600 s at 25 fps
  spec.audio = {.format_tag = 0x55,
                .channels = 2,
                .samples_per_sec = 44100,
                .avg_bytes_per_sec = 16000,
                .block_align = 1,
                .bits_per_sample = 0,
                .size = 30};
  return spec;
}

TEST_F(RiffMediaTest, OneStreamAvi) {
  AviSpec spec;
  spec.has_audio = false;
  spec.movie_bytes = 1000;
  EXPECT_EQ(Probe(AviFile(spec)), (Fields{"DivX Low", kNoAudio, "", "", "25.00", "320x240", "00:10"}));
  EXPECT_EQ(check_result_, 0);
}

TEST_F(RiffMediaTest, Mp3WithZeroBitsPerSampleUsesTheByteRate) {
  // 700,000 KB over 5600 s: 1000 kbit/s for the whole file, less the 128 kbit the audio rate shows.
  Settings().MPG4RATE = 1;
  EXPECT_EQ(ProbeSparse(Mp3Avi(), 700000 * 1024 + 8),
            (Fields{"DivX Low", "MPEG Layer3", "872kbit", "44.10kHz/128kbit", "25.00", "320x240", "93:20"}));
  Settings().MPG4RATE = 0;
  EXPECT_EQ(ProbeSparse(Mp3Avi(), 700000 * 1024 + 8)[2], "125KB");
}

TEST_F(RiffMediaTest, Pcm16BitSubtractsTheSampleWidth) {
  AviSpec spec;
  spec.handler = "mjpg";
  spec.audio.size = 18;
  Settings().MPG4RATE = 1;
  // 10000 KB over 10 s = 8000 kbit/s, less the 16 the audio rate shows after its slash.
  EXPECT_EQ(ProbeSparse(spec, 10000 * 1024 + 8),
            (Fields{"Motion JPEG", "PCM", "7984kbit", "44.10kHz/16bit", "25.00", "320x240", "00:10"}));
  Settings().MPG4RATE = 0;
  EXPECT_EQ(ProbeSparse(spec, 10000 * 1024 + 8)[2], "1000KB");
}

TEST_F(RiffMediaTest, FrameRateAndPlayingTimeFromScaleRateLength) {
  struct Case {
    uint32_t scale, rate, length;
    const char* frame_rate;
    const char* play_time;
  };
  const Case cases[] = {
      {1, 30, 900, "30.00", "00:30"},
      {1001, 30000, 1798, "29.97", "00:59"},  // 59.99 s, truncated
      {1001, 30000, 1799, "29.97", "01:00"},
      {1, 25, 10, "25.00", "00:00"},
      {1, 15, 0xFFFFFFFF, "15.00", "4772185:53"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    AviSpec spec;
    spec.scale = c.scale;
    spec.rate = c.rate;
    spec.length = c.length;
    Fields fields = Probe(AviFile(spec));
    EXPECT_EQ(fields[4], c.frame_rate);
    EXPECT_EQ(fields[6], c.play_time);
  }
}

// Divisions by a value read from the file: the figure it would give stays empty, nothing else changes.
TEST_F(RiffMediaTest, ZeroScaleRateOrLength) {
  Settings().MPG4RATE = 1;
  AviSpec spec;
  spec.scale = 0;
  EXPECT_EQ(Probe(AviFile(spec)), (Fields{"DivX Low", "PCM", "", "44.10kHz/16bit", "", "320x240", ""}));
  spec.scale = 1;
  spec.rate = 0;
  EXPECT_EQ(Probe(AviFile(spec)), (Fields{"DivX Low", "PCM", "", "44.10kHz/16bit", "0.00", "320x240", ""}));
  spec.rate = 25;
  spec.length = 24;  // under one second: no rate per second
  EXPECT_EQ(Probe(AviFile(spec)),
            (Fields{"DivX Low", "PCM", "", "44.10kHz/16bit", "25.00", "320x240", "00:00"}));
  spec.length = 0xFFFFFFFF;
  spec.scale = 0xFFFFFFFF;
  spec.rate = 1;  // a playing time beyond any clock
  EXPECT_EQ(Probe(AviFile(spec))[6], "");
}

TEST_F(RiffMediaTest, WaveFiles) {
  WaveFormatSpec pcm{.format_tag = 1,
                     .channels = 1,
                     .samples_per_sec = 22050,
                     .avg_bytes_per_sec = 44100,
                     .block_align = 2,
                     .bits_per_sample = 16,
                     .size = 16};
  // The RIFF size (441036) counts the header chunks too.
  EXPECT_EQ(Probe(WaveFile(pcm, 441000)), (Fields{"", "PCM", "", "22.05kHz/16bit", "", "", "00:10"}));
  EXPECT_EQ(Probe(WaveFile(pcm, 441000 - 38)), (Fields{"", "PCM", "", "22.05kHz/16bit", "", "", "00:09"}));

  WaveFormatSpec mp3{.format_tag = 0x55,
                     .channels = 2,
                     .samples_per_sec = 48000,
                     .avg_bytes_per_sec = 24000,
                     .block_align = 1,
                     .bits_per_sample = 0,
                     .size = 30};
  EXPECT_EQ(Probe(WaveFile(mp3, 240000)),
            (Fields{"", "MPEG Layer3", "", "48.00kHz/192kbit", "", "", "00:10"}));

  pcm.avg_bytes_per_sec = 0;
  EXPECT_EQ(Probe(WaveFile(pcm, 100)), (Fields{"", "PCM", "", "22.05kHz/16bit", "", "", ""}));
}

TEST_F(RiffMediaTest, CheckResultSums) {
  constexpr DecoderQuery kNoVideo{[](uint32_t) { return false; }, [](uint16_t tag) { return tag == 1; }};
  constexpr DecoderQuery kNothing{[](uint32_t) { return false; }, [](uint16_t) { return false; }};
  constexpr DecoderQuery kOnlyVideo{[](uint32_t) { return true; }, [](uint16_t) { return false; }};
  AviSpec two_streams;
  AviSpec one_stream;
  one_stream.has_audio = false;
  WaveFormatSpec pcm;

  Probe(AviFile(two_streams), true, kAllInstalled);
  EXPECT_EQ(check_result_, 0);
  Probe(AviFile(two_streams), true, kNoVideo);
  EXPECT_EQ(check_result_, 1);
  Probe(AviFile(two_streams), true, kOnlyVideo);
  EXPECT_EQ(check_result_, 2);
  Probe(AviFile(two_streams), true, kNothing);
  EXPECT_EQ(check_result_, 3);
  Probe(AviFile(one_stream), true, kAllInstalled);
  EXPECT_EQ(check_result_, 4);
  Probe(AviFile(one_stream), true, kNoVideo);
  EXPECT_EQ(check_result_, 5);
  Probe(WaveFile(pcm, 10), true, kNoVideo);
  EXPECT_EQ(check_result_, 6);
  Probe(WaveFile(pcm, 10), true, kNothing);
  EXPECT_EQ(check_result_, 7);

  // Without check mode the decoders are not asked and the result is 0; the record is the same.
  Fields checked = Probe(AviFile(two_streams), true, kNothing);
  EXPECT_EQ(Probe(AviFile(two_streams), false, kNothing), checked);
  EXPECT_EQ(check_result_, 0);
  Probe(WaveFile(pcm, 10), false, kNothing);
  EXPECT_EQ(check_result_, 0);
}

TEST_F(RiffMediaTest, OtherRiffFormsGiveAnEmptyRecord) {
  const std::string midi = RiffForm("RMID", Chunk("data", "MThd"));
  EXPECT_EQ(Probe(midi, true), Fields(7));
  EXPECT_EQ(check_result_, 0);
  EXPECT_EQ(Probe(RiffForm("avi ", Chunk("avih", AviMainHeader(1, 1))), true), Fields(7));
}

TEST_F(RiffMediaTest, RecordClearedBetweenProbes) {
  Probe(AviFile(Mp3Avi()));
  WaveFormatSpec pcm;
  EXPECT_EQ(Probe(WaveFile(pcm, 176400)), (Fields{"", "PCM", "", "44.10kHz/16bit", "", "", "00:01"}));
  Probe(AviFile(Mp3Avi()));
  EXPECT_EQ(Probe(RiffForm("RMID", "")), Fields(7));
}

}  // namespace
