#pragma once
// The row store behind the list: one row per catalogued file, one CP932 text cell per display position.
// A view mirrors it through ListEvents. Rows and display positions are 0-based.
#include <cstdint>
#include <functional>
#include <string>

int ListRowCount();
// The cell text cut to capacity - 1 bytes; empty for a row or position that does not exist.
std::string ListGetCell(int row, int position, size_t capacity = 256);
void ListSetCell(int row, int position, const std::string& text);
// Places the new row at position (at the end when position equals the row count).
void ListInsertRow(int position, int32_t key, const std::string& file_name);
void ListDeleteRow(int row);
void ListDeleteAll();

int ListNextSelected(int after_row);  // -1 for the first; -1 when none follows
int ListSelectedCount();
void ListSetSelected(int row, bool selected);
bool ListIsChecked(int row);
void ListSetChecked(int row, bool checked);

int ListFindRowByKey(int32_t key);  // first row from the top with that key, -1 when none
int32_t ListRowKey(int row);

// The file-system path of the row's file (bytes as the file system has them), kept out of the cells so
// a name CP932 cannot hold still reaches its file. Empty when the row was not built from a file.
std::string ListRowPath(int row);
void ListSetRowPath(int row, const std::string& path);

using ListComparator = std::function<int(int32_t key1, int32_t key2, int position)>;
// Stable sort of the rows by the comparator.
void ListSort(const ListComparator& compare, int position);

int ListColumnCount();
std::string ListColumnHeader(int position);
int ListColumnWidth(int position);
constexpr int kListFitToContents = -1;
void ListSetColumnWidth(int position, int width);

// Observers of the store (a view). Each "before" call comes before the store changes.
struct ListEvents {
  std::function<void(int row)> before_insert, after_insert;
  std::function<void(int row)> before_remove, after_remove;
  std::function<void()> before_reset, after_reset;  // delete all and sort
  std::function<void(int row, int position)> cell_changed;
  std::function<void(int row)> state_changed;  // check mark or selection
  std::function<void(int position, int width)> column_width_changed;  // kListFitToContents asks the view
};
void ListSetEvents(ListEvents events);
