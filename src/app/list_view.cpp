#include "app/list_view.h"

#include <QColor>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QTableView>

#include "app/list_notifications.h"
#include "app/list_table_model.h"
#include "app/main_window.h"
#include "app/qt_color.h"
#include "app/selection_palette.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "settings/settings.h"

namespace {

// Keeps the view's selection and the store's selected flags the same, whichever side changes them.
class SelectionMirror : public QObject {
 public:
  SelectionMirror(QTableView* view, ListTableModel* model) : QObject(view), view_(view), model_(model) {
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SelectionMirror::fromView);
    connect(model, &ListTableModel::rowSelectionChanged, this, &SelectionMirror::fromStore);
    connect(model, &ListTableModel::storeReset, this, &SelectionMirror::restoreFromStore);
  }

 private:
  void fromView(const QItemSelection& selected, const QItemSelection& deselected) {
    if (updating_) return;
    updating_ = true;
    for (const QItemSelectionRange& range : deselected) {
      for (int row = range.top(); row <= range.bottom(); ++row) {
        ListSetSelected(row, view_->selectionModel()->isRowSelected(row));
      }
    }
    for (const QItemSelectionRange& range : selected) {
      for (int row = range.top(); row <= range.bottom(); ++row) ListSetSelected(row, true);
    }
    updating_ = false;
  }

  void fromStore(int row) {
    if (updating_) return;
    updating_ = true;
    const QItemSelectionModel::SelectionFlags flags =
        (ListNextSelected(row - 1) == row ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
        QItemSelectionModel::Rows;
    view_->selectionModel()->select(model_->index(row, 0), flags);
    updating_ = false;
  }

  // After a sort or a clear the rows keep their flags in the store; the view lost its selection.
  void restoreFromStore() {
    updating_ = true;
    QItemSelection selection;
    for (int row = ListNextSelected(-1); row >= 0;) {
      int last = row;
      int next = ListNextSelected(row);
      while (next == last + 1) {
        last = next;
        next = ListNextSelected(next);
      }
      selection.select(model_->index(row, 0), model_->index(last, 0));
      row = next;
    }
    view_->selectionModel()->select(selection,
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    for (int position = 0; position < ListColumnCount(); ++position) {
      view_->horizontalHeader()->resizeSection(position, ListColumnWidth(position));
    }
    updating_ = false;
  }

  QTableView* view_;
  ListTableModel* model_;
  bool updating_ = false;
};

void ConnectColumnWidths(QTableView* view, ListTableModel* model) {
  QObject::connect(view->horizontalHeader(), &QHeaderView::sectionResized, view,
                   [model](int position, int, int width) {
                     if (!model->resetting()) ListSetColumnWidth(position, width);
                   });
  QObject::connect(model, &ListTableModel::columnWidthRequested, view, [view](int position, int width) {
    if (width == kListFitToContents) {
      view->resizeColumnToContents(position);
    } else {
      view->horizontalHeader()->resizeSection(position, width);
    }
  });
}

void RemoveHiddenColumnWidthItems(MainWindow& window) {
  for (int column = kColSizeBytes; column < kColumnCount; ++column) {
    if (Columns().shown[column] != 0) continue;
    const int item = ColumnTable(column).width_menu_item;
    if (QMenu* menu = window.menuHolding(item)) menu->removeAction(window.commandAction(item));
  }
}

}  // namespace

void ListView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit clickedInList();
}

void ListView::contextMenuEvent(QContextMenuEvent* event) {
  emit rowMenuRequested(event->globalPos());
  event->accept();
}

void CreateListView(MainWindow& window) {
  auto* view = new ListView(&window);
  view->setObjectName("list");
  auto* model = new ListTableModel(view);
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  // Selected rows drag out as their files, copied only: the list itself never changes by a drag.
  view->setDragDropMode(QAbstractItemView::DragOnly);
  view->setDefaultDropAction(Qt::CopyAction);
  view->setCornerButtonEnabled(false);
  view->verticalHeader()->hide();
  // Uniform rows keep a list of 100,000 rows quick to lay out and scroll.
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
  view->horizontalHeader()->setSectionsClickable(true);
  view->horizontalHeader()->setHighlightSections(false);
  view->horizontalHeader()->setStretchLastSection(false);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  KeepSelectionShownWhenInactive(view);
  new SelectionMirror(view, model);
  ConnectColumnWidths(view, model);
  QObject::connect(view->horizontalHeader(), &QHeaderView::sectionClicked, view, HandleHeaderClick);
  QObject::connect(view, &ListView::clickedInList, view, HandleListClick);
  QObject::connect(view, &ListView::rowMenuRequested, view, ShowRowMenu);
  QObject::connect(view, &QAbstractItemView::doubleClicked, view, HandleListDoubleClick);
  window.setListView(view, model);

  BuildColumns();
  if (ReadSettingInt(kMainSeting, "GridLine", 1) == 1) {
    ListApplyStyle(true);
  } else {
    view->setShowGrid(false);
  }
  LoadColors();
  ListSetColors(Settings().ListFoColor, Settings().ListBkColor);
  RemoveHiddenColumnWidthItems(window);
}

void ListApplyStyle(bool grid_lines) {
  if (!MainWin() || !MainWin()->listView()) return;
  MainWin()->listView()->setShowGrid(grid_lines);
  MainWin()->listModel()->setCheckBoxes(Columns().shown[kColFolder] == 1);
}

void ListSetColors(uint32_t text_color, uint32_t background_color) {
  if (!MainWin() || !MainWin()->listView()) return;
  QTableView* view = MainWin()->listView();
  QPalette palette = view->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Text, ToQColor(text_color));
    palette.setColor(group, QPalette::Base, ToQColor(background_color));
    palette.setColor(group, QPalette::AlternateBase, ToQColor(background_color));
  }
  view->setPalette(palette);
}
