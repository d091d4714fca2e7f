#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QUrl>

#include "app/list_notifications.h"
#include "app/list_table_model.h"
#include "list/columns.h"
#include "platform/cp932.h"
#include "window_fixture.h"

namespace {

using ListTableModelTest = WindowTest;

int DescendingKeys(int row1, int row2, int) {
  return ListRowKey(row2) - ListRowKey(row1);
}

TEST_F(ListTableModelTest, MirrorsEveryStoreChange) {
  StartWindow();
  ListTableModel* model = window_->listModel();
  QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  EXPECT_EQ(model->columnCount(), 17);
  EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "ﾌｧｲﾙ名");
  EXPECT_EQ(
      model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
      Qt::AlignRight);

  AddRows(3);
  ListInsertRow(1, 9, Utf8ToCp932("日本語.avi"));
  ASSERT_EQ(model->rowCount(), 4);
  EXPECT_EQ(model->data(model->index(1, 0), Qt::DisplayRole).toString(), "日本語.avi");
  ListSetCell(1, 4, Utf8ToCp932("題名"));
  EXPECT_EQ(model->data(model->index(1, 4), Qt::DisplayRole).toString(), "題名");
  EXPECT_EQ(model->data(model->index(1, 1), Qt::DisplayRole).toString(), "");

  EXPECT_TRUE(model->setData(model->index(2, 0), Qt::Checked, Qt::CheckStateRole));
  EXPECT_TRUE(ListIsChecked(2));
  ListSetChecked(2, false);
  EXPECT_EQ(model->data(model->index(2, 0), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);

  ListDeleteRow(0);
  EXPECT_EQ(model->rowCount(), 3);
  ListSort(DescendingKeys, 0);
  EXPECT_EQ(model->data(model->index(0, 0), Qt::DisplayRole).toString(), "日本語.avi");
  {
    const BulkListChange bulk(true);
    ListDeleteRow(0);
    ListInsertRow(0, 5, "z.avi");
    ListSetCell(0, 4, "t");
    ListSetChecked(0, true);
  }
  EXPECT_EQ(model->rowCount(), 3);
  EXPECT_EQ(model->data(model->index(0, 4), Qt::DisplayRole).toString(), "t");
  ListDeleteAll();
  EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(ListTableModelTest, SelectionIsSharedBetweenViewAndStore) {
  StartWindow();
  AddRows(5);
  QItemSelectionModel* selection = window_->listView()->selectionModel();
  selection->select(window_->listModel()->index(1, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  selection->select(window_->listModel()->index(3, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_EQ(ListSelectedCount(), 2);
  EXPECT_EQ(ListNextSelected(-1), 1);

  ListSetSelected(1, false);
  ListSetSelected(4, true);
  EXPECT_FALSE(selection->isRowSelected(1));
  EXPECT_TRUE(selection->isRowSelected(4));

  // Sorting moves the selected rows with their flags; the view follows them.
  ListSort(DescendingKeys, 0);
  EXPECT_TRUE(selection->isRowSelected(0));  // key 4
  EXPECT_TRUE(selection->isRowSelected(1));  // key 3
  EXPECT_FALSE(selection->isRowSelected(2));
  EXPECT_EQ(ListSelectedCount(), 2);
}

TEST_F(ListTableModelTest, ColumnWidthsSurviveASort) {
  StartWindow();
  AddRows(2);
  window_->listView()->horizontalHeader()->resizeSection(4, 321);
  EXPECT_EQ(ListColumnWidth(4), 321);
  ListSort(DescendingKeys, 0);
  EXPECT_EQ(window_->listView()->columnWidth(4), 321);
  EXPECT_EQ(window_->listView()->columnWidth(0), 200);
}

// A header click on 100,000 rows in shuffled order sorts the view (its speed is measured by sort_bench).
TEST_F(ListTableModelTest, HundredThousandRowsSortThroughTheView) {
  StartWindow();
  for (int row = 0; row < 100000; ++row) {
    const int shuffled = (row * 7919) % 100000;
    ListInsertRow(row, row, "movie" + std::to_string(shuffled) + ".avi");
    ListSetCell(row, 1, std::to_string(shuffled) + ",123");
  }
  window_->show();
  for (int position : {0, 1}) {
    SCOPED_TRACE(position);
    HandleHeaderClick(position);
    window_->listView()->scrollToBottom();
    window_->listView()->viewport()->repaint();
  }
  const QAbstractItemModel* model = window_->listModel();
  EXPECT_EQ(model->data(model->index(0, 1), Qt::DisplayRole).toString(), "0,123");
  EXPECT_EQ(model->data(model->index(99999, 1), Qt::DisplayRole).toString(), "99999,123");
}

// Two selected rows drag out as their two files, one by its kept path, one by its folder and name cells,
// which name an existing file; the list stays as it was, and files dropped on the list still reach the
// window.
TEST_F(ListTableModelTest, SelectedRowsDragOutAsTheirFiles) {
  StartWindow();
  AddRows(3);
  ListSetRowPath(0, "/srv/m/日本 語.avi");
  TempDir movies;
  const std::string listed = movies.Write("映像/a2", "x");
  ListSetCell(2, ColumnPosition(kColFolder), Utf8ToCp932(movies.path() + "/映像"));
  QTableView* view = window_->listView();
  ListTableModel* model = window_->listModel();
  for (int row : {0, 2}) {
    view->selectionModel()->select(model->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  const std::unique_ptr<QMimeData> data(model->mimeData(view->selectionModel()->selectedIndexes()));
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasFormat("text/uri-list"));
  EXPECT_EQ(data->urls(), (QList<QUrl>{QUrl::fromLocalFile("/srv/m/日本 語.avi"),
                                       QUrl::fromLocalFile(QString::fromStdString(listed))}));
  EXPECT_EQ(model->rowCount(), 3);
  EXPECT_EQ(ListSelectedCount(), 2);

  EXPECT_TRUE(model->flags(model->index(1, 5)) & Qt::ItemIsDragEnabled);
  EXPECT_TRUE(view->dragEnabled());
  EXPECT_EQ(view->dragDropMode(), QAbstractItemView::DragOnly);
  EXPECT_EQ(view->defaultDropAction(), Qt::CopyAction);
  EXPECT_EQ(model->supportedDragActions(), Qt::CopyAction);
  EXPECT_FALSE(model->canDropMimeData(data.get(), Qt::CopyAction, 0, 0, QModelIndex()));
  EXPECT_FALSE(model->canDropMimeData(data.get(), Qt::MoveAction, 0, 0, QModelIndex()));

  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir_.Write("clip.avi", "RIFF")))});
  const QPoint centre = view->viewport()->rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(centre, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &drop);
  ASSERT_TRUE(WaitForWork());
  EXPECT_EQ(ListRowCount(), 4);
  EXPECT_EQ(ListGetCell(0, 0), "clip.avi");
}

}  // namespace
