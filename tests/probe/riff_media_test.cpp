#include "probe/riff_media.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "probe/media_file.h"
#include "probe/probe_media_file.h"
#include "settings/settings.h"
#include "support/media_fields.h"
#include "support/riff_builder.h"
#include "support/temp_dir.h"

namespace {

using Fields = std::vector<std::string>;

const std::string kNoAudio = Utf8ToCp932("音声なし");

constexpr DecoderQuery kAllInstalled{[](uint32_t) { return true; }, [](uint16_t) { return true; }};

WaveFormatSpec Wave(uint16_t tag, uint32_t samples_per_sec, uint32_t avg_bytes, uint16_t bits,
                    uint32_t size) {
  return {tag, 1, samples_per_sec, avg_bytes, 1, bits, size};
}

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
  Fields ProbeSparse(const AviSpec& spec, uint32_t file_size, int mpg4rate) {
    Settings().MPG4RATE = mpg4rate;
    const std::string path = dir_.Write("big.avi", SparseAviHead(spec, file_size));
    std::filesystem::resize_file(path, file_size);
    ProbeMediaFile(path, false);
    return MediaInfoFields();
  }

  TempDir dir_;
  int check_result_ = -1;
  int saved_mpg4rate_ = 1;
};

TEST_F(RiffMediaTest, OneStreamAvi) {
  AviSpec spec;
  spec.has_audio = false;
  spec.movie_bytes = 1000;
  EXPECT_EQ(Probe(AviFile(spec)), (Fields{"DivX Low", kNoAudio, "", "", "25.00", "320x240", "00:10"}));
}

TEST_F(RiffMediaTest, VideoRateIsFileRateLessTheShownAudioFigure) {
  // MP3 with wBitsPerSample 0: the figure is the byte rate; 700,000 KB over 5600 s is 1000 kbit/s.
  AviSpec mp3;
  mp3.length = 140000;
  mp3.audio = Wave(0x55, 44100, 16000, 0, 30);
  EXPECT_EQ(ProbeSparse(mp3, 700000 * 1024 + 8, 1),
            (Fields{"DivX Low", "MPEG Layer3", "872kbit", "44.10kHz/128kbit", "25.00", "320x240", "93:20"}));
  EXPECT_EQ(ProbeSparse(mp3, 700000 * 1024 + 8, 0)[2], "125KB");

  // PCM 16-bit: 10000 KB over 10 s is 8000 kbit/s, less the 16 the audio rate shows after its slash.
  AviSpec pcm;
  pcm.handler = "mjpg";
  pcm.audio = Wave(1, 44100, 176400, 16, 18);
  EXPECT_EQ(ProbeSparse(pcm, 10000 * 1024 + 8, 1),
            (Fields{"Motion JPEG", "PCM", "7984kbit", "44.10kHz/16bit", "25.00", "320x240", "00:10"}));
  EXPECT_EQ(ProbeSparse(pcm, 10000 * 1024 + 8, 0)[2], "1000KB");
}

// A file over 1 GiB goes on in RIFF "AVIX" chunks: K counts each one that directly follows the first
// RIFF chunk, skipped by its size and pad byte, and never the zero bytes after the last one.
TEST_F(RiffMediaTest, VideoRateCountsTheAvixChunksThatFollow) {
  AviSpec spec;  // PCM 16-bit, 10 s
  spec.audio = Wave(1, 44100, 176400, 16, 16);
  std::string first = SparseAviHead(spec, 100 * 1024 + 8);  // a stored RIFF size of 100 KB
  first.resize(100 * 1024 + 8, '\0');
  const auto avix = [](uint32_t bytes) { return RiffForm("AVIX", std::string(bytes - 12, '\0')); };
  const std::string after(100 * 1024, '\0');
  struct Case {
    const char* name;
    std::string bytes;
    Fields rates;  // with MPG4RATE 1 and 0
  };
  const Case cases[] = {
      {"one chunk", first + after, {"64kbit", "10KB"}},
      {"two chunks", first + avix(200 * 1024) + after, {"224kbit", "30KB"}},
      // 100 KB, 300 KB and a byte (then its pad byte), 200 KB: 600 KB.
      {"three chunks", first + avix(300 * 1024 + 1) + avix(200 * 1024) + after, {"464kbit", "60KB"}},
      {"not directly after", first + Chunk("JUNK", "") + avix(200 * 1024) + after, {"64kbit", "10KB"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int mpg4rate : {1, 0}) {
      Settings().MPG4RATE = mpg4rate;
      const Fields fields = Probe(c.bytes);
      EXPECT_EQ(fields[2], c.rates[1 - mpg4rate]);
      EXPECT_EQ(fields[6], "00:10");
    }
  }
}

// Divisions by values read from the file: a figure that cannot be had stays empty, the rest is filled.
// These files are far below 1 KB, so the video rate is 0 less the audio figure.
TEST_F(RiffMediaTest, FrameRateAndPlayingTimeIncludingZeroScaleOrRate) {
  Settings().MPG4RATE = 1;
  struct Case {
    uint32_t scale, rate, length;
    Fields expected;
  };
  const Case cases[] = {
      {1, 30, 900, {"DivX Low", "PCM", "-16kbit", "44.10kHz/16bit", "30.00", "320x240", "00:30"}},
      {1001, 30000, 1798, {"DivX Low", "PCM", "-16kbit", "44.10kHz/16bit", "29.97", "320x240", "00:59"}},
      {1001, 30000, 1799, {"DivX Low", "PCM", "-16kbit", "44.10kHz/16bit", "29.97", "320x240", "01:00"}},
      {1, 25, 24, {"DivX Low", "PCM", "", "44.10kHz/16bit", "25.00", "320x240", "00:00"}},  // T = 0
      {0, 25, 250, {"DivX Low", "PCM", "", "44.10kHz/16bit", "", "320x240", ""}},
      {1, 0, 250, {"DivX Low", "PCM", "", "44.10kHz/16bit", "0.00", "320x240", ""}},
      {1, 15, 0xFFFFFFFF, {"DivX Low", "PCM", "-16kbit", "44.10kHz/16bit", "15.00", "320x240", "4772185:53"}},
      {0xFFFFFFFF, 1, 0xFFFFFFFF, {"DivX Low", "PCM", "", "44.10kHz/16bit", "0.00", "320x240", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    AviSpec spec;
    spec.scale = c.scale;
    spec.rate = c.rate;
    spec.length = c.length;
    spec.audio = Wave(1, 44100, 176400, 16, 16);
    EXPECT_EQ(Probe(AviFile(spec)), c.expected);
  }
}

TEST_F(RiffMediaTest, WaveFiles) {
  // The playing time divides the RIFF size, header chunks included, by the byte rate.
  const WaveFormatSpec pcm = Wave(1, 22050, 44100, 16, 16);
  EXPECT_EQ(Probe(WaveFile(pcm, 441000)), (Fields{"", "PCM", "", "22.05kHz/16bit", "", "", "00:10"}));
  EXPECT_EQ(Probe(WaveFile(pcm, 441000 - 38)), (Fields{"", "PCM", "", "22.05kHz/16bit", "", "", "00:09"}));
  EXPECT_EQ(Probe(WaveFile(Wave(0x55, 48000, 24000, 0, 30), 240000)),
            (Fields{"", "MPEG Layer3", "", "48.00kHz/192kbit", "", "", "00:10"}));
  EXPECT_EQ(Probe(WaveFile(Wave(1, 22050, 0, 16, 16), 100)),
            (Fields{"", "PCM", "", "22.05kHz/16bit", "", "", ""}));
}

TEST_F(RiffMediaTest, CheckResultSums) {
  constexpr DecoderQuery kNoVideo{[](uint32_t) { return false; }, [](uint16_t tag) { return tag == 1; }};
  constexpr DecoderQuery kNothing{[](uint32_t) { return false; }, [](uint16_t) { return false; }};
  constexpr DecoderQuery kOnlyVideo{[](uint32_t) { return true; }, [](uint16_t) { return false; }};
  AviSpec one_stream;
  one_stream.has_audio = false;
  const std::string two_streams = AviFile({}), one = AviFile(one_stream), wave = WaveFile({}, 10);
  struct Case {
    const std::string& file;
    const DecoderQuery& decoders;
    int expected;
  };
  const Case cases[] = {{two_streams, kAllInstalled, 0},
                        {two_streams, kNoVideo, 1},
                        {two_streams, kOnlyVideo, 2},
                        {two_streams, kNothing, 3},
                        {one, kAllInstalled, 4},
                        {one, kNoVideo, 5},
                        {wave, kNoVideo, 6},
                        {wave, kNothing, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    Fields checked = Probe(c.file, true, c.decoders);
    EXPECT_EQ(check_result_, c.expected);
    // Without check mode the result is 0 and the record the same.
    EXPECT_EQ(Probe(c.file, false, c.decoders), checked);
    EXPECT_EQ(check_result_, 0);
  }
}

// Padding in the header list puts the stream lists (and a chunk header) beyond the first block read,
// or across its end: the fields are those of the same file without padding, but for the video rate,
// which the larger file changes.
TEST_F(RiffMediaTest, HeadersBeyondTheFirstBlock) {
  const AviSpec spec;
  Fields expected = Probe(AviFile(spec));
  expected[2] = "";
  const std::string children = AviHeaderList(spec).substr(12);
  const size_t avih_end = 64;
  // The first stream list starts 96 bytes plus the padding into the file.
  for (size_t padding :
       {MediaFile::kHeadCapacity - 100, MediaFile::kHeadCapacity - 99, MediaFile::kHeadCapacity}) {
    SCOPED_TRACE(padding);
    const std::string hdrl =
        ListChunk("hdrl", children.substr(0, avih_end) + Chunk("JUNK", std::string(padding, '\0')) +
                              children.substr(avih_end));
    Fields fields = Probe(RiffForm("AVI ", hdrl + ListChunk("movi", "") + Chunk("idx1", "")));
    fields[2] = "";
    EXPECT_EQ(fields, expected);
  }
}

TEST_F(RiffMediaTest, OtherRiffFormsGiveAnEmptyRecord) {
  EXPECT_EQ(Probe(RiffForm("RMID", Chunk("data", "MThd")), true), Fields(7));
  EXPECT_EQ(check_result_, 0);
  EXPECT_EQ(Probe(RiffForm("avi ", Chunk("avih", AviMainHeader(1, 1))), true), Fields(7));
}

}  // namespace
