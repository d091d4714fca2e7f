#include "probe/riff_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "support/riff_builder.h"
#include "support/temp_dir.h"

namespace {

// Asks for more than the chunk holds, to show that a read stops at its end.
std::string Payload(const RiffChunk& chunk, RiffReader& reader) {
  std::string bytes(std::min<uint64_t>(chunk.end - chunk.data, 64) + 8, '?');
  bytes.resize(reader.Read(chunk, bytes.data(), bytes.size()));
  return bytes;
}

TEST(RiffReader, WalksNestedListsPastOddSizesAndLeavesWithPadding) {
  TempDir dir;
  const std::string path = dir.Write(
      "a.avi", RiffForm("AVI ", Chunk("JUNK", "odd") +  // 3 bytes + pad byte
                                    ListChunk("hdrl", Chunk("avih", "12345") + Chunk("strh", "xy")) +
                                    ListChunk("strl", Chunk("strf", "F"))));
  RiffReader reader(path);
  RiffChunk riff, hdrl, chunk;
  ASSERT_TRUE(reader.FindRiff(FourCC("AVI "), riff));
  EXPECT_EQ(riff.type, FourCC("AVI "));
  EXPECT_EQ(riff.data, 12u);
  ASSERT_TRUE(reader.FindList(riff, FourCC("hdrl"), hdrl));
  EXPECT_EQ(hdrl.data, 12u + 12 + 12);

  ASSERT_TRUE(reader.FindChunk(hdrl, FourCC("avih"), chunk));
  EXPECT_EQ(chunk.size, 5u);
  EXPECT_EQ(Payload(chunk, reader), "12345");  // never past the chunk's end
  reader.Leave(chunk);
  ASSERT_TRUE(reader.FindChunk(hdrl, FourCC("strh"), chunk));  // found after the pad byte
  EXPECT_EQ(Payload(chunk, reader), "xy");
  reader.Leave(chunk);

  // Searching within the RIFF chunk from inside hdrl goes on past hdrl's end to the next list.
  ASSERT_TRUE(reader.FindList(riff, FourCC("strl"), hdrl));
  ASSERT_TRUE(reader.FindChunk(hdrl, FourCC("strf"), chunk));
  EXPECT_EQ(Payload(chunk, reader), "F");
}

TEST(RiffReader, ChunkSearchSkipsListsWholeAndFailedSearchKeepsPosition) {
  TempDir dir;
  const std::string path =
      dir.Write("a.avi", RiffForm("AVI ", ListChunk("hdrl", Chunk("avih", "inner")) + Chunk("idx1", "top")));
  RiffReader reader(path);
  RiffChunk riff, chunk;
  ASSERT_TRUE(reader.FindRiff(FourCC("AVI "), riff));
  const uint64_t start = reader.position();
  EXPECT_FALSE(reader.FindChunk(riff, FourCC("avih"), chunk));  // inside a list: not entered
  EXPECT_EQ(reader.position(), start);
  EXPECT_FALSE(reader.FindList(riff, FourCC("movi"), chunk));
  EXPECT_EQ(reader.position(), start);
  ASSERT_TRUE(reader.FindChunk(riff, FourCC("idx1"), chunk));
  EXPECT_EQ(Payload(chunk, reader), "top");
  EXPECT_FALSE(reader.FindRiff(FourCC("WAVE"), riff));
}

// A chunk is found by its header and keeps the size it states, past its parent or the file; reads stop
// at the file's end, and the walk finds nothing beyond such a chunk.
TEST(RiffReader, ChunkSizePastEof) {
  TempDir dir;
  RiffChunk riff, chunk;
  {
    RiffReader reader(dir.Write("riff.avi", RawChunk("RIFF", 100, "AVI ")));
    ASSERT_TRUE(reader.FindRiff(FourCC("AVI "), riff));
    EXPECT_EQ(riff.end, 108u);
    EXPECT_FALSE(reader.FindChunk(riff, FourCC("avih"), chunk));
  }
  {
    RiffReader reader(dir.Write("a.avi", RiffForm("AVI ", RawChunk("avih", 0xFFFFFFF0u, "abcd"))));
    ASSERT_TRUE(reader.FindRiff(FourCC("AVI "), riff));
    ASSERT_TRUE(reader.FindChunk(riff, FourCC("avih"), chunk));
    EXPECT_EQ(chunk.size, 0xFFFFFFF0u);
    EXPECT_EQ(Payload(chunk, reader), "abcd");  // up to the end of the file
    reader.Leave(chunk);
    EXPECT_FALSE(reader.FindChunk(riff, FourCC("abcd"), chunk));
  }
  {
    // Inside the file, but past the end of its list: the walk in the list ends there, and the strh
    // that the stated size covers is not found.
    const std::string hdrl = ListChunk("hdrl", RawChunk("avih", 20, "abcde") + Chunk("strh", ""));
    RiffReader reader(dir.Write("b.avi", RiffForm("AVI ", hdrl + Chunk("JUNK", std::string(20, 'x')))));
    ASSERT_TRUE(reader.FindRiff(FourCC("AVI "), riff));
    RiffChunk list;
    ASSERT_TRUE(reader.FindList(riff, FourCC("hdrl"), list));
    ASSERT_TRUE(reader.FindChunk(list, FourCC("avih"), chunk));
    reader.Leave(chunk);
    EXPECT_FALSE(reader.FindChunk(list, FourCC("strh"), chunk));
  }
  {
    // Headers cut short at the end of the file: the RIFF form type, then the first chunk's size.
    const std::string cut = RiffForm("AVI ", Chunk("idx1", ""));
    EXPECT_FALSE(RiffReader(dir.Write("c.avi", cut.substr(0, 10))).FindRiff(FourCC("AVI "), riff));
    RiffReader reader(dir.Write("d.avi", cut.substr(0, 18)));
    ASSERT_TRUE(reader.FindRiff(FourCC("AVI "), riff));
    EXPECT_FALSE(reader.FindChunk(riff, FourCC("idx1"), chunk));
  }
}

TEST(RiffReader, ZeroSizeChunk) {
  TempDir dir;
  // Empty chunks, and a list too small for its type, are stepped over without looping.
  std::string children = RawChunk("LIST", 2, "st") + std::string(400000, '\0') + Chunk("strl", "");
  RiffReader reader(dir.Write("z.avi", RiffForm("AVI ", children + Chunk("avih", "ok"))));
  RiffChunk riff, chunk;
  ASSERT_TRUE(reader.FindRiff(FourCC("AVI "), riff));
  EXPECT_FALSE(reader.FindList(riff, FourCC("st\0\0"), chunk));
  ASSERT_TRUE(reader.FindChunk(riff, FourCC("strl"), chunk));
  EXPECT_EQ(chunk.size, 0u);
  char byte;
  EXPECT_EQ(reader.Read(chunk, &byte, 1), 0u);
  reader.Leave(chunk);
  ASSERT_TRUE(reader.FindChunk(riff, FourCC("avih"), chunk));

  // Far more empty chunks than a walk takes: the search gives up instead of crawling.
  RiffReader crowded(
      dir.Write("many.avi", RiffForm("AVI ", std::string(8 * 150000, '\0') + Chunk("avih", ""))));
  ASSERT_TRUE(crowded.FindRiff(FourCC("AVI "), riff));
  EXPECT_FALSE(crowded.FindChunk(riff, FourCC("avih"), chunk));
}

}  // namespace
