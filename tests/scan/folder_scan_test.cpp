#include "scan/folder_scan.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
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

class FolderScanTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetCoreStateForTesting();
    UseSettingsFileForTesting(dir.path() + "/dorirovo.ini");
    LoadSettings();
    ShowOnlyColumns({kColFolder});
  }
  void TearDown() override { ResetCoreStateForTesting(); }
  void MakeFolder(const std::string& relative) {
    std::filesystem::create_directories(dir.path() + "/" + relative);
  }

  TempDir dir;
};

using Names = std::vector<std::string>;

TEST_F(FolderScanTest, EachFoldersFilesComeBeforeItsSubfolders) {
  // In listing order: folder s1 (x, y), file f1, folder s2 (z), file f2.
  for (const char* file : {"A/s1/x.avi", "A/s1/y.avi", "A/s1f1.avi", "A/s2/z.avi", "A/s2f2.avi"})
    dir.Write(file, "");
  dir.Write("old.avi", "");
  BuildListEntry(dir.path() + "/old.avi", 0);
  std::vector<std::string> progress;
  SetScanProgressSink([&](const std::string& text) { progress.push_back(text); });

  ScanFolder(dir.path() + "/A");
  EXPECT_EQ(RowFileNames(), (Names{"old.avi", "s1f1.avi", "s2f2.avi", "x.avi", "y.avi", "z.avi"}));
  // Keys and progress numbers are those of inserting each file at its folder's next row when met:
  // x and y first (keys 1, 2 at rows 1, 2), f1 (key 3 at row 1), z (key 4 at row 4), f2 (key 5 at row 2).
  const std::map<std::string, int> keys = {
      {"s1f1.avi", 3}, {"s2f2.avi", 5}, {"x.avi", 1}, {"y.avi", 2}, {"z.avi", 4}};
  for (int row = 1; row < ListRowCount(); ++row) EXPECT_EQ(ListRowKey(row), keys.at(ListGetCell(row, 0)));
  EXPECT_EQ(progress, (Names{"File 1 Reading...", "File 2 Reading...", "File 1 Reading...",
                             "File 2 Reading...", "File 4 Reading..."}));
  EXPECT_EQ(ListRowPath(3), dir.path() + "/A/s1/x.avi");
  EXPECT_EQ(ListGetCell(3, ColumnPosition(kColFolder)), dir.path() + "/A/s1");
}

TEST_F(FolderScanTest, OnlyPlainFoldersAreEntered) {
  dir.Write("top/.hidden/in_hidden.avi", "");
  dir.Write("top/clips.avi/in_clips.avi", "");      // a folder with a media name is entered, not listed
  dir.Write("top/.x.avi/in_hidden_media.avi", "");  // a hidden folder's name is tested as a file name
  dir.Write("elsewhere/in_link.avi", "");
  dir.Write("top/real.avi", "1234");
  dir.Write("top/notes.txt", "");
  MakeFolder("top/empty");
  const std::string top = dir.path() + "/top";
  std::filesystem::create_directory_symlink(dir.path() + "/elsewhere", top + "/linked");
  std::filesystem::create_directory_symlink(top, top + "/loop");
  std::filesystem::create_symlink(top + "/real.avi", top + "/shortcut.avi");  // read through

  ShowOnlyColumns({kColSizeBytes});
  ScanFolder(top);
  EXPECT_EQ(RowFileNames(), (Names{".x.avi", "real.avi", "shortcut.avi", "in_clips.avi"}));
  EXPECT_EQ(ListGetCell(2, 1), "4");
  EXPECT_EQ(ListGetCell(0, 1), "");
}

TEST_F(FolderScanTest, PathsHaveOneSeparatorWhateverTheFolderEndsWith) {
  dir.Write("m/a.avi", "");
  dir.Write("m/sub/b.avi", "");
  ScanFolder(dir.path() + "/m/");
  ASSERT_EQ(ListRowCount(), 2);
  EXPECT_EQ(ListRowPath(0), dir.path() + "/m/a.avi");
  EXPECT_EQ(ListRowPath(1), dir.path() + "/m/sub/b.avi");
  EXPECT_EQ(ListGetCell(0, ColumnPosition(kColFolder)), dir.path() + "/m");
  // Nothing to list and nothing that can be listed add no rows.
  ScanFolder(dir.path() + "/missing");
  ScanFolder(dir.path() + "/m/a.avi");
  EXPECT_EQ(ListRowCount(), 2);
}

TEST_F(FolderScanTest, DeepTreesNeedNoDeepStack) {
  std::string relative = "deep";
  for (int level = 0; level < 200; ++level) {
    relative += "/d";
    dir.Write(relative + "/f.avi", "");
  }
  ScanFolder(dir.path() + "/deep");
  ASSERT_EQ(ListRowCount(), 200);
  EXPECT_EQ(ListRowPath(0), dir.path() + "/deep/d/f.avi");
  EXPECT_EQ(ListRowPath(199), dir.path() + "/" + relative + "/f.avi");
}

// Root reads every folder, so the unreadable case runs in a child process as an unprivileged user.
TEST_F(FolderScanTest, UnreadableFoldersAreSkippedAndReadOnlyOnesEntered) {
  dir.Write("t/locked/hidden_from_us.avi", "");
  dir.Write("t/readonly/seen.avi", "");
  dir.Write("t/open.avi", "");
  const std::string top = dir.path() + "/t";
  chmod(dir.path().c_str(), 0755);
  chmod((top + "/locked").c_str(), 0000);
  chmod((top + "/readonly").c_str(), 0555);

  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipe_ends[0]);
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    ScanFolder(top);
    std::string names;
    for (int row = 0; row < ListRowCount(); ++row) names += ListGetCell(row, 0) + ";";
    _exit(write(pipe_ends[1], names.data(), names.size()) == static_cast<ssize_t>(names.size()) ? 0 : 4);
  }
  close(pipe_ends[1]);
  std::string names;
  char buffer[256];
  ssize_t got;
  while ((got = read(pipe_ends[0], buffer, sizeof buffer)) > 0) names.append(buffer, got);
  close(pipe_ends[0]);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(names, "open.avi;seen.avi;");
  chmod((top + "/locked").c_str(), 0755);
}

}  // namespace
