#include "app/find_commands.h"

#include <QItemSelectionModel>
#include <QTableView>

#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "edit/find_dialog.h"
#include "res/command_ids.h"

namespace {

void ScrollToCurrent(int row) {
  if (!MainWin() || !MainWin()->listView()) return;
  QTableView* view = MainWin()->listView();
  const QModelIndex index = view->model()->index(row, 0);
  view->scrollTo(index);
  view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

}  // namespace

void FindAndShow(const FindRequest& request, bool repeat) {
  const FindResult result = FindInList(request.text, request.category, request.direction, repeat);
  if (result.row < 0) {
    MessageBoxRequest message;
    message.icon = QMessageBox::Information;
    message.caption = ToQString(FindEndCaption());
    message.text = ToQString(result.message);
    RunMessageBox(message);
    ApplyMenuStateCode(kCmdFindNext, kMenuGreyed);
    return;
  }
  ApplyMenuStateCode(kCmdFindNext, kMenuEnable);
  ScrollToCurrent(result.row);
}

void ConnectFindDialog(FindDialog& dialog) {
  QObject::connect(&dialog, &FindDialog::searchRequested,
                   [](const FindRequest& request) { FindAndShow(request, false); });
  QObject::connect(&dialog, &QDialog::rejected, [] { ApplyMenuStateCode(kCmdFindNext, kMenuGreyed); });
}

void FindNext() {
  FindAndShow(FindReq(), true);
}
