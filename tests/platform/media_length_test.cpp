#include "platform/media_length.h"

#include <gtest/gtest.h>

#include "support/mpeg1_builder.h"
#include "support/temp_dir.h"

TEST(PlayingLengthMs, RealMpegFileInWholeMilliseconds) {
  // ffprobe: duration=2.912923
  EXPECT_EQ(2912, PlayingLengthMs(TESSAROLL_SOURCE_DIR "/tests/data/mpeg1_64x48_2s.mpg"));
}

TEST(PlayingLengthMs, ZeroWhenItCannotTell) {
  TempDir dir;
  const std::string cases[] = {
      dir.path() + "/missing.mpg",
      dir.Write("empty.mpg", ""),
      dir.Write("text.mpg", "not a movie at all\n"),
      dir.Write("headers-only.mpg", MpegPackHeader() + MpegSystemHeader() + MpegEndCode()),
      dir.path(),
  };
  for (const std::string& path : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(0, PlayingLengthMs(path));
  }
}

// A colon in a file name must not turn the name into a protocol the libraries would follow.
TEST(PlayingLengthMs, ColonInFileName) {
  TempDir dir;
  const std::string path =
      dir.Write("http:clip.mpg", ReadWholeFile(TESSAROLL_SOURCE_DIR "/tests/data/mpeg1_64x48_2s.mpg"));
  EXPECT_EQ(2912, PlayingLengthMs(path));
}
