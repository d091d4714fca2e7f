#include "app/toggle_commands.h"

#include <QLayout>
#include <QStatusBar>
#include <QToolBar>

#include "app/list_view.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/option_items.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "list/sort.h"
#include "res/command_ids.h"
#include "settings/settings.h"

namespace {

// Flips a check-mark item; returns true when it is checked now.
bool FlipItem(int item) {
  const bool now_checked = ReadMenuStateCode(item) != kMenuChecked;
  ApplyMenuStateCode(item, now_checked ? kMenuChecked : kMenuEnabled);
  return now_checked;
}

// The list takes the room of a hidden bar at once, before the command returns.
void LayOutMainWindow() {
  MainWin()->layout()->activate();
}

}  // namespace

void ToggleToolBar() {
  if (!MainWin()) return;
  MainWin()->toolBar()->setVisible(FlipItem(kCmdToolBar));
  LayOutMainWindow();
}

void ToggleStatusBar() {
  if (!MainWin()) return;
  MainWin()->statusBar()->setVisible(FlipItem(kCmdStatusBar));
  LayOutMainWindow();
}

void ToggleGridLines() {
  ListApplyStyle(FlipItem(kCmdGridLines));
}

void ToggleSaveStateAtExit() {
  WriteSettingText(kMainSeting, "EndSet", FlipItem(kCmdSaveStateAtExit) ? "1" : "2");
}

bool ToggleOption(int item) {
  for (const OptionItem& option : kOptionItems) {
    if (option.item == item) {
      Settings().*option.flag = FlipItem(item) ? 1 : 0;
      return true;
    }
  }
  return false;
}

void ChooseFileNameSort(int item) {
  if (ReadMenuStateCode(item) == kMenuChecked) return;
  const bool by_extension = item == kCmdSortByExtension;
  ApplyMenuStateCode(item, kMenuChecked);
  ApplyMenuStateCode(by_extension ? kCmdSortByName : kCmdSortByExtension, kMenuEnabled);
  SetFileNameSortMode(by_extension ? 1 : 0);
}

bool FitColumnWidth(int item) {
  if (item == kCmdFitAllColumns) {
    for (int position = 0; position <= Columns().last_position; ++position) {
      ListSetColumnWidth(position, kListFitToContents);
    }
    return true;
  }
  for (int column = 0; column < kColumnCount; ++column) {
    if (ColumnTable(column).width_menu_item == item) {
      const int position = ColumnPosition(column);
      if (position >= 0) ListSetColumnWidth(position, kListFitToContents);
      return true;
    }
  }
  return false;
}

void ClearAllChecks() {
  for (int row = 0; row < ListRowCount(); ++row) ListSetChecked(row, false);
}
