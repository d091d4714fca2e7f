#include "list/txt_list.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace {

const std::string kNameLabel = Utf8ToCp932("ファイル名");
const std::string kBytesLabel = Utf8ToCp932("サイズ(Byte)");

TEST(RenderTxtList, WidthsCountCp932BytesAndTheLastColumnIsNotPadded) {
  ListFileTable table{{kNameLabel, kBytesLabel}, {false, true}, {{"a.avi", "1,234"}, {"movie-2.mpg", "56"}}};
  ASSERT_EQ(kNameLabel.size(), 10u);
  ASSERT_EQ(kBytesLabel.size(), 12u);
  EXPECT_EQ(RenderTxtList(table, true), kNameLabel + "  " + kBytesLabel +
                                            " \n"
                                            "a.avi       1,234 \n"
                                            "movie-2.mpg 56 \n");
  // Append mode writes the data lines only, padded as if the header were there.
  EXPECT_EQ(RenderTxtList(table, false),
            "a.avi       1,234 \n"
            "movie-2.mpg 56 \n");
}

TEST(RenderTxtList, RightAlignedColumnsInsideTheLine) {
  // Half-width katakana counts one byte, full-width two.
  std::string title = Utf8ToCp932("ﾀｲﾄﾙ漢字");
  ListFileTable table{{"name", "bytes", "title"},
                      {false, true, false},
                      {{"a.avi", "1,234,567", title}, {"long-name.avi", "5", "t"}}};
  EXPECT_EQ(RenderTxtList(table, true),
            "name              bytes title\n"
            "a.avi         1,234,567 " +
                title +
                "\n"
                "long-name.avi         5 t\n");
}

TEST(RenderTxtList, EmptyListsAndSingleColumns) {
  ListFileTable sizes{{"b", "m", "k"}, {true, true, true}, {}};
  EXPECT_EQ(RenderTxtList(sizes, true), "b m k \n");
  EXPECT_EQ(RenderTxtList(sizes, false), "");
  sizes.rows = {{"1,000", "0.01", "1"}};
  EXPECT_EQ(RenderTxtList(sizes, false), "1,000 0.01 1 \n");

  ListFileTable names{{kNameLabel}, {false}, {{"a.avi"}, {"much-longer-name.avi"}}};
  EXPECT_EQ(RenderTxtList(names, true), kNameLabel + "\na.avi\nmuch-longer-name.avi\n");
}

// Cells are written whole, whatever their length.
TEST(RenderTxtList, LongCellsAreNotCut) {
  std::string comment(600, 'c');
  ListFileTable table{{"name", "comment"}, {false, false}, {{"a.avi", comment}}};
  EXPECT_EQ(RenderTxtList(table, false), "a.avi " + comment + "\n");
}

}  // namespace
