// AVI and WAVE files made by ffmpeg (tests/data/README, or here while the test runs): the record agrees
// with what ffprobe reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "probe/info_tag_file.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"
#include "support/media_fields.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

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

// The first stream of the kind (v or a) as ffprobe reports it: key=value for each entry asked.
std::map<std::string, std::string> Ffprobe(const std::string& path, const char* kind, const char* entries) {
  const ProgramResult result =
      RunProgram("ffprobe", {"-v", "error", "-select_streams", std::string(kind) + ":0", "-show_entries",
                             std::string("stream=") + entries, "-of", "default=noprint_wrappers=1", path});
  std::map<std::string, std::string> values;
  for (size_t start = 0, end; (end = result.out.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = result.out.substr(start, end - start);
    values[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
  }
  return values;
}

std::string PlayTime(double seconds) {
  return Format("%02d:%02d", static_cast<int>(seconds) / 60, static_cast<int>(seconds) % 60);
}

// An interrupted download: the RIFF size still claims the whole file. Its header lists are whole, so
// every field is that of the whole file (K and a WAVE file's playing time from the stored RIFF size),
// and its header facts are those ffprobe reads from the cut file. The tag writer leaves it alone.
TEST(RiffMediaRealFiles, CutFilesGiveTheWholeFilesHeaderFacts) {
  TempDir dir;
  const std::string avi = dir.path() + "/whole.avi", wav = dir.path() + "/whole.wav";
  const std::string sine = "sine=frequency=440:sample_rate=22050:duration=10";
  ASSERT_EQ(RunProgram("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                                  "testsrc=size=160x120:rate=25:duration=10", "-f", "lavfi", "-i", sine,
                                  "-c:v", "msmpeg4", "-c:a", "libmp3lame", "-b:a", "64k", "-ac", "1", avi})
                .exit_code,
            0);
  ASSERT_EQ(
      RunProgram("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", sine, "-c:a", "pcm_s16le", wav}).exit_code,
      0);
  const std::string wav_time = PlayTime(std::stod(Ffprobe(wav, "a", "duration")["duration"]));

  for (const std::string& whole : {avi, wav}) {
    ProbeMediaFile(whole, false);
    const std::vector<std::string> whole_fields = MediaInfoFields();
    const std::string bytes = ReadWholeFile(whole);
    for (int percent : {10, 50, 90}) {
      const std::string cut_bytes = bytes.substr(0, bytes.size() * percent / 100);
      const std::string cut =
          dir.Write("cut" + std::to_string(percent) + whole.substr(whole.size() - 4), cut_bytes);
      SCOPED_TRACE(cut);
      ProbeMediaFile(cut, false);
      EXPECT_EQ(MediaInfoFields(), whole_fields);
      const MediaInfoRecord& info = MediaInfo();
      auto audio = Ffprobe(cut, "a", "sample_rate,bits_per_sample,bit_rate");
      const std::string figure = audio["bits_per_sample"] != "0"
                                     ? audio["bits_per_sample"] + "bit"
                                     : std::to_string(std::stoi(audio["bit_rate"]) / 1000) + "kbit";
      EXPECT_EQ(info.audio_rate,
                Format("%.2fkHz/%s", std::stoi(audio["sample_rate"]) / 1000.0, figure.c_str()));
      if (whole == avi) {
        auto video = Ffprobe(cut, "v", "width,height,r_frame_rate,nb_frames");
        const std::string rate = video["r_frame_rate"];
        const double fps = std::stod(rate) / std::stod(rate.substr(rate.find('/') + 1));
        EXPECT_EQ(info.picture_size, video["width"] + "x" + video["height"]);
        EXPECT_EQ(info.frame_rate, Format("%.2f", fps));
        EXPECT_EQ(info.play_time, PlayTime(std::stoi(video["nb_frames"]) / fps));  // from the stream header
      } else {
        EXPECT_EQ(info.play_time, wav_time);
      }
      EXPECT_NE(WriteInfoTagsToFile(cut, {std::string("t"), {}, {}}).outcome, InfoTagOutcome::kWritten);
      EXPECT_EQ(ReadWholeFile(cut), cut_bytes);
    }
  }
}

}  // namespace
