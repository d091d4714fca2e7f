// A scan of many files runs while the window answers: input is handled as it comes, the commands that
// would change the list are refused meanwhile, and Esc stops the scan and keeps what was read.
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/command_set.h"
#include "app/menu_state.h"
#include "command_test_fixture.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "res/command_ids.h"
#include "scan/intake_run.h"
#include "support/list_rows.h"
#include "support/riff_builder.h"

namespace {

constexpr int kFolders = 20;
constexpr int kFilesPerFolder = 1000;

class WindowWorkTest : public CommandTest {
 protected:
  // 20,000 empty movie files: the freeze to guard against comes from their number, not their size.
  std::string MakeLargeTree() {
    const std::string tree = dir_.path() + "/many";
    for (int folder = 0; folder < kFolders; ++folder) {
      const std::string path = tree + "/f" + std::to_string(folder);
      std::filesystem::create_directories(path);
      for (int file = 0; file < kFilesPerFolder; ++file)
        std::ofstream(path + "/" + std::to_string(file) + ".avi");
    }
    return tree;
  }

  // The rows one step after another on this thread would give, with their keys.
  static std::vector<std::string> RowsOfAPlainRun(const std::string& tree) {
    ListResetForTesting();
    IntakeRun({{IntakeStep::Kind::kFolder, tree}}, 1).RunToEnd();
    return KeyedNames();
  }
  static std::vector<std::string> KeyedNames() {
    std::vector<std::string> rows = RowFileNames();
    for (int row = 0; row < ListRowCount(); ++row)
      rows[row] = std::to_string(ListRowKey(row)) + " " + rows[row];
    return rows;
  }
};

TEST_F(WindowWorkTest, ScanOfManyFilesKeepsTheWindowAnswering) {
  StartWindow();
  const std::string tree = MakeLargeTree();
  Answer(tree);
  HandleCommand(kCmdScan);
  ASSERT_TRUE(WorkRunning());
  EXPECT_FALSE(window_->stopButton()->isHidden());
  EXPECT_EQ(ReadMenuStateCode(kCmdNewList), kMenuGreyed);
  // A refused command does nothing now and is not replayed afterwards.
  HandleCommand(kCmdNewList);

  // The worst wait of a 10 ms timer while the scan runs is the worst wait of any input.
  QElapsedTimer since_tick;
  since_tick.start();
  qint64 worst_gap_ms = 0;
  QTimer ticks;
  QObject::connect(&ticks, &QTimer::timeout,
                   [&] { worst_gap_ms = std::max(worst_gap_ms, since_tick.restart()); });
  ticks.start(10);
  ASSERT_TRUE(WaitForWork());
  ticks.stop();
  std::printf("worst wait of input during a %d-file scan: %lld ms\n", kFolders * kFilesPerFolder,
              static_cast<long long>(worst_gap_ms));
  // Far below the second of a frozen window, with room for a loaded machine and the sanitizers.
  EXPECT_LT(worst_gap_ms, 250);

  const std::vector<std::string> shown = KeyedNames();
  EXPECT_EQ(shown.size(), static_cast<size_t>(kFolders * kFilesPerFolder));
  EXPECT_TRUE(window_->statusPart(0)->text().startsWith("20000file(s) "));
  EXPECT_EQ(ReadMenuStateCode(kCmdNewList), kMenuEnabled);
  EXPECT_EQ(ReadMenuStateCode(kCmdSaveAs), kMenuEnabled);
  EXPECT_TRUE(window_->stopButton()->isHidden());
  EXPECT_EQ(shown, RowsOfAPlainRun(tree));
}

TEST_F(WindowWorkTest, EscStopsTheScanAndKeepsTheRowsRead) {
  StartWindow();
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  const std::string tree = MakeLargeTree();
  Answer(tree);
  HandleCommand(kCmdScan);
  EXPECT_TRUE(window_->stopButton()->isVisible());
  WaitUntil([] { return ListRowCount() >= 100; });
  ASSERT_TRUE(WorkRunning());

  QElapsedTimer stopping;
  stopping.start();
  QTest::keyClick(window_->listView(), Qt::Key_Escape);
  EXPECT_FALSE(WorkRunning());
  std::printf("Esc stopped the scan in %lld ms\n", static_cast<long long>(stopping.elapsed()));
  EXPECT_LT(stopping.elapsed(), 100);

  const std::vector<std::string> kept = KeyedNames();
  QTest::qWait(50);  // nothing more arrives
  EXPECT_EQ(KeyedNames(), kept);
  ASSERT_GE(kept.size(), 100u);
  ASSERT_LT(kept.size(), static_cast<size_t>(kFolders * kFilesPerFolder));
  EXPECT_TRUE(window_->statusPart(0)->text().startsWith(QString::number(kept.size()) + "file(s) "));
  EXPECT_EQ(ReadMenuStateCode(kCmdSaveAs), kMenuEnabled);
  EXPECT_FALSE(window_->stopButton()->isVisible());
  const std::vector<std::string> all = RowsOfAPlainRun(tree);
  EXPECT_TRUE(std::equal(kept.begin(), kept.end(), all.begin()));
}

// The tag write too: Esc stops it between two files, and every row's check mark tells whether its file
// was written.
TEST_F(WindowWorkTest, EscStopsTheTagWriteBetweenTwoFiles) {
  StartWindow();
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  constexpr int kMovies = 2000;
  const std::string original = AviFile(AviSpec{});
  for (int row = 0; row < kMovies; ++row) {
    ListInsertRow(row, row, std::to_string(row) + ".avi");
    ListSetRowPath(row, dir_.Write("tags/" + std::to_string(row) + ".avi", original));
    ListSetCell(row, ColumnPosition(kColTitle), "title");
    ListSetChecked(row, true);
  }
  HandleCommand(kCmdWriteInfo);
  ASSERT_TRUE(WorkRunning());
  EXPECT_EQ(ReadMenuStateCode(kCmdScan), kMenuGreyed);
  WaitUntil([&] { return ReadWholeFile(ListRowPath(0)) != original; });
  QTest::keyClick(window_->listView(), Qt::Key_Escape);
  EXPECT_FALSE(WorkRunning());
  EXPECT_EQ(ReadMenuStateCode(kCmdScan), kMenuEnabled);
  EXPECT_EQ(messages_.size(), 1u);  // the confirmation; the rows left are no failures

  // The files are written in row order: the written ones come first, the rest are as they were.
  int written = 0;
  while (written < kMovies && ReadWholeFile(ListRowPath(written)) != original) ++written;
  for (int row = 0; row < kMovies; ++row) {
    EXPECT_EQ(ListIsChecked(row), row >= written) << row;
    if (row >= written) {
      EXPECT_TRUE(ReadWholeFile(ListRowPath(row)) == original) << row;
    }
  }
  std::printf("Esc stopped the tag write after %d of %d files\n", written, kMovies);
  EXPECT_GE(written, 1);
  EXPECT_LT(written, kMovies);
}

}  // namespace
