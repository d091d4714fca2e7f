#include "list/sort.h"

#include <algorithm>
#include <array>
#include <string>

#include "list/cell_compare.h"
#include "list/columns.h"
#include "list/list_model.h"

namespace {

struct SortState {
  std::array<int, kColumnCount> direction{};
  int file_name_mode = kSortWholeName;
};

SortState& State() {
  static SortState state;
  return state;
}

bool IsPosition(int position) {
  return position >= 0 && position < kColumnCount;
}

bool HoldsNumbers(int column_no) {
  switch (column_no) {
    case kColSizeBytes:
    case kColSizeMB:
    case kColSizeKB:
    case kColVideoRate:
    case kColAudioRate:
    case kColFrameRate:
    case kColResolution:
    case kColPlayTime:
      return true;
    default:
      return false;
  }
}

// The cell as a 256-byte reader sees it, without copying: the comparator runs n log n times.
std::string_view SortText(int32_t key, int position) {
  std::string_view text = ListCellView(ListFindRowByKey(key), position).substr(0, 255);
  if (position == 0 && State().file_name_mode == kSortExtension) {
    text.remove_prefix(text.size() - std::min<size_t>(text.size(), 3));
  }
  return text;
}

}  // namespace

int SortDirection(int position) {
  return IsPosition(position) ? State().direction[position] : kSortNever;
}

int FlipSortDirection(int position) {
  if (!IsPosition(position)) return kSortNever;
  int& direction = State().direction[position];
  direction = direction == kSortAscending ? kSortDescending : kSortAscending;
  return direction;
}

int FileNameSortMode() {
  return State().file_name_mode;
}

void SetFileNameSortMode(int mode) {
  State().file_name_mode = mode;
}

int CompareRows(int32_t key1, int32_t key2, int position) {
  const std::string_view text1 = SortText(key1, position);
  const std::string_view text2 = SortText(key2, position);
  const int order =
      HoldsNumbers(ColumnAtPosition(position)) ? CompareByValue(text1, text2) : CompareFolded(text1, text2);
  return SortDirection(position) == kSortAscending ? order : -order;
}

void SortByColumn(int position) {
  if (!IsPosition(position)) return;
  FlipSortDirection(position);
  ListSort(CompareRows, position);
}

void ResetSortStateForTesting() {
  State() = SortState();
}
