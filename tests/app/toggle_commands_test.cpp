#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/command_set.h"
#include "app/list_table_model.h"
#include "app/menu_state.h"
#include "app/option_items.h"
#include "list/columns.h"
#include "list/sort.h"
#include "res/command_ids.h"
#include "window_fixture.h"

namespace {

using ToggleCommandsTest = WindowTest;

TEST_F(ToggleCommandsTest, ToolbarAndStatusBarHideAndShowAgain) {
  StartWindow();
  window_->show();
  const int list_top_with_toolbar = window_->listView()->geometry().top();
  HandleCommand(kCmdToolBar);
  EXPECT_EQ(ReadMenuStateCode(kCmdToolBar), kMenuEnabled);
  EXPECT_FALSE(window_->toolBar()->isVisible());
  // Without the toolbar the list starts right below the menu bar.
  EXPECT_EQ(window_->listView()->geometry().top(), window_->menuBar()->geometry().bottom() + 1);
  EXPECT_LT(window_->listView()->geometry().top(), list_top_with_toolbar);
  HandleCommand(kCmdToolBar);
  EXPECT_EQ(ReadMenuStateCode(kCmdToolBar), kMenuChecked);
  EXPECT_TRUE(window_->toolBar()->isVisible());

  HandleCommand(kCmdStatusBar);
  EXPECT_EQ(ReadMenuStateCode(kCmdStatusBar), kMenuEnabled);
  EXPECT_FALSE(window_->statusBar()->isVisible());
  // Without the status bar the list reaches the bottom edge.
  EXPECT_EQ(window_->listView()->geometry().bottom(), window_->height() - 1);
  HandleCommand(kCmdStatusBar);
  EXPECT_TRUE(window_->statusBar()->isVisible());
}

TEST_F(ToggleCommandsTest, GridLinesKeepCheckBoxesOnlyWithTheFolderColumn) {
  StartWindow();
  EXPECT_TRUE(window_->listModel()->checkBoxes());
  HandleCommand(kCmdGridLines);
  EXPECT_FALSE(window_->listView()->showGrid());
  EXPECT_TRUE(window_->listModel()->checkBoxes());
  EXPECT_EQ(ReadMenuStateCode(kCmdGridLines), kMenuEnabled);
  HandleCommand(kCmdGridLines);
  EXPECT_TRUE(window_->listView()->showGrid());
  window_.reset();

  StartWindow("[Customize]\r\nDirPath=0\r\n");
  EXPECT_FALSE(window_->listModel()->checkBoxes());
  HandleCommand(kCmdGridLines);
  EXPECT_FALSE(window_->listView()->showGrid());
  EXPECT_FALSE(window_->listModel()->checkBoxes());
  AddRows(1);
  EXPECT_FALSE(window_->listModel()->data(window_->listModel()->index(0, 0), Qt::CheckStateRole).isValid());
}

TEST_F(ToggleCommandsTest, GridLineOffInSettingsStartsWithCheckBoxesButNoGrid) {
  StartWindow("[MainSeting]\r\nGridLine=2\r\n");
  EXPECT_FALSE(window_->listView()->showGrid());
  EXPECT_TRUE(window_->listModel()->checkBoxes());
  EXPECT_EQ(ReadMenuStateCode(kCmdGridLines), kMenuEnabled);
}

TEST_F(ToggleCommandsTest, SaveStateAtExitWritesEndSetAtOnce) {
  StartWindow();
  HandleCommand(kCmdSaveStateAtExit);
  EXPECT_EQ(ReadMenuStateCode(kCmdSaveStateAtExit), kMenuEnabled);
  EXPECT_NE(SettingsFileText().find("EndSet=2"), std::string::npos);
  HandleCommand(kCmdSaveStateAtExit);
  EXPECT_EQ(ReadMenuStateCode(kCmdSaveStateAtExit), kMenuChecked);
  EXPECT_NE(SettingsFileText().find("EndSet=1"), std::string::npos);
  EXPECT_EQ(SettingsFileText().find("EndSet=2"), std::string::npos);
}

TEST_F(ToggleCommandsTest, OptionItemsFlipTheirFlags) {
  StartWindow();
  for (const OptionItem& option : kOptionItems) {
    SCOPED_TRACE(option.item);
    HandleCommand(option.item);
    EXPECT_EQ(Settings().*option.flag, 0);
    EXPECT_EQ(ReadMenuStateCode(option.item), kMenuEnabled);
    HandleCommand(option.item);
    EXPECT_EQ(Settings().*option.flag, 1);
    EXPECT_EQ(ReadMenuStateCode(option.item), kMenuChecked);
  }
  // The options change nothing in the file until exit.
  EXPECT_EQ(SettingsFileText(), "");
}

TEST_F(ToggleCommandsTest, FileNameSortModeFollowsTheTwoItems) {
  StartWindow();
  HandleCommand(kCmdSortByName);  // already checked: nothing changes
  EXPECT_EQ(ReadMenuStateCode(kCmdSortByName), kMenuChecked);
  EXPECT_EQ(ReadMenuStateCode(kCmdSortByExtension), kMenuEnabled);
  EXPECT_EQ(FileNameSortMode(), 0);
  HandleCommand(kCmdSortByExtension);
  EXPECT_EQ(ReadMenuStateCode(kCmdSortByName), kMenuEnabled);
  EXPECT_EQ(ReadMenuStateCode(kCmdSortByExtension), kMenuChecked);
  EXPECT_EQ(FileNameSortMode(), 1);
  HandleCommand(kCmdSortByExtension);
  EXPECT_EQ(FileNameSortMode(), 1);
  HandleCommand(kCmdSortByName);
  EXPECT_EQ(FileNameSortMode(), 0);
  EXPECT_EQ(ReadMenuStateCode(kCmdSortByExtension), kMenuEnabled);
}

TEST_F(ToggleCommandsTest, WidthItemsFitTheirColumnToItsContents) {
  StartWindow("[Customize]\r\nFileSizeBT=0\r\nFileSizeMB=0\r\nFileSizeKB=0\r\n");
  AddRows(3, std::string(120, 'W'));
  const int title = ColumnPosition(kColTitle);
  ASSERT_EQ(title, 1);
  HandleCommand(kCmdFitTitle);
  const int fitted = ListColumnWidth(title);
  EXPECT_GT(fitted, 250);
  EXPECT_EQ(window_->listView()->columnWidth(title), fitted);
  // An item of a hidden column changes nothing.
  const int file_name_width = ListColumnWidth(0);
  HandleCommand(kCmdFitSizeBytes);
  EXPECT_EQ(ListColumnWidth(0), file_name_width);
  HandleCommand(kCmdFitAllColumns);
  EXPECT_LT(ListColumnWidth(0), file_name_width);  // "a0".."a2" are narrower than 200 pixels
  EXPECT_EQ(ListColumnWidth(ColumnPosition(kColVolume)),
            window_->listView()->columnWidth(ColumnPosition(kColVolume)));
}

TEST_F(ToggleCommandsTest, ClearAllChecksUnchecksEveryRow) {
  StartWindow();
  AddRows(3);
  ListSetChecked(0, true);
  ListSetChecked(2, true);
  HandleCommand(kCmdClearChecks);
  for (int row = 0; row < 3; ++row) EXPECT_FALSE(ListIsChecked(row)) << row;
  // Only the low 16 bits of a command count.
  ListSetChecked(1, true);
  HandleCommand(0x10000 | kCmdClearChecks);
  EXPECT_FALSE(ListIsChecked(1));
}

}  // namespace
