#include "edit/find_dialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "app/command_set.h"
#include "app/dialog_units.h"
#include "app/find_commands.h"
#include "app/menu_state.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/window_fixture.h"
#include "platform/cp932.h"
#include "res/command_ids.h"
#include "support/shown_columns.h"

namespace {

class FindDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    SetPromptHandlersForTesting({nullptr, nullptr, [this](const MessageBoxRequest& request) {
                                   messages_.push_back(request);
                                   return QMessageBox::Ok;
                                 }});
  }
  void Start(std::initializer_list<ColumnNo> columns = {kColTitle, kColGenre, kColCreator, kColComment,
                                                        kColFolder}) {
    StartWindow(ShownColumnsIni(columns));
    window_->resize(640, 400);
    window_->show();
    QApplication::processEvents();
  }

  // Rows r0, r1, ... with no other cells.
  static void AddPlainRows(int count) {
    for (int i = 0; i < count; ++i) ListInsertRow(ListRowCount(), ListRowCount(), "r" + std::to_string(i));
  }
  static void Put(int row, ColumnNo column, const char* text) {
    ListSetCell(row, ColumnPosition(column), Utf8ToCp932(text));
  }
  static std::vector<int> Selected() {
    std::vector<int> rows;
    for (int row = ListNextSelected(-1); row >= 0; row = ListNextSelected(row)) rows.push_back(row);
    return rows;
  }
  // Fills the open dialog and presses the start button.
  static void Search(FindDialog& dialog, const QString& text, int category_index = 0, bool up = false) {
    DialogControl<QLineEdit>(&dialog, kFindText)->setText(text);
    DialogControl<QComboBox>(&dialog, kFindCategory)->setCurrentIndex(category_index);
    DialogControl<QRadioButton>(&dialog, up ? kFindUpward : kFindDownward)->setChecked(true);
    DialogControl<QPushButton>(&dialog, kFindStart)->click();
  }
  bool FindNextEnabled() const { return window_->commandAction(kCmdFindNext)->isEnabled(); }

  std::vector<MessageBoxRequest> messages_;
};

TEST_F(FindDialogTest, OpensWithShownCategoriesDownAndEmptiedRequest) {
  Start({kColCreator, kColFolder});
  FindReq() = FindRequest{"old", "old", kFindUp};
  FindDialog dialog(window_.get());
  QComboBox* category = DialogControl<QComboBox>(&dialog, kFindCategory);
  QStringList names;
  for (int i = 0; i < category->count(); ++i) names << category->itemText(i);
  EXPECT_EQ(names, (QStringList{QStringLiteral("すべてのｶﾃｺﾞﾘ"), QStringLiteral("ﾌｧｲﾙ名"),
                                QStringLiteral("製作者名"), QStringLiteral("ﾃﾞｨﾚｸﾄﾘﾊﾟｽ")}));
  EXPECT_EQ(category->currentIndex(), 0);
  EXPECT_TRUE(DialogControl<QRadioButton>(&dialog, kFindDownward)->isChecked());
  EXPECT_EQ(dialog.focusWidget(), DialogControl<QLineEdit>(&dialog, kFindText));
  EXPECT_EQ(FindReq().text, "");
  EXPECT_EQ(FindReq().category, "");
  EXPECT_EQ(FindReq().direction, kFindUp);
}

TEST_F(FindDialogTest, EmptyTextIsRefusedAndTheDialogStays) {
  Start();
  AddPlainRows(2);
  FindDialog dialog(window_.get());
  dialog.show();
  Search(dialog, QString());
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, QStringLiteral("検索"));
  EXPECT_EQ(messages_[0].text, QStringLiteral("検索する単語を入力して下さい"));
  EXPECT_EQ(messages_[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(Selected().empty());
}

TEST_F(FindDialogTest, EarliestColumnWinsAndTheRowIsShown) {
  Start();
  AddPlainRows(300);
  Put(250, kColTitle, "夏祭り");
  Put(3, kColGenre, "夏祭り");
  ListSetSelected(0, true);
  FindDialog dialog(window_.get());
  ConnectFindDialog(dialog);
  dialog.show();
  Search(dialog, QStringLiteral("夏祭り"));
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(Selected(), std::vector<int>{250});
  EXPECT_EQ(FindReq().text, Utf8ToCp932("夏祭り"));
  EXPECT_EQ(FindReq().direction, kFindDown);
  EXPECT_TRUE(FindNextEnabled());
  QTableView* view = window_->listView();
  EXPECT_EQ(view->currentIndex().row(), 250);
  EXPECT_TRUE(view->viewport()->rect().intersects(view->visualRect(view->model()->index(250, 0))));
  EXPECT_EQ(view->selectionModel()->selectedRows().size(), 1);

  // Find next walks on; the genre match at row 3 lies behind the start.
  Put(280, kColTitle, "夏祭り");
  HandleCommand(kCmdFindNext);
  EXPECT_EQ(Selected(), std::vector<int>{280});
  HandleCommand(kCmdFindNext);
  EXPECT_EQ(Selected(), std::vector<int>{280});
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, QStringLiteral("検索終了"));
  EXPECT_EQ(messages_[0].text, QStringLiteral("一番下まで検索しました"));
  EXPECT_EQ(messages_[0].icon, QMessageBox::Information);
  EXPECT_FALSE(FindNextEnabled());
}

TEST_F(FindDialogTest, EndMessagesFromTheDialogAndFromFindNext) {
  Start();
  AddPlainRows(3);
  Put(1, kColComment, "abc");
  ListSetSelected(0, true);
  FindDialog up_dialog(window_.get());
  ConnectFindDialog(up_dialog);
  Search(up_dialog, QStringLiteral("abc"), 0, true);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, QStringLiteral("検索指定された文字列はみつかりませんでした"));
  EXPECT_FALSE(FindNextEnabled());
  EXPECT_EQ(Selected(), std::vector<int>{0});

  // The file name category looks at the file name only; up from row 2 finds r1, then the top.
  ListSetSelected(0, false);
  ListSetSelected(2, true);
  FindDialog name_dialog(window_.get());
  ConnectFindDialog(name_dialog);
  Search(name_dialog, QStringLiteral("r1"), 1, true);
  EXPECT_EQ(Selected(), std::vector<int>{1});
  EXPECT_TRUE(FindNextEnabled());
  FindNext();
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[1].text, QStringLiteral("一番上まで検索しました"));
}

TEST_F(FindDialogTest, CancelGreysFindNext) {
  Start();
  AddPlainRows(2);
  Put(1, kColTitle, "x");
  ApplyMenuStateCode(kCmdFindNext, kMenuEnable);
  {
    FindDialog dialog(window_.get());
    ConnectFindDialog(dialog);
    dialog.show();
    DialogControl<QPushButton>(&dialog, kFindCancel)->click();
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_FALSE(FindNextEnabled());
  ApplyMenuStateCode(kCmdFindNext, kMenuEnable);
  {
    FindDialog dialog(window_.get());
    ConnectFindDialog(dialog);
    dialog.show();
    dialog.close();  // the close box
  }
  EXPECT_FALSE(FindNextEnabled());
  // A greyed find next does not fire from its key.
  window_->commandAction(kCmdFindNext)->trigger();
  EXPECT_TRUE(Selected().empty());
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
