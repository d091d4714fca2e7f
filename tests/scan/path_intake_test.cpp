#include "scan/path_intake.h"

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "list/columns.h"
#include "list/list_model.h"
#include "scan/core_state_reset.h"
#include "scan/list_entry_builder.h"
#include "scan/scan_progress.h"
#include "settings/settings.h"
#include "support/list_rows.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

using Texts = std::vector<std::string>;

class PathIntakeTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetCoreStateForTesting();
    UseSettingsFileForTesting(dir.path() + "/dorirovo.ini");
    LoadSettings();
    ShowOnlyColumns({});
    SetScanProgressSink([this](const std::string& text) { progress.push_back(text); });
  }
  void TearDown() override { ResetCoreStateForTesting(); }
  std::string P(const std::string& relative) { return dir.path() + "/" + relative; }

  TempDir dir;
  Texts progress;
};

TEST_F(PathIntakeTest, CommandLineCountsEveryPieceButFolders) {
  dir.Write("m/a.avi", "");
  dir.Write("m/x.txt", "");
  dir.Write("m/b.avi", "");
  dir.Write("folder/c.avi", "");
  std::filesystem::create_directories(P(".hidden"));
  PathIntakeSummary summary = TakeCommandLinePaths(
      {P("m/a.avi"), P("m/x.txt"), P("folder"), P("no/such.avi"), "", P(".hidden"), P("m/b.avi")});
  // a at 0; x.txt, the missing file, the empty piece and the hidden folder each count: b goes in at 5,
  // which lies past the end and so becomes the last row. The folder's file follows a.
  EXPECT_EQ(RowFileNames(), (Texts{"a.avi", "c.avi", "b.avi"}));
  EXPECT_EQ(progress, (Texts{"File 0 Reading...", "File 1 Reading...", "File 5 Reading..."}));
  EXPECT_EQ(summary.folders, 1);
  EXPECT_EQ(summary.accepted_files, 2);
  EXPECT_EQ(summary.ignored, 4);
  EXPECT_EQ(summary.last_path, P("m/b.avi"));
}

TEST_F(PathIntakeTest, MissingPathsNeverBecomeTheirFolder) {
  dir.Write("m/a.avi", "");
  PathIntakeSummary summary = TakeCommandLinePaths({P("m/gone.avi"), P("m/gone"), P("m/")});
  // Only the last piece names the folder: its one file is listed once.
  EXPECT_EQ(RowFileNames(), (Texts{"a.avi"}));
  EXPECT_EQ(summary.ignored, 2);
}

TEST_F(PathIntakeTest, RelativePiecesAreTakenAgainstTheWorkingFolder) {
  dir.Write("m/a.avi", "");
  const std::string before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  TakeCommandLinePaths({"m/a.avi", "./m/../m//a.avi"});
  std::filesystem::current_path(before);
  ASSERT_EQ(ListRowCount(), 2);
  EXPECT_EQ(ListRowPath(0), P("m/a.avi"));
  EXPECT_EQ(ListRowPath(1), P("m/a.avi"));
}

TEST_F(PathIntakeTest, AbsoluteCommandLinePathsAreTidy) {
  const std::pair<const char*, const char*> cases[] = {
      {"a.avi", "/w/d/a.avi"},
      {"./a.avi", "/w/d/a.avi"},
      {"../a.avi", "/w/a.avi"},
      {"sub/", "/w/d/sub"},
      {"/x//y/./z/", "/x/y/z"},
      {"/", "/"},
      {"../../..", "/"},
      {".", "/w/d"},
      {"", ""},
  };
  for (auto [piece, absolute] : cases) {
    SCOPED_TRACE(piece);
    EXPECT_EQ(AbsoluteCommandLinePath(piece, "/w/d"), absolute);
  }
}

TEST_F(PathIntakeTest, DroppedFilesGoInAtTheTopInDropOrder) {
  dir.Write("old.avi", "");
  BuildListEntry(P("old.avi"), 0);
  dir.Write("d/one.avi", "");
  dir.Write("d/two.mpg", "");
  dir.Write("d/skip.doc", "");
  dir.Write("d/three.wav", "");
  dir.Write("d/.shown/four.avi", "");  // a hidden folder is not scanned when dropped
  dir.Write("d/Movies/five.avi", "");
  progress.clear();
  PathIntakeSummary summary = TakeDroppedPaths(
      {P("d/one.avi"), P("d/two.mpg"), P("d/skip.doc"), P("d/.shown"), P("d/three.wav"), P("d/Movies")});
  EXPECT_EQ(RowFileNames(), (Texts{"one.avi", "two.mpg", "three.wav", "old.avi", "five.avi"}));
  EXPECT_EQ(progress,
            (Texts{"File 0 Reading...", "File 1 Reading...", "File 2 Reading...", "File 4 Reading..."}));
  EXPECT_EQ(summary.accepted_files, 3);
  EXPECT_EQ(summary.folders, 1);
  EXPECT_EQ(summary.ignored, 2);
  EXPECT_EQ(summary.last_path, P("d/Movies"));
}

}  // namespace
