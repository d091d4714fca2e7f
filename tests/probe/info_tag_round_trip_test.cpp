// Tags written into an AVI file come back through the readers, and the movie itself is untouched.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/decoder_query.h"
#include "probe/info_tag_file.h"
#include "probe/media_info.h"
#include "probe/riff_media.h"
#include "probe/tag_scan.h"
#include "support/media_fields.h"
#include "support/riff_builder.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;

// A real AVI made by ffmpeg (tests/data/README): hdrl, JUNK, movi, idx1.
const std::string kRealAvi = std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/msmpeg4v2_pcm.avi";

// The tags as the list entry builder reads them: scanned from the file's last bytes.
TagValues ScanTailTags(const std::string& file) {
  return ScanTags(
      std::string_view(file).substr(file.size() > kTagScanBytes ? file.size() - kTagScanBytes : 0));
}

// The tags as FFmpeg's AVI demuxer reads them from the INFO list after the index.
InfoTags DemuxerTags(const std::string& path) {
  InfoTags tags;
  AVFormatContext* context = nullptr;
  if (avformat_open_input(&context, path.c_str(), nullptr, nullptr) != 0) return tags;
  const auto text = [&](const char* key) {
    const AVDictionaryEntry* entry = av_dict_get(context->metadata, key, nullptr, 0);
    return entry ? std::string(entry->value) : std::string();
  };
  tags = InfoTags{text("subject"), text("copyright"), text("comment")};
  avformat_close_input(&context);
  return tags;
}

// The media info record as our own RIFF reader fills it, less the video rate: that one counts every byte
// of the RIFF chunk, tags included.
std::vector<std::string> RiffMediaFields(const std::string& path) {
  ClearMediaInfo();
  ReadRiffMedia(path, false, InstalledDecoders(), true);
  std::vector<std::string> fields = MediaInfoFields();
  fields.erase(fields.begin() + 2);
  return fields;
}

// What a demuxer sees: each stream's parameters and every packet's position, timing and bytes.
std::string StreamDigest(const std::string& path) {
  AVFormatContext* context = nullptr;
  if (avformat_open_input(&context, path.c_str(), nullptr, nullptr) != 0) return "cannot open";
  std::string digest;
  if (avformat_find_stream_info(context, nullptr) >= 0) {
    for (unsigned i = 0; i < context->nb_streams; ++i) {
      const AVCodecParameters* p = context->streams[i]->codecpar;
      digest += std::to_string(p->codec_id) + " " + std::to_string(p->width) + "x" +
                std::to_string(p->height) + " " + std::to_string(p->sample_rate) + " " +
                std::to_string(p->bit_rate) + "\n";
    }
    digest += "duration " + std::to_string(context->duration) + "\n";
    AVPacket* packet = av_packet_alloc();
    while (av_read_frame(context, packet) >= 0) {
      const std::string_view data(reinterpret_cast<const char*>(packet->data), packet->size);
      digest += std::to_string(packet->stream_index) + " " + std::to_string(packet->pts) + " " +
                std::to_string(packet->pos) + " " + std::to_string(std::hash<std::string_view>{}(data)) +
                "\n";
      av_packet_unref(packet);
    }
    av_packet_free(&packet);
  }
  avformat_close_input(&context);
  return digest;
}

TEST(InfoTagRoundTrip, TagsComeBackAndTheStreamsReadTheSame) {
  TempDir dir;
  const std::string path = dir.path() + "/movie.avi";
  std::filesystem::copy_file(kRealAvi, path);
  const std::string streams = StreamDigest(path);
  ASSERT_NE(streams.find("duration"), std::string::npos) << streams;
  const std::vector<std::string> fields = RiffMediaFields(path);
  ASSERT_FALSE(fields.front().empty());
  const InfoTags cases[] = {
      {"abc", "xy", ""},
      {"\x83\x5e\x83\x43\x83\x67\x83\x8b", "\x8d\xec\x8e\xd2", "two\nlines"},  // CP932 as typed
      // 200-byte values: the whole list still lies within the last 1024 bytes.
      {std::string(200, 't'), std::string(200, 'c'), std::string(200, 'm')},
      {"", "", ""},
  };
  for (const InfoTags& tags : cases) {
    SCOPED_TRACE(tags.title);
    ASSERT_EQ(WriteInfoTagsToFile(path, InfoTagEdit{tags.title, tags.creator, tags.comment}).outcome,
              InfoTagOutcome::kWritten);
    const TagValues read = ScanTailTags(ReadWholeFile(path));
    EXPECT_EQ(read.title, tags.title);
    EXPECT_EQ(read.creator, tags.creator);
    std::string comment = tags.comment;
    std::replace(comment.begin(), comment.end(), '\n', ' ');
    EXPECT_EQ(read.comment, comment);
    const InfoTags demuxed = DemuxerTags(path);
    EXPECT_EQ(demuxed.title, tags.title);
    EXPECT_EQ(demuxed.creator, tags.creator);
    EXPECT_EQ(demuxed.comment, tags.comment);
    EXPECT_EQ(StreamDigest(path), streams);
    EXPECT_EQ(RiffMediaFields(path), fields);
  }
  // Emptied at last: the file is byte for byte the one ffmpeg wrote.
  EXPECT_EQ(ReadWholeFile(path), ReadWholeFile(kRealAvi));
}

std::string MetadataValue(const std::string& path, const char* key) {
  AVFormatContext* context = nullptr;
  if (avformat_open_input(&context, path.c_str(), nullptr, nullptr) != 0) return "cannot open";
  const AVDictionaryEntry* entry = av_dict_get(context->metadata, key, nullptr, 0);
  std::string value = entry ? entry->value : "";
  avformat_close_input(&context);
  return value;
}

// The real file with what other programs leave after its index: an INFO list of their own, a chunk.
TEST(InfoTagRoundTrip, OtherProgramsTagsAndChunksSurviveAndOnlyTheTailChanges) {
  TempDir dir;
  const std::string original = ReadWholeFile(kRealAvi);
  const std::string other_list = ListChunk("INFO", Chunk("INAM", "Name\0"s) + Chunk("IART", "Artist\0"s));
  const struct {
    const char* name;
    std::string after_index;
    std::string kept;  // what follows our list afterwards
  } cases[] = {
      {"their INFO list", other_list, ""},
      {"a chunk after the index", Chunk("JUNK", "padding!"), Chunk("JUNK", "padding!")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = original + c.after_index;
    bytes.replace(4, 4, Le32(static_cast<uint32_t>(bytes.size() - 8)));
    const std::string path = dir.Write("movie.avi", bytes);
    const std::string streams = StreamDigest(path);
    ASSERT_EQ(WriteInfoTagsToFile(path, InfoTagEdit{"My title"s, "Me"s, "Nice"s}).outcome,
              InfoTagOutcome::kWritten);
    const TagValues read = ScanTailTags(ReadWholeFile(path));
    EXPECT_EQ(read.title, "My title");
    EXPECT_EQ(read.creator, "Me");
    EXPECT_EQ(read.comment, "Nice");
    EXPECT_EQ(DemuxerTags(path).title, "My title");
    if (c.kept.empty()) {
      EXPECT_EQ(MetadataValue(path, "title"), "Name");
      EXPECT_EQ(MetadataValue(path, "artist"), "Artist");
    }
    EXPECT_EQ(StreamDigest(path), streams);
    // Only the RIFF size and the bytes after idx1 changed.
    const std::string written = ReadWholeFile(path);
    EXPECT_EQ(written.compare(8, original.size() - 8, original, 8), 0);
    EXPECT_TRUE(written.ends_with(c.kept));
  }
}

}  // namespace
