// Runs the built tessaroll-cli binary.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/cp932.h"
#include "support/riff_builder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;

ProgramResult Cli(const std::vector<std::string>& arguments) {
  return RunProgram(TESSAROLL_CLI_PATH, arguments);
}

TEST(CliProbe, OneTabSeparatedLinePerFile) {
  TempDir dir;
  const std::string rm = dir.Write("x.rm", ".RMF\0\0\0\x12"s);
  const std::string wide = dir.Write("y.mov", "\0\0\0\x08wide"s);
  const std::string seven = dir.Write("z.avi", "1234567"s);
  ProgramResult result = Cli({"--probe", rm, wide, seven});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, rm + "\tRealVideo\tRealAudio\t\t\t\t\t\t0\n" +        //
                            wide + "\tQuickTime\tQuickTime\t\t\t\t\t\t0\n" +  //
                            seven + "\t\t\t\t\t\t\t\t0\n");
  EXPECT_EQ(result.err, "");
}

TEST(CliProbe, PathIsCp932UnlessUtf8) {
  TempDir dir;
  const std::string path = dir.Write("動画.rm", ".RMF\0\0\0\x12"s);
  const std::string tail = "\tRealVideo\tRealAudio\t\t\t\t\t\t0\n";
  EXPECT_EQ(Cli({"--probe", path}).out, Utf8ToCp932(path) + tail);
  EXPECT_EQ(Cli({"--utf8", "--probe", path}).out, path + tail);
}

TEST(CliProbe, RiffFilesWithInstalledDecoders) {
  TempDir dir;
  AviSpec one_stream;
  one_stream.has_audio = false;
  one_stream.handler = "MJPG";
  const std::string avi = dir.Write("a.avi", AviFile(one_stream));
  const std::string wav = dir.Write("b.wav", WaveFile({}, 176400));
  ProgramResult result = Cli({"--probe", "--check", "--utf8", avi, wav});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, avi + "\tMotion JPEG\t音声なし\t\t\t25.00\t320x240\t00:10\t4\n" +  //
                            wav + "\t\tPCM\t\t44.10kHz/16bit\t\t\t00:01\t6\n");
  // Without --check the result is 0; without --utf8 the texts are CP932.
  EXPECT_EQ(Cli({"--probe", avi}).out,
            Utf8ToCp932(avi + "\tMotion JPEG\t音声なし\t\t\t25.00\t320x240\t00:10\t0\n"));
}

// Over 1 GiB ffmpeg goes on in a RIFF "AVIX" chunk after the first RIFF chunk: the video rate is the
// whole file's kbit per second less the audio's. Raw frames copied from /dev/zero take a few seconds.
TEST(CliProbe, MovieOverOneGibibyteMadeByFfmpeg) {
  TempDir dir;
  if (std::filesystem::space(dir.path()).available < (uintmax_t{2} << 30)) {
    GTEST_SKIP() << "needs 2 GiB free in " << dir.path();
  }
  const std::string path = dir.path() + "/big.avi";
  constexpr double kSeconds = 45, kAudioKbit = 32;
  ProgramResult made = RunProgram(
      "ffmpeg",
      {"-v", "error", "-f",   "rawvideo",  "-pix_fmt", "gray",       "-s",   "1024x1024",
       "-r", "25",    "-i",   "/dev/zero", "-f",       "lavfi",      "-i",   "anullsrc=r=8000:cl=mono",
       "-t", "45",    "-c:v", "copy",      "-c:a",     "libmp3lame", "-b:a", "32k",
       path});
  ASSERT_EQ(made.exit_code, 0) << made.err;
  // A missing settings file: MPG4RATE takes its default, 1.
  ProgramResult result = Cli({"-s", dir.path() + "/none.ini", "--probe", path});
  std::vector<std::string> fields;
  for (size_t start = 0, tab; start < result.out.size(); start = tab + 1) {
    tab = std::min(result.out.find_first_of("\t\n", start), result.out.size());
    fields.push_back(result.out.substr(start, tab - start));
  }
  ASSERT_EQ(fields.size(), 9u) << result.out;
  const double expected = std::filesystem::file_size(path) / 1024.0 * 8 / kSeconds - kAudioKbit;
  EXPECT_NEAR(std::stod(fields[3]), expected, expected / 100);
  EXPECT_EQ(fields[3].substr(fields[3].size() - 4), "kbit");
  EXPECT_EQ(fields[4], "8.00kHz/32kbit");
  EXPECT_EQ(fields[7], "00:45");
}

TEST(CliProbe, LaterKindsWithInstalledDecoders) {
  const std::string data = TESSAROLL_SOURCE_DIR "/tests/data/";
  ProgramResult result = Cli({"--probe", "--check", data + "vp9_opus.mkv", data + "opus.opus"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, data + "vp9_opus.mkv\tVP9\tOpus\t\t48.00kHz\t30.00\t64x48\t00:02\t0\n" +  //
                            data + "opus.opus\t\tOpus\t\t48.00kHz/18kbit\t\t\t00:02\t6\n");
}

// A missing file and a FIFO (which must not block) each get their empty line and make the exit code 1.
TEST(CliProbe, UnreadableFileStillGetsItsLineAndExitsOne) {
  TempDir dir;
  const std::string missing = dir.path() + "/missing.avi";
  const std::string fifo = dir.path() + "/pipe.avi";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const std::string rm = dir.Write("x.rm", ".RMF\0\0\0\x12"s);
  ProgramResult result = Cli({"--probe", missing, fifo, rm});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, missing + "\t\t\t\t\t\t\t\t0\n" + fifo + "\t\t\t\t\t\t\t\t0\n" + rm +
                            "\tRealVideo\tRealAudio\t\t\t\t\t\t0\n");
  EXPECT_NE(result.err.find("missing.avi"), std::string::npos);
  EXPECT_NE(result.err.find("pipe.avi"), std::string::npos);
}

TEST(CliProbe, UsageErrorsExitTwoWithOneLine) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--probe"}, {"--bogus"}, {"--check", "a.avi"}, {}}) {
    SCOPED_TRACE(arguments.empty() ? "no arguments" : arguments[0]);
    ProgramResult result = Cli(arguments);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.out, "");
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1);
  }
  ProgramResult help = Cli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("--probe"), std::string::npos);
}

// A machine without FFmpeg's libraries: the program runs with libavformat hidden behind an empty file
// (in a mount namespace of its own). The original kinds read as before; the later kinds of an original
// container still say what they are, the rest stay empty, and nothing fails.
TEST(CliProbe, WithoutTheMediaLibrariesTheOriginalKindsReadAsBefore) {
  Dl_info library{};
  ASSERT_NE(dladdr(reinterpret_cast<void*>(&avformat_version), &library), 0);
  const std::vector<std::string> hide{"-m", "sh", "-c", "mount --bind /dev/null \"$0\" && exec \"$@\"",
                                      library.dli_fname};
  std::vector<std::string> can_hide = hide;
  can_hide.push_back("true");
  if (RunProgram("unshare", can_hide).exit_code != 0) GTEST_SKIP() << "no mount namespace to hide it in";
  const std::string data = TESSAROLL_SOURCE_DIR "/tests/data/";
  const struct {
    const char* name;
    const char* fields_without;  // nullptr: as with the libraries
  } files[] = {
      {"msmpeg4_mp3.avi", nullptr},
      {"pcm_u8_8k.wav", nullptr},
      {"mpeg1_25fps_44k.mpg", nullptr},
      {"wmv2_wmav2.wmv", "\tASF\tASF\t\t\t\t\t\t0"},
      {"h264_aac.mp4", "\tQuickTime\tQuickTime\t\t\t\t\t\t0"},
      {"vp9_opus.mkv", "\t\t\t\t\t\t\t\t0"},
  };
  std::vector<std::string> probe{"--probe"};
  for (const auto& file : files) probe.push_back(data + file.name);
  const ProgramResult with = Cli(probe);
  std::vector<std::string> hidden = hide;
  hidden.push_back(TESSAROLL_CLI_PATH);
  hidden.insert(hidden.end(), probe.begin(), probe.end());
  const ProgramResult without = RunProgram("unshare", hidden);
  ASSERT_EQ(without.exit_code, 0) << without.err;
  std::string expected;
  size_t line_start = 0;
  for (const auto& file : files) {
    const std::string line = with.out.substr(line_start, with.out.find('\n', line_start) + 1 - line_start);
    line_start += line.size();
    expected += file.fields_without ? data + file.name + file.fields_without + "\n" : line;
  }
  EXPECT_EQ(without.out, expected);
  EXPECT_NE(with.out, without.out);  // the libraries were hidden indeed
}

}  // namespace
