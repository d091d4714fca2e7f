#include "app/unsaved_edits.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/command_set.h"
#include "app/dialog_units.h"
#include "command_test_fixture.h"
#include "edit/entry_edit_dialog.h"
#include "res/command_ids.h"

namespace {

class UnsavedEditsTest : public CommandTest {
 protected:
  // Edits the title of row 0 in the entry edit dialog and presses OK.
  static void EditTitle(const QString& title) {
    EntryEditDialog dialog(nullptr);
    QObject::connect(&dialog, &EntryEditDialog::rowEdited, NoteEntryEdited);
    ListSetSelected(0, true);
    InitEntryEditDialog(&dialog, 0);
    DialogControl<QLineEdit>(&dialog, kEntryEditTitle)->setText(title);
    DialogControl<QPushButton>(&dialog, kEntryEditOk)->click();
  }
  size_t Asked() const { return messages_.size(); }
};

// Closing, the new list and opening ask once (Yes/No) while an edit is neither saved nor written; No
// keeps everything, Yes goes on, and a save or an unchanged OK asks nothing.
TEST_F(UnsavedEditsTest, LosingAnEditAsksFirst) {
  StartWindow();
  AddRows(2);
  EditTitle("x");  // the rows' cells are already "x": no edit
  HandleCommand(kCmdNewList);
  EXPECT_EQ(Asked(), 0u);
  AddRows(2);
  EditTitle(QStringLiteral("夏"));
  message_answer_ = QMessageBox::No;
  window_->show();
  EXPECT_FALSE(window_->close());
  ASSERT_EQ(Asked(), 1u);
  EXPECT_EQ(messages_[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(messages_[0].caption, "ｴﾃﾞｨｯﾄ内容の破棄確認");
  HandleCommand(kCmdNewList);
  Answer(dir_.path() + "/never.csv");
  HandleCommand(kCmdOpenList);
  EXPECT_EQ(Asked(), 3u);
  EXPECT_EQ(ListRowCount(), 2);
  EXPECT_EQ(answers_.size(), 1u) << "the open chooser never came";

  answers_.clear();
  Answer(dir_.path() + "/kept.csv");
  HandleCommand(kCmdSaveAs);
  EXPECT_TRUE(window_->close()) << "a save kept the edit";
  EXPECT_EQ(Asked(), 3u);

  EditTitle(QStringLiteral("秋"));
  message_answer_ = QMessageBox::Yes;
  HandleCommand(kCmdNewList);
  EXPECT_EQ(ListRowCount(), 0);
  EXPECT_EQ(Asked(), 4u);
}

}  // namespace
