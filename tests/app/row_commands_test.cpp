#include <QItemSelectionModel>
#include <cerrno>

#include "app/command_set.h"
#include "command_test_fixture.h"
#include "list/columns.h"
#include "platform/file_write.h"
#include "res/command_ids.h"
#include "support/list_rows.h"
#include "support/riff_builder.h"

namespace {

using RowCommandsTest = CommandTest;

TEST_F(RowCommandsTest, CutOfThreeRowsKeepsTheLowestForPaste) {
  StartWindow();
  AddRows(5);
  ListSetCell(3, ColumnPosition(kColComment), std::string(400, 'c'));  // longer than the 255-byte reads
  ListSetRowPath(3, "/m/a3.avi");
  for (int row : {1, 2, 3}) ListSetSelected(row, true);
  HandleCommand(kCmdCut);
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"a0", "a4"}));
  EXPECT_EQ(window_->statusPart(0)->text().left(7), "2file(s");

  ListSetSelected(0, true);
  HandleCommand(kCmdPaste);
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"a0", "a3", "a4"}));
  EXPECT_EQ(ListRowKey(1), 1);
  EXPECT_EQ(ListGetCell(1, ColumnPosition(kColComment), std::string::npos), std::string(400, 'c'));
  EXPECT_EQ(ListRowPath(1), "/m/a3.avi");
  EXPECT_EQ(ListNextSelected(-1), 0);  // the selection does not change
  EXPECT_EQ(ListSelectedCount(), 1);
  EXPECT_EQ(window_->statusPart(0)->text().left(7), "3file(s");
}

TEST_F(RowCommandsTest, PasteNeedsASelectionAndInsertsAnEmptyRowBeforeAnyCopy) {
  StartWindow();
  AddRows(2);
  HandleCommand(kCmdPaste);
  EXPECT_EQ(ListRowCount(), 2);
  ListSetSelected(1, true);
  HandleCommand(kCmdPaste);
  ASSERT_EQ(ListRowCount(), 3);
  EXPECT_EQ(ListGetCell(2, 0), "");
  EXPECT_EQ(ListGetCell(2, ColumnPosition(kColTitle)), "");

  HandleCommand(kCmdCopy);  // copies a1, the list stays
  ListSetSelected(1, false);
  ListSetSelected(0, true);
  HandleCommand(kCmdPaste);
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"a0", "a1", "a1", ""}));
}

TEST_F(RowCommandsTest, DeleteRemovesTheSelectedRowsAndKeepsTheClipboard) {
  StartWindow();
  AddRows(4);
  ListSetSelected(0, true);
  HandleCommand(kCmdCopy);
  ListSetSelected(2, true);
  HandleCommand(kCmdDelete);
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"a1", "a3"}));
  EXPECT_EQ(window_->statusPart(0)->text().left(7), "2file(s");
  HandleCommand(kCmdDelete);  // nothing selected: only the count
  EXPECT_EQ(ListRowCount(), 2);
  ListSetSelected(1, true);
  HandleCommand(kCmdPaste);
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"a1", "a3", "a0"}));
}

TEST_F(RowCommandsTest, WriteInfoAsksFirst) {
  StartWindow();
  const std::string original = AviFile(AviSpec{});
  const std::string avi = dir_.Write("m/a.avi", original);
  ListInsertRow(0, 0, "a.avi");
  ListSetCell(0, ColumnPosition(kColTitle), "title");
  ListSetRowPath(0, avi);
  ListSetChecked(0, true);
  message_answer_ = QMessageBox::Cancel;
  HandleCommand(kCmdWriteInfo);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, "ｲﾝﾌｫﾃﾞｰﾀ書込確認");
  EXPECT_EQ(messages_[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(messages_[0].icon, QMessageBox::Information);
  EXPECT_TRUE(ListIsChecked(0));
  EXPECT_EQ(ReadWholeFile(avi), original);
  message_answer_ = QMessageBox::Ok;
  HandleCommand(kCmdWriteInfo);
  ASSERT_TRUE(WaitForWork());
  EXPECT_EQ(messages_.size(), 2u);
  EXPECT_FALSE(ListIsChecked(0));  // written rows lose their check mark
  EXPECT_NE(ReadWholeFile(avi), original);
}

TEST_F(RowCommandsTest, WriteInfoNamesTheFilesWhoseWriteFailed) {
  StartWindow();
  const std::string original = AviFile(AviSpec{});
  const std::string names[] = {"full.avi", "fine.avi", "notes.txt"};
  for (int row = 0; row < 3; ++row) {
    ListInsertRow(row, row, names[row]);
    ListSetRowPath(row, dir_.Write("m/" + names[row], original));
    ListSetChecked(row, true);
  }
  InjectWriteFaultForTesting(0, 3, ENOSPC);
  HandleCommand(kCmdWriteInfo);
  ASSERT_TRUE(WaitForWork());
  ClearWriteFaultForTesting();
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[1].caption, "ｲﾝﾌｫﾃﾞｰﾀ書込失敗");
  EXPECT_EQ(messages_[1].icon, QMessageBox::Warning);
  // Only the failed write is named, with the reason in words; a name that cannot take tags stays checked
  // without a word.
  EXPECT_TRUE(messages_[1].text.contains(QString::fromStdString(ListRowPath(0))));
  EXPECT_TRUE(messages_[1].text.contains("ﾃﾞｨｽｸの空き容量が足りません"));
  EXPECT_FALSE(messages_[1].text.contains("fine.avi"));
  EXPECT_FALSE(messages_[1].text.contains("notes.txt"));
  EXPECT_EQ(ReadWholeFile(ListRowPath(0)), original);
  EXPECT_TRUE(ListIsChecked(0));
  EXPECT_FALSE(ListIsChecked(1));
  EXPECT_TRUE(ListIsChecked(2));

  HandleCommand(kCmdWriteInfo);  // nothing fails now: no second report
  ASSERT_TRUE(WaitForWork());
  EXPECT_EQ(messages_.size(), 3u);
  EXPECT_FALSE(ListIsChecked(0));
}

}  // namespace

namespace {

// Deleting a block of 50,000 selected rows out of 100,000 leaves the view and the status text in step.
TEST_F(RowCommandsTest, DeletingHalfOfHundredThousandRows) {
  StartWindow();
  for (int row = 0; row < 100000; ++row) ListInsertRow(row, row, "m" + std::to_string(row));
  window_->show();
  QAbstractItemModel* model = window_->listView()->model();
  window_->listView()->selectionModel()->select(QItemSelection(model->index(1, 0), model->index(50000, 0)),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
  HandleCommand(kCmdDelete);
  ASSERT_EQ(model->rowCount(), 50000);
  EXPECT_EQ(model->data(model->index(0, 0)).toString(), "m0");
  EXPECT_EQ(model->data(model->index(1, 0)).toString(), "m50001");
  EXPECT_FALSE(window_->listView()->selectionModel()->hasSelection());
  EXPECT_EQ(window_->statusPart(0)->text().left(11), "50000file(s");
}

}  // namespace
