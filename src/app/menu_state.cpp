#include "app/menu_state.h"

#include <QAction>
#include <QToolButton>

#include "app/background_work.h"
#include "app/main_window.h"
#include "res/command_ids.h"
#include "res/toolbar_buttons.h"

namespace {

QAction* ItemAction(int item) {
  return MainWin() ? MainWin()->commandAction(item) : nullptr;
}

}  // namespace

int ReadMenuStateCode(int item) {
  const QAction* action = ItemAction(item);
  if (!action) return kMenuOther;
  const bool checked = action->isChecked();
  if (action->isEnabled()) return checked ? kMenuChecked : kMenuEnabled;
  return checked ? kMenuOther : kMenuGreyed;
}

int ApplyMenuStateCode(int item, int code) {
  if (HoldMenuState(item, code)) return 1;
  if (QAction* action = ItemAction(item)) {
    if (code == kMenuChecked) action->setCheckable(true);
    action->setChecked(code == kMenuChecked);
    action->setEnabled(code != kMenuGreyed);
  }
  return 1;
}

void EnableListToolButtons(int flag) {
  if (!MainWin()) return;
  for (int command : kListToolCommands) {
    if (HoldToolButtonState(command, flag == 0)) continue;
    if (QToolButton* button = MainWin()->toolButton(command)) button->setEnabled(flag == 0);
  }
}
