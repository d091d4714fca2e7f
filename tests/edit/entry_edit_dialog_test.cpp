#include "edit/entry_edit_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_state_reset.h"
#include "app/dialog_units.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "support/shown_columns.h"

namespace {

class EntryEditDialogTest : public testing::Test {
 protected:
  void TearDown() override { ResetAppStateForTesting(); }

  // Rows a.avi, b.avi, ... with the genre (when shown) and the first one selected.
  static void AddRows(std::initializer_list<const char*> genres) {
    for (const char* genre : genres) {
      const int row = ListRowCount();
      ListInsertRow(row, row, std::string(1, static_cast<char>('a' + row)) + ".avi");
      ListSetCell(row, ColumnPosition(kColGenre), Utf8ToCp932(genre));
    }
    ListSetSelected(0, true);
  }
  void Open(int row) {
    dialog_ = std::make_unique<EntryEditDialog>(nullptr);
    InitEntryEditDialog(dialog_.get(), row);
  }
  QString Text(int id) const { return dialog_->findChild<QLabel*>(QString::number(id))->text(); }
  QLineEdit* Edit(int id) const { return dialog_->findChild<QLineEdit*>(QString::number(id)); }
  QComboBox* Genre() const { return DialogControl<QComboBox>(dialog_.get(), kEntryEditGenre); }
  void Click(int id) const { dialog_->findChild<QPushButton*>(QString::number(id))->click(); }
  static std::string Cell(int row, ColumnNo column) { return ListGetCell(row, ColumnPosition(column)); }

  std::unique_ptr<EntryEditDialog> dialog_;
};

TEST_F(EntryEditDialogTest, AllColumnsHiddenShowNoneLinesAndDisableFields) {
  ShowOnlyColumns({});
  ListInsertRow(0, 0, Utf8ToCp932("月夜.mpg"));
  ListSetSelected(0, true);
  Open(0);
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("月夜のｴﾃﾞｨｯﾄ"));
  EXPECT_EQ(Text(kEntryEditFileName), QStringLiteral("月夜.mpg"));
  EXPECT_EQ(Text(kEntryEditFolder), QString());
  EXPECT_EQ(Text(kEntryEditSizeLine), QStringLiteral("None KB/None MB"));
  EXPECT_EQ(Text(kEntryEditFormatLine), QStringLiteral("None(None kbit)/None(None kbit/None Khz)"));
  EXPECT_EQ(Text(kEntryEditPictureLine), QStringLiteral("Rezolution None/Frame None/Time None"));
  for (int id : {kEntryEditTitle, kEntryEditCreator, kEntryEditComment}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(Edit(id)->isEnabled());
    EXPECT_TRUE(Edit(id)->text().isEmpty());
  }
  EXPECT_FALSE(Genre()->isEnabled());
  EXPECT_EQ(Genre()->count(), 0);
  Click(kEntryEditOk);
  EXPECT_FALSE(ListIsChecked(0));
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(EntryEditDialogTest, EmptyGenreBecomesFirstItemOnOk) {
  ShowOnlyColumns({kColTitle, kColGenre, kColCreator, kColComment});
  AddRows({""});
  Open(0);
  ASSERT_EQ(Genre()->count(), 11);
  EXPECT_EQ(Genre()->itemText(0), QStringLiteral("アニメ"));
  EXPECT_EQ(Genre()->itemText(10), QStringLiteral("その他"));
  EXPECT_EQ(Genre()->currentText(), QStringLiteral("アニメ"));
  Click(kEntryEditOk);
  EXPECT_EQ(Cell(0, kColGenre), Utf8ToCp932("アニメ"));
  EXPECT_TRUE(ListIsChecked(0));
}

TEST_F(EntryEditDialogTest, UnchangedOkKeepsTheCheckMark) {
  ShowOnlyColumns({kColTitle, kColGenre, kColCreator, kColComment});
  AddRows({"ドラマ", "手描き"});
  for (bool checked : {false, true}) {
    SCOPED_TRACE(checked);
    ListSetChecked(0, checked);
    Open(0);
    Click(kEntryEditOk);
    EXPECT_EQ(ListIsChecked(0), checked);
  }
  // A genre typed by hand is stored as typed and shown again next time.
  ListSetChecked(0, false);
  Open(0);
  Genre()->setEditText(QStringLiteral("手描き"));
  Click(kEntryEditOk);
  EXPECT_TRUE(ListIsChecked(0));
  Open(0);
  EXPECT_EQ(Genre()->currentText(), QStringLiteral("手描き"));
  EXPECT_EQ(Genre()->count(), 11);
}

TEST_F(EntryEditDialogTest, DeleteInfoStoresOnlyOnOk) {
  ShowOnlyColumns({kColTitle, kColGenre, kColCreator, kColComment});
  AddRows({"ＯＶＡ"});
  ListSetCell(0, ColumnPosition(kColTitle), Utf8ToCp932("題名"));
  ListSetCell(0, ColumnPosition(kColComment), "note");
  Open(0);
  EXPECT_EQ(Edit(kEntryEditTitle)->text(), QStringLiteral("題名"));
  Click(kEntryEditDeleteInfo);
  EXPECT_TRUE(Edit(kEntryEditTitle)->text().isEmpty());
  EXPECT_TRUE(Genre()->currentText().isEmpty());
  Click(kEntryEditCancel);
  EXPECT_EQ(Cell(0, kColTitle), Utf8ToCp932("題名"));
  EXPECT_FALSE(ListIsChecked(0));

  Open(0);
  Click(kEntryEditDeleteInfo);
  Click(kEntryEditOk);
  for (ColumnNo column : {kColTitle, kColGenre, kColCreator, kColComment}) EXPECT_EQ(Cell(0, column), "");
  EXPECT_TRUE(ListIsChecked(0));
}

TEST_F(EntryEditDialogTest, OkStoresIntoTheFirstSelectedRowCutAtACharacter) {
  ShowOnlyColumns({kColTitle});
  AddRows({"", "", ""});
  ListSetSelected(2, true);
  Open(0);
  // 127 double-byte characters and one more: 256 bytes do not fit 255, so the last character goes.
  Edit(kEntryEditTitle)->setText(QString(128, QChar(0x3042)));
  Click(kEntryEditOk);
  EXPECT_EQ(Cell(0, kColTitle), Utf8ToCp932(QString(127, QChar(0x3042)).toStdString()));
  EXPECT_TRUE(ListIsChecked(0));
  EXPECT_FALSE(ListIsChecked(2));
}

// Characters CP932 lacks are named before OK stores anything; the dialog stays open for a fix.
TEST_F(EntryEditDialogTest, OkNamesCharactersTheListCannotStore) {
  ShowOnlyColumns({kColTitle, kColComment});
  AddRows({""});
  std::vector<MessageBoxRequest> messages;
  SetPromptHandlersForTesting({nullptr, nullptr, [&messages](const MessageBoxRequest& request) {
                                 messages.push_back(request);
                                 return QMessageBox::Ok;
                               }});
  Open(0);
  Edit(kEntryEditTitle)->setText(QStringLiteral("夏🎬"));
  Edit(kEntryEditComment)->setText(QStringLiteral("한🎬"));
  Click(kEntryEditOk);
  EXPECT_EQ(dialog_->result(), 0) << "still open";
  EXPECT_EQ(Cell(0, kColTitle), "");
  EXPECT_FALSE(ListIsChecked(0));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].text.contains(QStringLiteral("\n🎬 한\n"))) << messages[0].text.toStdString();
  Edit(kEntryEditTitle)->setText(QStringLiteral("夏"));
  Edit(kEntryEditComment)->clear();
  Click(kEntryEditOk);
  SetPromptHandlersForTesting({});
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_EQ(Cell(0, kColTitle), Utf8ToCp932("夏"));
}

}  // namespace
