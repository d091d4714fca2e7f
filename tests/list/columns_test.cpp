#include "list/columns.h"

#include <gtest/gtest.h>

#include "list/list_model.h"
#include "platform/cp932.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace {

std::array<int, kColumnCount> Flags(std::initializer_list<int> shown_columns) {
  std::array<int, kColumnCount> flags{};
  for (int no : shown_columns) flags[no] = 1;
  return flags;
}

std::array<int, kColumnCount> DefaultWidths() {
  std::array<int, kColumnCount> widths{};
  for (int no = 0; no < kColumnCount; ++no) widths[no] = ColumnTable(no).default_width;
  return widths;
}

class ColumnsTest : public ::testing::Test {
 protected:
  void SetUp() override { ListResetForTesting(); }
  void TearDown() override {
    ListResetForTesting();
    Columns() = MakeColumnState({}, {});
    UseSettingsFileForTesting("");
  }

  // Builds the columns from a settings file holding these lines.
  void BuildFrom(const std::string& ini) {
    UseSettingsFileForTesting(dir_.Write("dorirovo.ini", ini));
    BuildColumns();
  }

  TempDir dir_;
};

TEST_F(ColumnsTest, TableHoldsCp932TextsKeysAndWidths) {
  EXPECT_EQ(ColumnTable(kColFileName).list_header, Utf8ToCp932("ﾌｧｲﾙ名"));
  EXPECT_EQ(ColumnTable(kColFileName).list_header.size(), 6u);
  EXPECT_EQ(ColumnTable(kColFileName).file_label.size(), 10u);
  EXPECT_EQ(ColumnTable(kColSizeBytes).file_label, Utf8ToCp932("サイズ(Byte)"));
  EXPECT_EQ(ColumnTable(kColFileName).visibility_key, nullptr);
  // The settings file depends on these keys letter for letter.
  EXPECT_STREQ(ColumnTable(kColVideoFormat).visibility_key, "MoveInfo");
  EXPECT_STREQ(ColumnTable(kColFrameRate).visibility_key, "FlameRate");
  EXPECT_STREQ(ColumnTable(kColGenre).width_key, "Junle");
  EXPECT_STREQ(ColumnTable(kColCreator).visibility_key, "Creater");
  EXPECT_EQ(ColumnTable(kColFolder).width_menu_item, 40026);
  EXPECT_EQ(ColumnTable(kColComment).default_width, 400);
  // Where header and label read the same, the bytes are the same.
  EXPECT_EQ(ColumnTable(kColResolution).list_header, ColumnTable(kColResolution).file_label);
  int right_aligned = 0;
  for (int no = 0; no < kColumnCount; ++no) right_aligned += ColumnTable(no).right_aligned;
  EXPECT_EQ(right_aligned, 3);
  EXPECT_EQ(ColumnTable(kColumnCount).width_key, nullptr);
  EXPECT_EQ(ColumnTable(-1).default_width, 0);
}

TEST_F(ColumnsTest, AllShownTakeTableOrder) {
  std::array<int, kColumnCount> all;
  all.fill(1);
  const ColumnState state = MakeColumnState(all, DefaultWidths());
  for (int no = 0; no < kColumnCount; ++no) EXPECT_EQ(state.position[no], no);
  EXPECT_EQ(state.last_position, 16);
}

TEST_F(ColumnsTest, HiddenColumnsHaveNoPosition) {
  const ColumnState none = MakeColumnState({}, DefaultWidths());
  EXPECT_EQ(none.last_position, 0);
  EXPECT_EQ(none.position[kColFileName], 0);
  EXPECT_EQ(none.shown[kColFileName], 1);
  for (int no = 1; no < kColumnCount; ++no) EXPECT_EQ(none.position[no], -1);

  UseColumns(MakeColumnState(Flags({kColTitle, kColComment}), DefaultWidths()));
  EXPECT_EQ(ColumnPosition(kColTitle), 1);
  EXPECT_EQ(ColumnPosition(kColComment), 2);
  EXPECT_EQ(ColumnPosition(kColGenre), -1);
  EXPECT_EQ(ColumnPosition(kColumnCount), -1);
  EXPECT_EQ(ColumnAtPosition(2), kColComment);
  EXPECT_EQ(ColumnAtPosition(3), -1);
  EXPECT_EQ(ColumnAtPosition(-1), -1);
  EXPECT_EQ(Columns().last_position, 2);
}

TEST_F(ColumnsTest, OnlyAFlagOfOneShows) {
  std::array<int, kColumnCount> flags{};
  flags[kColSizeBytes] = 2;
  flags[kColSizeMB] = -1;
  flags[kColSizeKB] = 1;
  const ColumnState state = MakeColumnState(flags, DefaultWidths());
  EXPECT_EQ(state.shown[kColSizeBytes], 0);
  EXPECT_EQ(state.shown[kColSizeMB], 0);
  EXPECT_EQ(state.position[kColSizeKB], 1);
  EXPECT_EQ(state.last_position, 1);
}

TEST_F(ColumnsTest, RowStoreGetsTheShownColumns) {
  std::array<int, kColumnCount> widths = DefaultWidths();
  widths[kColSizeMB] = 77;
  UseColumns(MakeColumnState(Flags({kColSizeMB, kColVolume}), widths));
  ASSERT_EQ(ListColumnCount(), 3);
  EXPECT_EQ(ListColumnHeader(0), ColumnTable(kColFileName).list_header);
  EXPECT_EQ(ListColumnHeader(1), Utf8ToCp932("ｻｲｽﾞ(MB)"));
  EXPECT_EQ(ListColumnWidth(1), 77);
  EXPECT_TRUE(ListColumnRightAligned(1));
  EXPECT_EQ(ListColumnHeader(2), Utf8ToCp932("ﾎﾞﾘｭｰﾑ"));
  EXPECT_FALSE(ListColumnRightAligned(2));
  EXPECT_EQ(ListColumnWidth(2), 100);
}

TEST_F(ColumnsTest, BuildWithoutSettingsShowsEveryColumnAtDefaultWidth) {
  UseSettingsFileForTesting(dir_.path() + "/missing.ini");
  BuildColumns();
  EXPECT_EQ(Columns().last_position, 16);
  EXPECT_EQ(ListColumnCount(), 17);
  EXPECT_EQ(ListColumnWidth(ColumnPosition(kColComment)), 400);
  EXPECT_EQ(ListColumnHeader(16), Utf8ToCp932("ﾎﾞﾘｭｰﾑ"));
}

TEST_F(ColumnsTest, BuildReadsFlagsAndWidths) {
  BuildFrom(
      "[Customize]\nFileSizeBT=2\nFileSizeMB=0\nFileSizeKB=0\nmoveinfo=0\nAudioInfo=0\nVideoRate=0\n"
      "AudioRate=0\nFlameRate=0\nResolusion=0\nPlayTime=0\nJanle=0\nCreater=0\nDirPath=0\nVolLabel=0\n"
      "[MainSeting]\nTitle=333\nFile=-40\nComment=abc\n");
  // Only the title (absent key, shown) and the comment (absent key, shown) remain.
  EXPECT_EQ(ColumnPosition(kColTitle), 1);
  EXPECT_EQ(ColumnPosition(kColComment), 2);
  EXPECT_EQ(ColumnPosition(kColSizeBytes), -1);
  EXPECT_EQ(Columns().last_position, 2);
  ASSERT_EQ(ListColumnCount(), 3);
  EXPECT_EQ(Columns().width[kColTitle], 333);
  EXPECT_EQ(ListColumnWidth(1), 333);
  EXPECT_EQ(ListColumnWidth(0), 200);  // a negative stored width falls back to the default
  EXPECT_EQ(ListColumnWidth(2), 0);    // no digits read as 0, as the profile read gives
}

TEST_F(ColumnsTest, BuildWithEveryOptionalColumnHidden) {
  std::string ini = "[Customize]\n";
  for (int no = 1; no < kColumnCount; ++no) ini += std::string(ColumnTable(no).visibility_key) + "=0\n";
  BuildFrom(ini);
  EXPECT_EQ(Columns().last_position, 0);
  EXPECT_EQ(ListColumnCount(), 1);
  for (int no = 1; no < kColumnCount; ++no) EXPECT_EQ(ColumnPosition(no), -1);
}

}  // namespace
