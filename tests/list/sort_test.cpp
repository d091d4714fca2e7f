#include "list/sort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/columns.h"
#include "list/list_model.h"
#include "scan/core_state_reset.h"

namespace {

using Texts = std::vector<std::string>;

class SortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCoreStateForTesting();
    std::array<int, kColumnCount> flags{};
    for (int no : {kColSizeBytes, kColSizeMB, kColSizeKB, kColTitle, kColPlayTime}) flags[no] = 1;
    UseColumns(MakeColumnState(flags, {}));
  }
  void TearDown() override { ResetCoreStateForTesting(); }

  // One row per text, keys as a scan gives them, the text in the file name and at `position`.
  static void AddRows(const Texts& texts, int position) {
    for (const std::string& text : texts) {
      const int row = ListRowCount();
      ListInsertRow(row, row, text);
      ListSetCell(row, position, text);
    }
  }

  static Texts Column(int position) {
    Texts texts;
    for (int row = 0; row < ListRowCount(); ++row) texts.push_back(ListGetCell(row, position));
    return texts;
  }
};

TEST_F(SortTest, ClicksAlternateAscendingAndDescending) {
  const int title = ColumnPosition(kColTitle);
  AddRows({"b", "c", "a"}, title);
  SortByColumn(title);
  EXPECT_EQ(SortDirection(title), kSortAscending);
  EXPECT_EQ(Column(title), (Texts{"a", "b", "c"}));
  SortByColumn(title);
  EXPECT_EQ(SortDirection(title), kSortDescending);
  EXPECT_EQ(Column(title), (Texts{"c", "b", "a"}));
  SortByColumn(title);
  EXPECT_EQ(Column(title), (Texts{"a", "b", "c"}));
  // Each position keeps its own direction; positions outside the table change nothing.
  EXPECT_EQ(SortDirection(0), kSortNever);
  EXPECT_EQ(FlipSortDirection(0), kSortAscending);
  EXPECT_EQ(FlipSortDirection(17), kSortNever);
  EXPECT_EQ(SortDirection(-1), kSortNever);
  SortByColumn(99);
  EXPECT_EQ(Column(title), (Texts{"a", "b", "c"}));
}

TEST_F(SortTest, SizesSortByValue) {
  const int bytes = ColumnPosition(kColSizeBytes);
  AddRows({"1,000,000,000", "999,999", "1,000", "999,999,999", "1,234,567", "999"}, bytes);
  SortByColumn(bytes);
  EXPECT_EQ(Column(bytes), (Texts{"999", "1,000", "999,999", "1,234,567", "999,999,999", "1,000,000,000"}));

  ListDeleteAll();
  const int mb = ColumnPosition(kColSizeMB);
  AddRows({"123.4", "1234.5", "5.23", "999.9", "12.5"}, mb);
  SortByColumn(mb);
  EXPECT_EQ(Column(mb), (Texts{"5.23", "12.5", "123.4", "999.9", "1234.5"}));

  ListDeleteAll();
  const int kb = ColumnPosition(kColSizeKB);
  AddRows({"1,234KB", "999KB", ""}, kb);
  SortByColumn(kb);
  EXPECT_EQ(Column(kb), (Texts{"", "999KB", "1,234KB"}));
}

TEST_F(SortTest, PlayingTimeSortsByValueAndOtherTextAsBytes) {
  const int time = ColumnPosition(kColPlayTime);
  AddRows({"100:00", "62:05", "09:59"}, time);
  SortByColumn(time);
  EXPECT_EQ(Column(time), (Texts{"09:59", "62:05", "100:00"}));
  // The title column holds no numbers by definition: its digits compare as bytes.
  ListDeleteAll();
  const int title = ColumnPosition(kColTitle);
  AddRows({"Disc 10", "disc 9", "Disc 1"}, title);
  SortByColumn(title);
  EXPECT_EQ(Column(title), (Texts{"Disc 1", "Disc 10", "disc 9"}));
}

TEST_F(SortTest, FileNamesByNameOrByExtension) {
  AddRows({"z.mpg", "x.avi", "b.mpeg", "y.MOV", "c.rm"}, 0);
  SortByColumn(0);
  EXPECT_EQ(Column(0), (Texts{"b.mpeg", "c.rm", "x.avi", "y.MOV", "z.mpg"}));
  SetFileNameSortMode(kSortExtension);
  EXPECT_EQ(FileNameSortMode(), kSortExtension);
  SortByColumn(0);  // descending: peg, mpg, MOV, avi, .rm
  EXPECT_EQ(Column(0), (Texts{"b.mpeg", "z.mpg", "y.MOV", "x.avi", "c.rm"}));
  // Other columns compare whole texts whatever the mode.
  const int title = ColumnPosition(kColTitle);
  ListSetCell(0, title, "a.avi");
  ListSetCell(1, title, "b.avi");
  FlipSortDirection(title);
  EXPECT_LT(CompareRows(0, 1, title), 0);
}

TEST_F(SortTest, LetterCaseIsIgnored) {
  AddRows({"Movie.AVI", "movie.avi"}, 0);
  FlipSortDirection(0);
  EXPECT_EQ(CompareRows(0, 1, 0), 0);
}

// Pasted rows and rows of a list opened into a non-empty one share keys with others: each still sorts by
// its own cells.
TEST_F(SortTest, RowsSharingAKeySortByTheirOwnCells) {
  const int bytes = ColumnPosition(kColSizeBytes);
  const char* sizes[] = {"1,748", "45,056", "1,748", "2,382"};
  for (int row = 0; row < 4; ++row) {
    ListInsertRow(row, row % 2, "f");
    ListSetCell(row, bytes, sizes[row]);
  }
  SortByColumn(bytes);
  EXPECT_EQ(Column(bytes), (Texts{"1,748", "1,748", "2,382", "45,056"}));
  SortByColumn(bytes);
  EXPECT_EQ(Column(bytes), (Texts{"45,056", "2,382", "1,748", "1,748"}));
}

// Twenty thousand sizes in a scrambled order come out in numeric order (a rescan per comparison would
// also make this far too slow to finish).
TEST_F(SortTest, LargeListSortsEveryRowByValue) {
  const int bytes = ColumnPosition(kColSizeBytes);
  const int kRows = 20000;
  for (int i = 0; i < kRows; ++i) {
    ListInsertRow(i, i, "f");
    ListSetCell(i, bytes, std::to_string((i * 7919) % kRows));
  }
  SortByColumn(bytes);
  for (int row = 0; row < kRows; row += 3999) EXPECT_EQ(ListGetCell(row, bytes), std::to_string(row));
}

}  // namespace
