// A folder of hostile names and entries, catalogued by the batch command and tagged by the tag writer:
// names that are not UTF-8, characters CP932 lacks, markup and shell syntax in names, a FIFO named
// x.avi, a symbolic link to itself and a link loop of folders. Everything is listed, nothing blocks,
// every real file is reached by its own name, and markup never reaches the HTML list unescaped.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "list/columns.h"
#include "list/list_model.h"
#include "probe/avi_tail.h"
#include "probe/info_tag_writer.h"
#include "scan/core_state_reset.h"
#include "scan/folder_scan.h"
#include "settings/settings.h"
#include "support/riff_builder.h"
#include "support/run_program.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// File names of real AVI files; none of them is valid in a shell line or as CP932 text.
const std::vector<std::string> kAviNames = {"bad\xFF\xFE utf8.avi", "snow \u2603 man.avi",
                                            "<script>alert(1)<script>.avi",
                                            "quote\" $(touch x); rm -rf ~\n.avi", "-rf.avi"};

std::string MakeHostileFolder(const TempDir& dir) {
  for (const std::string& name : kAviNames) dir.Write("tree/" + name, AviFile({}));
  const std::string tree = dir.path() + "/tree";
  EXPECT_EQ(mkfifo((tree + "/x.avi").c_str(), 0644), 0);
  fs::create_symlink("self.avi", tree + "/self.avi");
  fs::create_symlink(".", tree + "/loop");
  fs::create_symlink("../tree", tree + "/up");
  return tree;
}

TEST(CatalogueHostile, BatchCommandListsEverythingAndEscapesMarkup) {
  TempDir dir;
  const std::string tree = MakeHostileFolder(dir);
  const std::string settings = dir.path() + "/no-settings.ini";
  const std::string csv = dir.path() + "/list.csv";
  const std::string html = dir.path() + "/list.htm";
  for (const std::string& output : {csv, html}) {
    SCOPED_TRACE(output);
    ProgramResult result = RunProgram(TESSAROLL_CLI_PATH, {"-q", "-s", settings, "-o", output, "--", tree});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    // The name with a line feed cannot be carried unambiguously by a CSV list: saved, and named.
    EXPECT_EQ(result.err.find("line 5,") != std::string::npos, output == csv) << result.err;
  }
  // Seven rows (five files, the FIFO and the looping link) after the header; the name with a line
  // feed keeps it inside its quoted cell.
  const std::string csv_text = ReadWholeFile(csv);
  EXPECT_EQ(std::count(csv_text.begin(), csv_text.end(), '\n'), 1 + 7 + 1);
  const std::string html_text = ReadWholeFile(html);
  EXPECT_EQ(html_text.find("<script"), std::string::npos);
  EXPECT_NE(html_text.find("&lt;script&gt;alert(1)&lt;script&gt;.avi"), std::string::npos);
  EXPECT_FALSE(fs::exists(tree + "/x"));
}

TEST(CatalogueHostile, TagWriterReachesEveryRealFileByItsOwnName) {
  TempDir dir;
  const std::string tree = MakeHostileFolder(dir);
  UseSettingsFileForTesting(dir.path() + "/no-settings.ini");
  LoadSettings();
  ShowOnlyColumns({kColTitle, kColFolder});
  ScanFolder(tree);
  ASSERT_EQ(ListRowCount(), 7);
  for (int row = 0; row < ListRowCount(); ++row) {
    ListSetCell(row, ColumnPosition(kColTitle), "tagged");
    ListSetChecked(row, true);
  }
  for (const InfoTagRowReport& report : WriteInfoTags()) {
    const std::string name = fs::path(report.path).filename().string();
    SCOPED_TRACE(name);
    const bool real_file = std::find(kAviNames.begin(), kAviNames.end(), name) != kAviNames.end();
    EXPECT_EQ(report.outcome == InfoTagOutcome::kWritten, real_file);
    if (real_file) {
      EXPECT_EQ(LocateAviTail(report.path).info_list.tags.title, "tagged");
    }
    EXPECT_EQ(ListIsChecked(report.row), !real_file);
  }
  struct stat status {};
  ASSERT_EQ(stat((tree + "/x.avi").c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
  ResetCoreStateForTesting();
}

}  // namespace
