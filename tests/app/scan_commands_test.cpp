#include <QAction>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "app/command_set.h"
#include "app/list_notifications.h"
#include "app/menu_state.h"
#include "app/scan_commands.h"
#include "command_test_fixture.h"
#include "list/columns.h"
#include "list/row_file_path.h"
#include "platform/cp932.h"
#include "res/command_ids.h"
#include "scan/scan_progress.h"
#include "support/list_rows.h"

namespace {

using ScanCommandsTest = CommandTest;

TEST_F(ScanCommandsTest, ScanListsTheFolderAndEnablesTheListCommands) {
  StartWindow();
  dir_.Write("movies/b.avi", "RIFF");
  dir_.Write("movies/a.wav", "RIFF");
  dir_.Write("movies/notes.txt", "x");
  Answer("");
  HandleCommand(kCmdScan);  // cancelled
  EXPECT_EQ(ListRowCount(), 0);
  EXPECT_EQ(ReadMenuStateCode(kCmdEditEntry), kMenuGreyed);

  Answer(dir_.path() + "/movies");
  HandleCommand(kCmdScan);
  ASSERT_TRUE(WaitForWork());
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"a.wav", "b.avi"}));
  for (int item : {kCmdEditEntry, kCmdSaveAs, kCmdCut, kCmdCopy, kCmdDelete, kCmdFind, kCmdPlaybackCheck}) {
    EXPECT_EQ(ReadMenuStateCode(item), kMenuEnabled) << item;
  }
  EXPECT_TRUE(window_->toolButton(kCmdCut)->isEnabled());
  EXPECT_TRUE(window_->statusPart(0)->text().startsWith("2file(s) "));
  EXPECT_TRUE(window_->statusPart(1)->text().startsWith("DiskMax: "));
  EXPECT_TRUE(window_->statusPart(3)->text().startsWith("Per: "));

  // With ListClear on, a scan starts a new list.
  Settings().ListClear = 1;
  window_->setWindowTitle("old");
  Answer(dir_.path() + "/movies");
  HandleCommand(kCmdScan);
  ASSERT_TRUE(WaitForWork());
  EXPECT_EQ(ListRowCount(), 2);
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <NewFile.csv>");
}

// A collection of the original and the later kinds: the later rows come with the scan and follow their
// filter item, sort, save and come back as CSV, and a tag write passes them over with their check mark.
TEST_F(ScanCommandsTest, MixedCollectionWithTheLaterKinds) {
  StartWindow();
  const std::string data = TESSAROLL_SOURCE_DIR "/tests/data/";
  for (const char* name : {"msmpeg4v2_pcm.avi", "h264_aac.mp4", "flac.flac", "wmav2.wma"}) {
    dir_.Write(std::string("m/") + name, ReadWholeFile(data + name));
  }
  const auto scan = [&] {
    HandleCommand(kCmdNewList);
    Answer(dir_.path() + "/m");
    HandleCommand(kCmdScan);
    ASSERT_TRUE(WaitForWork());
  };
  HandleCommand(kCmdFilterAudio);
  scan();
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"h264_aac.mp4", "msmpeg4v2_pcm.avi", "wmav2.wma"}));
  HandleCommand(kCmdFilterAudio);
  scan();
  EXPECT_EQ(RowFileNames(),
            (std::vector<std::string>{"flac.flac", "h264_aac.mp4", "msmpeg4v2_pcm.avi", "wmav2.wma"}));
  HandleHeaderClick(ColumnPosition(kColSizeBytes));
  const std::vector<std::string> by_size = {"wmav2.wma", "flac.flac", "h264_aac.mp4", "msmpeg4v2_pcm.avi"};
  EXPECT_EQ(RowFileNames(), by_size);

  const std::string csv = dir_.path() + "/list.csv";
  Answer(csv);
  HandleCommand(kCmdSaveAs);
  HandleCommand(kCmdNewList);
  Answer(csv);
  HandleCommand(kCmdOpenList);
  EXPECT_EQ(RowFileNames(), by_size);
  EXPECT_EQ(ListGetCell(2, ColumnPosition(kColTitle)), Utf8ToCp932("テスト動画"));
  EXPECT_EQ(ListGetCell(2, ColumnPosition(kColVideoFormat)), "H.264");

  for (int row = 0; row < 3; ++row) {
    ListSetCell(row, ColumnPosition(kColTitle), "new title");
    ListSetChecked(row, true);
  }
  HandleCommand(kCmdWriteInfo);
  ASSERT_TRUE(WaitForWork());
  EXPECT_EQ(messages_.size(), 1u);  // the confirmation, no failure
  for (int row = 0; row < 3; ++row) {
    EXPECT_TRUE(ListIsChecked(row)) << row;
    EXPECT_TRUE(ReadWholeFile(ResolveRowFile(row).path) == ReadWholeFile(data + RowFileNames()[row]));
  }
}

TEST_F(ScanCommandsTest, MenuToolbarAndAcceleratorReachTheScan) {
  StartWindow();
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  dir_.Write("m/a.avi", "x");
  Answer(dir_.path() + "/m");
  window_->toolButton(kCmdScan)->click();
  ASSERT_TRUE(WaitForWork());
  Answer(dir_.path() + "/m");
  window_->commandAction(kCmdScan)->trigger();
  ASSERT_TRUE(WaitForWork());
  Answer(dir_.path() + "/m");
  QTest::keyClick(window_->listView(), Qt::Key_M, Qt::ControlModifier);
  ASSERT_TRUE(WaitForWork());
  EXPECT_TRUE(answers_.empty());
  EXPECT_EQ(ListRowCount(), 3);
}

TEST_F(ScanCommandsTest, ProgressShowsInTheStatusBarAtOnce) {
  StartWindow();
  window_->show();
  ReportScanProgress(7);
  EXPECT_EQ(window_->statusPart(0)->text(), "File 7 Reading...");
}

TEST_F(ScanCommandsTest, AutoScanOfAMissingFolderWarns) {
  StartWindow("[Customize]\r\nAutoScan=" + Utf8ToCp932(dir_.path() + "/消えた") + "\r\n");
  HandleCommand(kCmdAutoScan);
  ASSERT_TRUE(WaitForWork());
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, "ｽｷｬﾝ実行ｴﾗｰ");
  EXPECT_EQ(messages_[0].icon, QMessageBox::Warning);
  EXPECT_EQ(ReadMenuStateCode(kCmdSaveAs), kMenuGreyed);

  dir_.Write("消えた/x.avi", "RIFF");
  HandleCommand(kCmdAutoScan);
  ASSERT_TRUE(WaitForWork());
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_EQ(RowFileNames(), std::vector<std::string>{"x.avi"});
}

TEST_F(ScanCommandsTest, DroppedFilesGoInAtTheTopInDropOrder) {
  StartWindow();
  AddRows(2);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir_.Write("c.avi", "x"))),
                QUrl::fromLocalFile(QString::fromStdString(dir_.Write("readme.txt", "x"))),
                QUrl::fromLocalFile(QString::fromStdString(dir_.Write("a b.mpg", "x"))),
                QUrl::fromLocalFile(QString::fromStdString(dir_.Write("b.wav", "x"))),
                QUrl("https://example.org/d.avi")});
  window_->takeDroppedData(data);
  ASSERT_TRUE(WaitForWork());
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"c.avi", "a b.mpg", "b.wav", "a0", "a1"}));
  EXPECT_TRUE(window_->statusPart(0)->text().startsWith("5file(s) "));
  EXPECT_EQ(ReadMenuStateCode(kCmdCut), kMenuEnabled);
  EXPECT_EQ(ReadMenuStateCode(kCmdEditEntry), kMenuGreyed);  // only scans enable the entry editor
}

TEST_F(ScanCommandsTest, CommandLinePiecesCountIgnoredOnesButNotFolders) {
  dir_.Write("m/a.avi", "x");
  dir_.Write("m/x.txt", "x");
  dir_.Write("m/b.avi", "x");
  dir_.Write("m/sub/c.avi", "x");
  settings_path_ = dir_.path() + "/dorirovo.ini";
  UseSettingsFileForTesting(settings_path_);
  LoadSettings();
  window_ = std::make_unique<MainWindow>(
      std::vector<std::string>{dir_.path() + "/m/a.avi", dir_.path() + "/m/sub", dir_.path() + "/m/x.txt",
                               dir_.path() + "/missing.avi", dir_.path() + "/m/b.avi"});
  ApplyWindowSettings();
  ASSERT_TRUE(WaitForWork());
  // a.avi at 0; the folder adds c.avi at the end and does not count; x.txt and the missing path count.
  ASSERT_EQ(ListRowCount(), 3);
  EXPECT_EQ(ListGetCell(0, 0), "a.avi");
  EXPECT_EQ(ListGetCell(1, 0), "c.avi");
  EXPECT_EQ(ListGetCell(2, 0), "b.avi");
  EXPECT_EQ(ListRowKey(2), 2);  // b.avi was given row index 3, past the end
  EXPECT_TRUE(window_->statusPart(0)->text().startsWith("3file(s) "));
  EXPECT_EQ(ReadMenuStateCode(kCmdSaveAs), kMenuEnabled);
}

TEST_F(ScanCommandsTest, ClickShowsTheSelectionSummary) {
  StartWindow("[Customize]\r\nFileSizeBT=0\r\nFileSizeMB=0\r\n");
  for (const char* size : {"1,000", "2,500", "600", "7"}) {
    const int row = ListRowCount();
    ListInsertRow(row, row, "f.avi");
    ListSetCell(row, ColumnPosition(kColSizeKB), size);
  }
  for (int row : {0, 1, 2}) ListSetSelected(row, true);
  HandleListClick();
  EXPECT_EQ(window_->statusPart(0)->text(), "3ﾌｧｲﾙ選択 4,100KB(4.0MB)");
  for (int row : {1, 2}) ListSetSelected(row, false);
  HandleListClick();
  EXPECT_EQ(window_->statusPart(0)->text(), "Non Scanning...");
}

}  // namespace
