#include "list/list_model.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <span>
#include <utility>

#include "list/folder_table.h"
#include "list/row_cells.h"

namespace {

struct Row {
  RowCells cells;  // by display position
  // The path as its folder, kept once in the store for all the rows of that folder, and the rest.
  uint32_t folder = 0;
  std::string path_rest;
  int32_t key = 0;
  bool checked = false;
  bool selected = false;
  bool misaligned = false;
};

struct Store {
  // A deque keeps "delete the first selected row" loops linear: removing near either end is cheap,
  // while indexing stays constant-time.
  std::deque<Row> rows;
  FolderTable folders;
  std::vector<ListColumn> columns;
  ListEvents events;
  int selected_count = 0;
  // No row above this one is selected; lets walks over the selection skip the unselected top.
  size_t selection_floor = 0;
};

Store& TheStore() {
  static Store store;
  return store;
}

bool RowExists(int row) {
  return row >= 0 && static_cast<size_t>(row) < TheStore().rows.size();
}

// Position 0, the file name, is there even before the columns are set.
size_t PositionCount() {
  return std::max<size_t>(TheStore().columns.size(), 1);
}

bool PositionExists(int position) {
  return position >= 0 && static_cast<size_t>(position) < PositionCount();
}

ListColumn* ColumnAt(int position) {
  std::vector<ListColumn>& columns = TheStore().columns;
  if (position < 0 || static_cast<size_t>(position) >= columns.size()) return nullptr;
  return &columns[position];
}

template <typename... Args>
void Notify(const std::function<void(Args...)>& observer, Args... args) {
  if (observer) observer(args...);
}

void InsertRow(int position, Row&& added) {
  Store& store = TheStore();
  const int row = std::clamp(position, 0, ListRowCount());
  Notify(store.events.before_insert, row);
  store.rows.insert(store.rows.begin() + row, std::move(added));
  // The floor stays valid: the new row is unselected and every row above it keeps its state.
  Notify(store.events.after_insert, row);
}

void SetRowPath(Row& row, const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t folder_end = slash == std::string::npos ? 0 : slash + 1;
  row.folder = TheStore().folders.Intern(path.substr(0, folder_end));
  row.path_rest = path.substr(folder_end);
}

}  // namespace

int ListRowCount() {
  return static_cast<int>(TheStore().rows.size());
}

std::string_view ListCellView(int row, int position) {
  if (!RowExists(row) || !PositionExists(position)) return {};
  return TheStore().rows[row].cells.Get(position);
}

void ListRowCellViews(int row, size_t count, std::vector<std::string_view>& cells) {
  cells.assign(count, std::string_view());
  // Cells beyond the columns read as empty, as ListCellView gives them.
  if (RowExists(row))
    TheStore().rows[row].cells.GetAll(std::span(cells).first(std::min(count, PositionCount())));
}

std::string ListGetCell(int row, int position, size_t capacity) {
  if (capacity == 0) return {};
  return std::string(ListCellView(row, position).substr(0, capacity - 1));
}

void ListSetCell(int row, int position, const std::string& text) {
  if (!RowExists(row) || !PositionExists(position)) return;
  TheStore().rows[row].cells.Set(position, text);
  Notify(TheStore().events.cell_changed, row, position);
}

void ListInsertRow(int position, int32_t key, const std::string& file_name) {
  Row added;
  added.key = key;
  added.cells.Set(0, file_name);
  InsertRow(position, std::move(added));
}

void ListInsertFilledRow(int position, int32_t key, const std::vector<std::string_view>& cells,
                         const std::string& path) {
  Row added;
  added.key = key;
  added.cells.Assign(std::span(cells).first(std::min(cells.size(), PositionCount())));
  SetRowPath(added, path);
  InsertRow(position, std::move(added));
}

void ListInsertRows(int position, const std::function<void(const ListRowAdder& add)>& produce) {
  Store& store = TheStore();
  const size_t row = static_cast<size_t>(std::clamp(position, 0, ListRowCount()));
  const size_t old_count = store.rows.size();
  const size_t columns = PositionCount();
  Notify(store.events.before_reset);
  produce([&](int32_t key, const std::vector<std::string_view>& cells, bool misaligned) {
    Row& added = store.rows.emplace_back();
    added.key = key;
    added.cells.Assign(std::span(cells).first(std::min(cells.size(), columns)));
    added.misaligned = misaligned;
  });
  // Added at the end and turned into place: no row already there moves more than once.
  std::rotate(store.rows.begin() + row, store.rows.begin() + old_count, store.rows.end());
  store.selection_floor = 0;
  Notify(store.events.after_reset);
}

void ListDeleteRow(int row) {
  if (!RowExists(row)) return;
  Store& store = TheStore();
  Notify(store.events.before_remove, row);
  if (store.rows[row].selected) --store.selected_count;
  store.rows.erase(store.rows.begin() + row);
  if (static_cast<size_t>(row) < store.selection_floor) --store.selection_floor;
  Notify(store.events.after_remove, row);
}

void ListDeleteAll() {
  Store& store = TheStore();
  Notify(store.events.before_reset);
  store.rows.clear();
  store.folders = FolderTable();
  store.selected_count = 0;
  store.selection_floor = 0;
  Notify(store.events.after_reset);
}

int ListNextSelected(int after_row) {
  Store& store = TheStore();
  if (store.selected_count == 0) return -1;
  const size_t start = static_cast<size_t>(std::max(static_cast<long long>(after_row) + 1, 0LL));
  const bool from_floor = start <= store.selection_floor;
  for (size_t row = from_floor ? store.selection_floor : start; row < store.rows.size(); ++row) {
    if (store.rows[row].selected) {
      if (from_floor) store.selection_floor = row;
      return static_cast<int>(row);
    }
  }
  if (from_floor) store.selection_floor = store.rows.size();
  return -1;
}

int ListSelectedCount() {
  return TheStore().selected_count;
}

void ListSetSelected(int row, bool selected) {
  if (!RowExists(row)) return;
  Store& store = TheStore();
  Row& target = store.rows[row];
  if (target.selected == selected) return;
  target.selected = selected;
  store.selected_count += selected ? 1 : -1;
  if (selected) store.selection_floor = std::min(store.selection_floor, static_cast<size_t>(row));
  Notify(store.events.state_changed, row);
}

bool ListIsChecked(int row) {
  return RowExists(row) && TheStore().rows[row].checked;
}

void ListSetChecked(int row, bool checked) {
  if (!RowExists(row) || TheStore().rows[row].checked == checked) return;
  TheStore().rows[row].checked = checked;
  Notify(TheStore().events.state_changed, row);
}

int32_t ListRowKey(int row) {
  return RowExists(row) ? TheStore().rows[row].key : 0;
}

std::string ListRowPath(int row) {
  if (!RowExists(row)) return {};
  const Row& target = TheStore().rows[row];
  return TheStore().folders.Folder(target.folder) + target.path_rest;
}

void ListSetRowPath(int row, const std::string& path) {
  if (RowExists(row)) SetRowPath(TheStore().rows[row], path);
}

bool ListRowMisaligned(int row) {
  return RowExists(row) && TheStore().rows[row].misaligned;
}

void ListSetRowMisaligned(int row, bool misaligned) {
  if (RowExists(row)) TheStore().rows[row].misaligned = misaligned;
}

void ListSort(const ListComparator& compare, int position) {
  if (!compare) return;
  Store& store = TheStore();
  std::vector<size_t> order(store.rows.size());
  std::iota(order.begin(), order.end(), size_t{0});
  // Sorting an index keeps the rows in place while the comparator runs (it reads them).
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return compare(static_cast<int>(a), static_cast<int>(b), position) < 0;
  });
  Notify(store.events.before_reset);
  std::deque<Row> sorted;
  for (size_t from : order) sorted.push_back(std::move(store.rows[from]));
  store.rows = std::move(sorted);
  store.selection_floor = 0;
  Notify(store.events.after_reset);
}

void ListSetColumns(const std::vector<ListColumn>& columns) {
  Store& store = TheStore();
  Notify(store.events.before_reset);
  store.columns = columns;
  Notify(store.events.after_reset);
}

int ListColumnCount() {
  return static_cast<int>(TheStore().columns.size());
}

std::string ListColumnHeader(int position) {
  const ListColumn* column = ColumnAt(position);
  return column ? column->header.substr(0, 255) : std::string();
}

int ListColumnWidth(int position) {
  const ListColumn* column = ColumnAt(position);
  return column ? column->width : 0;
}

bool ListColumnRightAligned(int position) {
  const ListColumn* column = ColumnAt(position);
  return column && column->right_aligned;
}

void ListSetColumnWidth(int position, int width) {
  if (!ColumnAt(position) || (width < 0 && width != kListFitToContents)) return;
  ListColumn& column = *ColumnAt(position);
  if (width == column.width) return;
  if (width != kListFitToContents) column.width = width;
  Notify(TheStore().events.column_width_changed, position, width);
}

void ListSetEvents(ListEvents events) {
  TheStore().events = std::move(events);
}

void ListResetForTesting() {
  TheStore() = Store();
}
