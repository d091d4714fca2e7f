// Runs the built tessaroll-cli binary with --write-tags.

#include <string>

#include <gtest/gtest.h>

#include "support/riff_builder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

// The batch command end to end: list to CSV, edit the CSV, write the tags, list the folder again.
TEST(WriteTagsCli, EditedCsvTagsReachTheFilesAndAFreshListShowsThem) {
  TempDir dir;
  // Shown: file name, title, genre, creator, comment, folder.
  const std::string settings =
      dir.Write("dorirovo.ini",
                "[Customize]\r\nFileSizeBT=0\r\nFileSizeMB=0\r\nFileSizeKB=0\r\nMoveInfo=0\r\nAudioInfo=0\r\n"
                "VideoRate=0\r\nAudioRate=0\r\nFlameRate=0\r\nResolusion=0\r\nPlayTime=0\r\nVolLabel=0\r\n");
  const std::string avi = dir.Write("tree/a.avi", AviFile({}));
  const std::string wav = dir.Write("tree/b.wav", WaveFile({}, 4));
  const std::string fake = dir.Write("tree/c.avi", "RIFF\x04\0\0\0WAVE");
  const std::string tree = dir.path() + "/tree";
  const auto cli = [](const std::vector<std::string>& arguments) {
    return RunProgram(TESSAROLL_CLI_PATH, arguments);
  };
  ASSERT_EQ(cli({"-s", settings, "-o", dir.path() + "/list.csv", tree}).exit_code, 0);
  std::string csv = ReadWholeFile(dir.path() + "/list.csv");
  const std::string empty_a = "\"a.avi\",\"\",\"\",\"\",\"\"";
  ASSERT_NE(csv.find(empty_a), std::string::npos) << csv;
  csv.replace(csv.find(empty_a), empty_a.size(), "\"a.avi\",\"My Title\",\"Drama\",\"Me\",\"a, comment\"");
  const std::string edited = dir.Write("edited.csv", csv);

  ProgramResult written = cli({"-s", settings, "-i", edited, "--write-tags"});
  EXPECT_EQ(written.exit_code, 1);  // c.avi is no RIFF AVI
  EXPECT_EQ(written.out, "");
  EXPECT_EQ(written.err, "tessaroll-cli: " + wav + ": not an .avi name\n" + "tessaroll-cli: " + fake +
                             ": not a RIFF AVI file\n");
  EXPECT_EQ(ReadWholeFile(wav), WaveFile({}, 4));

  ASSERT_EQ(cli({"-s", settings, "-o", dir.path() + "/again.csv", tree}).exit_code, 0);
  // The genre is no tag; the other three come back from the file.
  EXPECT_NE(
      ReadWholeFile(dir.path() + "/again.csv").find("\"a.avi\",\"My Title\",\"\",\"Me\",\"a, comment\""),
      std::string::npos);
}

}  // namespace
