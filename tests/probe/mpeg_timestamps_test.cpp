// The playing length from an MPEG-1 stream's own time stamps against the FFmpeg libraries' answer.
#include "probe/mpeg_timestamps.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/media_length.h"
#include "probe/sequential_file_reader.h"
#include "support/temp_dir.h"

namespace {

std::optional<int64_t> StampedLengthMs(const std::string& path) {
  MediaFile file(path);
  MpegSystemHeaders headers;
  {
    SequentialFileReader reader(file);
    headers = FindMpegSystemHeaders(reader);
  }
  return MpegTimestampLengthMs(file, headers);
}

// Every real MPEG-1 file the tests and samples have, at frame rates 23.976 to 60 and 32 to 48 kHz and
// without audio: the
// same milliseconds, so the playing time and the video rate drawn from it are the same texts. The
// hand-made sample stream has no time stamps to go by, and no length for the libraries either.
TEST(MpegTimestamps, RealFilesGiveTheLengthTheLibrariesGive) {
  const struct {
    const char* file;
    bool stamped;
  } cases[] = {
      {"tests/data/mpeg1_64x48_2s.mpg", true},
      {"tests/data/mpeg1_23.976fps_32k.mpg", true},
      {"tests/data/mpeg1_25fps_44k.mpg", true},
      {"tests/data/mpeg1_60fps_48k.mpg", true},
      {"samples/countdown.mpg", true},
      {"samples/clips/system_stream.mpg", false},
      // Its one sequence header starts where the headers' search does not look.
      {"tests/data/mpeg1_video_only_30fps.mpg", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = std::string(TESSAROLL_SOURCE_DIR) + "/" + c.file;
    const std::optional<int64_t> stamped = StampedLengthMs(path);
    ASSERT_EQ(stamped.has_value(), c.stamped);
    EXPECT_EQ(stamped.value_or(0), MpegPlayingLengthMs(path));
  }
}

// Where the stamps cannot tell, the answer is left to the full probe.
TEST(MpegTimestamps, NoAnswerWithoutUsableStamps) {
  TempDir dir;
  const std::string real =
      ReadWholeFile(std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/mpeg1_64x48_2s.mpg");
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"no packets", std::string(5000, '\0')},
      {"only a pack header", real.substr(0, 12)},
      {"random bytes", std::string(3000, '\x01') + "\0\0\x01\xe0\xff\xff\x21"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(StampedLengthMs(dir.Write("x.mpg", c.bytes)).has_value());
  }
}

}  // namespace
