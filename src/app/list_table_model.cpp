#include "app/list_table_model.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <limits>
#include <set>
#include <string>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "list/list_model.h"
#include "list/row_file_path.h"

namespace {}  // namespace

ListTableModel::ListTableModel(QObject* parent) : QAbstractTableModel(parent) {
  ListEvents events;
  events.before_insert = [this](int row) {
    if (!bulk_) beginInsertRows(QModelIndex(), row, row);
  };
  events.after_insert = [this](int) {
    if (!bulk_) endInsertRows();
  };
  events.before_remove = [this](int row) {
    if (!bulk_) beginRemoveRows(QModelIndex(), row, row);
  };
  events.after_remove = [this](int) {
    if (!bulk_) endRemoveRows();
  };
  events.before_reset = [this] {
    if (bulk_) return;
    resetting_ = true;
    beginResetModel();
  };
  events.after_reset = [this] {
    if (bulk_) return;
    endResetModel();
    emit storeReset();
    resetting_ = false;
  };
  events.cell_changed = [this](int row, int position) {
    if (bulk_) return;
    const QModelIndex changed = index(row, position);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
  };
  events.state_changed = [this](int row) {
    if (!bulk_) onStateChanged(row);
  };
  events.column_width_changed = [this](int position, int width) {
    emit columnWidthRequested(position, width);
  };
  ListSetEvents(std::move(events));
}

ListTableModel::~ListTableModel() {
  ListSetEvents({});
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ListRowCount();
}

int ListTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ListColumnCount();
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(ListGetCell(index.row(), index.column(), std::numeric_limits<size_t>::max()));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (ListColumnRightAligned(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::CheckStateRole:
      if (check_boxes_ && index.column() == 0)
        return ListIsChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
      return {};
    default:
      return {};
  }
}

bool ListTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !check_boxes_ || index.column() != 0 ||
      !checkIndex(index, CheckIndexOption::IndexIsValid)) {
    return false;
  }
  ListSetChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
  return true;
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= ListColumnCount()) return {};
  if (role == Qt::DisplayRole) return ToQString(ListColumnHeader(section));
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignVCenter |
                               (ListColumnRightAligned(section) ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}

Qt::ItemFlags ListTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
  if (check_boxes_ && index.column() == 0) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

QStringList ListTableModel::mimeTypes() const {
  return {QStringLiteral("text/uri-list")};
}

QMimeData* ListTableModel::mimeData(const QModelIndexList& indexes) const {
  std::set<int> rows;  // every cell of a row is dragged; each row counts once, top to bottom
  for (const QModelIndex& index : indexes) {
    if (checkIndex(index, CheckIndexOption::IndexIsValid)) rows.insert(index.row());
  }
  QList<QUrl> urls;
  RowFileResolver files;
  for (int row : rows) {
    const std::string path = files.Resolve(row).path;
    if (!path.empty()) urls.append(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))));
  }
  if (urls.isEmpty()) return nullptr;
  auto* data = new QMimeData;
  data->setUrls(urls);
  return data;
}

Qt::DropActions ListTableModel::supportedDragActions() const {
  return Qt::CopyAction;
}

Qt::DropActions ListTableModel::supportedDropActions() const {
  return Qt::IgnoreAction;
}

void ListTableModel::setCheckBoxes(bool shown) {
  if (shown == check_boxes_) return;
  check_boxes_ = shown;
  if (ListRowCount() > 0) emit dataChanged(index(0, 0), index(ListRowCount() - 1, 0), {Qt::CheckStateRole});
}

void ListTableModel::onStateChanged(int row) {
  const QModelIndex first = index(row, 0);
  emit dataChanged(first, first, {Qt::CheckStateRole});
  emit rowSelectionChanged(row);
}

void ListTableModel::beginBulkChange() {
  resetting_ = true;
  beginResetModel();
  bulk_ = true;
}

void ListTableModel::endBulkChange() {
  bulk_ = false;
  endResetModel();
  emit storeReset();
  resetting_ = false;
}

BulkListChange::BulkListChange(bool active) {
  if (!active || !MainWin() || !MainWin()->listModel()) return;
  model_ = MainWin()->listModel();
  model_->beginBulkChange();
}

BulkListChange::~BulkListChange() {
  if (model_) model_->endBulkChange();
}
