#include <QAction>
#include <QMenu>
#include <memory>

#include "app/list_notifications.h"
#include "app/menu_state.h"
#include "platform/cp932.h"
#include "res/command_ids.h"
#include "support/list_rows.h"
#include "window_fixture.h"

namespace {

using ListNotificationsTest = WindowTest;

// The commands of the menu and its submenus, with their enabled states.
std::map<int, bool> ItemStates(const QMenu* menu) {
  std::map<int, bool> states;
  for (QAction* action : menu->actions()) {
    if (action->menu()) {
      states.merge(ItemStates(action->menu()));
    } else if (!action->isSeparator()) {
      states[action->data().toInt()] = action->isEnabled();
    }
  }
  return states;
}

TEST_F(ListNotificationsTest, HeaderClicksSortAscendingThenDescending) {
  StartWindow();
  for (const char* name : {"b.avi", "C.avi", "a.avi"}) ListInsertRow(ListRowCount(), ListRowCount(), name);
  HandleHeaderClick(0);
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"a.avi", "b.avi", "C.avi"}));
  HandleHeaderClick(0);
  EXPECT_EQ(RowFileNames(), (std::vector<std::string>{"C.avi", "b.avi", "a.avi"}));
}

TEST_F(ListNotificationsTest, RowMenuWithoutSelectionKeepsRowItemsGrey) {
  StartWindow();
  AddRows(2);
  ApplyMenuStateCode(kCmdCut, kMenuEnable);
  std::unique_ptr<QMenu> menu(BuildRowMenu(nullptr));
  const std::map<int, bool> states = ItemStates(menu.get());
  EXPECT_EQ(states.size(), 1u + 1u + 4u + 18u + 3u);  // scan, edit, cut/copy/paste/delete, widths, extended
  for (int item : {kCmdScan, kCmdPaste, kCmdFitAllColumns, kCmdFitVolume})
    EXPECT_TRUE(states.at(item)) << item;
  for (int item :
       {kCmdEditEntry, kCmdCut, kCmdCopy, kCmdDelete, kCmdWriteInfo, kCmdClearChecks, kCmdPlayMovie}) {
    EXPECT_FALSE(states.at(item)) << item;
  }
  EXPECT_EQ(ReadMenuStateCode(kCmdCut), kMenuGreyed);  // the main menu follows
  EXPECT_EQ(ReadMenuStateCode(kCmdWriteInfo), kMenuGreyed);
}

TEST_F(ListNotificationsTest, RowMenuEnablesRowAndCheckItemsFromTheList) {
  StartWindow();
  AddRows(3);
  ListSetSelected(1, true);
  ListSetChecked(2, true);
  std::unique_ptr<QMenu> menu(BuildRowMenu(nullptr));
  const std::map<int, bool> states = ItemStates(menu.get());
  for (int item :
       {kCmdEditEntry, kCmdCut, kCmdCopy, kCmdDelete, kCmdPlayMovie, kCmdWriteInfo, kCmdClearChecks}) {
    SCOPED_TRACE(item);
    EXPECT_TRUE(states.at(item));
    EXPECT_EQ(ReadMenuStateCode(item), kMenuEnabled);
  }
  // The shortcut is shown after a tab.
  for (QAction* action : menu->actions()) {
    if (action->data().toInt() == kCmdScan) {
      EXPECT_EQ(action->text(), "ｽｷｬﾆﾝｸﾞ(&S)\tCtrl+M");
    }
  }
}

TEST_F(ListNotificationsTest, HiddenFolderColumnKeepsCheckItemsGreyAndPrunesWidthItems) {
  StartWindow("[Customize]\r\nDirPath=0\r\nPlayTime=0\r\n");
  AddRows(2);
  ListSetChecked(0, true);
  ListSetSelected(0, true);
  HandleListClick();
  EXPECT_EQ(ReadMenuStateCode(kCmdWriteInfo), kMenuGreyed);
  EXPECT_EQ(ReadMenuStateCode(kCmdClearChecks), kMenuGreyed);
  EXPECT_EQ(ReadMenuStateCode(kCmdCut), kMenuEnabled);
  std::unique_ptr<QMenu> menu(BuildRowMenu(nullptr));
  const std::map<int, bool> states = ItemStates(menu.get());
  EXPECT_EQ(states.count(kCmdFitFolder), 0u);
  EXPECT_EQ(states.count(kCmdFitPlayTime), 0u);
  EXPECT_EQ(states.count(kCmdFitFileName), 1u);
  EXPECT_FALSE(states.at(kCmdWriteInfo));
}

TEST_F(ListNotificationsTest, ClickRefreshesRowAndCheckCommands) {
  StartWindow();
  AddRows(3);
  ListSetSelected(0, true);
  ListSetChecked(1, true);
  HandleListClick();
  EXPECT_EQ(ReadMenuStateCode(kCmdDelete), kMenuEnabled);
  EXPECT_EQ(ReadMenuStateCode(kCmdClearChecks), kMenuEnabled);
  ListSetSelected(0, false);
  ListSetChecked(1, false);
  HandleListClick();
  EXPECT_EQ(ReadMenuStateCode(kCmdDelete), kMenuGreyed);
  EXPECT_EQ(ReadMenuStateCode(kCmdClearChecks), kMenuGreyed);
  // With an empty list the check items keep their state.
  ApplyMenuStateCode(kCmdClearChecks, kMenuEnable);
  ListDeleteAll();
  HandleListClick();
  EXPECT_EQ(ReadMenuStateCode(kCmdClearChecks), kMenuEnabled);
}

}  // namespace
