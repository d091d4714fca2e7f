// AVI and WAVE files made by ffmpeg (tests/data/README): the record agrees with what ffprobe reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "probe/media_info.h"
#include "probe/probe_media_file.h"

namespace {

std::string Format(const char* format, auto... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

TEST(RiffMediaRealFiles, AgreeWithFfprobe) {
  struct FfprobeReport {
    const char* file;
    int width, height, rate_num, rate_den;  // r_frame_rate; all 0 for a WAVE file
    int sample_rate;
    const char* audio_figure;  // bits_per_sample, or bit_rate of compressed audio
    double duration;
    const char* video_format;  // from the handler ffprobe reports as codec_tag_string
    const char* audio_format;
  };
  const FfprobeReport reports[] = {
      {"msmpeg4v2_pcm.avi", 64, 48, 15, 1, 8000, "16bit", 1.0, "MPEG4 V2", "PCM"},            // MP42
      {"msmpeg4_mp3.avi", 80, 64, 25, 1, 22050, "32kbit", 2.08, "MPEG4 V3", "MPEG Layer3"},   // MP43
      {"mpeg4_adpcm.avi", 96, 72, 30000, 1001, 11025, "4bit", 2.002, "Unknon", "IMA ADPCM"},  // FMP4
      {"pcm_u8_8k.wav", 0, 0, 0, 0, 8000, "8bit", 1.5, "", "PCM"},
  };
  for (const FfprobeReport& report : reports) {
    SCOPED_TRACE(report.file);
    const int check_result =
        ProbeMediaFile(std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/" + report.file, true);
    const MediaInfoRecord& info = MediaInfo();
    const bool is_avi = report.width != 0;
    EXPECT_EQ(info.video_format, report.video_format);
    EXPECT_EQ(info.audio_format, report.audio_format);
    EXPECT_EQ(info.picture_size, is_avi ? Format("%dx%d", report.width, report.height) : "");
    EXPECT_EQ(info.frame_rate, is_avi ? Format("%.2f", 1.0 * report.rate_num / report.rate_den) : "");
    EXPECT_EQ(info.audio_rate, Format("%.2fkHz/%s", report.sample_rate / 1000.0, report.audio_figure));
    const int seconds = static_cast<int>(report.duration);
    EXPECT_EQ(info.play_time, Format("%02d:%02d", seconds / 60, seconds % 60));
    // The installed FFmpeg decodes everything it wrote.
    EXPECT_EQ(check_result, is_avi ? 0 : kWaveAudioPlayable);
  }
}

}  // namespace
