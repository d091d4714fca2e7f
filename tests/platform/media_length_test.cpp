#include "platform/media_length.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
    EXPECT_EQ(0, MpegPlayingLengthMs(path));
  }
}

// Analysing only the start of an MPEG-1 stream must not change its length: the streams of the test
// file, of the samples (one of them with its audio running past its video) and of a sparse file whose
// last time stamps lie 60 MB in.
TEST(MpegPlayingLengthMs, SameAnswerAsTheFullAnalysis) {
  TempDir dir;
  const std::string sample = ReadWholeFile(TESSAROLL_SOURCE_DIR "/tests/data/mpeg1_64x48_2s.mpg");
  const std::string sparse = dir.Write("sparse.mpg", sample);
  std::filesystem::resize_file(sparse, 60000000);
  {
    std::ofstream tail(sparse, std::ios::binary | std::ios::app);
    tail << sample;
  }
  const std::string paths[] = {
      TESSAROLL_SOURCE_DIR "/tests/data/mpeg1_64x48_2s.mpg",
      TESSAROLL_SOURCE_DIR "/samples/countdown.mpg",
      TESSAROLL_SOURCE_DIR "/samples/clips/system_stream.mpg",
      sparse,
  };
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    EXPECT_EQ(MpegPlayingLengthMs(path), PlayingLengthMs(path));
  }
  EXPECT_EQ(2912, MpegPlayingLengthMs(paths[0]));
}

// A colon in a file name must not turn the name into a protocol the libraries would follow.
TEST(PlayingLengthMs, ColonInFileName) {
  TempDir dir;
  const std::string path =
      dir.Write("http:clip.mpg", ReadWholeFile(TESSAROLL_SOURCE_DIR "/tests/data/mpeg1_64x48_2s.mpg"));
  EXPECT_EQ(2912, PlayingLengthMs(path));
}
