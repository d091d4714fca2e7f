// Hostile RIFF files against the probe and the tag writer: all-ones sizes, lists nested ten thousand
// deep, a million empty chunks, and a file that shrinks while it is read. Each gives what can be read
// (or nothing), in one bounded walk, and the tag writer leaves such files as they are.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "probe/avi_tail.h"
#include "probe/info_tag_file.h"
#include "probe/probe_media_file.h"
#include "probe/riff_reader.h"
#include "probe/sequential_file_reader.h"
#include "support/media_fields.h"
#include "support/riff_builder.h"
#include "support/temp_dir.h"

namespace {

using Fields = std::vector<std::string>;

constexpr DecoderQuery kAllInstalled{[](uint32_t) { return true; }, [](uint16_t) { return true; }};

struct Outcome {
  Fields fields;
  InfoTagOutcome tag_outcome;
  bool unchanged;
  Fields fields_after_tagging;
};

// Probes the bytes, tries to tag them, and probes them again.
Outcome ProbeAndTag(const TempDir& dir, const std::string& name, const std::string& bytes) {
  const std::string path = dir.Write(name, bytes);
  Outcome outcome;
  ProbeMediaFile(path, true, kAllInstalled);
  outcome.fields = MediaInfoFields();
  outcome.tag_outcome = WriteInfoTagsToFile(path, {std::string("t"), {}, {}}).outcome;
  outcome.unchanged = ReadWholeFile(path) == bytes;
  ProbeMediaFile(path, true, kAllInstalled);
  outcome.fields_after_tagging = MediaInfoFields();
  return outcome;
}

// The offset of the first occurrence of id in bytes, for patching a size in place.
size_t SizeFieldOf(const std::string& bytes, const std::string& id) {
  return bytes.find(id) + 4;
}

std::string WithAllOnesSize(std::string bytes, const std::string& id) {
  bytes.replace(SizeFieldOf(bytes, id), 4, "\xFF\xFF\xFF\xFF");
  return bytes;
}

TEST(RiffHostile, AllOnesChunkSizes) {
  TempDir dir;
  const std::string avi = AviFile({});
  // A size that reaches past its parent or the file is taken as stored, so the main header is always
  // read; only the walk past that chunk ends. The tag writer needs the top level and the header list
  // intact, and a tagged file reads as before.
  const std::string no_audio = Utf8ToCp932("音声なし");
  const struct {
    const char* id;
    std::string audio_format;
    bool tagged;
  } cases[] = {{"RIFF", "PCM", false},
               {"LIST", "PCM", false},     // hdrl
               {"avih", no_audio, false},  // nothing after it can be reached
               {"strf", no_audio, false},  // the video's: the search for a second stream ends there
               {"idx1", "PCM", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const std::string bytes = WithAllOnesSize(avi, c.id);
    const Outcome outcome = ProbeAndTag(dir, std::string(c.id) + ".avi", bytes);
    EXPECT_EQ(outcome.fields[5], "320x240");
    EXPECT_EQ(outcome.fields[1], c.audio_format);
    EXPECT_EQ(outcome.tag_outcome == InfoTagOutcome::kWritten, c.tagged);
    EXPECT_EQ(outcome.unchanged, !c.tagged);
    EXPECT_EQ(outcome.fields_after_tagging, outcome.fields);
  }
}

TEST(RiffHostile, ListsNestedTenThousandDeep) {
  TempDir dir;
  std::string nested;
  for (int depth = 0; depth < 10000; ++depth) nested = ListChunk("deep", nested);
  AviSpec spec;
  spec.has_audio = false;
  const std::string headers = AviHeaderList(spec);
  // The nesting sits in front of the header list's chunks and is skipped as one chunk.
  const std::string hdrl = ListChunk("hdrl", nested + headers.substr(12));
  const std::string bytes =
      RiffForm("AVI ", hdrl + ListChunk("movi", "") + Chunk("idx1", std::string(16, '\0')));
  const Outcome outcome = ProbeAndTag(dir, "deep.avi", bytes);
  EXPECT_EQ(outcome.fields[5], "320x240");
  EXPECT_EQ(outcome.fields[4], "25.00");
  EXPECT_EQ(outcome.tag_outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(outcome.fields_after_tagging, outcome.fields);
}

// An odd-sized RIFF chunk and its pad byte, with a stream list after idx1 whose size reaches into that
// pad byte: its header lies inside the RIFF chunk, so it is read with the size it states, before and
// after tagging. The tagged RIFF chunk must still not take the pad byte in.
TEST(RiffHostile, StreamListReachingIntoThePadByte) {
  TempDir dir;
  AviSpec spec;
  spec.has_audio = false;
  const std::string audio = "strl" + Chunk("strf", WaveFormatData({})) + "x";
  const std::string content = AviHeaderList(spec) + ListChunk("movi", "") +
                              Chunk("idx1", std::string(16, '\0')) +
                              RawChunk("LIST", static_cast<uint32_t>(audio.size() + 1), audio);
  ASSERT_EQ(content.size() % 2, 1u);
  const std::string bytes =
      "RIFF" + Le32(static_cast<uint32_t>(4 + content.size())) + "AVI " + content + '\0';
  const Outcome outcome = ProbeAndTag(dir, "odd.avi", bytes);
  EXPECT_EQ(outcome.fields[1], "PCM");
  EXPECT_EQ(outcome.tag_outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(outcome.fields_after_tagging, outcome.fields);
  const std::string after = ReadWholeFile(dir.path() + "/odd.avi");
  EXPECT_EQ(Le32(static_cast<uint32_t>(after.size() - 9)), after.substr(4, 4));  // odd size, then the pad
}

TEST(RiffHostile, MillionEmptyChunksEndTheWalks) {
  TempDir dir;
  std::string junk;
  junk.reserve(8'000'000);
  for (int i = 0; i < 1'000'000; ++i) junk += Chunk("JUNK", "");
  AviSpec spec;
  const std::string bytes = RiffForm(
      "AVI ", junk + AviHeaderList(spec) + ListChunk("movi", "") + Chunk("idx1", std::string(16, '\0')));
  const Outcome outcome = ProbeAndTag(dir, "junk.avi", bytes);
  // The header list lies past the last chunk looked at: no stream is known.
  EXPECT_EQ(outcome.fields[0], "");
  EXPECT_EQ(outcome.fields[5], "");
  EXPECT_EQ(outcome.tag_outcome, InfoTagOutcome::kNoIndex);
  EXPECT_TRUE(outcome.unchanged);
}

// Another program may cut the file while it is being read: what was already read may still be used,
// reads past the new end find nothing.
TEST(RiffHostile, FileShrinksWhileRead) {
  TempDir dir;
  AviSpec spec;
  spec.movie_bytes = 100000;  // idx1 lies far past the first bytes read
  const std::string path = dir.Write("shrinking.avi", AviFile(spec));
  {
    RiffReader reader(path);
    RiffChunk riff, index;
    ASSERT_TRUE(reader.FindRiff(FourCC("AVI "), riff));
    ASSERT_EQ(truncate(path.c_str(), 20), 0);
    EXPECT_FALSE(reader.FindChunk(riff, FourCC("idx1"), index));
  }
  const std::string long_path = dir.Write("shrinking.mpg", std::string(100000, '\x01'));
  SequentialFileReader reader(long_path);
  uint8_t byte = 0;
  ASSERT_TRUE(reader.ReadByte(&byte));
  ASSERT_EQ(truncate(long_path.c_str(), 10), 0);
  uint64_t bytes_read = 1;
  while (reader.ReadByte(&byte)) ++bytes_read;
  // What was buffered before the cut may still come, but never more than the file held.
  EXPECT_LE(bytes_read, 100000u);
  EXPECT_FALSE(reader.ReadByte(&byte));
}

}  // namespace
