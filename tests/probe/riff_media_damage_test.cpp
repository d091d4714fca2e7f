// Damaged and hostile RIFF files: fields that need a missing or cut chunk stay empty, the rest are
// filled, and nothing crashes, hangs or reads the movie data.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
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

// The video rate then needs the audio figure.
class RiffMediaDamage : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_mpg4rate_ = Settings().MPG4RATE;
    Settings().MPG4RATE = 1;
  }
  void TearDown() override { Settings().MPG4RATE = saved_mpg4rate_; }

 private:
  int saved_mpg4rate_ = 1;
};

constexpr DecoderQuery kAllInstalled{[](uint32_t) { return true; }, [](uint16_t) { return true; }};

Fields Probe(const TempDir& dir, const std::string& bytes, int* check_result = nullptr) {
  // A fresh file each time: truncating and rewriting one makes the file system flush it every time.
  std::filesystem::remove(dir.path() + "/f.avi");
  int result = ProbeMediaFile(dir.Write("f.avi", bytes), true, kAllInstalled);
  if (check_result) *check_result = result;
  return MediaInfoFields();
}

std::string StreamList(const std::string& strh, const std::string& strf) {
  return ListChunk("strl", Chunk("strh", strh) + Chunk("strf", strf));
}

const std::string kVideoHeader = StreamHeader("vids", "DIV3", 1, 25, 250);

// The format chunk is cut after nAvgBytesPerSec: no sample width, so no audio figure.
TEST_F(RiffMediaDamage, TruncatedFmtChunk) {
  TempDir dir;
  WaveFormatSpec cut;
  cut.size = 12;
  int result = 0;
  EXPECT_EQ(Probe(dir, WaveFile(cut, 176400 - 32), &result), (Fields{"", "Unknon", "", "", "", "", "00:01"}));
  EXPECT_EQ(result, 6);
  cut.size = 1;  // not even the format tag: no decoder can be named
  EXPECT_EQ(Probe(dir, WaveFile(cut, 100), &result), (Fields{"", "Unknon", "", "", "", "", ""}));
  EXPECT_EQ(result, 7);

  AviSpec avi;
  avi.audio.size = 14;
  EXPECT_EQ(Probe(dir, AviFile(avi), &result),
            (Fields{"DivX Low", "Unknon", "", "", "25.00", "320x240", "00:10"}));
  EXPECT_EQ(result, 0);
}

// A cut file (an interrupted download) keeps its stored sizes: with its header lists whole it gives
// every fact of the whole file, K from the stored RIFF size included; a cut inside them leaves what
// needs the missing bytes empty. A search that runs off the end finds nothing.
TEST_F(RiffMediaDamage, ChunkSizePastEof) {
  TempDir dir;
  const std::string no_audio = Utf8ToCp932("音声なし");
  AviSpec spec;
  spec.movie_bytes = 100000;
  AviSpec one_stream = spec;
  one_stream.has_audio = false;
  const std::string avi = AviFile(spec), one = AviFile(one_stream), wave = WaveFile({}, 1764000);
  const Fields whole = Probe(dir, avi);
  ASSERT_EQ(whole[2], "61kbit");  // a RIFF size of 100,340 bytes: K = 97 over 10 s, less 16
  const size_t audio_format = avi.rfind("strf") + 8, video_header = avi.find("strh") + 8;
  struct Case {
    const std::string& file;
    size_t length;
    Fields expected;
  };
  const Case cases[] = {
      {avi, avi.size() - 1, whole},
      {avi, avi.size() / 2, whole},
      {one, one.size() / 2, Probe(dir, one)},
      {wave, wave.size() / 10, Probe(dir, wave)},  // 00:10 from the stored RIFF size
      // The audio format cut before wBitsPerSample: no audio figure, so neither rate.
      {avi, audio_format + 10, {"DivX Low", "PCM", "", "", "25.00", "320x240", "00:10"}},
      // The video stream header cut before dwLength; nothing follows it.
      {avi, video_header + 30, {"DivX Low", no_audio, "", "", "25.00", "320x240", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    EXPECT_EQ(Probe(dir, c.file.substr(0, c.length)), c.expected);
  }

  // An avih claiming more than its list holds: it is read, but nothing after it can be located.
  int result = 0;
  std::string hdrl = ListChunk("hdrl", RawChunk("avih", 200, AviMainHeader(320, 240)) +
                                           StreamList(kVideoHeader, "") + StreamList("", WaveFormatData({})));
  EXPECT_EQ(Probe(dir, RiffForm("AVI ", hdrl), &result), (Fields{"", no_audio, "", "", "", "320x240", ""}));
  EXPECT_EQ(result, 5);
  // The same past the end of the second stream's list: the format is read, named by its stored size.
  hdrl = ListChunk("hdrl", Chunk("avih", AviMainHeader(320, 240)) + StreamList(kVideoHeader, "") +
                               ListChunk("strl", RawChunk("strf", 100, WaveFormatData({}))));
  EXPECT_EQ(Probe(dir, RiffForm("AVI ", hdrl), &result),
            (Fields{"DivX Low", "Unknon", "-16kbit", "44.10kHz/16bit", "25.00", "320x240", "00:10"}));
  EXPECT_EQ(result, 0);
}

TEST_F(RiffMediaDamage, MissingHeaderChunks) {
  TempDir dir;
  int result = 0;
  const std::string avih = Chunk("avih", AviMainHeader(160, 120));
  // No hdrl list: nothing is known of the streams.
  EXPECT_EQ(Probe(dir, RiffForm("AVI ", avih), &result),
            (Fields{"", Utf8ToCp932("音声なし"), "", "", "", "", ""}));
  EXPECT_EQ(result, 5);
  // No avih: only the picture size is missing.
  EXPECT_EQ(Probe(dir, RiffForm("AVI ", ListChunk("hdrl", StreamList(kVideoHeader, "")))),
            (Fields{"DivX Low", Utf8ToCp932("音声なし"), "", "", "25.00", "", "00:10"}));
  // A stream header cut after dwRate: no length, so no playing time.
  EXPECT_EQ(
      Probe(dir, RiffForm("AVI ", ListChunk("hdrl", avih + StreamList(kVideoHeader.substr(0, 28), "")))),
      (Fields{"DivX Low", Utf8ToCp932("音声なし"), "", "", "25.00", "160x120", ""}));
  // A WAVE file without "fmt ".
  EXPECT_EQ(Probe(dir, RiffForm("WAVE", Chunk("data", "abcd")), &result), Fields(7));
  EXPECT_EQ(result, 7);
}

// Every prefix of valid files, and many randomly damaged copies: whatever the fields, no crash or hang.
TEST_F(RiffMediaDamage, TruncatedAndMutatedFilesAreSafe) {
  TempDir dir;
  AviSpec spec;
  spec.movie_bytes = 64;
  const std::vector<std::string> originals = {AviFile(spec), WaveFile({}, 40)};
  for (const std::string& original : originals) {
    for (size_t length = 0; length <= original.size(); ++length) Probe(dir, original.substr(0, length));
  }
  std::mt19937 random(20261207);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = originals[round % 2];
    for (int flips = 1 + static_cast<int>(random() % 6); flips > 0; --flips) {
      bytes[random() % bytes.size()] = static_cast<char>(random() % 4 == 0 ? 0xFF : random());
    }
    if (round % 3 == 0) bytes.resize(random() % bytes.size());
    Probe(dir, bytes);
    for (const std::string& field : MediaInfoFields()) EXPECT_LE(field.size(), 63u);
  }
}

// Bytes the process has read from files so far.
long long BytesReadByProcess() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = -1;
  while (io >> key >> value) {
    if (key == "rchar:") return value;
  }
  return -1;
}

TEST_F(RiffMediaDamage, MovieDataIsNeverRead) {
  if (BytesReadByProcess() < 0) GTEST_SKIP() << "no /proc/self/io";
  TempDir dir;
  AviSpec spec;
  spec.has_audio = false;  // the search for a second stream list skips the movie data by its size
  const std::string path = dir.Write("big.avi", SparseAviHead(spec, 2000000000));
  std::filesystem::resize_file(path, 2000000000);
  const long long before = BytesReadByProcess();
  ProbeMediaFile(path, true, kAllInstalled);
  EXPECT_LT(BytesReadByProcess() - before, 64 * 1024);
  EXPECT_EQ(MediaInfoFields()[5], "320x240");
}

}  // namespace
