#include "probe/mpeg_headers.h"

#include <gtest/gtest.h>

#include "support/mpeg1_builder.h"
#include "support/temp_dir.h"

namespace {

struct SearchResult {
  MpegSystemHeaders headers;
  uint64_t stopped_at = 0;
};

SearchResult Search(const std::string& bytes) {
  TempDir dir;
  SequentialFileReader reader(dir.Write("a.mpg", bytes));
  EXPECT_TRUE(reader.is_open());
  SearchResult result;
  result.headers = FindMpegSystemHeaders(reader);
  result.stopped_at = reader.position();
  return result;
}

// 30 bytes of pack and system header, then a video packet whose sequence header starts at offset 38.
std::string StreamStart(int width = 352, int height = 240, int frame_rate_code = 4) {
  return MpegPackHeader() + MpegSystemHeader() +
         MpegPacket(kMpegVideoStream, MpegSequenceHeaderBytes(width, height, frame_rate_code), 1);
}

}  // namespace

TEST(MpegHeaders, TypicalStreamStopsAfterThirdAudioHeaderByte) {
  const std::string head =
      StreamStart(4095, 2049, 4) + MpegPacket(kMpegAudioStream, MpegAudioFrameBytes(11, 1));
  const SearchResult result = Search(head + std::string(50000, '\x55'));
  ASSERT_TRUE(result.headers.video);
  EXPECT_EQ(4095, result.headers.video->width);
  EXPECT_EQ(2049, result.headers.video->height);
  EXPECT_EQ(4, result.headers.video->frame_rate_code);
  ASSERT_TRUE(result.headers.audio);
  EXPECT_EQ(11, result.headers.audio->bit_rate_index);
  EXPECT_EQ(1, result.headers.audio->sampling_code);
  // The movie data after the header is never consumed: only the fourth header byte is left unread.
  EXPECT_EQ(head.size() - 1, result.stopped_at);
}

TEST(MpegHeaders, SequenceStartCodeOnlyAtEvenOffsets) {
  const std::string audio = MpegPacket(kMpegAudioStream, MpegAudioFrameBytes(1, 0));
  // 00 00 01 B3 with its 0x01 at offset 14.
  SearchResult result = Search(std::string(12, '\xAA') + MpegSequenceHeaderBytes(352, 240, 4) + audio);
  ASSERT_TRUE(result.headers.video);
  EXPECT_EQ(352, result.headers.video->width);

  // The 0x01 at offset 15 is passed over; the next one, at offset 28, is used.
  result = Search(std::string(13, '\xAA') + MpegSequenceHeaderBytes(352, 240, 4) + "\xAA" +
                  MpegSequenceHeaderBytes(176, 144, 3) + audio);
  ASSERT_TRUE(result.headers.video);
  EXPECT_EQ(176, result.headers.video->width);
  EXPECT_EQ(144, result.headers.video->height);
  EXPECT_EQ(3, result.headers.video->frame_rate_code);
  EXPECT_TRUE(result.headers.audio);

  // Only at odd offsets: nothing is found and the search ends at the end of the file.
  const std::string odd_only = std::string(13, '\xAA') + MpegSequenceHeaderBytes(352, 240, 4) + audio;
  result = Search(odd_only);
  EXPECT_FALSE(result.headers.video);
  EXPECT_FALSE(result.headers.audio);
  EXPECT_EQ(odd_only.size(), result.stopped_at);
}

TEST(MpegHeaders, AudioPacketNeedsRunOfThreeBeforeC0) {
  struct Case {
    const char* name;
    std::string before_frame;  // ends where the byte to pass over is expected
    bool found;
  };
  const std::string frame = "\x07" + MpegAudioFrameBytes(5, 2);
  const Case cases[] = {
      {"start code prefix", std::string("\x00\x00\x01\xC0", 4), true},
      {"run of 0x01 bytes", "\x01\x01\x01\xC0", true},
      {"long run", std::string(9, '\0') + "\x01\xC0", true},
      {"run of two", std::string("\x00\x01\xC0", 3), false},
      {"run broken by another byte", std::string("\x00\x00\x02\x01\xC0", 5), false},
      {"C0 after a short run resets the run", std::string("\x00\x00\xC0\x01\xC0", 5), false},
      {"video packet only", std::string("\x00\x00\x01\xE0", 4), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SearchResult result = Search(StreamStart() + c.before_frame + frame);
    EXPECT_TRUE(result.headers.video);
    ASSERT_EQ(c.found, result.headers.audio.has_value());
    if (c.found) {
      EXPECT_EQ(5, result.headers.audio->bit_rate_index);
    }
  }
}

TEST(MpegHeaders, LayerTwoSyncPairsOnly) {
  struct Case {
    const char* name;
    std::string after_packet_start;  // follows 00 00 01 C0 and the byte passed over
    int bit_rate_index;              // -1: no audio header found
  };
  const Case cases[] = {
      {"without CRC", MpegAudioFrameBytes(8, 0), 8},
      {"with CRC", MpegAudioFrameBytes(9, 0, true), 9},
      {"Layer III sync", "\xFF\xFB\x90\x04", -1},
      {"Layer I sync", "\xFF\xFF\x90\x04", -1},
      {"odd pair passed over, later even one used",
       "\x11" + MpegAudioFrameBytes(8, 0) + "\x11" + MpegAudioFrameBytes(12, 0), 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SearchResult result =
        Search(StreamStart() + std::string("\x00\x00\x01\xC0\x07", 5) + c.after_packet_start);
    EXPECT_EQ(c.bit_rate_index >= 0, result.headers.audio.has_value());
    if (result.headers.audio) {
      EXPECT_EQ(c.bit_rate_index, result.headers.audio->bit_rate_index);
    }
  }
}

// A stream cut at every length: each header counts only when all its bytes are there.
TEST(MpegHeaders, StreamCutShortAnywhere) {
  const std::string video_part = StreamStart();
  const std::string full = video_part + MpegPacket(kMpegAudioStream, MpegAudioFrameBytes(3, 0));
  const size_t video_end = video_part.size() - 4;  // just after h4
  const size_t audio_end = full.size() - 1;        // just after b3
  for (size_t length = 0; length <= full.size(); ++length) {
    SCOPED_TRACE(length);
    const SearchResult result = Search(full.substr(0, length));
    EXPECT_EQ(length >= video_end, result.headers.video.has_value());
    EXPECT_EQ(length >= audio_end, result.headers.audio.has_value());
    EXPECT_LE(result.stopped_at, length);
  }
}

TEST(MpegHeaders, ZeroOneFillEndsEverySearch) {
  std::string zero_one;
  for (int i = 0; i < 100000; ++i) zero_one += std::string("\x00\x01", 2);
  SearchResult result = Search(zero_one);
  EXPECT_FALSE(result.headers.video);
  EXPECT_EQ(zero_one.size(), result.stopped_at);

  // The same fill after a sequence header keeps the audio packet search running to the end.
  const std::string after_header = StreamStart() + zero_one;
  result = Search(after_header);
  EXPECT_TRUE(result.headers.video);
  EXPECT_FALSE(result.headers.audio);
  EXPECT_EQ(after_header.size(), result.stopped_at);
}

// The searches find the same headers, and stop at the same byte, wherever the reader's buffers end: the
// audio packet start, its sync pair (on either side of a buffer's end, or across it) and the sequence
// start code (at even offsets only) each moved over the end of the head and of the buffer after it.
TEST(MpegHeaders, SearchesCarryOnAcrossTheReadersBuffers) {
  const std::string audio = std::string("\x00\x00\x01\xC0\x07", 5) + MpegAudioFrameBytes(11, 1);
  const std::string front = StreamStart();
  for (const size_t boundary : {size_t{8192}, size_t{8192 + 16384}}) {
    for (size_t shift = 0; shift < 12; ++shift) {
      SCOPED_TRACE(std::to_string(boundary) + " " + std::to_string(shift));
      const size_t pad = boundary - front.size() - 8 + shift;
      const SearchResult audio_found =
          Search(front + std::string(pad, '\x55') + audio + std::string(64, '\x55'));
      ASSERT_TRUE(audio_found.headers.audio);
      EXPECT_EQ(11, audio_found.headers.audio->bit_rate_index);
      EXPECT_EQ(front.size() + pad + 8, audio_found.stopped_at);

      const size_t even_pad = boundary - 40 + 2 * (shift / 2);  // the start code pair at boundary - 4 ...
      const SearchResult video_found = Search(std::string(even_pad, '\x55') + front + audio);
      ASSERT_TRUE(video_found.headers.video);
      EXPECT_EQ(352, video_found.headers.video->width);
      ASSERT_TRUE(video_found.headers.audio);
      EXPECT_EQ(even_pad + front.size() + 8, video_found.stopped_at);
    }
  }
}
