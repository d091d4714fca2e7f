#include "list/list_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scan/core_state_reset.h"
#include "support/list_rows.h"

namespace {

class ListModel : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCoreStateForTesting();
    ListSetColumns({{"name", 200, false}, {"size", 85, true}, {"title", 250, false}});
  }
  void TearDown() override { ResetCoreStateForTesting(); }
};

using Texts = std::vector<std::string>;

TEST_F(ListModel, CellsAreCutToCapacityLessOne) {
  ListInsertRow(0, 0, std::string(300, 'n'));
  ListSetCell(0, 2, std::string(1500, 't'));
  EXPECT_EQ(ListGetCell(0, 0).size(), 255u);
  EXPECT_EQ(ListGetCell(0, 2, 1024).size(), 1023u);
  EXPECT_EQ(ListGetCell(0, 2, 32), std::string(31, 't'));
  EXPECT_EQ(ListGetCell(0, 2, 1), "");
  EXPECT_EQ(ListGetCell(0, 2, 0), "");
  ListSetCell(0, 1, "12");
  EXPECT_EQ(ListGetCell(0, 1, 256), "12");
}

TEST_F(ListModel, MissingRowsAndPositionsReadEmptyAndIgnoreWrites) {
  ListInsertRow(0, 7, "a.avi");
  EXPECT_EQ(ListGetCell(0, 1), "");  // never set
  ListSetCell(0, 3, "beyond the columns");
  ListSetCell(0, -1, "x");
  ListSetCell(1, 0, "no such row");
  EXPECT_EQ(ListGetCell(0, 3), "");
  EXPECT_EQ(ListGetCell(0, -1), "");
  EXPECT_EQ(ListGetCell(1, 0), "");
  EXPECT_EQ(ListGetCell(-1, 0), "");
  EXPECT_EQ(ListRowCount(), 1);
  EXPECT_FALSE(ListIsChecked(5));
  EXPECT_EQ(ListRowPath(5), "");
  ListDeleteRow(5);
  ListDeleteRow(-1);
  EXPECT_EQ(ListRowCount(), 1);
}

TEST_F(ListModel, FileNameCellExistsBeforeAnyColumn) {
  ListResetForTesting();
  ListInsertRow(0, 0, "a.avi");
  ListSetCell(0, 1, "lost");
  EXPECT_EQ(ListGetCell(0, 0), "a.avi");
  EXPECT_EQ(ListGetCell(0, 1), "");
}

TEST_F(ListModel, InsertPlacesRowsAndKeepsTheirData) {
  ListInsertRow(0, 10, "b.avi");
  ListInsertRow(1, 11, "d.avi");  // at the end
  ListInsertRow(1, 12, "c.avi");  // between
  ListInsertRow(0, 13, "a.avi");  // at the top
  ListInsertRow(99, 14, "e.avi");
  ListInsertRow(-3, 15, "0.avi");
  EXPECT_EQ(RowFileNames(), (Texts{"0.avi", "a.avi", "b.avi", "c.avi", "d.avi", "e.avi"}));
  EXPECT_EQ(ListRowKey(3), 12);
  ListSetRowPath(3, "/m/c.avi");
  ListSetChecked(3, true);
  ListDeleteRow(0);
  EXPECT_EQ(ListRowPath(2), "/m/c.avi");
  EXPECT_TRUE(ListIsChecked(2));
  EXPECT_FALSE(ListIsChecked(1));
  ListDeleteAll();
  EXPECT_EQ(ListRowCount(), 0);
}

TEST_F(ListModel, SelectionWalksAndDeletesFollowTheRows) {
  for (int i = 0; i < 6; ++i) ListInsertRow(i, i, std::to_string(i));
  ListSetSelected(4, true);
  ListSetSelected(1, true);
  ListSetSelected(1, true);
  EXPECT_EQ(ListSelectedCount(), 2);
  EXPECT_EQ(ListNextSelected(-1), 1);
  EXPECT_EQ(ListNextSelected(1), 4);
  EXPECT_EQ(ListNextSelected(4), -1);
  ListInsertRow(0, 9, "new");  // shifts both selected rows down
  EXPECT_EQ(ListNextSelected(-1), 2);
  ListDeleteRow(0);
  ListDeleteRow(0);  // row "0", above the selection
  EXPECT_EQ(ListNextSelected(-1), 0);
  ListSetSelected(4, true);  // below the first selected one
  ListSetSelected(0, false);
  EXPECT_EQ(ListNextSelected(-1), 3);
  // Delete as the delete command does: the first selected row while any is selected.
  for (int row; (row = ListNextSelected(-1)) != -1;) ListDeleteRow(row);
  EXPECT_EQ(RowFileNames(), (Texts{"1", "2", "3"}));
  EXPECT_EQ(ListSelectedCount(), 0);
  ListSetSelected(2, true);
  EXPECT_EQ(ListNextSelected(-1), 2);
  ListDeleteAll();
  EXPECT_EQ(ListSelectedCount(), 0);
  EXPECT_EQ(ListNextSelected(-1), -1);
}

TEST_F(ListModel, SortIsStableAndComparatorSeesTheOldOrder) {
  const char* names[] = {"c", "a", "b", "a"};
  for (int i = 0; i < 4; ++i) ListInsertRow(i, i, names[i]);
  ListSetChecked(3, true);
  ListSetSelected(0, true);
  int seen_position = -1;
  ListSort(
      [&](int row1, int row2, int position) {
        seen_position = position;
        // During the sort every row is still where it was.
        return ListGetCell(row1, 0).compare(ListGetCell(row2, 0));
      },
      2);
  EXPECT_EQ(seen_position, 2);
  EXPECT_EQ(RowFileNames(), (Texts{"a", "a", "b", "c"}));
  EXPECT_EQ(ListRowKey(0), 1);
  EXPECT_EQ(ListRowKey(1), 3);
  EXPECT_TRUE(ListIsChecked(1));
  EXPECT_EQ(ListNextSelected(-1), 3);
  EXPECT_EQ(ListRowKey(3), 0);
}

TEST_F(ListModel, ColumnsReportHeadersAndWidths) {
  EXPECT_EQ(ListColumnCount(), 3);
  EXPECT_EQ(ListColumnHeader(1), "size");
  EXPECT_TRUE(ListColumnRightAligned(1));
  EXPECT_EQ(ListColumnWidth(2), 250);
  EXPECT_EQ(ListColumnHeader(3), "");
  EXPECT_EQ(ListColumnWidth(-1), 0);
  ListSetColumns({{std::string(300, 'h'), 10, false}});
  EXPECT_EQ(ListColumnHeader(0).size(), 255u);
}

TEST_F(ListModel, EventsComeBeforeAndAfterEachChange) {
  std::vector<std::string> log;
  auto note = [&log](const std::string& what) { log.push_back(what + ":" + std::to_string(ListRowCount())); };
  ListEvents events;
  events.before_insert = [&](int row) { note("before_insert " + std::to_string(row)); };
  events.after_insert = [&](int row) { note("after_insert " + std::to_string(row)); };
  events.before_remove = [&](int row) { note("before_remove " + std::to_string(row)); };
  events.after_remove = [&](int row) { note("after_remove " + std::to_string(row)); };
  events.before_reset = [&] { note("before_reset"); };
  events.after_reset = [&] { note("after_reset"); };
  events.cell_changed = [&](int row, int position) {
    note("cell " + std::to_string(row) + "," + std::to_string(position) + "=" + ListGetCell(row, position));
  };
  events.state_changed = [&](int row) { note("state " + std::to_string(row)); };
  events.column_width_changed = [&](int position, int width) {
    note("width " + std::to_string(position) + "=" + std::to_string(width) + " stored " +
         std::to_string(ListColumnWidth(position)));
  };
  ListSetEvents(events);

  ListInsertRow(0, 0, "a");
  ListSetCell(0, 1, "9");
  ListSetChecked(0, true);
  ListSetChecked(0, true);  // no change, no event
  ListSetSelected(0, true);
  ListSort([](int, int, int) { return 0; }, 0);
  ListSetColumnWidth(1, 90);
  ListSetColumnWidth(1, 90);  // unchanged
  ListSetColumnWidth(1, kListFitToContents);
  ListDeleteRow(0);
  ListInsertRow(0, 0, "b");
  ListDeleteAll();
  EXPECT_EQ(log, (std::vector<std::string>{"before_insert 0:0", "after_insert 0:1", "cell 0,1=9:1",
                                           "state 0:1", "state 0:1", "before_reset:1", "after_reset:1",
                                           "width 1=90 stored 90:1", "width 1=-1 stored 90:1",
                                           "before_remove 0:1", "after_remove 0:0", "before_insert 0:0",
                                           "after_insert 0:1", "before_reset:1", "after_reset:0"}));
}

// 100,000 rows as a large scan makes them: appending, sorting by key, walking the
// selection and deleting the selected top half row by row must stay well away from quadratic time.
TEST_F(ListModel, LargeListSortsWalksAndDeletesItsSelection) {
  const int kRows = 100000;
  for (int i = 0; i < kRows; ++i) ListInsertRow(i, i, std::to_string(i));
  ListSort([](int row1, int row2, int) { return ListRowKey(row2) - ListRowKey(row1); }, 0);
  EXPECT_EQ(ListRowKey(0), kRows - 1);
  for (int row = 0; row < kRows / 2; ++row) ListSetSelected(row, true);
  int walked = 0;
  for (int row = ListNextSelected(-1); row != -1; row = ListNextSelected(row)) ++walked;
  EXPECT_EQ(walked, kRows / 2);
  for (int row; (row = ListNextSelected(-1)) != -1;) ListDeleteRow(row);
  EXPECT_EQ(ListRowCount(), kRows / 2);
  EXPECT_EQ(ListRowKey(kRows / 2 - 1), 0);
}

}  // namespace
