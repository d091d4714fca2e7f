// AVI and WAVE files made by ffmpeg (tests/data/README): the record agrees with what ffprobe reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "probe/media_info.h"
#include "probe/probe_media_file.h"

namespace {

struct FfprobeReport {
  const char* file;
  const char* codec_tag;  // video codec_tag_string
  int width, height;
  int rate_num, rate_den;  // r_frame_rate
  int sample_rate;
  int bits_per_sample;  // 0 for compressed audio
  int bit_rate;         // audio bit_rate of compressed audio
  double duration;      // format duration in seconds
};

const FfprobeReport kReports[] = {
    {"msmpeg4v2_pcm.avi", "MP42", 64, 48, 15, 1, 8000, 16, 0, 1.0},
    {"msmpeg4_mp3.avi", "MP43", 80, 64, 25, 1, 22050, 0, 32000, 2.08},
    {"mpeg4_adpcm.avi", "FMP4", 96, 72, 30000, 1001, 11025, 4, 0, 2.002},
    {"pcm_u8_8k.wav", nullptr, 0, 0, 0, 0, 8000, 8, 0, 1.5},
};

std::string Format(const char* format, auto... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

TEST(RiffMediaRealFiles, AgreeWithFfprobe) {
  for (const FfprobeReport& report : kReports) {
    SCOPED_TRACE(report.file);
    const std::string path = std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/" + report.file;
    const int check_result = ProbeMediaFile(path, true);
    const MediaInfoRecord& info = MediaInfo();
    const bool is_avi = report.codec_tag != nullptr;
    EXPECT_EQ(info.picture_size, is_avi ? Format("%dx%d", report.width, report.height) : "");
    EXPECT_EQ(info.frame_rate, is_avi ? Format("%.2f", 1.0 * report.rate_num / report.rate_den) : "");
    EXPECT_EQ(info.play_time, Format("%02d:%02d", static_cast<int>(report.duration) / 60,
                                     static_cast<int>(report.duration) % 60));
    const std::string audio_figure = report.bits_per_sample ? Format("%dbit", report.bits_per_sample)
                                                            : Format("%dkbit", report.bit_rate / 1000);
    EXPECT_EQ(info.audio_rate, Format("%.2fkHz/", report.sample_rate / 1000.0) + audio_figure);
    // FFmpeg decodes everything it wrote.
    EXPECT_EQ(check_result, is_avi ? 0 : kWaveAudioPlayable);
  }
}

TEST(RiffMediaRealFiles, CodecNamesFromTheTables) {
  const char* const expected[][2] = {
      {"MPEG4 V2", "PCM"}, {"MPEG4 V3", "MPEG Layer3"}, {"Unknon", "IMA ADPCM"}, {"", "PCM"}};
  for (size_t i = 0; i < std::size(kReports); ++i) {
    SCOPED_TRACE(kReports[i].file);
    ProbeMediaFile(std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/" + kReports[i].file, false);
    EXPECT_EQ(MediaInfo().video_format, expected[i][0]);
    EXPECT_EQ(MediaInfo().audio_format, expected[i][1]);
  }
}

}  // namespace
