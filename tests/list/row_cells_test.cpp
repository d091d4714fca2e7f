#include "list/row_cells.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "list/list_model.h"
#include "scan/core_state_reset.h"

namespace {

// Cells set in any order, grown, emptied and overwritten read back as set, the others empty.
TEST(RowCells, CellsReadBackWhateverTheOrderOfSetting) {
  RowCells cells;
  cells.Set(3, "three");
  cells.Set(0, "zero");
  cells.Set(16, std::string(300, 'x'));
  cells.Set(3, "3");
  cells.Set(0, "");
  cells.Set(17, "past the last column");
  cells.Set(-1, "before the first");
  const std::string expected[RowCells::kMaxCells] = {
      "", "", "", "3", "", "", "", "", "", "", "", "", "", "", "", "", std::string(300, 'x')};
  for (int position = 0; position < RowCells::kMaxCells; ++position) {
    EXPECT_EQ(cells.Get(position), expected[position]) << position;
  }
  EXPECT_EQ(cells.Get(17), "");
  EXPECT_EQ(cells.Get(-1), "");
  // All at once, for fewer positions than the cells held, exactly as many and more.
  for (size_t count : {2, RowCells::kMaxCells, RowCells::kMaxCells + 3}) {
    std::vector<std::string_view> all(count, "stale");
    cells.GetAll(all);
    for (size_t position = 0; position < count; ++position) {
      EXPECT_EQ(all[position], cells.Get(static_cast<int>(position))) << count << " " << position;
    }
  }
}

// Paths keep their folders once for all rows, and each row still gets its own path back exactly.
TEST(RowCells, RowPathsShareFoldersAndComeBackWhole) {
  ResetCoreStateForTesting();
  const std::string paths[] = {"/m/a.avi", "/m/b.avi", "/other/c.avi", "plain.avi", "", "/m/", "/"};
  for (int row = 0; row < 7; ++row) {
    ListInsertRow(row, row, "f");
    ListSetRowPath(row, paths[row]);
  }
  ListDeleteRow(0);
  ListSetRowPath(0, "/m/renamed.avi");
  const std::string expected[] = {"/m/renamed.avi", "/other/c.avi", "plain.avi", "", "/m/", "/"};
  for (int row = 0; row < 6; ++row) EXPECT_EQ(ListRowPath(row), expected[row]);
  ResetCoreStateForTesting();
}

}  // namespace
