// Files of the kinds read through libavformat, made by ffmpeg (tests/data/README): the record agrees with
// what ffprobe reports, and only headers and indexes are read.
#include "probe/av_media_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/cp932.h"
#include "probe/media_file.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"
#include "support/temp_dir.h"

namespace {

const std::string kData = std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/";

std::string Format(const char* format, auto... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

std::string Kbit(int64_t bit_rate) {
  return bit_rate > 0 ? Format("%lldkbit", static_cast<long long>(bit_rate / 1000)) : "";
}

TEST(AvMediaReader, RealFilesAgreeWithFfprobe) {
  // ffprobe's figures. A stream whose bit_rate ffprobe gives as N/A gets the format's bit_rate less the
  // other stream's; both N/A is 0. width 0 is a file without video.
  struct FfprobeReport {
    const char* file;
    const char* video_format;  // from codec_name
    const char* audio_format;
    int width, height, rate_num, rate_den;  // avg_frame_rate, or r_frame_rate where that is 0/0
    int64_t video_bit_rate, audio_bit_rate;
    int sample_rate;
    double duration;
    const char *title, *creator, *comment;  // format tags (Opus: stream tags)
    int check_result;
  };
  const FfprobeReport reports[] = {
      {"h264_aac.mp4", "H.264", "AAC", 64, 48, 25, 1, 28016, 23748, 44100, 2.0, "テスト動画", "山田",
       "ffmpeg test", 0},
      {"h264_aac_faststart.mp4", "H.264", "AAC", 64, 48, 25, 1, 28016, 23748, 44100, 2.0, "テスト動画",
       "山田", "ffmpeg test", 0},
      {"aac.m4a", "", "AAC", 0, 0, 0, 0, 0, 23748, 44100, 2.0, "M4A title", "", "", kWaveAudioPlayable},
      {"vp9_opus.mkv", "VP9", "Opus", 64, 48, 30, 1, 0, 0, 48000, 2.008, "", "", "", 0},
      {"hevc_ac3.mkv", "H.265", "AC-3", 64, 64, 24, 1, 111570 - 64000, 64000, 48000, 1.024, "", "", "", 0},
      {"av1_opus.webm", "AV1", "Opus", 64, 48, 15, 1, 0, 0, 48000, 2.008, "", "", "", 0},
      {"h264_mp2.ts", "H.264", "MP2", 64, 48, 25, 1, 157703 - 64000, 64000, 44100, 1.010911, "", "", "", 0},
      {"flv1_mp3.flv", "flv1", "MP3", 64, 48, 15, 1, 200000, 32000, 22050, 2.049999, "", "", "", 0},
      {"theora_vorbis.ogv", "Theora", "Vorbis", 64, 48, 10, 1, 43456 - 24000, 24000, 22050, 2.0, "", "", "",
       0},
      {"opus.opus", "", "Opus", 0, 0, 0, 0, 0, 18356, 48000, 2.0065, "Opus test", "Someone", "",
       kWaveAudioPlayable},
      // The cover picture is no video; the copyright stands in for the missing artist.
      {"mp3_cover.mp3", "", "MP3", 0, 0, 0, 0, 0, 32000, 22050, 2.063673, "MP3 title", "(C) Tessaroll",
       "note", kWaveAudioPlayable},
      // The comment is "行1", a line feed and 200 "あ": cut to 255 bytes between characters.
      {"flac.flac", "", "FLAC", 0, 0, 0, 0, 0, 102032, 8000, 1.0, "FLAC title", "歌手", nullptr,
       kWaveAudioPlayable},
      {"wmv2_wmav2.wmv", "WMV", "WMA", 64, 48, 15, 1, 52715 - 32000, 32000, 22050, 2.092, "WMV title",
       "WM artist", "", 0},
      {"wmav2.wma", "", "WMA", 0, 0, 0, 0, 0, 32000, 22050, 2.042, "", "", "", kWaveAudioPlayable},
  };
  std::string cut_comment = "行1 ";
  for (int i = 0; i < 125; ++i) cut_comment += "あ";
  for (const FfprobeReport& report : reports) {
    SCOPED_TRACE(report.file);
    const int check_result = ProbeMediaFile(kData + report.file, true);
    const MediaInfoRecord& info = MediaInfo();
    const bool video = report.width != 0;
    EXPECT_EQ(info.video_format, report.video_format);
    EXPECT_EQ(info.audio_format, report.audio_format);
    EXPECT_EQ(info.video_rate, Kbit(report.video_bit_rate));
    EXPECT_EQ(info.audio_rate, Format("%.2fkHz", report.sample_rate / 1000.0) +
                                   (report.audio_bit_rate ? "/" + Kbit(report.audio_bit_rate) : ""));
    EXPECT_EQ(info.frame_rate, video ? Format("%.2f", 1.0 * report.rate_num / report.rate_den) : "");
    EXPECT_EQ(info.picture_size, video ? Format("%dx%d", report.width, report.height) : "");
    const int seconds = static_cast<int>(report.duration);
    EXPECT_EQ(info.play_time, Format("%02d:%02d", seconds / 60, seconds % 60));
    EXPECT_EQ(info.title, Utf8ToCp932(report.title));
    EXPECT_EQ(info.creator, Utf8ToCp932(report.creator));
    EXPECT_EQ(info.comment, Utf8ToCp932(report.comment ? report.comment : cut_comment));
    EXPECT_EQ(check_result, report.check_result);
  }
  EXPECT_EQ(Utf8ToCp932(cut_comment).size(), 254u);
}

uint32_t BigEndian32(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

// The MP4 with its index at the end, its movie data grown by a hole of padding: the index is found by
// skipping the movie data, of which only the first samples are read.
std::string WriteMp4WithLargeMovieData(const TempDir& dir, uint32_t padding) {
  std::string bytes = ReadWholeFile(kData + "h264_aac.mp4");
  size_t box = 0;
  while (bytes.compare(box + 4, 4, "mdat") != 0) box += BigEndian32(bytes, box);
  const size_t movie_end = box + BigEndian32(bytes, box);
  const uint32_t grown = BigEndian32(bytes, box) + padding;
  for (int i = 0; i < 4; ++i) bytes[box + i] = static_cast<char>(grown >> (24 - 8 * i));
  const std::string path = dir.path() + "/large.mp4";
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(movie_end));
  out.seekp(static_cast<std::streamoff>(movie_end + padding));
  out.write(bytes.data() + movie_end, static_cast<std::streamsize>(bytes.size() - movie_end));
  return path;
}

TEST(AvMediaReader, ReadsHeadersAndIndexNotTheMovieData) {
  TempDir dir;
  std::string stream;
  for (int copy = 0; copy < 200; ++copy) stream += ReadWholeFile(kData + "h264_mp2.ts");
  struct Case {
    std::string path;
    const char* play_time;
    uint64_t most_bytes;
  };
  const Case cases[] = {
      // 64 MB: the header, the first samples and the index at the end.
      {WriteMp4WithLargeMovieData(dir, 64 << 20), "00:02", 64 << 10},
      // A transport stream has no index: its first packets, and its last ones for the playing time (the
      // copies repeat the time stamps of one second).
      {dir.Write("long.ts", stream), "00:01", 512 << 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    MediaFile file(c.path);
    ProbeMediaFile(file, c.path, false);
    EXPECT_EQ(MediaInfo().video_format, "H.264");
    EXPECT_EQ(MediaInfo().play_time, c.play_time);
    EXPECT_LE(file.bytes_read(), c.most_bytes);
  }
}

}  // namespace
