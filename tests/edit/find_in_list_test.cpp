#include "edit/find_in_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "support/shown_columns.h"

namespace {

const std::string kAll = Utf8ToCp932("すべてのｶﾃｺﾞﾘ");
const std::string kFileName = Utf8ToCp932("ﾌｧｲﾙ名");
const std::string kCreator = Utf8ToCp932("製作者名");

class FindInListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCoreStateForTesting();
    ShowOnlyColumns({kColTitle, kColGenre, kColCreator, kColComment, kColFolder});
  }
  void TearDown() override { ResetCoreStateForTesting(); }

  // Rows named r0, r1, ... with no other cells.
  static void AddRows(int count) {
    for (int row = 0; row < count; ++row) ListInsertRow(row, row, "r" + std::to_string(row));
  }
  static void Put(int row, ColumnNo column, const std::string& text) {
    ListSetCell(row, ColumnPosition(column), text);
  }
  static void SelectOnly(std::vector<int> rows) {
    for (int row = 0; row < ListRowCount(); ++row) ListSetSelected(row, false);
    for (int row : rows) ListSetSelected(row, true);
  }
  static std::vector<int> Selected() {
    std::vector<int> rows;
    for (int row = ListNextSelected(-1); row >= 0; row = ListNextSelected(row)) rows.push_back(row);
    return rows;
  }
};

TEST_F(FindInListTest, CategoriesFollowShownColumns) {
  const std::vector<std::string> all_shown{
      kAll,     kFileName,           Utf8ToCp932("ﾀｲﾄﾙ"),      Utf8ToCp932("ｼﾞｬﾝﾙ"),
      kCreator, Utf8ToCp932("ｺﾒﾝﾄ"), Utf8ToCp932("ﾃﾞｨﾚｸﾄﾘﾊﾟｽ")};
  EXPECT_EQ(FindCategoryNames(), all_shown);
  ShowOnlyColumns({kColComment, kColFolder, kColSizeKB});
  EXPECT_EQ(FindCategoryNames(),
            (std::vector<std::string>{kAll, kFileName, Utf8ToCp932("ｺﾒﾝﾄ"), Utf8ToCp932("ﾃﾞｨﾚｸﾄﾘﾊﾟｽ")}));
  ShowOnlyColumns({});
  EXPECT_EQ(FindCategoryNames(), (std::vector<std::string>{kAll, kFileName}));
}

TEST_F(FindInListTest, StartRowAndDirection) {
  AddRows(8);
  for (int row : {0, 3, 6}) Put(row, kColTitle, "hit");
  const int title = ColumnPosition(kColTitle);
  EXPECT_EQ(FindInColumn("hit", title, 3, kFindDown), 6);
  EXPECT_EQ(FindInColumn("hit", title, 3, kFindUp), 0);
  EXPECT_EQ(FindInColumn("hit", title, 6, kFindDown), -1);
  EXPECT_EQ(FindInColumn("hit", title, 0, kFindUp), -1);
  // Without a selection the search runs down from the first row, which counts too.
  EXPECT_EQ(FindInColumn("hit", title, -1, kFindUp), 0);
  EXPECT_EQ(FindInColumn("hit", title, -1, kFindDown), 0);
  EXPECT_EQ(FindInColumn("hit", -1, -1, kFindDown), -1);

  // With rows 2 and 5 selected the search starts from row 2.
  SelectOnly({2, 5});
  EXPECT_EQ(FindInList("hit", Utf8ToCp932("ﾀｲﾄﾙ"), kFindDown, false).row, 3);
  EXPECT_EQ(Selected(), std::vector<int>{3});
  // Repeating walks on from the row found last.
  EXPECT_EQ(FindInList("hit", Utf8ToCp932("ﾀｲﾄﾙ"), kFindDown, true).row, 6);
  EXPECT_EQ(Selected(), std::vector<int>{6});
}

TEST_F(FindInListTest, CaseSensitiveByteSearch) {
  AddRows(3);
  Put(0, kColComment, "movie.avi");
  Put(1, kColComment, Utf8ToCp932("アイ夏の旅行"));  // 83 41 83 43 89 CC...: "A" and ﾌ are trail bytes
  Put(2, kColComment, std::string(511, 'x') + "tail");
  const int comment = ColumnPosition(kColComment);
  EXPECT_EQ(FindInColumn("AVI", comment, -1, kFindDown), -1);
  EXPECT_EQ(FindInColumn("avi", comment, -1, kFindDown), 0);
  // A match starts at a character, never at the second byte of one.
  EXPECT_EQ(FindInColumn("A", comment, -1, kFindDown), -1);
  EXPECT_EQ(FindInColumn("\x41\x83", comment, -1, kFindDown), -1);
  EXPECT_EQ(FindInColumn(Utf8ToCp932("ﾌ"), comment, -1, kFindDown), -1);
  EXPECT_EQ(FindInColumn(Utf8ToCp932("イ夏"), comment, -1, kFindDown), 1);
  EXPECT_EQ(FindInColumn(Utf8ToCp932("旅行"), comment, -1, kFindDown), 1);
  // Only the first 511 bytes of a cell are searched.
  EXPECT_EQ(FindInColumn("xtail", comment, -1, kFindDown), -1);
  EXPECT_EQ(FindInColumn("xxx", comment, -1, kFindDown), 2);
}

TEST_F(FindInListTest, AllCategoriesEarliestColumnWins) {
  AddRows(10);
  SelectOnly({0});
  Put(9, kColTitle, "needle");
  Put(3, kColGenre, "needle");
  Put(1, kColFolder, "needle");
  EXPECT_EQ(FindInList("needle", kAll, kFindDown, false).row, 9);
  // A name outside the category table searches all categories.
  SelectOnly({0});
  EXPECT_EQ(FindInList("needle", "nonsense", kFindDown, false).row, 9);
  // A single category looks in its own column only.
  SelectOnly({0});
  Put(5, kColCreator, "needle");
  EXPECT_EQ(FindInList("needle", kCreator, kFindDown, false).row, 5);

  // The file name is not part of all categories.
  ShowOnlyColumns({kColComment});
  AddRows(2);
  EXPECT_EQ(FindInList("r1", kAll, kFindDown, false).row, -1);
  EXPECT_EQ(FindInList("r1", kFileName, kFindDown, false).row, 1);
}

TEST_F(FindInListTest, EndMessagesLeaveSelection) {
  AddRows(4);
  Put(1, kColTitle, "only");
  SelectOnly({1, 3});
  const struct {
    int direction;
    bool repeat;
    const char* message;
  } cases[] = {
      {kFindDown, false, "検索指定された文字列はみつかりませんでした"},
      {kFindUp, false, "検索指定された文字列はみつかりませんでした"},
      {kFindUp, true, "一番上まで検索しました"},
      {kFindDown, true, "一番下まで検索しました"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const FindResult result = FindInList("only", kAll, c.direction, c.repeat);
    EXPECT_EQ(result.row, -1);
    EXPECT_EQ(result.message, Utf8ToCp932(c.message));
    EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
  }
  EXPECT_EQ(FindEndCaption(), Utf8ToCp932("検索終了"));

  // An empty list finds nothing.
  ListDeleteAll();
  EXPECT_EQ(FindInList("only", kAll, kFindDown, false).row, -1);
}

}  // namespace
