// Runs the built tessaroll-cli binary with --write-tags.

#include <string>

#include <gtest/gtest.h>

#include "support/riff_builder.h"
#include "support/run_program.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

ProgramResult Cli(const std::vector<std::string>& arguments) {
  return RunProgram(TESSAROLL_CLI_PATH, arguments);
}

// An AVI whose INFO list after idx1 holds the title.
std::string AviTitled(const std::string& title) {
  return RiffForm("AVI ", AviHeaderList({}) + ListChunk("movi", "") + Chunk("idx1", "") +
                              ListChunk("INFO", Chunk("ISBJ", title + '\0')));
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
  const auto cli = Cli;
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

// The usual round trip with the folder named again after the edited list: its fresh rows show what the
// files hold, so they write nothing and the edits stand. --dry-run first says what would change.
TEST(WriteTagsCli, FreshRowsNeverUndoTheEditsAndDryRunChangesNothing) {
  TempDir dir;
  const std::string settings = dir.Write("dorirovo.ini", "[Customize]\r\nVolLabel=0\r\n");
  const std::string a = dir.Write("tree/a.avi", AviFile({}));
  const std::string b = dir.Write("tree/b.avi", AviFile({}));
  const std::string tree = dir.path() + "/tree";
  const auto cli = [](const std::vector<std::string>& arguments) {
    return RunProgram(TESSAROLL_CLI_PATH, arguments);
  };
  const std::string list = dir.path() + "/list.csv";
  ASSERT_EQ(cli({"-q", "-s", settings, "-o", list, tree}).exit_code, 0);
  std::string csv = ReadWholeFile(list);
  const size_t row_a = csv.find("\"a.avi\"");
  ASSERT_NE(row_a, std::string::npos) << csv;
  // The title is the fifth cell: after the file name and the three sizes.
  size_t title = row_a;
  for (int cell = 0; cell < 4; ++cell) title = csv.find("\",\"", title) + 3;
  ASSERT_EQ(csv.compare(title, 3, "\",\""), 0);
  csv.insert(title, "New");
  const std::string edited = dir.Write("edited.csv", csv);

  ProgramResult dry = cli({"-q", "-s", settings, "-i", edited, "--write-tags", "--dry-run", tree});
  EXPECT_EQ(dry.exit_code, 0) << dry.err;
  EXPECT_EQ(dry.out, a + ": title: \"\" -> \"New\"\n" + b + ": the file already holds these tags\n" + a +
                         ": the file already holds these tags\n" + b +
                         ": the file already holds these tags\n");
  EXPECT_EQ(ReadWholeFile(a), AviFile({}));

  ProgramResult written = cli({"-q", "-s", settings, "-i", edited, "--write-tags", tree});
  EXPECT_EQ(written.exit_code, 0) << written.err;
  EXPECT_EQ(written.err, "");
  ASSERT_EQ(cli({"-q", "-s", settings, "-o", dir.path() + "/again.csv", tree}).exit_code, 0);
  EXPECT_NE(ReadWholeFile(dir.path() + "/again.csv").find("\"New\""), std::string::npos);
  EXPECT_EQ(ReadWholeFile(b), AviFile({}));
}

// A title or a name holding the separator `","` moves the later cells of its line, here the folder
// onto another folder's name: such a line is named, on saving and on loading, and never reaches a file.
TEST(WriteTagsCli, ACellHoldingTheSeparatorNeverRedirectsAWrite) {
  TempDir dir;
  const std::string settings = dir.Write("dorirovo.ini", ShownColumnsIni({kColTitle, kColFolder}));
  const std::string decoy = dir.Write("decoy/a.avi", AviFile({}));
  const std::string titled = dir.Write("tree/a.avi", AviTitled("x\",\"" + dir.path() + "/decoy"));
  const std::string named = dir.Write("tree/holiday.avi\",\"x.avi", AviFile({}));
  const std::string before = ReadWholeFile(titled);
  const std::string list = dir.path() + "/list.csv";
  ProgramResult saved = Cli({"-s", settings, "-o", list, dir.path() + "/tree"});
  EXPECT_EQ(saved.exit_code, 0);
  EXPECT_NE(saved.err.find("line 2, "), std::string::npos) << saved.err;
  EXPECT_NE(saved.err.find("line 3, "), std::string::npos) << saved.err;

  ProgramResult written = Cli({"-s", settings, "-i", list, "--write-tags"});
  for (const char* line : {"line 2: ", "line 3: "}) EXPECT_NE(written.err.find(line), std::string::npos);
  EXPECT_EQ(ReadWholeFile(decoy), AviFile({}));
  EXPECT_EQ(ReadWholeFile(titled), before);
  EXPECT_EQ(ReadWholeFile(named), AviFile({}));
}

}  // namespace
