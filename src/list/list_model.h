#pragma once
// The row store behind the list: one row per catalogued file, one CP932 text cell per display position.
// A view mirrors it through ListEvents. Rows and display positions are 0-based.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

int ListRowCount();
// The cell text cut to capacity - 1 bytes; empty for a row or position that does not exist.
std::string ListGetCell(int row, int position, size_t capacity = 256);
// The whole cell text without a copy, for comparisons over many rows; valid until the store next
// changes. Empty as ListGetCell is.
std::string_view ListCellView(int row, int position);
// The first count cells of the row as ListCellView gives them, in one look-up for the row: what the list
// file writers read of every row.
void ListRowCellViews(int row, size_t count, std::vector<std::string_view>& cells);
void ListSetCell(int row, int position, const std::string& text);
// Places the new row at position (at the end when position equals the row count; a position outside
// 0..count is taken as the nearest end). The new row is unchecked and unselected.
void ListInsertRow(int position, int32_t key, const std::string& file_name);
// Places a new row as ListInsertRow does, with its cells by display position (those past the last column
// dropped) and its file's path (ListSetRowPath) already in place when the observers hear of it.
void ListInsertFilledRow(int position, int32_t key, const std::vector<std::string_view>& cells,
                         const std::string& path);
// Inserts many rows at position (taken as ListInsertRow takes it), in the order add is called while
// produce runs: each with its key, its cells by display position (past the last column dropped) and its
// misaligned mark. Observers see one reset rather than an insert per row.
using ListRowAdder =
    std::function<void(int32_t key, const std::vector<std::string_view>& cells, bool misaligned)>;
void ListInsertRows(int position, const std::function<void(const ListRowAdder& add)>& produce);
void ListDeleteRow(int row);
void ListDeleteAll();

int ListNextSelected(int after_row);  // -1 for the first; -1 when none follows
int ListSelectedCount();
void ListSetSelected(int row, bool selected);
bool ListIsChecked(int row);
void ListSetChecked(int row, bool checked);

int32_t ListRowKey(int row);

// The file-system path of the row's file (bytes as the file system has them), kept out of the cells so
// a name CP932 cannot hold still reaches its file. Empty when the row was not built from a file.
std::string ListRowPath(int row);
void ListSetRowPath(int row, const std::string& path);

// Marks a row loaded from a list file line whose fields did not line up with the header: its cells
// may have moved, so it never names a file. New rows are unmarked.
bool ListRowMisaligned(int row);
void ListSetRowMisaligned(int row, bool misaligned);

using ListComparator = std::function<int(int row1, int row2, int position)>;
// Stable sort of the rows by the comparator, which is given the rows' indices before the sort: the rows
// stay in their old order until the sort is done, so a comparator that reads them (ListGetCell) sees the
// list as it was. Rows are compared by themselves, never by their keys, which rows may share.
void ListSort(const ListComparator& compare, int position);

// The columns present, by display position. Position 0 (the file name) always holds a cell, even
// before any column is set; a cell at another position exists only while that column does.
struct ListColumn {
  std::string header;  // CP932
  int width = 0;       // pixels
  bool right_aligned = false;
};
// Replaces the columns (the rows keep their cells); observers see a reset.
void ListSetColumns(const std::vector<ListColumn>& columns);
int ListColumnCount();
std::string ListColumnHeader(int position);  // at most 255 bytes; empty for a missing position
int ListColumnWidth(int position);           // 0 for a missing position
bool ListColumnRightAligned(int position);
constexpr int kListFitToContents = -1;
// A width in pixels is stored, and observers hear of it when it differs from the stored one (a view
// reports the widths the user drags through here). kListFitToContents leaves the stored width alone
// and asks the view to fit the column, which then reports the width it chose.
void ListSetColumnWidth(int position, int width);

// Observers of the store (a view). Each "before" call comes before the store changes, each "after"
// call and every other call after it. Check marks and selection report only real changes, so a view
// may echo its own changes back without looping.
struct ListEvents {
  std::function<void(int row)> before_insert, after_insert;
  std::function<void(int row)> before_remove, after_remove;
  std::function<void()> before_reset, after_reset;  // delete all, sort, new columns
  std::function<void(int row, int position)> cell_changed;
  std::function<void(int row)> state_changed;                         // check mark or selection
  std::function<void(int position, int width)> column_width_changed;  // kListFitToContents asks the view
};
void ListSetEvents(ListEvents events);

// Tests: no rows, no columns, no observers.
void ListResetForTesting();
