#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/menu_state.h"
#include "app/window_fixture.h"
#include "res/accel.h"
#include "res/command_ids.h"
#include "res/menus.h"

namespace {

using MenusTest = WindowTest;

std::vector<int> ItemsOf(const QMenu* menu, const MainWindow& window) {
  std::vector<int> items;
  for (QAction* action : menu->actions()) {
    for (int command = 40001; command <= 40055; ++command) {
      if (window.commandAction(command) == action) items.push_back(command);
    }
  }
  return items;
}

TEST_F(MenusTest, MenuBarCarriesEveryItemWithLabelAndShortcut) {
  StartWindow();
  const QList<QAction*> popups = window_->menuBar()->actions();
  ASSERT_EQ(popups.size(), 6);
  const char* titles[] = {"ﾌｧｲﾙ(&F)", "編集(&E)", "機能(&T)", "検索(&F)", "ﾂｰﾙ(&T)", "ﾍﾙﾌﾟ(&H)"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(popups[i]->text(), QString::fromUtf8(titles[i]));
  EXPECT_EQ(ItemsOf(popups[0]->menu(), *window_),
            (std::vector<int>{kCmdNewList, kCmdOpenList, kCmdSaveAs, kCmdOverwriteSave, kCmdExit}));

  struct Expected {
    int command;
    const char* label;
    const char* shortcut;
  };
  const Expected expected[] = {
      {kCmdNewList, "新規作成(&N),", "Ctrl+N"},
      {kCmdOpenList, "既存ﾌｧｲﾙを開く", "Ctrl+O"},
      {kCmdDelete, "削除(&D)", "Del"},
      {kCmdFindNext, "次を検索(&N)", "F3"},
      {kCmdWriteInfo, "情報ﾃﾞｰﾀ書き込み", "Ctrl+W"},
      {kCmdMpeg4Rate, "MPEG4式ﾋﾞｯﾄﾚｰﾄ算出", ""},
      {kCmdFitSizeBytes, "ﾌｧｲﾙｻｲｽﾞ(Byte)", ""},
      {kCmdSaveStateAtExit, "終了時の状態を保存(&Q)", ""},
      {kCmdFilterAudio, "MP3･FLAC･AAC形式", ""},
  };
  for (const Expected& item : expected) {
    SCOPED_TRACE(item.command);
    const QAction* action = window_->commandAction(item.command);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromUtf8(item.label));
    EXPECT_EQ(action->shortcut(),
              QKeySequence(QString::fromLatin1(item.shortcut), QKeySequence::PortableText));
    EXPECT_EQ(FindMenuItem(TOP_MENUS, item.command)->shortcut, item.shortcut);
  }
  // Every accelerator belongs to a menu item that shows the same key.
  for (const AccelEntry& accel : ACCEL) {
    SCOPED_TRACE(accel.command);
    EXPECT_EQ(FindMenuItem(TOP_MENUS, accel.command)->shortcut, accel.key);
  }
  EXPECT_EQ(ItemsOf(window_->menuHolding(kCmdFitAllColumns), *window_).size(), 18u);
}

TEST_F(MenusTest, HiddenColumnsLoseTheirWidthItems) {
  StartWindow(
      "[Customize]\r\nFileSizeBT=0\r\nFileSizeMB=0\r\nFileSizeKB=0\r\nMovieTitle=0\r\nMoveInfo=0\r\n"
      "AudioInfo=0\r\nVideoRate=0\r\nAudioRate=0\r\nFlameRate=0\r\nResolusion=0\r\nPlayTime=0\r\n"
      "Janle=0\r\nCreater=0\r\nComment=0\r\nDirPath=0\r\nVolLabel=2\r\n");
  EXPECT_EQ(ItemsOf(window_->menuHolding(kCmdFitAllColumns), *window_),
            (std::vector<int>{kCmdFitAllColumns, kCmdFitFileName}));
  EXPECT_EQ(window_->menuHolding(kCmdFitComment), nullptr);
  window_.reset();
  StartWindow("[Customize]\r\nMovieTitle=0\r\nDirPath=0\r\n");
  const std::vector<int> items = ItemsOf(window_->menuHolding(kCmdFitAllColumns), *window_);
  EXPECT_EQ(items.size(), 16u);
  EXPECT_EQ(std::count(items.begin(), items.end(), kCmdFitTitle), 0);
  EXPECT_EQ(std::count(items.begin(), items.end(), kCmdFitFolder), 0);
}

TEST_F(MenusTest, AcceleratorOfAGreyedItemDoesNothing) {
  StartWindow();
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  AddRows(2);
  ListSetChecked(0, true);
  QTest::keyClick(window_.get(), Qt::Key_U, Qt::ControlModifier);  // clear checks, greyed at start
  EXPECT_TRUE(ListIsChecked(0));
  ApplyMenuStateCode(kCmdClearChecks, kMenuEnable);
  QTest::keyClick(window_.get(), Qt::Key_U, Qt::ControlModifier);
  EXPECT_FALSE(ListIsChecked(0));

  window_->setWindowTitle("changed");
  QTest::keyClick(window_->listView(), Qt::Key_N, Qt::ControlModifier);  // new list
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <NewFile.csv>");
  EXPECT_EQ(ListRowCount(), 0);
}

TEST_F(MenusTest, MenuTriggerReachesTheCommandWithoutDoubleToggling) {
  StartWindow();
  window_->commandAction(kCmdGridLines)->trigger();
  EXPECT_EQ(ReadMenuStateCode(kCmdGridLines), kMenuEnabled);
  EXPECT_FALSE(window_->listView()->showGrid());
  window_->commandAction(kCmdGridLines)->trigger();
  EXPECT_EQ(ReadMenuStateCode(kCmdGridLines), kMenuChecked);
  EXPECT_TRUE(window_->listView()->showGrid());
}

}  // namespace
