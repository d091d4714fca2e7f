#include "probe/sequential_file_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"

TEST(SequentialFileReader, ReadsEveryByteInOrderThenStops) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 40001; ++i) bytes.push_back(static_cast<char>(i * 7));
  SequentialFileReader reader(dir.Write("a.bin", bytes));
  ASSERT_TRUE(reader.is_open());
  EXPECT_EQ(bytes.size(), reader.file_length());
  std::string read;
  uint8_t byte;
  while (reader.ReadByte(&byte)) read.push_back(static_cast<char>(byte));
  EXPECT_EQ(bytes, read);
  EXPECT_EQ(bytes.size(), reader.position());
  uint8_t first, second;
  EXPECT_FALSE(reader.ReadPair(&first, &second));
  EXPECT_EQ(bytes.size(), reader.position());
}

// A folder, a pipe with no writer or a missing file would block or fail on read: none is opened.
TEST(SequentialFileReader, OnlyRegularFilesOpen) {
  TempDir dir;
  const std::string pipe = dir.path() + "/p.mpg";
  ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
  for (const std::string& path : {dir.path(), pipe, dir.path() + "/missing.mpg"}) {
    SCOPED_TRACE(path);
    SequentialFileReader reader(path);
    EXPECT_FALSE(reader.is_open());
    EXPECT_EQ(0u, reader.file_length());
    uint8_t byte;
    EXPECT_FALSE(reader.ReadByte(&byte));
  }
}
