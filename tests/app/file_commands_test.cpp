#include <QToolButton>

#include "app/command_set.h"
#include "app/menu_state.h"
#include "command_test_fixture.h"
#include "list/columns.h"
#include "platform/cp932.h"
#include "platform/file_write.h"
#include "res/command_ids.h"

namespace {

using FileCommandsTest = CommandTest;

TEST_F(FileCommandsTest, SaveAsChoosesTheFormatByTheNameAndOverwriteSaveAppendsToText) {
  StartWindow("[Customize]\r\nFileSizeBT=0\r\nFileSizeMB=0\r\nFileSizeKB=0\r\n");
  AddRows(2);
  const std::string txt = dir_.path() + "/list.TXT";
  Answer(txt);
  HandleCommand(kCmdSaveAs);
  const std::string once = ReadWholeFile(txt);
  EXPECT_NE(once.find("a1"), std::string::npos);
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <list.TXT>");
  EXPECT_EQ(ReadMenuStateCode(kCmdOverwriteSave), kMenuEnabled);
  EXPECT_EQ(Cp932ToUtf8(Settings().SavePath), dir_.path());
  HandleCommand(kCmdOverwriteSave);
  EXPECT_GT(ReadWholeFile(txt).size(), once.size());
  EXPECT_EQ(ReadWholeFile(txt).substr(0, once.size()), once);

  const std::string csv = dir_.path() + "/list.csv";
  Answer(csv);
  HandleCommand(kCmdSaveAs);
  const std::string csv_text = ReadWholeFile(csv);
  EXPECT_NE(csv_text.find("a0"), std::string::npos);
  HandleCommand(kCmdOverwriteSave);
  EXPECT_EQ(ReadWholeFile(csv), csv_text);  // replaced, not appended
  EXPECT_TRUE(messages_.empty());
}

// A name that is not TXT, CSV or HTM saves nothing, says so, and keeps the title and the current file.
TEST_F(FileCommandsTest, RefusedNameSavesNothing) {
  StartWindow();
  AddRows(1);
  Answer(dir_.path() + "/list.doc");
  HandleCommand(kCmdSaveAs);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, "保存失敗");
  EXPECT_EQ(messages_[0].text, "TXT・CSV・HTM形式以外では保存できません");
  EXPECT_EQ(messages_[0].icon, QMessageBox::Warning);
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <NewFile.csv>");
  EXPECT_EQ(CurrentListFile(), "");
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "/list.doc"));
}

// A save that fails is reported in Japanese with its file and reason, and changes neither the title nor
// the current list file.
TEST_F(FileCommandsTest, FailedSaveKeepsTitleAndCurrentFile) {
  StartWindow();
  AddRows(1);
  Answer(dir_.path() + "/no such folder/list.csv");
  HandleCommand(kCmdSaveAs);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].text.contains("no such folder/list.csv"));
  EXPECT_TRUE(messages_[0].text.contains("保存先のﾌｫﾙﾀﾞがありません")) << messages_[0].text.toStdString();
  EXPECT_FALSE(messages_[0].text.contains("No such file"));

  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <NewFile.csv>");
  EXPECT_EQ(CurrentListFile(), "");
  EXPECT_EQ(ReadMenuStateCode(kCmdOverwriteSave), kMenuGreyed);
}

TEST_F(FileCommandsTest, OpeningCsvAddsItsRowsAndEnablesTheListCommands) {
  StartWindow("[Customize]\r\nFileSizeBT=0\r\nFileSizeMB=0\r\nFileSizeKB=0\r\n");
  AddRows(2);
  const std::string csv = dir_.path() + "/saved.csv";
  Answer(csv);
  HandleCommand(kCmdSaveAs);
  HandleCommand(kCmdNewList);
  EXPECT_EQ(ListRowCount(), 0);
  EXPECT_EQ(ReadMenuStateCode(kCmdOverwriteSave), kMenuGreyed);
  EXPECT_FALSE(window_->toolButton(kCmdCut)->isEnabled());
  AddRows(1);

  Answer(csv);
  HandleCommand(kCmdOpenList);
  EXPECT_EQ(ListRowCount(), 3);
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <saved.csv>");
  EXPECT_EQ(Cp932ToUtf8(Settings().LoadPath), dir_.path());
  for (int item : {kCmdEditEntry, kCmdSaveAs, kCmdCut, kCmdCopy, kCmdDelete, kCmdOverwriteSave, kCmdFind,
                   kCmdPlaybackCheck}) {
    EXPECT_EQ(ReadMenuStateCode(item), kMenuEnabled) << item;
  }
  for (int command : {kCmdSaveAs, kCmdCut, kCmdCopy, kCmdFind})
    EXPECT_TRUE(window_->toolButton(command)->isEnabled());
  EXPECT_EQ(window_->statusPart(0)->text(), "Non Scanning...");  // an open does not refresh the totals
}

// A refused file never becomes the current list file, so an overwrite save cannot replace it.
TEST_F(FileCommandsTest, CsvOfOtherColumnsIsRefusedWithItsCodeAndStaysTheUsersFile) {
  StartWindow();
  AddRows(1);
  const std::string mine = dir_.path() + "/mine.csv";
  Answer(mine);
  HandleCommand(kCmdSaveAs);
  const std::string other_text = "\"a\",\"b\"\r\n\"x\",\"y\"\r\n";
  const std::string csv = dir_.Write("other.csv", other_text);
  Answer(csv);
  HandleCommand(kCmdOpenList);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].icon, QMessageBox::Critical);
  EXPECT_EQ(messages_[0].caption, "CSVﾃﾞｰﾀ読み込み失敗 [ｶﾃｺﾞﾘ数不一致]");
  EXPECT_TRUE(messages_[0].text.endsWith("ｴﾗｰｺｰﾄﾞ1"));
  EXPECT_EQ(ListRowCount(), 1);
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <mine.csv>");
  EXPECT_EQ(CurrentListFile(), mine);
  HandleCommand(kCmdOverwriteSave);
  EXPECT_EQ(ReadWholeFile(csv), other_text);
}

// Lines that do not line up are named after loading; cells a CSV file cannot carry after saving.
TEST_F(FileCommandsTest, MisalignedLinesAndUnreadableCellsAreNamedInOneBoxEach) {
  StartWindow("[Customize]\r\nFileSizeBT=0\r\nFileSizeMB=0\r\nFileSizeKB=0\r\n");
  AddRows(3);
  ListSetCell(1, 0, "holiday.avi\",\"x.avi");
  ListSetCell(2, ColumnPosition(kColTitle), "two\nlines");
  const std::string csv = dir_.path() + "/list.csv";
  Answer(csv);
  HandleCommand(kCmdSaveAs);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].icon, QMessageBox::Warning);
  EXPECT_EQ(messages_[0].caption, "CSVﾃﾞｰﾀ書き込み警告");
  EXPECT_TRUE(messages_[0].text.endsWith("\n3行目 ﾌｧｲﾙ名\n4行目 ﾀｲﾄﾙ")) << messages_[0].text.toStdString();
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <list.csv>");  // saved all the same

  HandleCommand(kCmdNewList);
  Answer(csv);
  HandleCommand(kCmdOpenList);
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[1].caption, "CSVﾃﾞｰﾀ読み込み警告");
  EXPECT_TRUE(messages_[1].text.endsWith("\n3行目\n4行目\n5行目")) << messages_[1].text.toStdString();
  ASSERT_EQ(ListRowCount(), 4);
  EXPECT_EQ(ListRowMisaligned(0), false);
  EXPECT_EQ(ListRowMisaligned(1), true);
}

TEST_F(FileCommandsTest, OpeningTextMakesItTheAppendTarget) {
  StartWindow();
  const std::string txt = dir_.Write("log.txt", "old\r\n");
  Answer(txt);
  HandleCommand(kCmdOpenList);
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <log.txt> Append Only!");
  EXPECT_EQ(ReadMenuStateCode(kCmdOverwriteSave), kMenuEnabled);
  EXPECT_TRUE(window_->toolButton(kCmdSaveAs)->isEnabled());
  EXPECT_EQ(ReadMenuStateCode(kCmdSaveAs), kMenuGreyed);  // only the button
  EXPECT_EQ(ReadWholeFile(txt), "old\r\n");
  AddRows(1);
  HandleCommand(kCmdOverwriteSave);
  EXPECT_EQ(ReadWholeFile(txt).substr(0, 5), "old\r\n");
  EXPECT_NE(ReadWholeFile(txt).find("a0"), std::string::npos);

  Answer("");  // cancelled: nothing changes
  HandleCommand(kCmdOpenList);
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <log.txt> Append Only!");
}

}  // namespace
