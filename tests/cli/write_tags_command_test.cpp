#include "cli/write_tags_command.h"

#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "list/columns.h"
#include "list/list_model.h"
#include "probe/info_list.h"
#include "support/riff_builder.h"
#include "support/run_program.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

class WriteTagsCommandTest : public testing::Test {
 protected:
  void SetUp() override { ShowOnlyColumns({kColTitle, kColCreator, kColComment, kColFolder}); }
  void TearDown() override { ListResetForTesting(); }
  // An unchecked row for the file name (ASCII) in the test folder, reached through its cells.
  void AddRow(const std::string& name, const std::string& title) {
    const int row = ListRowCount();
    ListInsertRow(row, row, name);
    ListSetCell(row, ColumnPosition(kColTitle), title);
    ListSetCell(row, ColumnPosition(kColFolder), dir.path());
  }
  int Run(std::string& err) {
    testing::internal::CaptureStderr();
    const int exit_code = RunWriteTagsCommand(CliOptions{});
    err = testing::internal::GetCapturedStderr();
    return exit_code;
  }
  TempDir dir;
};

TEST_F(WriteTagsCommandTest, EveryRowCountsAsCheckedAndSkipsAreNamed) {
  const std::string avi = AviFile({});
  const std::string wav = WaveFile({}, 4);
  const std::string a = dir.Write("a.avi", avi);
  const std::string b = dir.Write("b.wav", wav);
  AddRow("a.avi", "first");
  AddRow("b.wav", "sound");
  std::string err;
  EXPECT_EQ(Run(err), 0);  // a WAVE row is not an AVI to write: named, but no failure
  EXPECT_EQ(err, "tessaroll-cli: " + b + ": not an .avi name\n");
  std::string tagged = avi + RenderInfoList({"first", "", ""});
  tagged.replace(4, 4, Le32(static_cast<uint32_t>(tagged.size() - 8)));
  EXPECT_EQ(ReadWholeFile(a), tagged);
  EXPECT_EQ(ReadWholeFile(b), wav);
}

TEST_F(WriteTagsCommandTest, AviRowsThatCannotBeWrittenExitOne) {
  const std::string ro = dir.Write("ro.avi", AviFile({}));
  chmod(ro.c_str(), 0444);
  AddRow("ro.avi", "t");
  AddRow("gone.avi", "t");
  std::string err;
  EXPECT_EQ(Run(err), 1);
  EXPECT_EQ(err, "tessaroll-cli: " + ro + ": the write failed; the file is unchanged (Permission denied)\n" +
                     "tessaroll-cli: " + dir.path() + "/gone.avi: no such file\n");
}

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
