#include "probe/mpeg_system_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "probe/media_info.h"
#include "support/mpeg1_builder.h"
#include "support/temp_dir.h"

namespace {

std::string Stream(int frame_rate_code, int bit_rate_index, int sampling_code) {
  return MpegPackHeader() + MpegSystemHeader() +
         MpegPacket(kMpegVideoStream, MpegSequenceHeaderBytes(352, 240, frame_rate_code), 1) +
         MpegPacket(kMpegAudioStream, MpegAudioFrameBytes(bit_rate_index, sampling_code));
}

// Options with both flags on and a fixed playing length that counts how often it is asked.
struct FixedLength {
  int64_t length_ms;
  int calls = 0;
  MpegReadOptions Options(bool get_play_time = true, bool play_time_shown = true) {
    MpegReadOptions options;
    options.get_play_time = get_play_time;
    options.play_time_shown = play_time_shown;
    options.playing_length_ms = [this](const std::string&) {
      ++calls;
      return length_ms;
    };
    return options;
  }
};

std::string Sparse(const TempDir& dir, const std::string& head, uintmax_t length) {
  const std::string path = dir.Write("big.mpg", head);
  std::filesystem::resize_file(path, length);
  return path;
}

}  // namespace

TEST(MpegSystemReader, SixtyMillionBytesInFourHundredSeconds) {
  TempDir dir;
  const std::string path = Sparse(dir, Stream(4, 11, 0), 60000000);
  FixedLength length{400000};
  ReadMpegSystemWith(path, length.Options());
  const MediaInfoRecord& info = MediaInfo();
  EXPECT_EQ("MPEG1", info.video_format);
  EXPECT_EQ("MPEG Layer2", info.audio_format);
  EXPECT_EQ("352x240", info.picture_size);
  EXPECT_EQ("29.97", info.frame_rate);
  EXPECT_EQ("44.1kHz/224kbit", info.audio_rate);
  EXPECT_EQ("1276kbit", info.video_rate);  // 60000000 / 400 / 100 - 224
  EXPECT_EQ("06:40", info.play_time);
  EXPECT_EQ(1, length.calls);
}

TEST(MpegSystemReader, FrameRateTexts) {
  const char* const texts[16] = {"",      "23.97", "24.00", "25.00", "29.97", "30.00", "50.00", "59.94",
                                 "60.00", "",      "",      "",      "",      "",      "",      ""};
  TempDir dir;
  for (int code = 0; code < 16; ++code) {
    SCOPED_TRACE(code);
    ReadMpegSystemWith(dir.Write("a.mpg", Stream(code, 8, 0)), {});
    EXPECT_EQ(texts[code], MediaInfo().frame_rate);
    EXPECT_EQ("352x240", MediaInfo().picture_size);
  }
}

// Index 0 is free format: the header does not give the bit rate, so neither rate is shown.
// Index 15 is forbidden by the standard and shows 0.
TEST(MpegSystemReader, BitRatesAndFreeFormat) {
  const int kbit[16] = {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0};
  TempDir dir;
  FixedLength length{400999};
  for (int index = 0; index < 16; ++index) {
    SCOPED_TRACE(index);
    ReadMpegSystemWith(Sparse(dir, Stream(4, index, 0), 60000000), length.Options());
    EXPECT_EQ("MPEG Layer2", MediaInfo().audio_format);
    const bool free_format = index == 0;
    EXPECT_EQ(free_format ? "" : "44.1kHz/" + std::to_string(kbit[index]) + "kbit", MediaInfo().audio_rate);
    // 60000000 / 400 / 100 less the bit rate, which free format does not give.
    EXPECT_EQ(free_format ? "" : std::to_string(1500 - kbit[index]) + "kbit", MediaInfo().video_rate);
  }
}

// Code 3 is reserved: no frequency to show, while the bit rate still counts for the video rate.
TEST(MpegSystemReader, SamplingFrequenciesAndReservedCode) {
  const char* const audio_rates[4] = {"44.1kHz/128kbit", "48.0kHz/128kbit", "32.0kHz/128kbit", ""};
  TempDir dir;
  FixedLength length{400000};
  for (int code = 0; code < 4; ++code) {
    SCOPED_TRACE(code);
    ReadMpegSystemWith(Sparse(dir, Stream(4, 8, code), 60000000), length.Options());
    EXPECT_EQ("MPEG Layer2", MediaInfo().audio_format);
    EXPECT_EQ(audio_rates[code], MediaInfo().audio_rate);
    EXPECT_EQ("1372kbit", MediaInfo().video_rate);
  }
}

TEST(MpegSystemReader, PlayTimeOnlyWhenAskedAndShown) {
  TempDir dir;
  const std::string path = Sparse(dir, Stream(4, 11, 0), 60000000);

  FixedLength off{400000};
  ReadMpegSystemWith(path, off.Options(false, true));
  EXPECT_EQ("", MediaInfo().play_time);
  EXPECT_EQ("", MediaInfo().video_rate);
  EXPECT_EQ(0, off.calls);

  // The hidden column still gets 00:00, which is never shown.
  FixedLength hidden{400000};
  ReadMpegSystemWith(path, hidden.Options(true, false));
  EXPECT_EQ("00:00", MediaInfo().play_time);
  EXPECT_EQ("", MediaInfo().video_rate);
  EXPECT_EQ(0, hidden.calls);
  EXPECT_EQ("44.1kHz/224kbit", MediaInfo().audio_rate);
}

// Under one second, or a length the service cannot tell, must not divide by zero.
TEST(MpegSystemReader, LengthUnderOneSecondOrUnknown) {
  TempDir dir;
  const std::string path = dir.Write("a.mpg", Stream(4, 11, 0));
  for (int64_t length_ms : {int64_t{0}, int64_t{999}, int64_t{-5000}}) {
    SCOPED_TRACE(length_ms);
    FixedLength length{length_ms};
    ReadMpegSystemWith(path, length.Options());
    EXPECT_EQ("00:00", MediaInfo().play_time);
    EXPECT_EQ("", MediaInfo().video_rate);
    EXPECT_EQ("44.1kHz/224kbit", MediaInfo().audio_rate);
  }
}

// Without an audio header there is no audio bit rate to take off, so no video rate either.
TEST(MpegSystemReader, MissingHeadersLeaveTheirFieldsEmpty) {
  TempDir dir;
  FixedLength length{10000};
  const std::string video_only = MpegPackHeader() + MpegSystemHeader() +
                                 MpegPacket(kMpegVideoStream, MpegSequenceHeaderBytes(320, 240, 5), 1);
  ReadMpegSystemWith(dir.Write("video.mpg", video_only), length.Options());
  EXPECT_EQ("MPEG1", MediaInfo().video_format);
  EXPECT_EQ("320x240", MediaInfo().picture_size);
  EXPECT_EQ("30.00", MediaInfo().frame_rate);
  EXPECT_EQ("", MediaInfo().audio_format);
  EXPECT_EQ("", MediaInfo().audio_rate);
  EXPECT_EQ("", MediaInfo().video_rate);
  EXPECT_EQ("00:10", MediaInfo().play_time);
}

// A file gone since it was listed leaves the whole record empty, even of an earlier probe.
TEST(MpegSystemReader, UnreadableFileEmptiesTheRecord) {
  TempDir dir;
  FixedLength length{400000};
  ReadMpegSystemWith(dir.Write("a.mpg", Stream(4, 11, 0)), length.Options());
  ASSERT_EQ("MPEG1", MediaInfo().video_format);
  ReadMpegSystemWith(dir.path() + "/gone.mpg", length.Options());
  EXPECT_EQ("", MediaInfo().video_format);
  EXPECT_EQ("", MediaInfo().picture_size);
  EXPECT_EQ("", MediaInfo().audio_rate);
  EXPECT_EQ("", MediaInfo().play_time);
}
