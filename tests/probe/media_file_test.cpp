#include "probe/media_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "support/temp_dir.h"

namespace {

std::string Pattern(size_t size) {
  std::string bytes;
  for (size_t i = 0; i < size; ++i) bytes.push_back(static_cast<char>(i * 7 + i / 251));
  return bytes;
}

// Reads inside the head, across its end, beyond it and at the file's end all give the file's bytes.
TEST(MediaFile, ReadsAgreeWithTheFileInsideAndBeyondTheHead) {
  TempDir dir;
  const std::string bytes = Pattern(MediaFile::kHeadCapacity * 2 + 5);
  MediaFile file(dir.Write("a.avi", bytes));
  ASSERT_TRUE(file.is_open());
  EXPECT_EQ(file.size(), bytes.size());
  EXPECT_EQ(file.Head(), bytes.substr(0, MediaFile::kHeadCapacity));
  const struct {
    uint64_t offset;
    size_t count;
  } reads[] = {
      {0, 12}, {MediaFile::kHeadCapacity - 4, 8}, {MediaFile::kHeadCapacity, 100}, {bytes.size() - 9, 9}};
  for (const auto& read : reads) {
    SCOPED_TRACE(read.offset);
    std::string out(read.count, '\0');
    ASSERT_TRUE(file.ReadAt(read.offset, out.data(), read.count));
    EXPECT_EQ(out, bytes.substr(read.offset, read.count));
    char buffer[256];
    EXPECT_EQ(file.View(read.offset, read.count, buffer), bytes.substr(read.offset, read.count));
  }
  // A read that would pass the end fails whole; a view stops at the end.
  char buffer[16];
  EXPECT_FALSE(file.ReadAt(bytes.size() - 4, buffer, 5));
  EXPECT_FALSE(file.ReadAt(UINT64_MAX - 2, buffer, 4));
  EXPECT_EQ(file.View(bytes.size() - 4, sizeof buffer, buffer), bytes.substr(bytes.size() - 4));
  EXPECT_EQ(file.View(bytes.size(), sizeof buffer, buffer), "");

  MediaFile small(dir.Write("b.wav", "RIFF"));
  EXPECT_EQ(small.Head(), "RIFF");
  EXPECT_EQ(small.View(2, sizeof buffer, buffer), "FF");
}

// A folder, a pipe with no writer (which would block a plain open) or a missing file: nothing opens.
TEST(MediaFile, OnlyRegularFilesOpen) {
  TempDir dir;
  const std::string pipe = dir.path() + "/p.avi";
  ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
  for (const std::string& path : {dir.path(), pipe, dir.path() + "/missing.avi"}) {
    SCOPED_TRACE(path);
    MediaFile file(path);
    EXPECT_FALSE(file.is_open());
    EXPECT_EQ(file.size(), 0u);
    EXPECT_EQ(file.Head(), "");
    char byte;
    EXPECT_FALSE(file.ReadAt(0, &byte, 1));
  }
}

}  // namespace
