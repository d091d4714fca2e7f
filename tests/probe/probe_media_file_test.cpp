#include "probe/probe_media_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "probe/media_info.h"
#include "support/media_fields.h"
#include "support/mpeg1_builder.h"
#include "support/riff_builder.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;
using Fields = std::vector<std::string>;

const Fields kEmpty(7);

TEST(ProbeMediaFile, LabelledContainersByContentNotName) {
  struct Case {
    const char* name;
    std::string bytes;
    Fields expected;
  };
  const Case cases[] = {
      {"show.rm", ".RMF\0\0\0\x12\0\0"s, {"RealVideo", "RealAudio", "", "", "", "", ""}},
      {"clip.avi", ".RMF\x21\0\0\0"s, {"RealVideo", "RealAudio", "", "", "", "", ""}},
      {"a.mov", "\0\0\0\x08wide\0\0\0\0mdat"s, {"QuickTime", "QuickTime", "", "", "", "", ""}},
      {"b.mov",
       "\0\0\0\x14"
       "ftypqt  \0\0\0\0"s,
       {"QuickTime", "QuickTime", "", "", "", "", ""}},
      {"c.mov", "\0\0\0\x08mdat\0\0\0\0moov"s, kEmpty},
      {"d.asf", "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\0\xAA"s, {"ASF", "ASF", "", "", "", "", ""}},
      {"e.mpg", "\0\0\x01\xBA\x44\0\x04\0\x04"s, kEmpty},  // MPEG-2: recognised, not read
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool check_mode : {false, true}) {
      EXPECT_EQ(ProbeMediaFile(dir.Write(c.name, c.bytes), check_mode), 0);
      EXPECT_EQ(MediaInfoFields(), c.expected);
    }
  }
}

TEST(ProbeMediaFile, ReaderChosenByContentNotName) {
  TempDir dir;
  const std::string mpeg = MpegPackHeader() + MpegSystemHeader() +
                           MpegPacket(kMpegVideoStream, MpegSequenceHeaderBytes(352, 240, 4), 1) +
                           MpegPacket(kMpegAudioStream, MpegAudioFrameBytes(11, 0));
  ProbeMediaFile(dir.Write("clip.avi", mpeg), false);
  EXPECT_EQ(MediaInfo().video_format, "MPEG1");
  EXPECT_EQ(MediaInfo().picture_size, "352x240");

  AviSpec avi;
  avi.has_audio = false;
  ProbeMediaFile(dir.Write("clip.mpg", AviFile(avi)), false);
  EXPECT_EQ(MediaInfo().video_format, "DivX Low");
  EXPECT_EQ(MediaInfo().audio_format, Utf8ToCp932("音声なし"));
}

// Random bytes behind every signature the sniff knows: whatever the record, no crash or hang.
TEST(ProbeMediaFile, RandomFilesAreSafe) {
  const std::string signatures[] = {"RIFF",
                                    "RIFF\0\0\0\0AVI ",
                                    "RIFF\x40\0\0\0WAVE",
                                    ".RMF",
                                    "\0\0\x01\xBA\x21",
                                    "\0\0\x01\xBA\x44",
                                    "\0\0\0\0ftyp",
                                    ""};
  TempDir dir;
  std::mt19937 random(7);
  for (int round = 0; round < 1000; ++round) {
    std::string bytes = signatures[round % std::size(signatures)];
    for (size_t length = random() % 600; length > 0; --length) bytes += static_cast<char>(random());
    std::filesystem::remove(dir.path() + "/r.avi");
    ProbeMediaFile(dir.Write("r.avi", bytes), true);
    for (const std::string& field : MediaInfoFields()) EXPECT_LE(field.size(), 63u);
  }
}

TEST(ProbeMediaFile, RecordClearedBetweenProbes) {
  TempDir dir;
  const std::string avi = dir.Write("full.avi", AviFile({}));
  struct Case {
    std::string path;
    Fields expected;
    int check_result = 0;
  };
  const Case cases[] = {
      {dir.Write("a.wav", WaveFile({}, 176400)), {"", "PCM", "", "44.10kHz/16bit", "", "", "00:01"}, 6},
      {dir.Write("a.rm", ".RMF\0\0\0\x12"s), {"RealVideo", "RealAudio", "", "", "", "", ""}},
      {dir.Write("seven.avi", "\0\0\0\0moo"s), kEmpty},
      {dir.Write("other.avi", RiffForm("RMID", "")), kEmpty},
      {dir.path() + "/missing.avi", kEmpty},
      {dir.Write("empty.wav", ""), kEmpty},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    ProbeMediaFile(avi, false);
    ASSERT_EQ(MediaInfoFields()[5], "320x240");
    EXPECT_EQ(ProbeMediaFile(c.path, true), c.check_result);
    EXPECT_EQ(MediaInfoFields(), c.expected);
  }
}

}  // namespace
