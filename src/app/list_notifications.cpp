#include "app/list_notifications.h"

#include <QAction>
#include <QMenu>
#include <map>

#include "app/background_work.h"
#include "app/command_set.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "list/sort.h"
#include "list/status_totals.h"
#include "res/command_ids.h"
#include "res/menus.h"

namespace {

constexpr int kRowItems[] = {kCmdEditEntry, kCmdCut, kCmdCopy, kCmdDelete, kCmdPlayMovie};
constexpr int kCheckItems[] = {kCmdWriteInfo, kCmdClearChecks};

bool AnyRowChecked() {
  for (int row = 0; row < ListRowCount(); ++row) {
    if (ListIsChecked(row)) return true;
  }
  return false;
}

bool CheckCommandsFollowTheList() {
  return ListRowCount() > 0 && Columns().shown[kColFolder] == 1;
}

void FillRowMenu(QMenu* menu, const std::vector<MenuEntry>& entries, std::map<int, QAction*>& items) {
  for (const MenuEntry& entry : entries) {
    switch (entry.kind) {
      case MenuEntry::kItem: {
        // The shortcut is only shown here; the main menu's action owns the key.
        QString text = QString::fromStdString(entry.label);
        if (!entry.shortcut.empty()) text += '\t' + QString::fromStdString(entry.shortcut);
        QAction* action = menu->addAction(text);
        action->setData(entry.command);
        action->setEnabled(entry.state != kMenuGreyed);
        items[entry.command] = action;
        break;
      }
      case MenuEntry::kSeparator:
        menu->addSeparator();
        break;
      case MenuEntry::kPopup:
        FillRowMenu(menu->addMenu(QString::fromStdString(entry.label)), entry.items, items);
        break;
    }
  }
}

void RemoveItem(QAction* action) {
  for (QObject* holder : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(holder)) menu->removeAction(action);
  }
}

}  // namespace

void HandleHeaderClick(int position) {
  // A sort would move rows that running work is filling in or will mark.
  if (!WorkRunning()) SortByColumn(position);
}

void HandleListDoubleClick() {
  if (ListNextSelected(-1) >= 0) HandleCommand(kCmdEditEntry);
}

void HandleListClick() {
  if (MainWin()) MainWin()->showStatusText(0, SelectionSummaryText());
  RefreshRowCommands();
  RefreshCheckCommands();
}

void RefreshRowCommands() {
  const int code = ListNextSelected(-1) >= 0 ? kMenuEnable : kMenuGreyed;
  for (int item : kRowItems) ApplyMenuStateCode(item, code);
}

void RefreshCheckCommands() {
  if (!CheckCommandsFollowTheList()) return;
  const int code = AnyRowChecked() ? kMenuEnable : kMenuGreyed;
  for (int item : kCheckItems) ApplyMenuStateCode(item, code);
}

QMenu* BuildRowMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  std::map<int, QAction*> items;
  FillRowMenu(menu, POPUPMENU.items, items);
  for (int column = kColSizeBytes; column < kColumnCount; ++column) {
    if (Columns().shown[column] == 0) RemoveItem(items.at(ColumnTable(column).width_menu_item));
  }
  const bool selected = ListNextSelected(-1) >= 0;
  for (int item : kRowItems) {
    if (selected) items.at(item)->setEnabled(true);
    ApplyMenuStateCode(item, selected ? kMenuEnable : kMenuGreyed);
  }
  if (CheckCommandsFollowTheList()) {
    const bool checked = AnyRowChecked();
    for (int item : kCheckItems) {
      if (checked) items.at(item)->setEnabled(true);
      ApplyMenuStateCode(item, checked ? kMenuEnable : kMenuGreyed);
    }
  }
  for (const auto& [command, action] : items) {
    if (RefusedWhileWorking(command)) action->setEnabled(false);
  }
  return menu;
}

void ShowRowMenu(const QPoint& global_position) {
  QMenu* menu = BuildRowMenu(nullptr);
  const QAction* chosen = menu->exec(global_position);
  const int command = chosen ? chosen->data().toInt() : 0;
  delete menu;
  if (command != 0) HandleCommand(command);
}
