#pragma once
// The list view's model: a thin adapter that mirrors the core row store (list/list_model.h) through its
// events. Every store change arrives here as the matching begin/end signals or dataChanged. The store
// stays the one owner of rows, cells, check marks and selection flags.
#include <QAbstractTableModel>

class ListTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ListTableModel(QObject* parent = nullptr);
  ~ListTableModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Dragging rows out: the files of the rows as text/uri-list, offered for copying only. Each row's file
  // is the path kept with the row, or else its folder and file-name cells joined; a row with neither
  // is left out, and without any file there is nothing to drag (nullptr). The list takes no drops of
  // its own, so files dropped on it reach the window's drop handling.
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override;
  Qt::DropActions supportedDropActions() const override;

  // Check boxes in column 0 (shown while the folder path column is shown).
  void setCheckBoxes(bool shown);
  bool checkBoxes() const { return check_boxes_; }
  // True while the store replaces its rows or columns (the header then holds no real widths).
  bool resetting() const { return resetting_; }

  // Many row changes in a row (deleting thousands of selected rows): the view is reset once at the end
  // instead of following each change, which would cost it time in proportion to the rows each time.
  void beginBulkChange();
  void endBulkChange();

 signals:
  // A row's selected flag changed in the store (the view follows it).
  void rowSelectionChanged(int row);
  // The store replaced its rows or columns (delete all, sort, columns); the view restores selection
  // and column widths.
  void storeReset();
  // The store asks for a column width (kListFitToContents: fit the column to its contents).
  void columnWidthRequested(int position, int width);

 private:
  void onStateChanged(int row);

  bool check_boxes_ = false;
  bool resetting_ = false;
  bool bulk_ = false;
};

// A bulk change of the main window's list model while it lives, when active.
class BulkListChange {
 public:
  explicit BulkListChange(bool active);
  ~BulkListChange();
  BulkListChange(const BulkListChange&) = delete;
  BulkListChange& operator=(const BulkListChange&) = delete;

 private:
  ListTableModel* model_ = nullptr;
};
